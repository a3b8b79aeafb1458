// The main window's creation (the whole start-up after the globals) and its close.
#pragma once

#include "framework/form.h"

// Builds MainWindow from its definition and binds its window events; null when that fails. The
// global names the window while it is open and is null once it has been destroyed.
framework::Form* CreateMainWindow();

void OnMainWindowCreated();
void OnMainWindowDestroy();
// 1 lets the window close, 0 keeps it open.
int OnMainWindowQueryClose();
