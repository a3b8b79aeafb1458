#include "platform/message_pump.h"

#include <poll.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/kernel_objects.h"

namespace platform {
namespace {

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

}  // namespace

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
