// The windows the main window opens beside itself: one of each at a time, reached through its
// global while it is open and never after it has gone.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "framework/button.h"
#include "framework/edit_box.h"
#include "framework/list_view.h"
#include "ide/about_window.h"
#include "ide/about_window_definition.h"
#include "ide/hot_keys.h"
#include "ide/login_window.h"
#include "ide/login_window_definition.h"
#include "ide/main_menu.h"
#include "ide/main_toolbar.h"
#include "ide/plugin_manager_window.h"
#include "ide/plugin_manager_window_definition.h"
#include "ide/search_window.h"
#include "ide/search_window_definition.h"
#include "ide/settings_window.h"
#include "ide/settings_window_definition.h"
#include "platform/code_page.h"
#include "platform/shell_execute.h"
#include "platform/window.h"

namespace {

void ClickButton(framework::Form* window, const char* name) {
  QTest::mouseClick(window->Find<framework::Button>(name)->Widget(), Qt::LeftButton);
}

class ModelessWindowsTest : public DocumentTest {
 protected:
  // A window with its global, every way the user opens it, and a use that runs one of its
  // handlers and tells what that handler did, so a handler acting on another window shows.
  struct Window {
    const char* name;
    framework::Form** global;
    std::vector<std::function<void()>> ways;
    std::function<std::string()> use;
  };

  void SetUp() override {
    DocumentTest::SetUp();
    platform::SetDesktopOpener([this](const std::string& address) {
      opened_.push_back(address);
      return true;
    });
  }
  void TearDown() override {
    platform::SetDesktopOpener(nullptr);
    DocumentTest::TearDown();
  }

  std::string LastOpened() const { return opened_.empty() ? "" : opened_.back(); }

  std::vector<Window> Windows() {
    auto toolbar = [](int button) { return [button] { OnMainWindowToolbarButtonClick(button); }; };
    auto menu = [](int command) { return [command] { ExecuteMenuCommand(0, command); }; };
    return {
        {"SearchWindow", &SearchWindow,
         {toolbar(kSearchButton), menu(MenuCommandSearch), [] { OnMainWindowHotKeyLabelFeedback(HotKeyIdSearch); }},
         [this] {
           ClickButton(SearchWindow, kFindButton);
           return dialogs_.back().owner == SearchWindow->Frame() ? dialogs_.back().text : "another owner";
         }},
        {"SettingsWindow", &SettingsWindow, {toolbar(kSettingsButton)},
         [] {
           SettingsWindow->Find<framework::EditBox>(kWordBox)->SetText("词");
           ClickButton(SettingsWindow, kAddWordButton);
           framework::ListView* words = SettingsWindow->Find<framework::ListView>(kWordList);
           return words->Cell(words->RowCount() - 1, kWordColumn);
         }},
        {"PluginManagerWindow", &PluginManagerWindow, {toolbar(kPluginManagerButton), menu(MenuCommandPlugins)},
         [this] {
           ClickButton(PluginManagerWindow, kDownloadButton);
           return LastOpened();
         }},
        {"LoginWindow", &LoginWindow, {toolbar(kLoginButton)},
         [this] {
           ClickButton(LoginWindow, kRegisterButton);
           return LastOpened();
         }},
        {"AboutWindow", &AboutWindow, {toolbar(kAboutButton)},
         [this] {
           ClickButton(AboutWindow, kHomePageButton);
           return LastOpened();
         }},
    };
  }

  // How many windows of that definition are open.
  static long OpenNamed(const std::string& name) {
    const std::vector<framework::Form*>& open = framework::LiveWindows();
    return std::count_if(open.begin(), open.end(), [&](framework::Form* form) { return form->Name() == name; });
  }

  // Closes it as its frame's close button does.
  static void CloseFrame(const Window& window) { (*window.global)->Frame()->close(); }

