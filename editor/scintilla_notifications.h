// Turns the notification signals of a QsciScintillaBase into SCNotification records sent to
// its parent window as WM_NOTIFY, as the component does on Windows.
#pragma once

class QsciScintillaBase;

namespace scintilla {

void ForwardScintillaNotifications(QsciScintillaBase* editor);

}  // namespace scintilla
