#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

constexpr UINT kPosted = WM_USER + 7;
constexpr UINT kTrigger = WM_USER + 8;

TEST(PostedMessages, ArriveInOrderAfterTheCurrentMessage) {
  QWidget top;
  const HWND window = WindowFromWidget(&top);
  std::vector<WPARAM> order;
  test::RecordingSubclass recorder(window, [&](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == kTrigger) {
      EXPECT_TRUE(PostMessageA(window, kPosted, 1, 0));
      EXPECT_TRUE(PostMessageA(window, kPosted, 2, 0));
      order.push_back(0);
    }
    if (m.message == kPosted) order.push_back(m.wParam);
    return std::nullopt;
  });
  SendMessageA(window, kTrigger, 0, 0);
  EXPECT_EQ(order, std::vector<WPARAM>{0});
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(order, (std::vector<WPARAM>{0, 1, 2}));
  ASSERT_EQ(recorder.Received(kPosted).size(), 2u);
  EXPECT_EQ(recorder.Received(kPosted)[0].window, window);
}

TEST(PostedMessages, WindowDestroyedMeanwhileDropsThem) {
  QWidget top;
  const HWND window = CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 5, 5, WindowFromWidget(&top), nullptr,
                                      nullptr, nullptr);
  static int delivered = 0;
  delivered = 0;
  SetWindowLongA(
      window, GWL_WNDPROC,
      reinterpret_cast<std::intptr_t>(+[](HWND w, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == kPosted) ++delivered;
        return DefWindowProcA(w, message, wParam, lParam);
      }));
  EXPECT_TRUE(PostMessageA(window, kPosted, 0, 0));
  DestroyWindow(window);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(delivered, 0);
}

}  // namespace
