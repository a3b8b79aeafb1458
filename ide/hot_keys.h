// The hot keys F2 to F7 of the main window.
#pragma once

#include "platform/win_types.h"

// Registers F5, F3, F4, F2, F6 and F7, in this order and without modifiers, on MainWindow and
// stores their ids in the HotKeyId globals.
void RegisterHotKeys();
// Registers the key without modifiers on the window and returns its id: the next of a counter
// from 33001 that every registration advances, or 0 when the key is taken. The first
// registration on a window subclasses it, so that its hot keys reach the label 标签1.
int RegisterWindowHotKey(platform::HWND window, platform::UINT virtualKey);
// Forgets the window the keys were registered on and starts the ids again from 33001.
void ResetHotKeyWindow();
// The feedback of 标签1: runs the command of the hot key with that id (commands.h); an id that
// no key got does nothing. The result is not used.
int OnMainWindowHotKeyLabelFeedback(int id);
