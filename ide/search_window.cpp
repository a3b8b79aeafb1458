// Placeholder until find-all exists: nothing opens.
#include "ide/search_window.h"

void LoadSearchWindow() {}
