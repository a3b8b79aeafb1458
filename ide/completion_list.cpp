// Placeholder until completion exists: every key is passed on untouched.
#include "ide/completion_list.h"

int OnEditorChar(int) { return 0; }
int OnEditorKeyDown(int, int) { return 0; }
int OnEditorDwell(int, int, int, int) { return 0; }
