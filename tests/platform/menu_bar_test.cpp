#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "platform/code_page.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

std::uintptr_t AsItem(HMENU menu) { return reinterpret_cast<std::uintptr_t>(menu); }

int ClientHeight(HWND window) {
  RECT rect;
  EXPECT_TRUE(GetClientRect(window, &rect));
  return rect.bottom;
}

// A bar "文件(&F)" holding "新建(&N)" (1) and "保存(&S)" TAB "F3" (3), a command item "帮助" (65)
// straight on the bar, and "编辑(&E)" holding "撤销" (16, greyed).
class MenuBar : public testing::Test {
 protected:
  void SetUp() override {
    AppendMenuA(file, MF_STRING, 1, "新建(&N)");
    AppendMenuA(file, MF_STRING, 3, "保存(&S)\tF3");
    AppendMenuA(edit, MF_STRING | MF_GRAYED, 16, "撤销");
    AppendMenuA(bar, MF_POPUP, AsItem(file), "文件(&F)");
    AppendMenuA(bar, MF_STRING, 65, "帮助");
    AppendMenuA(bar, MF_POPUP, AsItem(edit), "编辑(&E)");
    frame.setCentralWidget(client);
    frame.resize(400, 300);
  }
  void TearDown() override {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  QMenuBar* Shown() const { return qobject_cast<QMenuBar*>(frame.menuWidget()); }
  // Opens the bar's popup at that position as a click would, and gives the open popup.
  QMenu* Open(int position) {
    QMenuBar* shown = Shown();
    QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[position]).center());
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  std::vector<WPARAM> CommandsDelivered(const test::RecordingSubclass& recorder) {
    QCoreApplication::processEvents();  // menu commands are posted
    std::vector<WPARAM> ids;
    for (const test::Message& m : recorder.Received(WM_COMMAND)) {
      EXPECT_EQ(m.lParam, 0);
      ids.push_back(m.wParam);
    }
    return ids;
  }

  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU edit = CreatePopupMenu();
  QMainWindow frame;
  QWidget* client = new QWidget;
  HWND window = WindowFromWidget(client);
};

TEST_F(MenuBar, OnAFrameTheClientAreaShrinksByTheBar) {
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "shown" : "hidden");
    frame.setVisible(shown);
    frame.layout()->activate();
    const int without = ClientHeight(window);
    test::RecordingSubclass recorder(window);
    ASSERT_TRUE(SetMenu(window, bar));
    EXPECT_EQ(GetMenu(window), bar);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_GT(Shown()->height(), 0);
    EXPECT_EQ(ClientHeight(window), without - Shown()->height());
    ASSERT_EQ(recorder.Received(WM_SIZE).size(), 1u);
    EXPECT_EQ(HIWORD(recorder.Received(WM_SIZE)[0].lParam), without - Shown()->height());
    ASSERT_TRUE(SetMenu(window, nullptr));
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_EQ(ClientHeight(window), without);
    EXPECT_EQ(recorder.Received(WM_SIZE).size(), 2u);
  }
}

TEST_F(MenuBar, APlainWindowShowsTheBarAcrossItsTop) {
  QWidget top;
  top.resize(300, 200);
  top.show();
  const HWND plain = WindowFromWidget(&top);
  ASSERT_TRUE(SetMenu(plain, bar));
  auto* shown = top.findChild<QMenuBar*>();
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_EQ(shown->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(shown->width(), 300);
  top.resize(450, 200);
  EXPECT_EQ(shown->width(), 450);
  EXPECT_EQ(shown->actions().size(), 3);
}

TEST_F(MenuBar, OnlyTopLevelWindowsAndLiveMenus) {
  QWidget top;
  auto* child = new QWidget(&top);
  EXPECT_FALSE(SetMenu(WindowFromWidget(child), bar));
  EXPECT_FALSE(SetMenu(window, reinterpret_cast<HMENU>(42)));
  EXPECT_FALSE(SetMenu(reinterpret_cast<HWND>(42), bar));
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_FALSE(DrawMenuBar(window));
}

TEST_F(MenuBar, TheMenuGoesWithItsWindow) {
  const HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 1, "x");
  {
    QWidget top;
    ASSERT_TRUE(SetMenu(WindowFromWidget(&top), menu));
  }
  EXPECT_FALSE(IsMenu(menu));
}

TEST_F(MenuBar, ShowsCaptionsAsTheyStandAndChangesOnlyWhenRedrawn) {
  ASSERT_TRUE(SetMenu(window, bar));
  QMenuBar* shown = Shown();
  ASSERT_EQ(shown->actions().size(), 3);
  EXPECT_EQ(shown->actions()[0]->text(), AnsiToQString("文件(&F)"));
  EXPECT_EQ(shown->actions()[1]->text(), AnsiToQString("帮助"));
  AppendMenuA(bar, MF_STRING | MF_GRAYED, 66, "更多");
  EXPECT_EQ(shown->actions().size(), 3);
  ASSERT_TRUE(DrawMenuBar(window));
  ASSERT_EQ(shown->actions().size(), 4);
  EXPECT_FALSE(shown->actions()[3]->isEnabled());

  frame.show();
  QMenu* popup = Open(0);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->actions().size(), 2);
  const QAction* save = popup->actions()[1];
  EXPECT_EQ(save->text(), AnsiToQString("保存(&S)\tF3"));
  EXPECT_TRUE(save->shortcut().isEmpty());  // the text after TAB is only shown
}

