// MainWindow, the environment's one main window: its creation (the whole start-up after the
// globals), its layout, and its close.
#pragma once

#include "framework/form.h"

// The loaded main window; null until ProgramStart has created it.
extern framework::Form* MainWindow;

// Builds MainWindow from its definition and binds its window events; null when that fails.
framework::Form* CreateMainWindow();

void OnMainWindowCreated();
void OnMainWindowResized();
void OnMainWindowDestroy();
// 1 lets the window close, 0 keeps it open.
int OnMainWindowQueryClose();