  std::vector<std::string> opened_;
};

TEST_F(ModelessWindowsTest, OpeningAgainBringsTheOpenWindowForward) {
  RunProgram([this] {
    for (const Window& window : Windows()) {
      for (const auto& open : window.ways) {
        window.ways.front()();
        framework::Form* first = *window.global;
        ASSERT_NE(first, nullptr) << window.name;
        const std::string once = window.use();
        open();
        EXPECT_EQ(*window.global, first) << window.name;
        EXPECT_EQ(OpenNamed(window.name), 1) << window.name;
        // Used again, the one window answers as it did.
        EXPECT_EQ(window.use(), once) << window.name;
        CloseFrame(window);
        EXPECT_EQ(*window.global, nullptr) << window.name;
        EXPECT_EQ(OpenNamed(window.name), 0) << window.name;
      }
    }
  });
}

TEST_F(ModelessWindowsTest, WindowsOpenTogetherCloseInAnyOrder) {
  RunProgram([this] {
    std::vector<Window> windows = Windows();
    for (const bool reversed : {false, true}) {
      if (reversed) std::reverse(windows.begin(), windows.end());
      for (const Window& window : windows) window.ways.back()();
      for (std::size_t closing = 0; closing < windows.size(); ++closing) {
        CloseFrame(windows[closing]);
        EXPECT_EQ(*windows[closing].global, nullptr) << windows[closing].name;
        for (std::size_t open = closing + 1; open < windows.size(); ++open) {
          ASSERT_NE(*windows[open].global, nullptr) << windows[open].name;
          EXPECT_FALSE(windows[open].use().empty()) << windows[open].name;
        }
      }
    }
    // Reopened after it went, a window is made anew and works.
    for (const Window& window : windows) {
      window.ways.front()();
      EXPECT_FALSE(window.use().empty()) << window.name;
      EXPECT_EQ(OpenNamed(window.name), 1) << window.name;
    }
  });
}

// The search box takes the clipboard at every opening; the settings window keeps its unsaved
// list; the sign-in boxes are filled from login.txt again.
TEST_F(ModelessWindowsTest, AnOpenWindowIsPrefilledAgainWhereItIsPrefilledAtOpening) {
  RunProgram([] {
    QGuiApplication::clipboard()->setText(platform::AnsiToQString("first"));
    LoadSearchWindow();
    SearchWindow->Find<framework::EditBox>(kSearchBox)->SetText("typed");
    QGuiApplication::clipboard()->setText(platform::AnsiToQString("第二"));
    OnMainWindowHotKeyLabelFeedback(HotKeyIdSearch);
    EXPECT_EQ(SearchWindow->Find<framework::EditBox>(kSearchBox)->Text(), "第二");

    LoadSettingsWindow();
    SettingsWindow->Find<framework::EditBox>(kWordBox)->SetText("unsaved");
    ClickButton(SettingsWindow, kAddWordButton);
    LoadSettingsWindow();
    framework::ListView* words = SettingsWindow->Find<framework::ListView>(kWordList);
    ASSERT_EQ(words->RowCount(), 1);
    EXPECT_EQ(words->Cell(0, kWordColumn), "unsaved");

    LoadLoginWindow();
    LoginWindow->Find<framework::EditBox>(kUserNameBox)->SetText("typed");
    LoadLoginWindow();
    EXPECT_EQ(LoginWindow->Find<framework::EditBox>(kUserNameBox)->Text(), "");
  });
}

// The windows beside the main window outlive it. Once it has gone its hot keys do nothing, and
// the search window, with nothing left to search in, goes at its next find.
TEST_F(ModelessWindowsTest, OnceTheMainWindowHasGoneTheSearchWindowGoesAtItsNextFind) {
  RunProgram([this] {
    LoadSearchWindow();
    LoadSettingsWindow();
    const platform::HWND main = MainWindow->Handle();
    IsSaved = 1;
    ASSERT_TRUE(MainWindow->Close());
    EXPECT_EQ(MainWindow, nullptr);
    for (const int id : {HotKeyIdCompileRun, HotKeyIdSearch, HotKeyIdComment}) {
      platform::PostMessageA(main, platform::WM_HOTKEY, static_cast<platform::WPARAM>(id), 0);
    }
    QCoreApplication::sendPostedEvents();  // the keys, while the window's widgets are still there
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ClickButton(SearchWindow, kFindButton);
    EXPECT_EQ(SearchWindow, nullptr);
    EXPECT_EQ(OpenNamed("SettingsWindow"), 1);
    EXPECT_TRUE(dialogs_.empty());
  });
}

// The menu's about dialog takes the place of the window the toolbar opened.
TEST_F(ModelessWindowsTest, TheAboutDialogReplacesAnOpenAboutWindow) {
  RunProgram([this] {
    OnMainWindowToolbarButtonClick(kAboutButton);
    framework::Form* beside = AboutWindow;
    QTimer::singleShot(0, [this, beside] {
      EXPECT_NE(AboutWindow, beside);
      EXPECT_EQ(OpenNamed("AboutWindow"), 1);
      AboutWindow->Close();
    });
    ExecuteMenuCommand(0, MenuCommandAbout);
    EXPECT_EQ(AboutWindow, nullptr);
  });
}

}  // namespace
