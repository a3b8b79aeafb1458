// The compiler runner: BuildResource of liblinker.so, bound at the first build and kept until the
// program ends (a missing runner ends the program), and called for one build at a time.
#pragma once

#include <string>

// Not while another build waits, and not without the runner.
bool CanStartBuild();
// Runs the compiler through the runner and returns what it printed (null for nothing); the
// result stays valid until the next build. Meanwhile the wait dispatches messages.
const char* RunCompiler(const std::string& sourceArgs, const std::string& compilerPath, const std::string& outputPath);
// Ends the compiler of a build that waits for it, so that the program can end: the build then
// touches nothing of a main window that has gone.
void EndWaitingBuild();
