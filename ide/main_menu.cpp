// Placeholder until the menu bar is built: the window shows no menu.
#include "ide/main_menu.h"

void BuildMainMenu() {}
