// Qt's events on a window's widget become the window's messages: resize to WM_SIZE, keys to
// WM_KEYDOWN / WM_KEYUP and one WM_CHAR per code-page byte of the typed text, text committed by
// an input method to WM_CHAR likewise, left and right mouse buttons to WM_[LR]BUTTON(DOWN|UP),
// focus to WM_SETFOCUS / WM_KILLFOCUS and the context menu request to WM_CONTEXTMENU. Each runs
// through the window's procedure chain; the Qt event goes on to the widget only when the chain
// passed the message on, and is swallowed otherwise (for an input method, only its committed
// text is: the composition still reaches the widget).
// For a scroll area (the "Scintilla" class) the mouse arrives at its viewport and is reported
// in the window's client coordinates.
#pragma once

class QWidget;

namespace platform {

void InstallEventTranslation(QWidget* widget);

}  // namespace platform
