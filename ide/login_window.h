// The sign-in window of the vendor's web service.
#pragma once

#include "framework/form.h"

// Null until it has been loaded once.
extern framework::Form* LoginWindow;

// Loads it without an owner and not as a dialog.
void LoadLoginWindow();

void OnLoginWindowCreated();
void OnLoginWindowLoginButtonClick();
void OnLoginWindowRegisterButtonClick();
