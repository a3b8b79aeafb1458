// Keyboard and mouse state. An application-wide event filter follows key presses and releases
// by virtual key from the moment the application exists; it sees every key before any window
// does, so a key is already down while its WM_KEYDOWN is handled.
#include "platform/input.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <bitset>

#include "platform/key_codes.h"

namespace platform {
namespace {

class KeyStateTracker final : public QObject {
 public:
  bool IsDown(int virtualKey) const { return down_.test(static_cast<std::size_t>(virtualKey)); }

  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        Follow(static_cast<const QKeyEvent*>(event));
        break;
      case QEvent::ApplicationStateChange:
        // Keys released while another program is in front never reach us.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) down_.reset();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Follow(const QKeyEvent* key) {
    const int virtualKey = VirtualKeyFromQtKey(key->key());
    if (virtualKey == 0 || key->isAutoRepeat()) return;
    down_.set(static_cast<std::size_t>(virtualKey), key->type() == QEvent::KeyPress);
  }

  std::bitset<256> down_;
};

KeyStateTracker& Tracker() {
  static auto* tracker = new KeyStateTracker;
  return *tracker;
}

void StartFollowingKeys() { QCoreApplication::instance()->installEventFilter(&Tracker()); }

bool ModifierDown(int virtualKey) {
  const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
  switch (virtualKey) {
    case VK_SHIFT:
      return modifiers & Qt::ShiftModifier;
    case VK_CONTROL:
      return modifiers & Qt::ControlModifier;
    case VK_MENU:
      return modifiers & Qt::AltModifier;
    default:
      return false;
  }
}

// The text a key types, as Qt's own key events carry it.
QString KeyText(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return QStringLiteral("\b");
    case Qt::Key_Return:
      return QStringLiteral("\r");
    case Qt::Key_Tab:
      return QStringLiteral("\t");
    case Qt::Key_Escape:
      return QString(QChar(0x1B));
    case Qt::Key_Space:
      return QStringLiteral(" ");
    default:
      break;
  }
  const bool shift = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    const QChar letter(qtKey);
    return shift ? QString(letter) : QString(letter.toLower());
  }
  const int character = CharacterOfQtKey(qtKey, shift);
  return character == 0 ? QString() : QString(QChar(character));
}

void DeliverKeyPress(int qtKey) {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return;
  const QPointer<QWidget> target(focus);
  const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
  QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, KeyText(qtKey));
  QCoreApplication::sendEvent(target.data(), &press);
  if (target.isNull()) return;  // the key closed its window
  QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, KeyText(qtKey));
  QCoreApplication::sendEvent(target.data(), &release);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartFollowingKeys)

short GetAsyncKeyState(int virtualKey) {
  if (virtualKey <= 0 || virtualKey > 255) return 0;
  const bool down = Tracker().IsDown(virtualKey) || ModifierDown(virtualKey);
  return down ? static_cast<short>(0x8000) : 0;
}

void SimulateKeyPress(int virtualKey) {
  const int qtKey = QtKeyFromVirtualKey(virtualKey);
  if (qtKey == 0) return;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [qtKey] { DeliverKeyPress(qtKey); }, Qt::QueuedConnection);
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return FALSE;
  const QPoint at = QCursor::pos();
  *point = {at.x(), at.y()};
  return TRUE;
}

}  // namespace platform
