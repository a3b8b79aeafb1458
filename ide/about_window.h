// The about window.
#pragma once

#include "framework/form.h"

// Null until it has been loaded once.
extern framework::Form* AboutWindow;

// Loads it without an owner and not as a dialog, beside the main window.
void LoadAboutWindow();
// Loads it as a dialog modal to the program's windows; returns once it has closed.
void ShowAboutWindowModal();

void OnAboutWindowHomePageButtonClick();
void OnAboutWindowCheckUpdateButtonClick();
