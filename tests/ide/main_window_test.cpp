#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "framework/page_control.h"
#include "framework/toolbar.h"
#include "ide/documents.h"
#include "ide/main_window_definition.h"
#include "platform/ini_file.h"
#include "program_fixture.h"

namespace {

using MainWindowTest = ProgramTest;

framework::PageControl* OutputPanel() { return MainWindow->Find<framework::PageControl>(kOutputPanel); }
framework::Toolbar* MainToolbar() { return MainWindow->Find<framework::Toolbar>(kMainToolbar); }

TEST_F(MainWindowTest, WithoutConfigIniThePanelIsHiddenAndNothingIsWrittenOffline) {
  RunProgram([this] {
    EXPECT_EQ(BaseDir, Dir());
    EXPECT_NE(OutputPanelVisible, 1);
    EXPECT_FALSE(OutputPanel()->Visible());
    EXPECT_FALSE(MainToolbar()->IsButtonChecked(kOutputPanelButton));
  });
  EXPECT_FALSE(platform::PathExists(PathOf("config.ini")));
  EXPECT_TRUE(dialogs_.empty());
}

TEST_F(MainWindowTest, TheFirstStartFlagStaysWhileOffline) {
  WriteBaseFile("config.ini", "[系统配置]\r\n是否初次=是\r\n");
  RunProgram([] {});
  EXPECT_EQ(platform::GetPrivateProfileStringA("系统配置", "是否初次", "", PathOf("config.ini")), "是");
}

// The panel's setting is read as a decimal number: only 1 shows it.
TEST_F(MainWindowTest, OutputPanelFollowsTheSetting) {
  const std::pair<const char*, bool> cases[] = {{"1", true}, {"01", true}, {"0", false}, {"是", false}, {"", false}};
  for (const auto& [value, shown] : cases) {
    SCOPED_TRACE(value);
    WriteBaseFile("config.ini", std::string("[系统配置]\r\n输出表=") + value + "\r\n");
    RunProgram([&] {
      EXPECT_EQ(OutputPanelVisible == 1, shown);
      EXPECT_EQ(OutputPanel()->Visible(), shown);
      EXPECT_EQ(MainToolbar()->IsButtonChecked(kOutputPanelButton), shown);
    });
  }
}

void ExpectLayout(bool panelShown) {
  const int width = MainWindow->ClientWidth();
  const int height = MainWindow->ClientHeight();
  EXPECT_EQ(Editor->Left(), 0);
  EXPECT_EQ(Editor->Top(), 42);
  EXPECT_EQ(Editor->Width(), width);
  if (!panelShown) {
    EXPECT_EQ(Editor->Height(), height - 15);
    return;
  }
  auto* panel = OutputPanel();
  EXPECT_EQ(Editor->Height(), height - 139 - 70);
  EXPECT_EQ(panel->Left(), 1);
  EXPECT_EQ(panel->Top(), Editor->Height() + 47);
  EXPECT_EQ(panel->Width(), width - 4);
  EXPECT_EQ(panel->Height(), 139);
  for (const char* list : {kOutputList, kFindResultsList}) {
    EXPECT_EQ(MainWindow->Find<framework::WidgetUnit>(list)->Width(), width - 12) << list;
  }
}

TEST_F(MainWindowTest, LayoutPlacesEditorAndPanelAtEverySize) {
  for (const bool panelShown : {true, false}) {
    SCOPED_TRACE(panelShown ? "panel shown" : "panel hidden");
    WriteBaseFile("config.ini", panelShown ? "[系统配置]\r\n输出表=1\r\n" : "[系统配置]\r\n输出表=0\r\n");
    RunProgram([&] {
      // The menu bar takes its height from the client area.
      const int menuBar = 592 - MainWindow->ClientHeight();
      EXPECT_EQ(MainWindow->ClientWidth(), 855);
      EXPECT_GT(menuBar, 0);
      ExpectLayout(panelShown);
      MainWindow->Frame()->resize(700, 480);
      ASSERT_EQ(MainWindow->ClientHeight(), 480 - menuBar);
      ExpectLayout(panelShown);
    });
  }
}

TEST_F(MainWindowTest, WithoutArgumentsTheEditorStaysEmptyAndUntitled) {
  RunProgram([this] {
    EXPECT_EQ(EditorText(), "");
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(StatusPart(kDocumentPathPart), "");
  });
}

// The first argument names the file, whatever blanks and quotes it holds (a quoted one in a
// command-line text); a second argument and a file named by a part of the first are left alone.
// The text stops at the file's first NUL byte, and the file is not added to the recent list.
TEST_F(MainWindowTest, OpensTheFileTheFirstArgumentNames) {
  const std::string text = "int main() { /* 中文 */ }\r\n";
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"my file.c", [] { SetCommandLineText("\"my file.c\" second.c"); }},
      {"my \"notes\".c", [] { SetCommandLineArguments({"my \"notes\".c", "second.c"}); }},
      {"my \"notes\" 2.c", [] { SetCommandLineArguments({"my \"notes\" 2.c"}); }},
  };
  WriteBaseFile("my", "my");
  WriteBaseFile("second.c", "second");
  for (const auto& [name, start] : cases) {
    SCOPED_TRACE(name);
    WriteBaseFile(name, text + std::string("\0rest", 5));
    start();
    RunProgram([&] {
      EXPECT_EQ(CurrentFilePath, PathOf(name));
      EXPECT_EQ(EditorText(), text);
      EXPECT_EQ(IsSaved, 1);
      EXPECT_EQ(StatusPart(kDocumentPathPart), PathOf(name));
    });
  }
  EXPECT_FALSE(platform::PathExists(PathOf("recent.txt")));
}

