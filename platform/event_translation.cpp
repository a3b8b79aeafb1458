#include "platform/event_translation.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

#include "platform/client_size_report.h"
#include "platform/code_page.h"
#include "platform/handle_id.h"
#include "platform/key_codes.h"
#include "platform/window_frame.h"
#include "platform/window_registry.h"

namespace platform {
namespace {

bool Swallowed(const ChainResult& chain) { return chain.delivered && !chain.passedOn; }

// The window an event at a watched widget belongs to.
struct Target {
  HWND window;
  QWidget* windowWidget;
  bool atViewport;  // the watched widget is the window's scroll-area viewport
};

std::optional<Target> TargetOf(QWidget* watched) {
  if (const HWND window = FindWindowHandle(watched)) return Target{window, watched, false};
  auto* area = qobject_cast<QAbstractScrollArea*>(watched->parentWidget());
  if (area == nullptr || area->viewport() != watched) return std::nullopt;
  if (const HWND window = FindWindowHandle(area)) return Target{window, area, true};
  return std::nullopt;
}

// Mouse events of a scroll area are those of its viewport; other windows get their own.
bool IsPointerSource(const Target& target) {
  return target.atViewport || qobject_cast<QAbstractScrollArea*>(target.windowWidget) == nullptr;
}

// Keys go to the window with the focus. Qt hands a key that a child ignored on to the parent;
// that copy is not the parent's key.
bool IsKeyTarget(const Target& target) {
  if (target.atViewport) return false;
  const QWidget* focus = QApplication::focusWidget();
  const WindowRecord* focusRecord = FindWindowRecord(FindOwningWindow(focus));
  if (focusRecord == nullptr || focusRecord->widget == target.windowWidget) return true;
  return !target.windowWidget->isAncestorOf(focusRecord->widget);
}

// The typed text as code-page bytes; Delete types nothing on Windows.
std::string CharacterBytes(const QKeyEvent* key) {
  return key->key() == Qt::Key_Delete ? std::string() : QStringToAnsi(key->text());
}

// One WM_CHAR per byte, every byte sent even when an earlier one was swallowed.
bool CharactersSwallowed(HWND window, const std::string& bytes, LPARAM lParam) {
  bool swallowed = false;
  for (const char byte : bytes) {
    swallowed |= Swallowed(RunProcedureChain(window, WM_CHAR, static_cast<unsigned char>(byte), lParam));
  }
  return swallowed;
}

// Keys such as Enter and Backspace act when the window takes the key down; the control character
// they type comes after that action, as on Windows. Tab is the exception: its character is how
// a window takes over the Tab key, so it must come first.
bool ActsBeforeItsCharacter(const std::string& bytes) {
  return bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 0x20 && bytes[0] != '\t';
}

bool KeyPressSwallowed(HWND window, QWidget* watched, QKeyEvent* key) {
  const LPARAM lParam = KeyMessageLParam(false, key->isAutoRepeat());
  if (const int virtualKey = VirtualKeyFromQtKey(key->key())) {
    if (Swallowed(RunProcedureChain(window, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), lParam)))
      return true;
  }
  const std::string bytes = CharacterBytes(key);
  if (!ActsBeforeItsCharacter(bytes)) return CharactersSwallowed(window, bytes, lParam);
  // QObject::event hands the key to the widget's own handling without passing this filter. A
  // key the widget ignores goes on to Qt, which offers it to the parents as usual.
  key->accept();
  static_cast<QObject*>(watched)->event(key);
  const bool handled = key->isAccepted();
  CharactersSwallowed(window, bytes, lParam);
  return handled;
}

// Text that an input method commits (how Chinese is typed) is typed text like a key's. A
// swallowed commit is taken out of the event, which still goes on: the composition it ends or
// changes must reach the widget all the same, or the widget would go on showing it.
void TranslateInputMethodCommit(HWND window, QInputMethodEvent* input) {
  const std::string bytes = QStringToAnsi(input->commitString());
  if (CharactersSwallowed(window, bytes, KeyMessageLParam(false, false))) input->setCommitString(QString());
}

// Windows sends no key-up between the repeats of a held key.
bool KeyReleaseSwallowed(HWND window, const QKeyEvent* key) {
  const int virtualKey = VirtualKeyFromQtKey(key->key());
  if (virtualKey == 0 || key->isAutoRepeat()) return false;
  return Swallowed(
      RunProcedureChain(window, WM_KEYUP, static_cast<WPARAM>(virtualKey), KeyMessageLParam(true, false)));
}

// A double click is a second button-down, as for a class without CS_DBLCLKS.
UINT MouseMessage(QEvent::Type type, Qt::MouseButton button) {
  const bool release = type == QEvent::MouseButtonRelease;
  if (button == Qt::LeftButton) return release ? WM_LBUTTONUP : WM_LBUTTONDOWN;
  if (button == Qt::RightButton) return release ? WM_RBUTTONUP : WM_RBUTTONDOWN;
  return 0;
}

WPARAM MouseKeyFlags(const QMouseEvent* mouse) {
  WPARAM flags = 0;
  if (mouse->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
  if (mouse->buttons() & Qt::RightButton) flags |= MK_RBUTTON;
  if (mouse->buttons() & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (mouse->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (mouse->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

bool MouseSwallowed(const Target& target, QWidget* watched, const QMouseEvent* mouse) {
  const UINT message = MouseMessage(mouse->type(), mouse->button());
  if (message == 0) return false;
  const QPoint client =
      watched->mapTo(target.windowWidget, mouse->position().toPoint()) - ClientOrigin(target.windowWidget);
  return Swallowed(
      RunProcedureChain(target.window, message, MouseKeyFlags(mouse), MAKELPARAM(client.x(), client.y())));
}

// A request from the keyboard carries -1, -1 in place of a mouse position, as on Windows; it
// arrives at the focus widget, which for a scroll area is the area itself.
bool ContextMenuSwallowed(const Target& target, const QContextMenuEvent* request) {
  const bool fromKeyboard = request->reason() == QContextMenuEvent::Keyboard;
  if (fromKeyboard ? target.atViewport : !IsPointerSource(target)) return false;
  const QPoint at = request->globalPos();
  const LPARAM lParam = fromKeyboard ? MAKELPARAM(-1, -1) : MAKELPARAM(at.x(), at.y());
  return Swallowed(RunProcedureChain(target.window, WM_CONTEXTMENU, IdOfHandle(target.window), lParam));
}

bool Translate(const Target& target, QWidget* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:
      return !target.atViewport && Swallowed(ReportClientSize(target.window));
    case QEvent::KeyPress:
      return IsKeyTarget(target) && KeyPressSwallowed(target.window, watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      return IsKeyTarget(target) && KeyReleaseSwallowed(target.window, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      if (IsKeyTarget(target)) TranslateInputMethodCommit(target.window, static_cast<QInputMethodEvent*>(event));
      return false;
    case QEvent::FocusIn:
      return !target.atViewport && Swallowed(RunProcedureChain(target.window, WM_SETFOCUS, 0, 0));
    case QEvent::FocusOut:
      return !target.atViewport && Swallowed(RunProcedureChain(target.window, WM_KILLFOCUS, 0, 0));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      return IsPointerSource(target) && MouseSwallowed(target, watched, static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
      return ContextMenuSwallowed(target, static_cast<QContextMenuEvent*>(event));
    default:
      return false;
  }
}

class WindowEventTranslator final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    const std::optional<Target> target = widget == nullptr ? std::nullopt : TargetOf(widget);
    if (!target || !Translate(*target, widget, event)) return false;
    event->accept();  // a swallowed event goes to no parent either
    return true;
  }
};

WindowEventTranslator& Translator() {
  static auto* translator = new WindowEventTranslator;
  return *translator;
}

}  // namespace

void InstallEventTranslation(QWidget* widget) {
  widget->installEventFilter(&Translator());
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
    area->viewport()->installEventFilter(&Translator());
}

}  // namespace platform
