#include "framework/message_loop.h"

#include <QApplication>
#include <algorithm>

namespace framework {

namespace {

std::vector<Form*>& Windows() {
  static std::vector<Form*> windows;
  return windows;
}

// Asking Qt to exit outside its loop would make every later local loop (a modal window, a
// message box) return at once, so the request is made only while the loop runs.
bool& LoopRunning() {
  static bool running = false;
  return running;
}

}  // namespace

int RunMessageLoop() {
  if (Windows().empty()) return 0;
  // Only the destruction of the last window ends the loop, never the closing of a box.
  QApplication::setQuitOnLastWindowClosed(false);
  LoopRunning() = true;
  QApplication::exec();
  LoopRunning() = false;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}

const std::vector<Form*>& LiveWindows() { return Windows(); }

void AddLiveWindow(Form* window) { Windows().push_back(window); }

void RemoveLiveWindow(Form* window) {
  auto& windows = Windows();
  const auto found = std::find(windows.begin(), windows.end(), window);
  if (found == windows.end()) return;
  windows.erase(found);
  // exit, not quit: quit would first offer every window a close it could refuse.
  if (windows.empty() && LoopRunning()) QCoreApplication::exit(0);
}

}  // namespace framework
