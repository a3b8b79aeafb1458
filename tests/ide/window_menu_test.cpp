#include "ide/window_menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/bitmap_registry.h"
#include "platform/menu.h"
#include "platform/menu_model.h"
#include "platform/system_metrics.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace platform;

std::uintptr_t AsItem(HMENU menu) { return reinterpret_cast<std::uintptr_t>(menu); }

std::vector<std::pair<int, int>> calls;  // what reached the command callback

void RecordCall(int kind, int value) { calls.emplace_back(kind, value); }

class WindowMenuTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    calls.clear();
    top.resize(300, 200);
  }
  void TearDown() override {
    SetPopupMenuAnswer({});
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    TempDirTest::TearDown();
  }

  // Attaches the menu with the callback and a popup "文件(&F)" holding "新建(&N)" (1) and
  // "保存(&S)" TAB "F3" (3).
  HMENU AttachWithFileMenu() {
    EXPECT_TRUE(menu.AttachToWindow(window, true));
    EXPECT_TRUE(menu.SetCommandCallback(&RecordCall));
    const HMENU file = menu.AddPopupMenu("文件(&F)");
    menu.AppendItem(file, "新建(&N)", std::nullopt, 1);
    menu.AppendItem(file, "保存(&S)\tF3", 0, 3);
    return file;
  }
  // How often the message reached the window's earlier procedure.
  int Count(UINT message) const { return static_cast<int>(earlier.Received(message).size()); }

  QWidget top;
  HWND window = WindowFromWidget(&top);
  test::RecordingSubclass earlier{window};
  WindowMenu menu;
};

TEST_F(WindowMenuTest, AttachReusesTheWindowsMenuOnlyWhenAskedAndItHasOne) {
  const std::intptr_t earlierProcedure = GetWindowLongA(window, GWL_WNDPROC);
  const HMENU fresh = CreateMenu();
  struct Case {
    bool hasMenu;
    bool reuse;
    bool keepsIt;
  };
  for (const Case c : {Case{false, true, false}, Case{true, true, true}, Case{true, false, false}}) {
    SCOPED_TRACE(testing::Message() << c.hasMenu << c.reuse);
    SetMenu(window, c.hasMenu ? fresh : nullptr);
    ASSERT_TRUE(menu.AttachToWindow(window, c.reuse));
    EXPECT_TRUE(IsMenu(MenuBarHandle));
    EXPECT_EQ(MenuBarHandle == fresh, c.keepsIt);
    EXPECT_EQ(menu.GetMenuHandle(), MenuBarHandle);
    EXPECT_EQ(menu.GetWindowMenu(window), MenuBarHandle);
  }
  EXPECT_EQ(MenuCommandCallback, nullptr);
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(MenuPrevWindowProc), earlierProcedure);
}

TEST_F(WindowMenuTest, CommandsFromTheBarAPopupAndAChildReachTheCallbackWhole) {
  const HMENU file = AttachWithFileMenu();
  menu.RedrawMenuBar();
  top.show();
  // From the bar.
  QMenu* shown = top.findChild<QMenuBar*>()->actions()[0]->menu();
  shown->popup(QPoint(10, 10));
  shown->actions()[1]->trigger();
  shown->close();
  QCoreApplication::processEvents();
  // From a popup.
  SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return 1; });
  EXPECT_TRUE(menu.TrackPopup(file, 10, 10, 0));
  // From a child control: its notification code is in the high word.
  const WPARAM notification = (5u << 16) | 1001u;
  SendMessageA(window, WM_COMMAND, notification, 1);
  const int popup = static_cast<int>(AsItem(file));
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{
                       {1, popup}, {0, 3}, {1, popup}, {0, 1}, {0, static_cast<int>(notification)}}));
  EXPECT_EQ(Count(WM_COMMAND), 3);  // the window still sees each command
  EXPECT_EQ(Count(WM_INITMENUPOPUP), 2);
}

TEST_F(WindowMenuTest, APopupIsAnnouncedBeforeItShows) {
  const HMENU file = AttachWithFileMenu();
  SetPopupMenuAnswer([file](HMENU) -> std::optional<UINT> {
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, static_cast<int>(AsItem(file))}}));
    return std::nullopt;
  });
  EXPECT_TRUE(menu.TrackPopup(file, 0, 0, 0));
  EXPECT_EQ(calls.size(), 1u);  // nothing chosen, no command
}

