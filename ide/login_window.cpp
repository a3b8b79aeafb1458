// Placeholder until sign-in exists: nothing opens.
#include "ide/login_window.h"

void LoadLoginWindow() {}
