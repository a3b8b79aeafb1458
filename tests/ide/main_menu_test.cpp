#include "ide/main_menu.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>

#include "commands_fixture.h"
#include "ide/documents.h"
#include "platform/bitmap_registry.h"
#include "platform/menu.h"
#include "platform/menu_model.h"
#include "platform/system_metrics.h"
#include "program_fixture.h"

namespace {

using platform::HMENU;
using platform::UINT;

constexpr UINT kSeparator = 0;

class MainMenuTest : public ProgramTest {
 protected:
  void TearDown() override {
    platform::SetPopupMenuAnswer({});
    ProgramTest::TearDown();
  }

  // The ids of a menu's items, kSeparator for a separator.
  static std::vector<UINT> ItemIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int position = 0; position < MainMenu->GetItemCount(menu); ++position) {
      const bool separator = (MainMenu->GetItemState(menu, position, 1) & platform::MF_SEPARATOR) != 0;
      ids.push_back(separator ? kSeparator : MainMenu->GetItemId(menu, position));
    }
    return ids;
  }
};

TEST_F(MainMenuTest, TheBarHoldsFiveMenusWithTheirItemsInOrder) {
  RunProgram([] {
    auto* bar = MainWindow->Frame()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 5);
    const char* const captions[] = {"文件(&F)", "编辑(&E)", "编译(&O)", "查看(&V)", "帮助(&H)"};
    ASSERT_EQ(MenuHandles.size(), 5u);
    for (int position = 0; position < 5; ++position) {
      EXPECT_EQ(MainMenu->GetSubMenuAt(MenuBarHandle, position), MenuHandles[position]);
      char caption[32] = {};
      platform::GetMenuStringA(MenuBarHandle, position, caption, sizeof caption, platform::MF_BYPOSITION);
      EXPECT_STREQ(caption, captions[position]);
    }
    EXPECT_EQ(ItemIds(MenuHandles[0]), (std::vector<UINT>{1, 2, 3, 4, kSeparator, 7}));
    EXPECT_EQ(ItemIds(MenuHandles[1]), (std::vector<UINT>{16, 17, kSeparator, 768, 769, 770, 771, kSeparator, 25, 26,
                                                          27, 28, 29, kSeparator}));
    EXPECT_EQ(ItemIds(MenuHandles[2]), (std::vector<UINT>{32, 33, 34, 346}));
    EXPECT_EQ(ItemIds(MenuHandles[3]), (std::vector<UINT>{37, 40}));
    EXPECT_EQ(ItemIds(MenuHandles[4]), (std::vector<UINT>{65}));
    // Captions are stored with their TAB and the shortcut text, which installs nothing.
    EXPECT_EQ(MainMenu->GetItemText(2), "打开(&O)...\t");
    EXPECT_EQ(MainMenu->GetItemText(3), "保存(&S)\tF3");
    EXPECT_EQ(MainMenu->GetItemText(26), "添加书签\t");
    EXPECT_EQ(MainMenu->GetItemText(771), "删除(&L)\tDel");
    EXPECT_EQ(MainMenu->GetItemText(65), "关于Tavo(&A)");
  });
}

TEST_F(MainMenuTest, TheDebugItemShowsThePictureOfTheProgramDirectoryAtTheCheckMarkSize) {
  ASSERT_EQ(mkdir(ProgramPath("Resource").c_str(), 0755), 0);
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(ProgramPath("Resource/11.bmp")), "BMP"));
  for (const bool present : {true, false}) {
    SCOPED_TRACE(present ? "picture present" : "picture missing");
    if (!present) {
      ASSERT_EQ(remove(ProgramPath("Resource/11.bmp").c_str()), 0);
    }
    RunProgram([&] {
      const platform::MenuItem* item = platform::FindMenuItem(MenuHandles[2], 32, platform::MF_BYCOMMAND);
      ASSERT_NE(item, nullptr);
      const QSize checkMark(platform::GetSystemMetrics(platform::SM_CXMENUCHECK),
                            platform::GetSystemMetrics(platform::SM_CYMENUCHECK));
      EXPECT_EQ(platform::FindBitmap(item->uncheckedBitmap).size(), present ? checkMark : QSize(0, 0));
      EXPECT_EQ(platform::FindBitmap(item->checkedBitmap).size(), QSize(0, 0));
    });
  }
}