TEST_F(MainWindowTest, AFileThatCannotBeReadOpensEmptyUnderItsName) {
  ASSERT_EQ(mkdir(PathOf("folder.c").c_str(), 0755), 0);
  for (const char* name : {"missing.c", "folder.c"}) {
    SCOPED_TRACE(name);
    SetCommandLineText(name);
    RunProgram([&] {
      EXPECT_EQ(CurrentFilePath, PathOf(name));
      EXPECT_EQ(EditorText(), "");
      EXPECT_EQ(IsSaved, 1);
      EXPECT_EQ(StatusPart(kDocumentPathPart), PathOf(name));
    });
    EXPECT_TRUE(dialogs_.empty());
  }
}

// The file is named whole: an Open or Save dialog that moves the working directory does not
// move the document's file.
TEST_F(MainWindowTest, AFileNamedFromTheWorkingDirectorySavesThereWhereverItMoves) {
  ASSERT_EQ(mkdir(PathOf("elsewhere").c_str(), 0755), 0);
  WriteBaseFile("a.c", "int a;\r\n");
  SetCommandLineText("./a.c");
  RunProgram([&] {
    ASSERT_EQ(chdir(PathOf("elsewhere").c_str()), 0);
    Editor->InsertText("//", 0);
    SaveDocument();
    ASSERT_EQ(chdir(Dir().c_str()), 0);
  });
  EXPECT_EQ(platform::ReadWholeFile(PathOf("a.c")), "//int a;\r\n");
  EXPECT_FALSE(platform::PathExists(PathOf("elsewhere/a.c")));
}

TEST_F(MainWindowTest, ASavedDocumentClosesWithoutAsking) {
  SetCommandLineText("a.c");
  RunProgram([] {
    EXPECT_TRUE(MainWindow->Close());
    EXPECT_EQ(MainWindow, nullptr);
  });
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_TRUE(endCodes_.empty());
}

TEST_F(MainWindowTest, UnsavedTextEndsTheProgramThroughNewDocument) {
  RunProgram([this] {
    Editor->SetText("typed");
    EXPECT_FALSE(MainWindow->Close());
    EXPECT_EQ(endCodes_, (std::vector<int>{0}));
  });
}

TEST_F(MainWindowTest, AStoredNameGoesIntoTheTitleAndTheWelcomeButton) {
  WriteProgramFile("login.txt", "[user]\r\nusername=zs\r\npassword=pw\r\nname=张三\r\n");
  WriteBaseFile("login.txt", "[user]\r\nname=不是这个\r\n");  // only ProgramDir's counts
  RunProgram([] {
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 张三");
    EXPECT_EQ(MainToolbar()->ButtonCount(), 14);
    EXPECT_EQ(MainToolbar()->ButtonToolTip(0), "Welcome");
    EXPECT_EQ(MainToolbar()->ButtonToolTip(2), "新建");
  });
}

TEST_F(MainWindowTest, WithoutANameTheTitleAndTheSignInButtonStay) {
  WriteProgramFile("login.txt", "[user]\r\nname=\r\n");
  RunProgram([] {
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器");
    EXPECT_EQ(MainToolbar()->ButtonCount(), 14);
    EXPECT_EQ(MainToolbar()->ButtonToolTip(0), "登录");
  });
}

}  // namespace
