#include "platform/menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/system_metrics.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

HMENU AsMenu(std::uintptr_t value) { return reinterpret_cast<HMENU>(value); }
std::uintptr_t AsItem(HMENU menu) { return reinterpret_cast<std::uintptr_t>(menu); }

std::string MenuString(HMENU menu, UINT item, UINT flags) {
  const int length = GetMenuStringA(menu, item, nullptr, 0, flags);
  std::string text(static_cast<std::size_t>(length) + 1, ' ');
  text.resize(static_cast<std::size_t>(GetMenuStringA(menu, item, text.data(), length + 1, flags)));
  return text;
}

// "撤销" (101, greyed), a separator (100), "全选" (107, checked) and a popup "更多" holding
// "删除" (106).
class Menus : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED, 101, "撤销"));
    ASSERT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 100, ""));
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING | MF_CHECKED, 107, "全选"));
    ASSERT_TRUE(AppendMenuA(submenu, MF_STRING, 106, "删除"));
    ASSERT_TRUE(AppendMenuA(menu, MF_POPUP, AsItem(submenu), "更多"));
  }
  void TearDown() override {
    SetPopupMenuAnswer({});
    DestroyMenu(menu);
  }

  HMENU menu = CreatePopupMenu();
  HMENU submenu = CreatePopupMenu();
  QWidget top;
  HWND owner = WindowFromWidget(&top);
};

TEST_F(Menus, IsMenuAcceptsOnlyLiveMenus) {
  const HMENU destroyed = CreatePopupMenu();
  DestroyMenu(destroyed);
  for (const std::uintptr_t value :
       {std::uintptr_t{0}, std::uintptr_t{1}, ~std::uintptr_t{0}, std::uintptr_t{0x10000}, AsItem(destroyed),
        reinterpret_cast<std::uintptr_t>(owner)}) {
    EXPECT_FALSE(IsMenu(AsMenu(value))) << value;
  }
  EXPECT_TRUE(IsMenu(menu));
  EXPECT_FALSE(DestroyMenu(destroyed));
}

