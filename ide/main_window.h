// MainWindow, the environment's one main window. Its creation and start-up live in
// main_window_start.h, its layout in main_window_layout.h.
#pragma once

#include "framework/form.h"

// The loaded main window; null until ProgramStart has created it and again once it has been
// destroyed (the program is then ending, or only windows beside it are left).
extern framework::Form* MainWindow;
