// The program's own entry: the globals, the exit clean-up, the main window and the message loop.
#pragma once

// Returns 0 once the message loop has ended.
int ProgramStart();

// The module initialisers: each returns 0 and does nothing else.
int ModuleInit1();
int ModuleInit2();
int ModuleInit3();
int ModuleInit4();
