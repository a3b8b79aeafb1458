// The about window.
#pragma once

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* AboutWindow;

// Loads it without an owner and not as a dialog, beside the main window, or brings the open one
// to the front.
void LoadAboutWindow();
// Loads it as a dialog modal to the program's windows; returns once it has closed.
void ShowAboutWindowModal();

void OnAboutWindowHomePageButtonClick();
void OnAboutWindowCheckUpdateButtonClick();
