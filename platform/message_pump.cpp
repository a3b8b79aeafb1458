#include "platform/message_pump.h"

#include <poll.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/kernel_objects.h"
#include "platform/process.h"
#include "platform/window.h"

namespace platform {
namespace {

// Bounds one wait where the kernel offers no descriptor for the process's end.
constexpr UINT kProcessPollMilliseconds = 50;

std::vector<pollfd> Watched(HANDLE pipe, HANDLE process) {
  std::vector<pollfd> watched;
  for (const int fd : {PipeDescriptor(pipe), ProcessEndDescriptor(process)}) {
    if (fd >= 0) watched.push_back({fd, POLLIN, 0});
  }
  return watched;
}

// One turn of the thread's event loop that may block: it returns once a watched descriptor is
// readable, the bound has passed or any other event has been handled. False when it was the bound.
bool WaitForEvents(const std::vector<pollfd>& watched, UINT milliseconds) {
  std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
  for (const pollfd& entry : watched) {
    notifiers.push_back(std::make_unique<QSocketNotifier>(entry.fd, QSocketNotifier::Read));
  }
  QTimer bound;
  bound.setSingleShot(true);
  bound.start(static_cast<int>(milliseconds));
  QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  return bound.isActive();
}

// Throws away what a person does to the program's windows.
class InputDiscarder final : public QObject {
 public:
  InputDiscarder() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
  }

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletRelease:
      case QEvent::TabletMove:
      case QEvent::InputMethod:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::Close:
        event->ignore();
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void WaitForProcessEndWithoutInput(HANDLE process) {
  const InputDiscarder discarder;
  const PostedMessageHold hold;
  DWORD exitCode = STILL_ACTIVE;
  while (GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE) {
    WaitForPipeProcessOrMessage(nullptr, process, kProcessPollMilliseconds);
  }
}

void DispatchPendingMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool WaitForPipeProcessOrMessage(HANDLE pipe, HANDLE process, UINT milliseconds) {
  std::vector<pollfd> watched = Watched(pipe, process);
  ::poll(watched.data(), watched.size(), 0);
  for (const pollfd& entry : watched) {
    if (entry.revents & POLLIN) return true;
  }
  // A pipe without writers stays ready for good; watching it would turn the wait into a spin.
  std::erase_if(watched, [](const pollfd& entry) { return entry.revents != 0; });
  if (QAbstractEventDispatcher::instance()) return WaitForEvents(watched, milliseconds);
  return ::poll(watched.data(), watched.size(), static_cast<int>(milliseconds)) > 0;  // no events to dispatch
}

}  // namespace platform
