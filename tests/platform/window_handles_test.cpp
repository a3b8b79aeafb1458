#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "platform/window.h"

namespace {

using namespace platform;

HWND Bogus() { return reinterpret_cast<HWND>(0x7777777); }

HWND CreateStatic(HWND parent, std::uint32_t style = WS_CHILD | WS_VISIBLE) {
  return CreateWindowExA(0, "static", "", style, 0, 0, 50, 40, parent, nullptr, nullptr, nullptr);
}

TEST(WindowHandles, UnknownAndDestroyedHandlesFailHarmlessly) {
  QWidget top;
  const HWND destroyed = CreateStatic(WindowFromWidget(&top));
  ASSERT_TRUE(DestroyWindow(destroyed));
  for (const HWND window : {static_cast<HWND>(nullptr), Bogus(), destroyed}) {
    RECT rect{1, 2, 3, 4};
    POINT point{5, 6};
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(WidgetFromWindow(window), nullptr);
    EXPECT_EQ(SendMessageA(window, WM_USER, 1, 2), 0);
    EXPECT_FALSE(PostMessageA(window, WM_USER, 1, 2));
    EXPECT_EQ(SetWindowLongA(window, GWL_USERDATA, 9), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), 0);
    EXPECT_FALSE(GetWindowRect(window, &rect));
    EXPECT_FALSE(GetClientRect(window, &rect));
    EXPECT_EQ(rect.left, 1);
    EXPECT_FALSE(ScreenToClient(window, &point));
    EXPECT_EQ(point.x, 5);
    EXPECT_FALSE(MoveWindow(window, 0, 0, 10, 10, TRUE));
    EXPECT_FALSE(SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE));
    EXPECT_FALSE(ShowWindow(window, SW_SHOW));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(SetWindowTextA(window, "x"));
    EXPECT_EQ(GetWindowTextA(window), "");
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_EQ(CreateStatic(window == nullptr ? Bogus() : window), nullptr);
  }
}

TEST(WindowHandles, WidgetDeletedByQtDropsItsWindow) {
  auto top = std::make_unique<QWidget>();
  const HWND parent = WindowFromWidget(top.get());
  const HWND child = CreateStatic(parent);
  ASSERT_TRUE(IsWindow(child));
  EXPECT_EQ(GetParent(child), parent);
  top.reset();
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(parent));
}

TEST(WindowHandles, SameWidgetKeepsItsHandle) {
  QWidget top;
  const HWND window = WindowFromWidget(&top);
  EXPECT_EQ(WindowFromWidget(&top), window);
  EXPECT_EQ(WidgetFromWindow(window), &top);
  EXPECT_EQ(WindowFromWidget(nullptr), nullptr);
}

TEST(WindowHandles, CreateWindowRefusesUnknownClassesAndKeepsItsArguments) {
  QWidget top;
  const HWND parent = WindowFromWidget(&top);
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_CHILD, 0, 0, 1, 1, parent, nullptr, nullptr, nullptr),
            nullptr);
  EXPECT_EQ(CreateWindowExA(0, nullptr, "", WS_CHILD, 0, 0, 1, 1, parent, nullptr, nullptr, nullptr),
            nullptr);
  const HWND window = CreateWindowExA(0, "STATIC", "\xD6\xD0", WS_CHILD, 3, 4, 30, 20, parent,
                                      reinterpret_cast<HMENU>(77), nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetWindowTextA(window), "\xD6\xD0");
  EXPECT_EQ(GetWindowLongA(window, GWL_ID), 77);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE), static_cast<std::intptr_t>(WS_CHILD));
  EXPECT_FALSE(WidgetFromWindow(window)->isVisibleTo(&top));
  EXPECT_EQ(WidgetFromWindow(window)->geometry(), QRect(3, 4, 30, 20));
}

TEST(WindowHandles, DestroyWindowSendsDestroyToTheTreeAndKillsHandlesAtOnce) {
  QWidget top;
  const HWND outer = CreateStatic(WindowFromWidget(&top));
  const HWND inner = CreateStatic(outer);
  static std::vector<HWND> destroyed;
  destroyed.clear();
  const WNDPROC recordDestroy = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_DESTROY) {
      destroyed.push_back(window);
      EXPECT_TRUE(IsWindow(window));
      EXPECT_FALSE(DestroyWindow(window));  // already on its way
    }
    return DefWindowProcA(window, message, wParam, lParam);
  };
  SetWindowLongA(outer, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(recordDestroy));
  SetWindowLongA(inner, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(recordDestroy));
  EXPECT_TRUE(DestroyWindow(outer));
  EXPECT_EQ(destroyed, (std::vector<HWND>{outer, inner}));
  EXPECT_FALSE(IsWindow(outer));
  EXPECT_FALSE(IsWindow(inner));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(top.findChildren<QWidget*>().isEmpty());
}

}  // namespace
