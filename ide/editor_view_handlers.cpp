// Placeholder until the view handlers exist: every event is passed on untouched.
#include "ide/editor_view_handlers.h"

int OnEditorUpdateUi() { return 0; }
int OnEditorMarginClick(int, int) { return 0; }
int OnEditorLeftButtonUp() { return 0; }
int OnEditorRightButtonUp() { return 0; }
int OnEditorKeyUp() { return 0; }
