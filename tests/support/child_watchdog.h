// A bound on how long a test may wait for the processes it starts: a compiler or console that
// never ends would otherwise hold the test until CTest's own timeout, minutes later, with
// nothing said. Past the bound the watchdog fails the running test, names the bound and ends
// every child the platform layer started, so that the wait returns and the test ends; a test
// that still does not end within the grace after that is stuck elsewhere, and the whole test
// program is ended with a message. Its end disarms it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class ChildWatchdog {
 public:
  explicit ChildWatchdog(std::chrono::milliseconds bound, std::chrono::milliseconds grace = std::chrono::seconds(10));

 private:
  std::mutex mutex_;
  std::condition_variable_any disarmed_;
  std::jthread thread_;  // last: it uses the members above until it is joined
};
