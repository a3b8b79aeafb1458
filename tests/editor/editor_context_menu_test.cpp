#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTimer>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editor/sci_editor.h"
#include "editor_fixture.h"
#include "platform/menu.h"
#include "platform/window.h"

namespace {

using namespace platform;
using test::EditorFixture;
using test::RecordingHandler;

constexpr UINT SCI_GETSELECTIONEND = QsciScintillaBase::SCI_GETSELECTIONEND;
constexpr UINT SCI_EMPTYUNDOBUFFER = QsciScintillaBase::SCI_EMPTYUNDOBUFFER;

struct Item {
  UINT id;
  std::string caption;
  bool separator;
  bool greyed;
  bool operator==(const Item&) const = default;
};

std::vector<Item> ItemsOf(HMENU menu) {
  std::vector<Item> items;
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    char caption[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), caption, sizeof caption, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    items.push_back(
        {GetMenuItemID(menu, position), caption, (state & MF_SEPARATOR) != 0, (state & MF_GRAYED) != 0});
  }
  return items;
}

class EditorContextMenu : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    CreateFocused();
  }
  void TearDown() override { SetPopupMenuAnswer({}); }

  // Asks for the context menu the way the keyboard does, answering it with choice.
  LRESULT RequestMenu(std::optional<UINT> choice = std::nullopt) {
    SetPopupMenuAnswer([this, choice](HMENU menu) {
      shown.push_back(menu);
      shownItems = ItemsOf(menu);
      return choice;
    });
    return SendMessageA(editor.GetEditorHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  }

  // The greyed ones among the built-in commands.
  std::vector<UINT> Greyed() const {
    std::vector<UINT> greyed;
    for (const Item& item : shownItems)
      if (item.greyed) greyed.push_back(item.id);
    return greyed;
  }

  std::vector<HMENU> shown;
  std::vector<Item> shownItems;
};

TEST_F(EditorContextMenu, TheBuiltInMenuHoldsTheEditCommandsInOrder) {
  editor.SetPopupMenu(1);
  EXPECT_NE(RequestMenu(), 0);
  const std::vector<Item> expected = {
      {101, "撤销", false, true}, {102, "重做", false, true}, {100, "", true, false},
      {103, "剪切", false, true}, {104, "复制", false, true}, {105, "粘贴", false, false},
      {106, "删除", false, true}, {100, "", true, false},     {107, "全选", false, false},
  };
  EXPECT_EQ(shownItems, expected);

  RequestMenu();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_FALSE(IsMenu(shown[0])) << "the previous built-in menu is destroyed";
  EXPECT_TRUE(IsMenu(shown[1]));
}

TEST_F(EditorContextMenu, BuiltInItemsAreGreyedByTheEditorsState) {
  editor.SetPopupMenu(1);
  struct Case {
    const char* text;
    int anchor, caret;
    std::vector<UINT> greyed;
  };
  const Case cases[] = {
      {"abc", 3, 3, {101, 102, 103, 104, 106}},  // caret at the end of the text
      {"abc", 0, 0, {101, 102, 103, 104}},       // a character to delete
      {"a\r\nb", 1, 1, {101, 102, 103, 104, 106}},
      {"a\nb", 1, 1, {101, 102, 103, 104, 106}},
      {"abc", 0, 2, {101, 102}},
  };
  for (const Case& c : cases) {
    SetText(c.text);
    editor.DirectCall(SCI_EMPTYUNDOBUFFER);
    editor.SetSel(c.anchor, c.caret);
    RequestMenu();
    EXPECT_EQ(Greyed(), c.greyed) << c.text << " " << c.anchor << "-" << c.caret;
  }

  SetText("abc");
  editor.DirectCall(SCI_EMPTYUNDOBUFFER);
  editor.SetSel(0, 0);
  QTest::keyClick(Component(), Qt::Key_X);
  RequestMenu();
  EXPECT_EQ(Greyed(), (std::vector<UINT>{102, 103, 104})) << "after an edit";
  editor.Undo();
  RequestMenu();
  EXPECT_EQ(Greyed(), (std::vector<UINT>{101, 103, 104})) << "after its undo";
}

TEST_F(EditorContextMenu, TheContextMenuCommandHandlerDecidesWhetherACommandActs) {
  editor.SetPopupMenu(1);
  const std::optional<int> results[] = {std::nullopt, 0, 1, 2};
  for (const std::optional<int> result : results) {
    SetText("abc");
    editor.SetSel(0, 0);
    RecordingHandler recorder;
    editor.SetEventHandler(EditorEventContextMenuCommand, result ? recorder.Handler(*result) : nullptr);
    RequestMenu(107);
    const bool acted = result != 0;
    EXPECT_EQ(editor.DirectCall(SCI_GETSELECTIONEND), acted ? 3 : 0)
        << "handler result " << result.value_or(999);
    if (result) {
      EXPECT_EQ(recorder.calls, (std::vector<EditorEventArgs>{{107}}));
    }
  }
}

TEST_F(EditorContextMenu, CommandsOutsideTheMenuGoOnlyToTheHandler) {
  SetText("abc");
  RecordingHandler recorder;
  editor.SetEventHandler(EditorEventContextMenuCommand, recorder.Handler(1));
  SendMessageA(editor.GetEditorHandle(), WM_COMMAND, 107 | (1 << 16), 0);  // compared whole
  SendMessageA(editor.GetEditorHandle(), WM_COMMAND, 107, 1234);           // from a control
  EXPECT_EQ(editor.DirectCall(SCI_GETSELECTIONEND), 0);
  EXPECT_EQ(recorder.calls, (std::vector<EditorEventArgs>{{107 | (1 << 16)}}));
}

TEST_F(EditorContextMenu, WithoutAMenuModeNoMenuIsShownAtAll) {
  for (const std::intptr_t mode : {0, -1}) {
    editor.SetPopupMenu(mode);
    EXPECT_EQ(RequestMenu(), 0);
    EXPECT_TRUE(shown.empty());

    // A right click must not reach the component's own menu either; close one if it opens.
    bool popupOpened = false;
    QTimer::singleShot(200, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        popupOpened = true;
        popup->close();
      }
    });
    QWidget* viewport = static_cast<QAbstractScrollArea*>(Component())->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 10),
                              viewport->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(viewport, &request);
    QTest::qWait(250);
    EXPECT_FALSE(popupOpened) << "mode " << mode;
  }
}

TEST_F(EditorContextMenu, AnApplicationMenuIsShownAndItsChoiceReachesTheHandler) {
  const HMENU own = CreatePopupMenu();
  AppendMenuA(own, MF_STRING, 555, "mine");
  editor.SetPopupMenu(reinterpret_cast<std::intptr_t>(own));
  RecordingHandler recorder;
  editor.SetEventHandler(EditorEventContextMenuCommand, recorder.Handler(1));
  EXPECT_NE(RequestMenu(555), 0);
  EXPECT_EQ(shown, (std::vector<HMENU>{own}));
  EXPECT_EQ(recorder.calls, (std::vector<EditorEventArgs>{{555}}));
  DestroyMenu(own);

  editor.SetPopupMenu(12345);  // no menu handle: the request is passed on
  shown.clear();
  EXPECT_EQ(RequestMenu(), 0);
  EXPECT_TRUE(shown.empty());
}

}  // namespace
