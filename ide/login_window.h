// The sign-in window of the vendor's web service.
#pragma once

// Loads it without an owner and not as a dialog.
void LoadLoginWindow();
