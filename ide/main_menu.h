// The menu bar of the main window.
#pragma once

// Attaches MainMenu to MainWindow and fills it; MenuHandles gets the five popups.
void BuildMainMenu();
