#include <gtest/gtest.h>

#include <QWidget>

#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

QSize ClientSize(HWND window) {
  RECT rect;
  EXPECT_TRUE(GetClientRect(window, &rect));
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  return QSize(rect.right, rect.bottom);
}

class WindowGeometry : public testing::Test {
 protected:
  QWidget top;
  HWND parent = WindowFromWidget(&top);

  HWND Static(HWND in, std::uint32_t style, std::uint32_t exStyle, QRect at) {
    return CreateWindowExA(exStyle, "static", "", style, at.x(), at.y(), at.width(), at.height(), in, nullptr,
                           nullptr, nullptr);
  }
};

TEST_F(WindowGeometry, MoveWindowSendsOneSizeMessagePerChangeShownOrNot) {
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "shown" : "hidden");
    top.setVisible(shown);
    const HWND window = Static(parent, WS_CHILD | WS_VISIBLE, 0, {0, 0, 50, 50});
    test::RecordingSubclass recorder(window);
    MoveWindow(window, 5, 5, 120, 80, TRUE);
    MoveWindow(window, 10, 10, 120, 80, TRUE);  // moved, not resized
    top.show();                                 // a pending resize event arrives now
    ASSERT_EQ(recorder.Received(WM_SIZE).size(), 1u);
    EXPECT_EQ(recorder.Received(WM_SIZE)[0].lParam, MAKELPARAM(120, 80));
    MoveWindow(window, 10, 10, -5, 30, TRUE);
    EXPECT_EQ(ClientSize(window), QSize(0, 30));
    EXPECT_EQ(recorder.Received(WM_SIZE).size(), 2u);
    DestroyWindow(window);
  }
}

TEST_F(WindowGeometry, FrameStylesShrinkTheClientRectangle) {
  struct Case {
    std::uint32_t style;
    std::uint32_t exStyle;
    int frame;
  };
  const Case cases[] = {
      {0, 0, 0},
      {WS_BORDER, 0, 1},
      {0, WS_EX_CLIENTEDGE, 2},
      {0, WS_EX_STATICEDGE, 1},
      {0, WS_EX_DLGMODALFRAME, 3},
      {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, 5},
      {WS_BORDER, WS_EX_CLIENTEDGE, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.style << " " << c.exStyle);
    const HWND window = Static(parent, WS_CHILD | c.style, c.exStyle, {0, 0, 100, 60});
    EXPECT_EQ(ClientSize(window), QSize(100 - 2 * c.frame, 60 - 2 * c.frame));
    // A child sits in the client area: its client origin is inside the frame.
    const HWND child = Static(window, WS_CHILD, 0, {0, 0, 10, 10});
    RECT outer;
    RECT inner;
    GetWindowRect(window, &outer);
    GetWindowRect(child, &inner);
    EXPECT_EQ(inner.left - outer.left, c.frame);
    DestroyWindow(window);
  }
}

TEST_F(WindowGeometry, NewFrameShowsOnFrameChangedWithOneSizeMessage) {
  const HWND window = Static(parent, WS_CHILD, 0, {0, 0, 100, 60});
  const HWND child = Static(window, WS_CHILD, 0, {0, 0, 10, 10});
  test::RecordingSubclass recorder(window);
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(ClientSize(window), QSize(100, 60));  // not before SWP_FRAMECHANGED
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientSize(window), QSize(96, 56));
  ASSERT_EQ(recorder.Received(WM_SIZE).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_SIZE)[0].lParam, MAKELPARAM(96, 56));
  POINT origin{0, 0};
  ClientToScreen(child, &origin);
  POINT inWindow = origin;
  ScreenToClient(window, &inWindow);
  EXPECT_EQ(inWindow.x, 0);  // the child kept its client position
  EXPECT_EQ(inWindow.y, 0);
}

TEST_F(WindowGeometry, RectanglesAndPointsAgreeAcrossParents) {
  top.move(200, 100);
  const HWND outer = Static(parent, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, {10, 20, 100, 80});
  const HWND inner = Static(outer, WS_CHILD | WS_VISIBLE, 0, {5, 6, 30, 40});
  top.show();
  RECT rect;
  ASSERT_TRUE(GetWindowRect(inner, &rect));
  const QPoint topOrigin = top.mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(rect.left, topOrigin.x() + 10 + 1 + 5);
  EXPECT_EQ(rect.top, topOrigin.y() + 20 + 1 + 6);
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 40);
  POINT corner{rect.left, rect.top};
  ASSERT_TRUE(ScreenToClient(outer, &corner));
  EXPECT_EQ(corner.x, 5);
  EXPECT_EQ(corner.y, 6);
}

TEST_F(WindowGeometry, SetWindowPosKeepsWhatItsFlagsKeep) {
  const HWND window = Static(parent, WS_CHILD, 0, {1, 2, 30, 40});
  SetWindowPos(window, nullptr, 7, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  EXPECT_EQ(WidgetFromWindow(window)->geometry(), QRect(7, 8, 30, 40));
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
  SetWindowPos(window, nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_HIDEWINDOW);
  EXPECT_EQ(WidgetFromWindow(window)->geometry(), QRect(7, 8, 50, 60));
  EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WindowGeometry, InsertAfterSetsTheStackingOrder) {
  const HWND a = Static(parent, WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10});
  const HWND b = Static(parent, WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10});
  const HWND c = Static(parent, WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10});
  const auto order = [&] {
    std::vector<HWND> windows;
    for (QObject* child : top.children()) windows.push_back(WindowFromWidget(qobject_cast<QWidget*>(child)));
    return windows;  // bottom first
  };
  SetWindowPos(c, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
  SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
}

TEST_F(WindowGeometry, SetParentKeepsClientPositionAndVisibility) {
  const HWND first = Static(parent, WS_CHILD | WS_VISIBLE, 0, {0, 0, 100, 100});
  const HWND second = Static(parent, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, {0, 0, 100, 100});
  const HWND child = Static(first, WS_CHILD | WS_VISIBLE, 0, {4, 5, 10, 10});
  EXPECT_EQ(SetParent(child, second), first);
  EXPECT_EQ(GetParent(child), second);
  EXPECT_EQ(WidgetFromWindow(child)->geometry(), QRect(5, 6, 10, 10));
  EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(SetParent(second, child), nullptr);  // no cycles
  EXPECT_EQ(SetParent(child, reinterpret_cast<HWND>(0x5555)), nullptr);
  EXPECT_EQ(GetParent(child), second);
}

}  // namespace
