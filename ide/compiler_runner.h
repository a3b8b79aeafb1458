// The compiler runner: BuildResource of liblinker.so, bound at the first build and kept until the
// program ends, and called for one build at a time.
#pragma once

#include <string>

// Binds the runner at the first call and keeps it. Without it the program ends through the fatal
// stop; false comes back only where that stop returns (in tests).
bool LoadCompilerRunner();
// A build waits in the runner: its wait dispatches messages, so a build command can arrive
// meanwhile, and the runner would answer it with "no output".
bool BuildWaiting();
// Runs the compiler through the runner, which LoadCompilerRunner has loaded, and returns what it
// printed (null for nothing); the result stays valid until the next build. Meanwhile the wait
// dispatches messages.
const char* RunCompiler(const std::string& sourceArgs, const std::string& compilerPath, const std::string& outputPath);
// Ends the compiler of a build that waits for it, so that the program can end: the build then
// touches nothing of a main window that has gone.
void EndWaitingBuild();
// Forgets the bound runner and the waiting build.
void ResetCompilerRunner();