TEST_F(WindowMenuTest, WithoutACallbackMessagesGoStraightOn) {
  AttachWithFileMenu();
  EXPECT_FALSE(menu.SetCommandCallback(nullptr));
  SendMessageA(window, WM_COMMAND, 3, 0);
  SendMessageA(window, WM_INITMENUPOPUP, 7, 0);
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(earlier.Received(WM_COMMAND).size(), 1u);
  EXPECT_EQ(earlier.Received(WM_COMMAND)[0].wParam, 3u);
  ASSERT_EQ(earlier.Received(WM_INITMENUPOPUP).size(), 1u);
  EXPECT_EQ(earlier.Received(WM_INITMENUPOPUP)[0].wParam, 7u);
}

TEST_F(WindowMenuTest, AttachingAgainSubclassesOnceAndASecondWindowTakesOver) {
  const std::intptr_t earlierProcedure = GetWindowLongA(window, GWL_WNDPROC);
  AttachWithFileMenu();
  ASSERT_TRUE(menu.AttachToWindow(window, true));
  menu.SetCommandCallback(&RecordCall);
  SendMessageA(window, WM_COMMAND, 3, 0);  // would recurse without end if subclassed twice
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(Count(WM_COMMAND), 1);

  QWidget other;
  const HWND second = WindowFromWidget(&other);
  WindowMenu otherMenu;
  ASSERT_TRUE(otherMenu.AttachToWindow(second, false));
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), earlierProcedure);
  SendMessageA(window, WM_COMMAND, 3, 0);
  EXPECT_EQ(Count(WM_COMMAND), 2);
}

TEST_F(WindowMenuTest, ModesAndTypesMapToFlags) {
  const HMENU file = AttachWithFileMenu();
  // Mode 1 is by position, 0 by command.
  EXPECT_TRUE(menu.DeleteItem(file, 3, 0));
  EXPECT_EQ(menu.GetItemCount(file), 1);
  EXPECT_FALSE(menu.DeleteItem(file, 1, 1));  // no position 1 any more
  EXPECT_TRUE(menu.DeleteItem(file, 0, 1));
  EXPECT_EQ(menu.GetItemCount(file), 0);

  // Type 1 inserts by position, 2 a popup (before a command), others are flags.
  menu.AppendItem(file, "保存", 0, 3);
  EXPECT_TRUE(menu.InsertItem(file, "新建", 1, 0, 1));
  const HMENU recent = CreatePopupMenu();
  EXPECT_TRUE(menu.InsertItem(file, "最近", AsItem(recent), 3, 2));
  EXPECT_TRUE(menu.InsertItem(file, "", 0, 0xFFFFFFFF, MF_BYPOSITION | MF_SEPARATOR));
  EXPECT_EQ(menu.GetItemId(file, 0), 1u);
  EXPECT_EQ(menu.GetSubMenuAt(file, 1), recent);
  EXPECT_EQ(menu.GetItemId(file, 2), 3u);
  EXPECT_EQ(menu.GetItemState(file, 3, 1), MF_SEPARATOR);
  EXPECT_EQ(menu.GetItemState(file, 1, 1), MF_POPUP);
  EXPECT_TRUE(menu.ModifyItem(file, "另存为", 4, 2, 1));
  EXPECT_EQ(menu.GetItemText(4), "另存为");
  const HMENU more = CreatePopupMenu();
  EXPECT_TRUE(menu.ModifyItem(file, "更多", AsItem(more), 4, 2));  // by command
  EXPECT_EQ(menu.GetSubMenuAt(file, 2), more);
  EXPECT_EQ(menu.EnableItem(file, 1, MF_GRAYED), static_cast<int>(MF_ENABLED));
  EXPECT_EQ(menu.GetItemState(file, 1, 0), MF_GRAYED);
}

