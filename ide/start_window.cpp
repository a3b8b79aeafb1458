// Placeholder until the start window exists: a start without a file shows the main window alone.
#include "ide/start_window.h"

void LoadStartWindow() {}
