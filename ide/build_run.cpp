// Placeholder until builds exist: the commands do nothing.
#include "ide/build_run.h"

void CompileAndRun() {}
void CompileOnly() {}
void LinkProgram() {}
void RunLinkedProgram() {}
