// The output panel 高级选择夹1: whether it is shown (OutputPanelVisible, remembered in
// config.ini), and the main window's layout of the editor above it.
#pragma once

// Reads the remembered choice; hides the panel and unchecks its button unless it was shown.
void ApplyOutputPanelSetting();
// Toolbar button 9: shows or hides the output panel and remembers the choice in config.ini.
void ToggleOutputPanel();
// Lays out the editor and, when shown, the output panel below it.
void OnMainWindowResized();
