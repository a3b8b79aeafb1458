#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/edit_box.h"
#include "ide/about_window.h"
#include "ide/about_window_definition.h"
#include "ide/main_toolbar.h"
#include "ide/program_dir.h"
#include "ide/service_address.h"
#include "platform/code_page.h"
#include "platform/shell_execute.h"
#include "program_fixture.h"

namespace {

class AboutWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    platform::SetDesktopOpener([this](const std::string& address) {
      opened_.push_back(address);
      return true;
    });
  }
  void TearDown() override {
    platform::SetDesktopOpener(nullptr);
    ProgramTest::TearDown();
  }

  std::vector<std::string> opened_;
};

TEST_F(AboutWindowTest, ShowsWhatTavoIsAndWhereItsFilesLive) {
  RunProgram([] {
    OnMainWindowToolbarButtonClick(kAboutButton);
    ASSERT_NE(AboutWindow, nullptr);
    const std::string text = AboutWindow->Find<framework::EditBox>(kAboutTextBox)->Text();
    for (const std::string& part : {std::string("Tavo"), std::string("版本"), ProgramDir(), HomePageAddress()}) {
      EXPECT_NE(text.find(part), std::string::npos) << part;
    }
  });
}

// The text wraps at the box's width: nothing of it lies beyond the right edge.
TEST_F(AboutWindowTest, TheTextFitsTheBoxsWidth) {
  OverrideProgramDir(std::string("/a/program/folder/with/a/very/long/name/that/has/no/blank/in/it/at/all"));
  RunProgram([] {
    OnMainWindowToolbarButtonClick(kAboutButton);
    auto* box = static_cast<QPlainTextEdit*>(AboutWindow->Find<framework::EditBox>(kAboutTextBox)->Widget());
    QApplication::processEvents();
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
    EXPECT_NE(box->toPlainText().indexOf(platform::AnsiToQString(ProgramDir())), -1);
  });
}

TEST_F(AboutWindowTest, BothButtonsOpenTheHomePage) {
  RunProgram([] {
    OnMainWindowToolbarButtonClick(kAboutButton);
    AboutWindow->Find<framework::Button>(kHomePageButton)->OnClick();
    AboutWindow->Find<framework::Button>(kCheckUpdateButton)->OnClick();
  });
  EXPECT_EQ(opened_, (std::vector<std::string>{HomePageAddress(), HomePageAddress()}));
}

}  // namespace