// The menu bar is built on a window made here, so that the test can fill the plug-in table
// before it.
TEST_F(MainMenuTest, PluginEntriesFollowTheLastSeparatorWithIdsFrom60To900) {
  InitAppGlobals();
  ASSERT_NE(CreateMainWindow(), nullptr);
  PluginMenuTable = {{"格式化", "a.so", "Format", 0}, {"统计", "a.so", "Count", 0}, {"翻译", "b.so", "Translate", 0}};
  BuildMainMenu();
  const HMENU edit = MenuHandles[1];
  const std::vector<UINT> ids = ItemIds(edit);
  ASSERT_EQ(ids.size(), 17u);
  EXPECT_EQ(ids[13], kSeparator);
  for (std::size_t entry = 0; entry < 3; ++entry) {
    const PluginMenuEntry& record = PluginMenuTable[entry];
    SCOPED_TRACE(record.FunctionName);
    EXPECT_GE(record.CommandId, kPluginCommandIdFirst);
    EXPECT_LE(record.CommandId, kPluginCommandIdLast);
    EXPECT_EQ(ids[14 + entry], static_cast<UINT>(record.CommandId));
    char caption[32] = {};
    platform::GetMenuStringA(edit, static_cast<UINT>(14 + entry), caption, sizeof caption, platform::MF_BYPOSITION);
    EXPECT_EQ(caption, record.Caption);
  }
}

// Comment from the bar, then next bookmark from a popup opened as the right click opens it.
TEST_F(MainMenuTest, CommandsFromTheBarAndFromAPopupRun) {
  RunProgram([this] {
    Editor->SetText("a\r\nb\r\nc\r\n");
    Editor->GotoLine(1);
    ChooseFromMenuBar(1, 8);
    EXPECT_EQ(EditorText(), "a\r\n//b\r\nc\r\n");
    Editor->MarkerAdd(2, 1);
    platform::SetPopupMenuAnswer([](HMENU) -> std::optional<UINT> { return MenuCommandNextBookmark; });
    EXPECT_TRUE(MainMenu->TrackPopup(MenuHandles[1], 0, 0, 0));
    EXPECT_EQ(Editor->GetCurrentLine(), 2);
  });
}

// The opening of a popup passes its handle, which may equal any command id.
TEST_F(MainMenuTest, APopupOpeningNeverRunsACommand) {
  RunProgram([this] {
    Editor->SetText("x");
    Editor->MarkerAdd(0, 1);
    for (const int value : {1, 2, 3, 4, 7, 16, 25, 26, 27, 32, 65, 770, 771}) MainMenuCommandCallback(1, value);
    EXPECT_EQ(EditorText(), "x");
    EXPECT_EQ(Editor->MarkerGet(0), 2);
    EXPECT_TRUE(endCodes_.empty());
    EXPECT_TRUE(dialogs_.empty());
  });
}

TEST_F(MainMenuTest, EditCommandsActOnTheEditor) {
  RunProgram([this] {
    Editor->SetText("abc");
    Editor->SetSel(0, 1);
    ExecuteMenuCommand(0, MenuCommandCut);
    EXPECT_EQ(EditorText(), "bc");
    ExecuteMenuCommand(0, MenuCommandUndo);
    EXPECT_EQ(EditorText(), "abc");
    ExecuteMenuCommand(0, MenuCommandRedo);
    EXPECT_EQ(EditorText(), "bc");
    Editor->GotoPos(2);
    ExecuteMenuCommand(0, MenuCommandPaste);
    EXPECT_EQ(EditorText(), "bca");
    Editor->SetSel(0, 2);
    ExecuteMenuCommand(0, MenuCommandCopy);
    ExecuteMenuCommand(0, MenuCommandDelete);
    EXPECT_EQ(EditorText(), "a");
    ExecuteMenuCommand(0, MenuCommandPaste);
    EXPECT_EQ(EditorText(), "bca");
    ExecuteMenuCommand(0, MenuCommandAddBookmark);
    EXPECT_EQ(Editor->MarkerGet(0), 2);
    ExecuteMenuCommand(0, MenuCommandDeleteBookmark);
    EXPECT_EQ(Editor->MarkerGet(0), 0);
  });
}

// Changes made from the menu count as typing: a loaded document that one of them changed is
// no longer saved. Copying, bookmarks, and a command that finds nothing to change leave it saved.
TEST_F(MainMenuTest, OnlyMenuCommandsThatChangeTheTextMarkTheDocumentUnsaved) {
  struct CommandCase {
    int command;
    int selectionEnd;  // the selection runs from 0 to here before the command
    bool changes;
  };
  const CommandCase commands[] = {
      {MenuCommandCopy, 3, false},         {MenuCommandAddBookmark, 0, false},
      {MenuCommandNextBookmark, 0, false}, {MenuCommandCut, 0, false},
      {MenuCommandUndo, 0, false},         {MenuCommandComment, 0, true},
      {MenuCommandUndo, 0, true},          {MenuCommandRedo, 0, true},
      {MenuCommandCut, 3, true},           {MenuCommandPaste, 0, true},
      {MenuCommandDelete, 0, true},
  };
  WriteBaseFile("a.c", "int x;\r\n");
  SetCommandLineText("a.c");
  RunProgram([&] {
    for (const CommandCase& row : commands) {
      SCOPED_TRACE(row.command);
      Editor->SetSel(0, row.selectionEnd);
      MarkDocumentSaved();
      ExecuteMenuCommand(0, row.command);
      EXPECT_EQ(IsSaved, row.changes ? 0 : 1);
    }
  });
}

}  // namespace
