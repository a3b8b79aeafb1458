#include "platform/message_pump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/process.h"
#include "tests/support/shell_child.h"

namespace {

using namespace platform;

constexpr UINT kLongBound = 10000;  // never reached when the wait wakes as it should

struct Child {
  HANDLE pipe = nullptr;
  PROCESS_INFORMATION info;

  explicit Child(const std::string& command) {
    const shell_child::Pipe ends = shell_child::MakePipe();
    pipe = ends.read;
    info = shell_child::Start(command, ends.write);
    CloseHandle(ends.write);
  }
  ~Child() {
    for (HANDLE handle : {pipe, info.hProcess, info.hThread}) CloseHandle(handle);
  }

  bool Ended() const {
    DWORD code = 0;
    return GetExitCodeProcess(info.hProcess, &code) && code != STILL_ACTIVE;
  }
  DWORD Waiting() const {
    DWORD available = 0;
    PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr);
    return available;
  }
};

// Runs work inside the application's own event loop and returns the loop's exit code.
int ExecWith(const std::function<void()>& work) {
  QTimer guard;  // ends a loop that nothing else ends
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  guard.start(20000);
  QTimer::singleShot(0, work);
  return QCoreApplication::exec();
}

TEST(MessagePump, DispatchRunsPendingEvents) {
  bool ran = false;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { ran = true; }, Qt::QueuedConnection);
  DispatchPendingMessages();
  EXPECT_TRUE(ran);
}

TEST(MessagePump, ExitRequestedDuringDispatchEndsTheCallersLoop) {
  bool finished = false;
  const int code = ExecWith([&] {
    QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
    for (int turn = 0; turn < 3; ++turn) DispatchPendingMessages();
    finished = true;
  });
  EXPECT_EQ(code, 7);
  EXPECT_TRUE(finished);
}

TEST(MessagePump, QuitRequestedDuringAWaitEndsTheCallersLoop) {
  bool finished = false;
  const int code = ExecWith([&] {
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    EXPECT_TRUE(WaitForPipeProcessOrMessage(nullptr, nullptr, kLongBound));
    WaitForPipeProcessOrMessage(nullptr, nullptr, 10);
    finished = true;
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(finished);
}

TEST(MessagePump, WaitWakesForAnEventAndDispatchesIt) {
  DispatchPendingMessages();
  bool ran = false;
  QTimer::singleShot(50, [&] { ran = true; });
  while (!ran) ASSERT_TRUE(WaitForPipeProcessOrMessage(nullptr, nullptr, kLongBound));
}

TEST(MessagePump, WaitWakesWhenThePipeHasData) {
  Child child("sleep 0.1; echo x; sleep 1");
  while (child.Waiting() == 0) ASSERT_TRUE(WaitForPipeProcessOrMessage(child.pipe, child.info.hProcess, kLongBound));
  EXPECT_TRUE(WaitForPipeProcessOrMessage(child.pipe, child.info.hProcess, kLongBound));  // data still there
}

// The child closes its end of the pipe but runs on: the broken pipe must not keep the wait
// from sleeping, and the child's end must wake it.
TEST(MessagePump, WaitSleepsPastABrokenPipeUntilTheChildEnds) {
  Child child("exec >/dev/null 2>&1; sleep 0.3");
  int turns = 0;
  while (!child.Ended()) {
    ASSERT_TRUE(WaitForPipeProcessOrMessage(child.pipe, child.info.hProcess, kLongBound));
    ++turns;
  }
  EXPECT_LT(turns, 20);  // a spinning wait turns thousands of times in 0.3 s
}

TEST(MessagePump, WaitEndsAtItsBound) {
  DispatchPendingMessages();
  EXPECT_FALSE(WaitForPipeProcessOrMessage(nullptr, nullptr, 20));
}

}  // namespace