TEST_F(MenuBar, ChoosingAnItemPostsItsCommandToTheWindow) {
  frame.show();
  ASSERT_TRUE(SetMenu(window, bar));
  test::RecordingSubclass recorder(window);
  // By mouse.
  QMenu* popup = Open(0);
  ASSERT_NE(popup, nullptr);
  QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(popup->actions()[1]).center());
  EXPECT_EQ(CommandsDelivered(recorder), (std::vector<WPARAM>{3}));
  // By keyboard.
  recorder.Clear();
  popup = Open(0);
  ASSERT_NE(popup, nullptr);
  popup->setActiveAction(popup->actions()[0]);
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_EQ(CommandsDelivered(recorder), (std::vector<WPARAM>{1}));
  // Triggered from code, and an item straight on the bar; a greyed one gives nothing.
  recorder.Clear();
  popup = Open(2);
  ASSERT_NE(popup, nullptr);
  popup->actions()[0]->trigger();
  Shown()->actions()[1]->trigger();
  popup->close();
  EXPECT_EQ(CommandsDelivered(recorder), (std::vector<WPARAM>{65}));
}

TEST_F(MenuBar, APopupTellsTheWindowBeforeItOpens) {
  frame.show();
  ASSERT_TRUE(SetMenu(window, bar));
  const HMENU inner = CreatePopupMenu();
  AppendMenuA(inner, MF_STRING, 40, "插件");
  AppendMenuA(edit, MF_POPUP, AsItem(inner), "更多");
  test::RecordingSubclass recorder(window, [&](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == WM_INITMENUPOPUP && m.wParam == AsItem(edit)) AppendMenuA(edit, MF_STRING, 17, "重做");
    return std::nullopt;
  });
  QMenu* popup = Open(2);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(recorder.Received(WM_INITMENUPOPUP).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_INITMENUPOPUP)[0].lParam, 2);  // its position on the bar
  ASSERT_EQ(popup->actions().size(), 3);
  EXPECT_EQ(popup->actions()[2]->text(), AnsiToQString("重做"));
  // A submenu of the popup fills as it opens, and its command reaches the window too.
  QMenu* more = popup->actions()[1]->menu();
  ASSERT_NE(more, nullptr);
  popup->setActiveAction(popup->actions()[1]);
  QTest::keyClick(popup, Qt::Key_Right);
  ASSERT_EQ(recorder.Received(WM_INITMENUPOPUP).size(), 2u);
  EXPECT_EQ(recorder.Received(WM_INITMENUPOPUP)[1].wParam, AsItem(inner));
  ASSERT_EQ(more->actions().size(), 1);
  more->actions()[0]->trigger();
  EXPECT_EQ(CommandsDelivered(recorder), (std::vector<WPARAM>{40}));
}

TEST_F(MenuBar, HighlightingDrawsTheItemAndShowsInItsState) {
  frame.show();
  ASSERT_TRUE(SetMenu(window, bar));
  const QImage plain = Shown()->grab().toImage();
  ASSERT_TRUE(HiliteMenuItem(window, bar, 1, MF_BYPOSITION | MF_HILITE));
  EXPECT_EQ(GetMenuState(bar, 65, MF_BYCOMMAND), MF_HILITE);
  EXPECT_NE(Shown()->grab().toImage(), plain);
  ASSERT_TRUE(HiliteMenuItem(window, bar, 65, MF_BYCOMMAND | MF_UNHILITE));
  EXPECT_EQ(GetMenuState(bar, 65, MF_BYCOMMAND), 0u);
  EXPECT_EQ(Shown()->grab().toImage(), plain);
  EXPECT_FALSE(HiliteMenuItem(window, bar, 9, MF_BYPOSITION | MF_HILITE));
  EXPECT_FALSE(HiliteMenuItem(nullptr, bar, 1, MF_BYPOSITION | MF_HILITE));
}

TEST_F(MenuBar, ItemRectanglesAreOnTheScreenWhereTheBarIsShown) {
  ASSERT_TRUE(SetMenu(window, bar));
  RECT rect;
  EXPECT_FALSE(GetMenuItemRect(window, bar, 1, &rect));  // not shown yet
  frame.show();
  ASSERT_TRUE(GetMenuItemRect(window, bar, 1, &rect));
  QMenuBar* shown = Shown();
  const QRect local = shown->actionGeometry(shown->actions()[1]);
  const QPoint topLeft = shown->mapToGlobal(local.topLeft());
  EXPECT_EQ(rect.left, topLeft.x());
  EXPECT_EQ(rect.top, topLeft.y());
  EXPECT_EQ(rect.right - rect.left, local.width());
  EXPECT_EQ(rect.bottom - rect.top, local.height());
  EXPECT_FALSE(GetMenuItemRect(window, bar, 3, &rect));
  EXPECT_FALSE(GetMenuItemRect(window, file, 0, &rect));  // not the bar
}

}  // namespace
