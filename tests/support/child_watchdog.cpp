#include "tests/support/child_watchdog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/process.h"

ChildWatchdog::ChildWatchdog(std::chrono::milliseconds bound, std::chrono::milliseconds grace)
    : thread_([this, bound, grace](std::stop_token disarm) {
        std::unique_lock lock(mutex_);
        const auto disarmedWithin = [&](std::chrono::milliseconds time) {
          return disarmed_.wait_for(lock, disarm, time, [&] { return disarm.stop_requested(); });
        };
        if (disarmedWithin(bound)) return;
        const double seconds = std::chrono::duration<double>(bound).count();
        ADD_FAILURE() << "The test still waited for the processes it started after " << seconds
                      << " s: the watchdog ended every compiler and console it had started.";
        platform::TerminateRunningChildren();
        if (disarmedWithin(grace)) return;
        std::fflush(stdout);
        std::fprintf(stderr, "The test did not end within %g s after its processes were ended: the test program is ended.\n",
                     std::chrono::duration<double>(grace).count());
        std::_Exit(EXIT_FAILURE);
      }) {}
