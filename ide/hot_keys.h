// The hot keys F2 to F7 of the main window.
#pragma once

// Registers the six keys on MainWindow and stores their ids in the HotKeyId globals.
void RegisterHotKeys();