TEST_F(Menus, ItemsAnswerTheirQueriesByPositionAndByCommand) {
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(GetMenuItemID(menu, 0), 101u);
  EXPECT_EQ(GetMenuItemID(menu, 1), 100u);
  EXPECT_EQ(GetMenuItemID(menu, 3), 0xFFFFFFFFu);  // popup
  EXPECT_EQ(GetMenuItemID(menu, 4), 0xFFFFFFFFu);
  EXPECT_EQ(GetMenuItemID(menu, -1), 0xFFFFFFFFu);
  EXPECT_EQ(GetMenuState(menu, 101, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(menu, 107, MF_BYCOMMAND), MF_CHECKED);
  EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION), (1u << 8) | MF_POPUP);
  EXPECT_EQ(GetMenuState(menu, 999, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_EQ(MenuString(menu, 107, MF_BYCOMMAND), "全选");
  EXPECT_EQ(MenuString(menu, 106, MF_BYCOMMAND), "删除");  // found in the submenu
  EXPECT_EQ(MenuString(menu, 3, MF_BYPOSITION), "更多");
  char small[3];
  EXPECT_EQ(GetMenuStringA(menu, 0, small, 3, MF_BYPOSITION), 2);
  EXPECT_EQ(std::string(small), std::string("撤销").substr(0, 2));
  EXPECT_EQ(GetMenuItemCount(AsMenu(12345)), -1);
}

TEST_F(Menus, EnableMenuItemReturnsThePreviousState) {
  EXPECT_EQ(EnableMenuItem(menu, 101, MF_BYCOMMAND | MF_ENABLED), static_cast<int>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(menu, 101, MF_BYCOMMAND), MF_ENABLED);
  EXPECT_EQ(EnableMenuItem(menu, 2, MF_BYPOSITION | MF_DISABLED), static_cast<int>(MF_ENABLED));
  EXPECT_EQ(GetMenuState(menu, 107, MF_BYCOMMAND), MF_DISABLED | MF_CHECKED);
  EXPECT_EQ(EnableMenuItem(menu, 106, MF_GRAYED), static_cast<int>(MF_ENABLED));
  EXPECT_EQ(GetMenuState(submenu, 106, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(EnableMenuItem(menu, 555, MF_GRAYED), -1);
  EXPECT_EQ(EnableMenuItem(menu, 9, MF_BYPOSITION | MF_GRAYED), -1);
}

TEST_F(Menus, AppendRefusesWhatCannotBeShown) {
  EXPECT_FALSE(AppendMenuA(AsMenu(42), MF_STRING, 1, "x"));
  EXPECT_FALSE(AppendMenuA(menu, MF_POPUP, 42, "not a menu"));
  EXPECT_FALSE(AppendMenuA(submenu, MF_POPUP, AsItem(menu), "cycle"));
  EXPECT_FALSE(AppendMenuA(menu, MF_POPUP, AsItem(menu), "itself"));
  EXPECT_FALSE(AppendMenuA(menu, MF_BITMAP, 1, nullptr));
  EXPECT_TRUE(AppendMenuA(menu, MF_STRING, 1, nullptr));
  EXPECT_EQ(MenuString(menu, 1, MF_BYCOMMAND), "");
}

TEST_F(Menus, DestroyMenuTakesItsSubmenusAlong) {
  DestroyMenu(menu);
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(IsMenu(submenu));
}

TEST_F(Menus, ChoiceReachesTheOwnerAsCommandAfterInitMenuPopup) {
  std::vector<UINT> order;
  test::RecordingSubclass recorder(owner, [&](const test::Message& m) -> std::optional<LRESULT> {
    order.push_back(m.message);
    return std::nullopt;
  });
  SetPopupMenuAnswer([&](HMENU shown) -> std::optional<UINT> {
    EXPECT_EQ(shown, menu);
    order.push_back(0);
    return 106;
  });
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 10, 20, 0, owner, nullptr));
  EXPECT_EQ(order, (std::vector<UINT>{WM_INITMENUPOPUP, 0, WM_COMMAND}));
  EXPECT_EQ(recorder.Received(WM_INITMENUPOPUP)[0].wParam, AsItem(menu));
  ASSERT_EQ(recorder.Received(WM_COMMAND).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_COMMAND)[0].wParam, 106u);
  EXPECT_EQ(recorder.Received(WM_COMMAND)[0].lParam, 0);
}

TEST_F(Menus, ReturnCommandGivesTheIdInsteadOfACommand) {
  test::RecordingSubclass recorder(owner);
  SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return 107; });
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 107);
  SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return std::nullopt; });
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0);
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr));
  EXPECT_TRUE(recorder.Received(WM_COMMAND).empty());
}

TEST_F(Menus, GreyedSeparatorAndUnknownItemsCannotBeChosen) {
  test::RecordingSubclass recorder(owner);
  for (const UINT id : {101u, 100u, 999u}) {
    SetPopupMenuAnswer([id](HMENU) -> std::optional<UINT> { return id; });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0) << id;
  }
  EnableMenuItem(menu, 3, MF_BYPOSITION | MF_GRAYED);  // the popup holding 106
  SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return 106; });
  EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr));
  EXPECT_TRUE(recorder.Received(WM_COMMAND).empty());
}

// The ids of a menu's items in order; a popup shows as 0.
std::vector<UINT> Ids(HMENU menu) {
  std::vector<UINT> ids;
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    ids.push_back(GetSubMenu(menu, position) != nullptr ? 0 : GetMenuItemID(menu, position));
  }
  return ids;
}

