// The window class "Scintilla": a QsciScintillaBase. Its class procedure hands the
// component's messages to SendScintilla with wParam and lParam as they are (pointers
// included), so SCI_GETDIRECTFUNCTION and SCI_GETDIRECTPOINTER give the component's own
// direct function and pointer; its notification signals reach the parent as WM_NOTIFY.
#pragma once

namespace scintilla {

// Registers the class with the window layer's classes; true once it is there, whoever
// registered it.
bool RegisterScintillaWindowClass();

}  // namespace scintilla
