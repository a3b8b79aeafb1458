// Placeholder until the about window exists: nothing opens.
#include "ide/about_window.h"

void LoadAboutWindow() {}
void ShowAboutWindowModal() {}