TEST_F(Menus, InsertGoesBeforeTheNamedItemOrAtTheEnd) {
  struct Case {
    UINT position;
    UINT flags;
    std::vector<UINT> menuIds;
    std::vector<UINT> submenuIds;
  };
  const Case cases[] = {
      {0, MF_BYPOSITION, {1, 101, 100, 107, 0}, {106}},
      {3, MF_BYPOSITION, {101, 100, 107, 1, 0}, {106}},
      {4, MF_BYPOSITION, {101, 100, 107, 0, 1}, {106}},
      {0xFFFFFFFF, MF_BYPOSITION, {101, 100, 107, 0, 1}, {106}},
      {107, MF_BYCOMMAND, {101, 100, 1, 107, 0}, {106}},
      {106, MF_BYCOMMAND, {101, 100, 107, 0}, {1, 106}},  // in the submenu that holds it
      {555, MF_BYCOMMAND, {101, 100, 107, 0, 1}, {106}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    const HMENU copy = CreatePopupMenu();
    const HMENU inner = CreatePopupMenu();
    for (const UINT id : {101u, 100u, 107u}) AppendMenuA(copy, id == 100 ? MF_SEPARATOR : MF_STRING, id, "");
    AppendMenuA(inner, MF_STRING, 106, "删除");
    AppendMenuA(copy, MF_POPUP, AsItem(inner), "更多");
    ASSERT_TRUE(InsertMenuA(copy, c.position, c.flags | MF_STRING, 1, "新"));
    EXPECT_EQ(Ids(copy), c.menuIds);
    EXPECT_EQ(Ids(inner), c.submenuIds);
    EXPECT_EQ(MenuString(copy, 1, MF_BYCOMMAND), "新");
    DestroyMenu(copy);
  }
  EXPECT_FALSE(InsertMenuA(submenu, 0, MF_BYPOSITION | MF_POPUP, AsItem(menu), "cycle"));
  EXPECT_FALSE(InsertMenuA(AsMenu(42), 0, MF_BYPOSITION, 1, "x"));
}

TEST_F(Menus, ModifyReplacesTheItemAndDestroysASubmenuItNoLongerHolds) {
  ASSERT_TRUE(ModifyMenuA(menu, 107, MF_BYCOMMAND | MF_GRAYED, 108, "反选"));
  EXPECT_EQ(GetMenuItemID(menu, 2), 108u);
  EXPECT_EQ(GetMenuState(menu, 108, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(MenuString(menu, 108, MF_BYCOMMAND), "反选");
  ASSERT_TRUE(ModifyMenuA(menu, 3, MF_BYPOSITION | MF_POPUP, AsItem(submenu), "还有"));  // same submenu
  EXPECT_TRUE(IsMenu(submenu));
  EXPECT_EQ(MenuString(menu, 3, MF_BYPOSITION), "还有");
  const HMENU inner = CreatePopupMenu();
  AppendMenuA(submenu, MF_POPUP, AsItem(inner), "里面");
  EXPECT_FALSE(ModifyMenuA(menu, 3, MF_BYPOSITION | MF_POPUP, AsItem(inner), "x"));  // would go with it
  ASSERT_TRUE(ModifyMenuA(menu, 3, MF_BYPOSITION | MF_STRING, 109, "完"));
  EXPECT_FALSE(IsMenu(submenu));
  EXPECT_FALSE(IsMenu(inner));
  EXPECT_EQ(GetMenuItemID(menu, 3), 109u);
  EXPECT_FALSE(ModifyMenuA(menu, 9, MF_BYPOSITION, 1, "x"));
}

TEST_F(Menus, DeleteTakesTheSubmenuAlongRemoveLeavesIt) {
  EXPECT_TRUE(DeleteMenu(menu, 106, MF_BYCOMMAND));  // found in the submenu
  EXPECT_EQ(GetMenuItemCount(submenu), 0);
  EXPECT_TRUE(DeleteMenu(menu, 0, MF_BYPOSITION));
  EXPECT_EQ(Ids(menu), (std::vector<UINT>{100, 107, 0}));
  EXPECT_TRUE(RemoveMenu(menu, 2, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(submenu));
  EXPECT_EQ(GetSubMenu(menu, 2), nullptr);
  EXPECT_TRUE(AppendMenuA(menu, MF_POPUP, AsItem(submenu), "更多"));
  EXPECT_EQ(GetSubMenu(menu, 2), submenu);
  EXPECT_TRUE(DeleteMenu(menu, 2, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(submenu));
  EXPECT_FALSE(DeleteMenu(menu, 555, MF_BYCOMMAND));
  EXPECT_FALSE(RemoveMenu(menu, 5, MF_BYPOSITION));
  EXPECT_EQ(GetSubMenu(menu, -1), nullptr);
}

TEST_F(Menus, CheckMenuItemReturnsThePreviousCheck) {
  EXPECT_EQ(CheckMenuItem(menu, 107, MF_BYCOMMAND | MF_UNCHECKED), static_cast<int>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(menu, 107, MF_BYCOMMAND | MF_CHECKED), static_cast<int>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(menu, 106, MF_CHECKED), static_cast<int>(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(submenu, 0, MF_BYPOSITION), MF_CHECKED);
  EXPECT_EQ(CheckMenuItem(menu, 0, MF_BYPOSITION | MF_CHECKED), static_cast<int>(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), MF_GRAYED | MF_CHECKED);
  EXPECT_EQ(CheckMenuItem(menu, 555, MF_CHECKED), -1);
}

TEST_F(Menus, RadioCheckMovesWithinTheRangeOfTheHoldingMenu) {
  for (const UINT id : {201u, 202u, 203u, 204u}) AppendMenuA(submenu, MF_STRING | MF_CHECKED, id, "");
  EXPECT_TRUE(CheckMenuRadioItem(menu, 202, 204, 203, MF_BYCOMMAND));
  std::vector<UINT> checks;
  for (const UINT id : {106u, 201u, 202u, 203u, 204u}) checks.push_back(GetMenuState(menu, id, MF_BYCOMMAND));
  EXPECT_EQ(checks, (std::vector<UINT>{0, MF_CHECKED, 0, MF_CHECKED, 0}));
  EXPECT_EQ(GetMenuState(menu, 107, MF_BYCOMMAND), MF_CHECKED);  // another menu: untouched
  // By position; the separator at 1 is left alone.
  EXPECT_TRUE(CheckMenuRadioItem(menu, 0, 2, 0, MF_BYPOSITION));
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), MF_GRAYED | MF_CHECKED);
  EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION), MF_UNCHECKED);
  // A check outside the range, or no such item, changes nothing.
  EXPECT_FALSE(CheckMenuRadioItem(menu, 202, 203, 201, MF_BYCOMMAND));
  EXPECT_FALSE(CheckMenuRadioItem(menu, 1, 1, 1, MF_BYPOSITION));
  EXPECT_FALSE(CheckMenuRadioItem(menu, 1, 900, 555, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuState(menu, 201, MF_BYCOMMAND), MF_CHECKED);
}

TEST_F(Menus, TheCheckMarkSizeIsQtsCheckIndicator) {
  const int width = GetSystemMetrics(SM_CXMENUCHECK);
  const int height = GetSystemMetrics(SM_CYMENUCHECK);
  EXPECT_EQ(width, QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth));
  EXPECT_EQ(height, QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight));
  EXPECT_GT(width, 0);
  EXPECT_EQ(GetMenuCheckMarkDimensions(), static_cast<int>(MAKELPARAM(width, height)));
  EXPECT_EQ(GetSystemMetrics(0), 0);
}

TEST_F(Menus, ThereAreNoResourceMenusOrSystemMenus) {
  EXPECT_EQ(LoadMenuA(nullptr, "MAINMENU"), nullptr);
  EXPECT_EQ(GetSystemMenu(owner, FALSE), nullptr);
  EXPECT_EQ(LoadImageA(nullptr, "11", IMAGE_BITMAP, 0, 0, 0), nullptr);
}

TEST_F(Menus, TrackPopupMenuNeedsAMenuAndAnOwner) {
  SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return 107; });
  EXPECT_FALSE(TrackPopupMenu(AsMenu(99), 0, 0, 0, 0, owner, nullptr));
  EXPECT_FALSE(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, reinterpret_cast<HWND>(99), nullptr));
}

}  // namespace
