// The main window's layout: the editor below the toolbar and, when it is shown, the output
// panel below the editor.
#pragma once

// Lays out the editor and, when shown, the output panel and its lists to the window's size.
void OnMainWindowResized();
