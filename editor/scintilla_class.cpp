#include "editor/scintilla_class.h"

#include <Qsci/qsciscintillabase.h>

#include "editor/scintilla_notifications.h"
#include "platform/window.h"
#include "platform/window_class.h"

namespace scintilla {
namespace {

using namespace platform;

// The component's own messages (SCI_*, the optional ones and the lexer's); everything
// else is a plain window message.
constexpr UINT kFirstComponentMessage = QsciScintillaBase::SCI_START;
constexpr UINT kEndOfComponentMessages = 5000;

LRESULT ScintillaClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= kFirstComponentMessage && message < kEndOfComponentMessages) {
    const auto* editor = qobject_cast<QsciScintillaBase*>(WidgetFromWindow(window));
    return editor == nullptr ? 0 : editor->SendScintilla(message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

QWidget* NewEditingWidget(QWidget* parent) {
  auto* editor = new QsciScintillaBase(parent);
  // The component starts with the line ends of the system it was made for: Enter types CR LF,
  // like the files the program reads and writes.
  editor->SendScintilla(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
  ForwardScintillaNotifications(editor);
  return editor;
}

}  // namespace

bool RegisterScintillaWindowClass() {
  return RegisterWindowClass("Scintilla", &ScintillaClassProcedure, &NewEditingWidget) ||
         FindWindowClass("Scintilla") != nullptr;
}

}  // namespace scintilla
