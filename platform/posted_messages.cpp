// PostMessageA: messages queued in Qt's event loop and delivered through the window's
// procedure when the loop comes back to them, in the order they were posted.
#include <QCoreApplication>
#include <QEvent>

#include "platform/window.h"

namespace platform {
namespace {

class PostedMessage final : public QEvent {
 public:
  PostedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
      : QEvent(Type()), window_(window), message_(message), wParam_(wParam), lParam_(lParam) {}

  static QEvent::Type Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

  // A window destroyed meanwhile drops the message: SendMessageA finds no window.
  void Deliver() const { SendMessageA(window_, message_, wParam_, lParam_); }

 private:
  HWND window_;
  UINT message_;
  WPARAM wParam_;
  LPARAM lParam_;
};

class PostedMessageReceiver final : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != PostedMessage::Type()) return QObject::event(event);
    static_cast<const PostedMessage*>(event)->Deliver();
    return true;
  }
};

PostedMessageReceiver& Receiver() {
  static auto* receiver = new PostedMessageReceiver;
  return *receiver;
}

}  // namespace

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return FALSE;
  QCoreApplication::postEvent(&Receiver(), new PostedMessage(window, message, wParam, lParam));
  return TRUE;
}

}  // namespace platform