TEST_F(WindowMenuTest, ChecksAndRadioChecksOnTheBar) {
  const HMENU file = AttachWithFileMenu();
  EXPECT_EQ(menu.CheckItem(1, true), static_cast<int>(MF_UNCHECKED));
  EXPECT_EQ(menu.CheckRadioItem(3, true), 0);
  EXPECT_EQ(menu.GetItemState(file, 1, 0), MF_CHECKED);  // the range is the item alone
  EXPECT_EQ(menu.GetItemState(file, 3, 0), MF_CHECKED);
  EXPECT_EQ(menu.CheckRadioItem(3, false), static_cast<int>(MF_CHECKED));
  EXPECT_EQ(menu.GetItemState(file, 3, 0), MF_UNCHECKED);
  EXPECT_EQ(menu.GetItemState(file, 1, 0), MF_CHECKED);  // only that item's check goes
  EXPECT_EQ(menu.CheckItem(1, false), static_cast<int>(MF_CHECKED));
  EXPECT_EQ(menu.CheckItem(99, true), -1);
}

TEST_F(WindowMenuTest, TheBarShowsWhatWasAddedOnceRedrawn) {
  AttachWithFileMenu();
  top.show();
  auto* bar = top.findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->actions().empty());  // built after SetMenu, shown when redrawn
  menu.AddPopupMenu("编辑(&E)", MF_POPUP, true);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_NE(bar->actions()[1]->menu(), nullptr);  // the popup flag given twice stays a popup
  EXPECT_EQ(menu.GetItemText(3), "保存(&S)\tF3");
  const RECT shown = menu.GetItemRect(MenuBarHandle, 1);
  EXPECT_GT(shown.right, shown.left);
  EXPECT_TRUE(menu.HighlightItem(MenuBarHandle, 1, MF_BYPOSITION | MF_HILITE));
  EXPECT_EQ(menu.GetItemState(MenuBarHandle, 1, 1) & MF_HILITE, MF_HILITE);
  EXPECT_TRUE(menu.RemoveMenuBar());
  EXPECT_EQ(menu.GetWindowMenu(window), nullptr);
  EXPECT_TRUE(IsMenu(MenuBarHandle));
  const RECT gone = menu.GetItemRect(MenuBarHandle, 1);
  EXPECT_EQ(std::make_pair(gone.left, gone.right), std::make_pair(0, 0));
}

TEST_F(WindowMenuTest, AFailedResourceLoadKeepsTheBar) {
  AttachWithFileMenu();
  const HMENU bar = MenuBarHandle;
  EXPECT_EQ(menu.LoadFromResource(std::nullopt, "MAINMENU"), nullptr);
  EXPECT_EQ(MenuBarHandle, bar);
  EXPECT_EQ(menu.GetWindowMenu(window), bar);
  EXPECT_EQ(menu.GetWindowSystemMenu(false), nullptr);
  EXPECT_EQ(menu.GetCheckMarkSize(),
            static_cast<int>(MAKELPARAM(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK))));
}

TEST_F(WindowMenuTest, ItemPicturesFromFilesTakeTheCheckMarkSize) {
  const HMENU file = AttachWithFileMenu();
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::green);
  ASSERT_TRUE(image.save(QString::fromStdString(PathOf("11.bmp")), "BMP"));
  const auto pictures = [&](UINT id) {
    const MenuItem* item = FindMenuItem(file, id, MF_BYCOMMAND);
    return std::make_pair(FindBitmap(item->uncheckedBitmap).size(), FindBitmap(item->checkedBitmap).size());
  };
  const QSize checkMark(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK));
  const QSize none(0, 0);
  EXPECT_TRUE(menu.SetItemBitmapsFromFiles(file, PathOf("11.bmp"), "", std::nullopt, std::nullopt, 1, 0));
  EXPECT_EQ(pictures(1), std::make_pair(checkMark, none));
  EXPECT_TRUE(menu.SetItemBitmapsFromFiles(file, PathOf("missing.bmp"), PathOf("11.bmp"), 20, 10, 3, 0));
  EXPECT_EQ(pictures(3), std::make_pair(none, QSize(20, 10)));
  EXPECT_TRUE(menu.SetItemBitmapsFromResource(file, "11", "12", std::nullopt, std::nullopt, 0, MF_BYPOSITION));
  EXPECT_EQ(pictures(1), std::make_pair(none, none));  // no resources here
  EXPECT_FALSE(menu.SetItemBitmapsFromFiles(file, PathOf("11.bmp"), "", std::nullopt, std::nullopt, 99, 0));
}

}  // namespace
