// Placeholder, replaced by the build runner.
