#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

constexpr UINT kProbe = WM_USER + 1;

// Two subclass procedures over the class procedure, each passing on with CallWindowProcA.
std::string trail;
WNDPROC firstPrevious = nullptr;
WNDPROC secondPrevious = nullptr;

LRESULT First(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe) trail += "first ";
  return CallWindowProcA(firstPrevious, window, message, wParam, lParam) + (message == kProbe ? 1 : 0);
}

LRESULT Second(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe) trail += "second ";
  return CallWindowProcA(secondPrevious, window, message, wParam + 1, lParam) + (message == kProbe ? 10 : 0);
}

class ProcedureChain : public testing::Test {
 protected:
  QWidget top;
  HWND window = CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 10, 10, WindowFromWidget(&top), nullptr,
                                nullptr, nullptr);
};

TEST_F(ProcedureChain, SubclassesRunNewestFirstAndEndInTheClassProcedure) {
  const auto classProcedure = GetWindowLongA(window, GWL_WNDPROC);
  EXPECT_EQ(classProcedure, reinterpret_cast<std::intptr_t>(&DefWindowProcA));
  firstPrevious =
      reinterpret_cast<WNDPROC>(SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(&First)));
  secondPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(&Second)));
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(firstPrevious), classProcedure);
  EXPECT_EQ(secondPrevious, &First);

  trail.clear();
  test::RecordingSubclass recorder(window);
  EXPECT_EQ(SendMessageA(window, kProbe, 5, 6), 11);
  EXPECT_EQ(trail, "second first ");
  ASSERT_EQ(recorder.Received(kProbe).size(), 1u);
  EXPECT_EQ(recorder.Received(kProbe)[0].wParam, 5u);
  EXPECT_EQ(recorder.Received(kProbe)[0].lParam, 6);
}

TEST_F(ProcedureChain, NullProcedureIsRefused) {
  const auto before = GetWindowLongA(window, GWL_WNDPROC);
  EXPECT_EQ(SetWindowLongA(window, GWL_WNDPROC, 0), 0);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), before);
  EXPECT_EQ(CallWindowProcA(nullptr, window, kProbe, 0, 0), 0);
}

TEST_F(ProcedureChain, ProcedureMaySendToItsOwnWindowWhileHandlingAMessage) {
  test::RecordingSubclass recorder(window, [this](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == kProbe && m.wParam < 3) return SendMessageA(window, kProbe, m.wParam + 1, 0) + 1;
    return std::nullopt;
  });
  EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 3);
  EXPECT_EQ(recorder.Received(kProbe).size(), 4u);
}

TEST_F(ProcedureChain, WindowLongsKeepUserDataAndStyles) {
  EXPECT_EQ(SetWindowLongA(window, GWL_USERDATA, 1234), 0);
  EXPECT_EQ(GetWindowLongA(window, GWL_USERDATA), 1234);
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), static_cast<std::intptr_t>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(SetWindowLongA(window, 12345, 1), 0);
  ShowWindow(window, SW_SHOW);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
  EnableWindow(window, FALSE);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_DISABLED);
}

}  // namespace
