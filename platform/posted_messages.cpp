// PostMessageA: messages queued in Qt's event loop and delivered through the window's
// procedure when the loop comes back to them, in the order they were posted.
#include <QCoreApplication>
#include <QEvent>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace platform {
namespace {

struct Message {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class PostedMessage final : public QEvent {
 public:
  explicit PostedMessage(const Message& message) : QEvent(Type()), message_(message) {}

  static QEvent::Type Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }

  const Message& Content() const { return message_; }

 private:
  Message message_;
};

int holds = 0;
std::vector<Message> heldBack;

class PostedMessageReceiver final : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() != PostedMessage::Type()) return QObject::event(event);
    const Message& message = static_cast<const PostedMessage*>(event)->Content();
    if (holds > 0) {
      heldBack.push_back(message);
    } else {
      // A window destroyed meanwhile drops the message: SendMessageA finds no window.
      SendMessageA(message.window, message.message, message.wParam, message.lParam);
    }
    return true;
  }
};

PostedMessageReceiver& Receiver() {
  static auto* receiver = new PostedMessageReceiver;
  return *receiver;
}

void Queue(const Message& message) { QCoreApplication::postEvent(&Receiver(), new PostedMessage(message)); }

}  // namespace

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return FALSE;
  Queue({window, message, wParam, lParam});
  return TRUE;
}

PostedMessageHold::PostedMessageHold() { ++holds; }

PostedMessageHold::~PostedMessageHold() {
  if (--holds > 0) return;
  const std::vector<Message> released = std::exchange(heldBack, {});
  for (const Message& message : released) Queue(message);
}

}  // namespace platform
