#include "ide/main_toolbar.h"

#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "framework/page_control.h"
#include "framework/toolbar.h"
#include "ide/main_window_definition.h"
#include "ide/window_menu.h"
#include "platform/ini_file.h"
#include "program_fixture.h"

namespace {

using MainToolbarTest = ProgramTest;

std::vector<std::pair<int, int>> menuCalls;
void RecordMenuCall(int kind, int value) { menuCalls.emplace_back(kind, value); }

TEST_F(MainToolbarTest, TheDesignHasFourteenButtonsWithSeparatorsAndTheOutputButtonChecked) {
  const framework::ControlDefinition* toolbar = nullptr;
  const framework::WindowDefinition definition = MainWindowDefinition();
  for (const framework::ControlDefinition& control : definition.controls) {
    if (control.name == kMainToolbar) toolbar = &control;
  }
  ASSERT_NE(toolbar, nullptr);
  ASSERT_EQ(toolbar->buttons.size(), 14u);
  for (int index = 0; index < 14; ++index) {
    SCOPED_TRACE(index);
    const framework::ToolbarButtonDefinition& button = toolbar->buttons[index];
    EXPECT_EQ(button.separator, index == 1 || index == 5 || index == 7 || index == 13);
    EXPECT_EQ(button.checked, index == kOutputPanelButton);
  }
}

// Button 9 shows the hidden panel and lays the window out for it, then hides it again; each
// time the choice is written to config.ini.
TEST_F(MainToolbarTest, TheOutputButtonTogglesThePanelAndRemembersIt) {
  RunProgram([this] {
    auto* panel = MainWindow->Find<framework::PageControl>(kOutputPanel);
    const int height = MainWindow->ClientHeight();
    const auto setting = [this] {
      return platform::GetPrivateProfileStringA("系统配置", "输出表", "", PathOf("config.ini"));
    };
    ClickToolbarButton(kOutputPanelButton);
    EXPECT_EQ(OutputPanelVisible, 1);
    EXPECT_EQ(setting(), "1");
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(MainToolbar()->IsButtonChecked(kOutputPanelButton));
    EXPECT_EQ(Editor->Height(), height - panel->Height() - 70);
    EXPECT_EQ(panel->Top(), Editor->Height() + 47);

    ClickToolbarButton(kOutputPanelButton);
    EXPECT_EQ(OutputPanelVisible, 0);
    EXPECT_EQ(setting(), "0");
    EXPECT_FALSE(panel->Visible());
    EXPECT_FALSE(MainToolbar()->IsButtonChecked(kOutputPanelButton));
    EXPECT_EQ(Editor->Height(), height - 15);
  });
}

// A click between the buttons, or one the toolbar cannot give, runs nothing.
TEST_F(MainToolbarTest, SeparatorsAndIndexesBeyondTheButtonsDoNothing) {
  SetCommandLineText("a.c");
  RunProgram([this] {
    Editor->SetText("x");
    const std::size_t windows = framework::LiveWindows().size();
    for (const int index : {1, 5, 7, 13, -1, int{kToolbarButtonCount}}) OnMainWindowToolbarButtonClick(index);
    EXPECT_EQ(EditorText(), "x");
    EXPECT_EQ(framework::LiveWindows().size(), windows);
    EXPECT_EQ(OutputPanelVisible, 0);
    EXPECT_TRUE(dialogs_.empty());
    EXPECT_TRUE(endCodes_.empty());
  });
}

// The toolbar's buttons would be command ids 1 and up, which are the File menu's.
TEST_F(MainToolbarTest, ClicksNeverReachTheMenuCallback) {
  RunProgram([] {
    menuCalls.clear();
    MenuCommandCallback = &RecordMenuCall;
    for (const int index : {kNewButton, kSaveButton, kOutputPanelButton}) ClickToolbarButton(index);
    EXPECT_TRUE(menuCalls.empty());
    EXPECT_EQ(OutputPanelVisible, 1);  // the clicks did arrive
  });
}

}  // namespace
