// The sign-in window of the vendor's web service.
#pragma once

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* LoginWindow;

// Loads it without an owner and not as a dialog, or brings the open one to the front.
void LoadLoginWindow();

void OnLoginWindowCreated();
void OnLoginWindowLoginButtonClick();
void OnLoginWindowRegisterButtonClick();
