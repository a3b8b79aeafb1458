#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QLabel>
#include <QStyle>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/edit_box.h"
#include "framework/label.h"
#include "framework/toolbar.h"
#include "ide/login_window.h"
#include "ide/login_window_definition.h"
#include "ide/main_toolbar.h"
#include "platform/internet.h"
#include "platform/shell_execute.h"
#include "program_fixture.h"
#include "tests/support/http_test_server.h"

namespace {

using Answer = HttpTestServer::Answer;

Answer Without(Answer::Kind kind) {
  Answer answer;
  answer.kind = kind;
  return answer;
}

// The value of a query key as the server decodes it.
std::string QueryValue(const std::string& requestLine, const std::string& key) {
  const std::size_t start = requestLine.find("&" + key + "=") + key.size() + 2;
  const std::size_t end = std::min(requestLine.find('&', start), requestLine.find(' ', start));
  return QByteArray::fromPercentEncoding(QByteArray::fromStdString(requestLine.substr(start, end - start)))
      .toStdString();
}

// The service answers by user name.
class LoginWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    setenv("TAVO_SERVICE_URL", server_.Address().c_str(), 1);
    platform::SetDesktopOpener([this](const std::string& address) {
      opened_.push_back(address);
      return true;
    });
  }
  void TearDown() override {
    platform::SetDesktopOpener(nullptr);
    platform::SetInternetTimeLimits({});
    unsetenv("TAVO_SERVICE_URL");
    ProgramTest::TearDown();
  }

  static framework::EditBox* Box(const char* name) { return LoginWindow->Find<framework::EditBox>(name); }
  static bool Shown(const char* name) { return LoginWindow->Find<framework::WidgetUnit>(name)->Visible(); }

  // Opens the window with the toolbar's sign-in button and signs in as typed.
  static void SignIn(const std::string& userName, const std::string& password) {
    OnMainWindowToolbarButtonClick(kLoginButton);
    ASSERT_NE(LoginWindow, nullptr);
    Box(kUserNameBox)->SetText(userName);
    Box(kPasswordBox)->SetText(password);
    LoginWindow->Find<framework::Button>(kSignInButton)->OnClick();
  }

  std::string LoginFile() const { return platform::ReadWholeFile(ProgramPath("login.txt")).value_or("(none)"); }

  HttpTestServer server_{[](const std::string& target) {
    static const std::map<std::string, Answer> answers = {
        {"alice", HttpTestServer::Reply("爱丽丝")},
        {"refused", HttpTestServer::Reply("w|*|wrong")},
        {"almost", HttpTestServer::Reply("w|*|wrong\r\n")},
        {"nameless", HttpTestServer::Reply("")},
        {"nul", HttpTestServer::Reply(std::string("Bob\0tail", 8))},
        {"huge", HttpTestServer::Reply(std::string(10 * 1024 * 1024, 'n'))},
        {"odd", HttpTestServer::Reply("\xFF\xFE张\x81")},
        {"broken", HttpTestServer::Reply("爱丽丝", 500)},
        {"closed", Without(Answer::Kind::CloseWithoutAnswer)},
        {"silent", Without(Answer::Kind::KeepWaiting)},
    };
    const std::size_t start = target.find("&u=") + 3;
    const auto found = answers.find(target.substr(start, target.find('&', start) - start));
    return found != answers.end() ? found->second : HttpTestServer::Reply("?");
  }};
  std::vector<std::string> opened_;
};

TEST_F(LoginWindowTest, AnAnswerSignsInARefusalOrNoAnswerChangesNothing) {
  struct Case {
    const char* userName;
    std::optional<std::string> displayName;  // nothing: not signed in
    const char* message;                     // the box shown; empty for none
  };
  const Case cases[] = {
      {"alice", "爱丽丝", ""},
      {"nameless", "", ""},
      {"almost", "w|*|wrong", ""},  // only the whole reply refuses
      {"nul", "Bob", ""},
      {"huge", std::string(10239, 'n'), ""},  // as much as login.txt gives back
      {"refused", std::nullopt, "帐号或者密码错误"},
      {"broken", std::nullopt, "无法连接到登录服务器，请检查网络后再试"},
      {"closed", std::nullopt, "无法连接到登录服务器，请检查网络后再试"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.userName);
    dialogs_.clear();
    platform::DeleteFile(ProgramPath("login.txt"));
    RunProgram([&] {
      SignIn(c.userName, "pw");
      const bool signedIn = c.displayName.has_value();
      EXPECT_EQ(MainWindow->Caption(), signedIn ? "Tavo 编辑器 " + *c.displayName : "Tavo 编辑器");
      for (const char* control : {kUserNameBox, kPasswordBox, kSignInButton, kRegisterButton, kPleaseLabel}) {
        EXPECT_EQ(Shown(control), !signedIn) << control;
      }
      EXPECT_EQ(Shown(kThanksLabel), signedIn);
      if (signedIn) {
        EXPECT_EQ(LoginWindow->Find<framework::Label>(kThanksLabel)->Caption(), "感谢您，" + *c.displayName);
      }
      EXPECT_NE(LoginWindow, nullptr);
    });
    EXPECT_EQ(LoginFile(), c.displayName ? "[user]\r\nusername=" + std::string(c.userName) +
                                               "\r\npassword=pw\r\nname=" + *c.displayName + "\r\n"
                                         : "(none)");
    std::vector<std::string> messages;
    for (const framework::DialogRequest& dialog : dialogs_) messages.push_back(dialog.text);
    EXPECT_EQ(messages, c.message[0] == '\0' ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  }
}

// Both labels reach past the window's left edge; their texts lie whole inside the window.
TEST_F(LoginWindowTest, TheLabelsTextsLieInsideTheWindow) {
  RunProgram([] {
    OnMainWindowToolbarButtonClick(kLoginButton);
    const QWidget* window = LoginWindow->Find<framework::Label>(kPleaseLabel)->Widget()->parentWidget();
    for (const char* name : {kPleaseLabel, kThanksLabel}) {
      const auto* label = static_cast<const QLabel*>(LoginWindow->Find<framework::Label>(name)->Widget());
      const QSize text = label->fontMetrics().size(0, label->text());
      const QRect drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->contentsRect())
                              .translated(label->pos());
      EXPECT_TRUE(window->rect().contains(drawn)) << name;
    }
  });
}

// A refusal names a contact only when one is configured.
TEST_F(LoginWindowTest, ARefusalNamesTheConfiguredContactOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "帐号或者密码错误"},
      {"10001", "帐号或者密码错误，请联系QQ10001"},
  };
  for (const auto& [contact, message] : cases) {
    SCOPED_TRACE(contact);
    setenv("TAVO_SUPPORT_QQ", contact, 1);
    dialogs_.clear();
    RunProgram([] { SignIn("refused", "pw"); });
    ASSERT_EQ(dialogs_.size(), 1u);
    EXPECT_EQ(dialogs_[0].text, message);
  }
  unsetenv("TAVO_SUPPORT_QQ");
}

// Bytes the code page cannot show are stored as they came.
TEST_F(LoginWindowTest, AReplyThatIsNoGbkTextIsStoredAsItCame) {
  RunProgram([] { SignIn("odd", "pw"); });
  EXPECT_EQ(LoginFile(), "[user]\r\nusername=odd\r\npassword=pw\r\nname=\xFF\xFE张\x81\r\n");
}

// Slow: it waits out the whole timeout.
class LoginWindowSlowTest : public LoginWindowTest {};

TEST_F(LoginWindowSlowTest, ASilentServiceIsGivenUpAndChangesNothing) {
  platform::SetInternetTimeLimits({500, 1500});
  RunProgram([] { SignIn("silent", "pw"); });
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].text, "无法连接到登录服务器，请检查网络后再试");
  EXPECT_EQ(LoginFile(), "(none)");
}

TEST_F(LoginWindowTest, QueryValuesReachTheServerAsTyped) {
  const std::pair<std::string, std::string> typed[] = {
      {"a&p=x y?%张", "p&w=#+"},
      {std::string(10000, 'n'), "pw"},
  };
  RunProgram([&] {
    for (const auto& [userName, password] : typed) SignIn(userName, password);
  });
  const std::vector<std::string> lines = server_.RequestLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].starts_with("GET /tavo/login.asp?=&u=a%26p%3Dx%20y%3F%25")) << lines[0];
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(QueryValue(lines[i], "u"), typed[i].first);
    EXPECT_EQ(QueryValue(lines[i], "p"), typed[i].second);
  }
}

// The title shows the current name once: a later sign-in replaces the stored or earlier name.
TEST_F(LoginWindowTest, TheStoredSignInPrefillsTheBoxesAndShowsAfterARestart) {
  RunProgram([] { SignIn("alice", "secret"); });
  RunProgram([] {
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 爱丽丝");
    EXPECT_EQ(MainWindow->Find<framework::Toolbar>(kMainToolbar)->ButtonToolTip(0), "Welcome");
    OnMainWindowToolbarButtonClick(kLoginButton);  // the Welcome button opens the window too
    EXPECT_EQ(Box(kUserNameBox)->Text(), "alice");
    EXPECT_EQ(Box(kPasswordBox)->Text(), "secret");
    EXPECT_TRUE(Box(kPasswordBox)->IsPassword());
    SignIn("nul", "pw");
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 Bob");
    SignIn("alice", "secret");
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 爱丽丝");
  });
}

// Created here or found readable by others, the file is its owner's alone once it holds a
// password; a later sign-in keeps that.
TEST_F(LoginWindowTest, LoginTxtIsForItsOwnerOnly) {
  for (const bool existed : {false, true}) {
    SCOPED_TRACE(existed ? "0644 before" : "created");
    platform::DeleteFile(ProgramPath("login.txt"));
    if (existed) {
      WriteProgramFile("login.txt", "[user]\r\nusername=old\r\n");
      ASSERT_EQ(chmod(ProgramPath("login.txt").c_str(), 0644), 0);
    }
    RunProgram([] {
      SignIn("alice", "pw");
      SignIn("nameless", "pw");
      EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 ");
    });
    struct stat status {};
    ASSERT_EQ(stat(ProgramPath("login.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(LoginFile(), "[user]\r\nusername=nameless\r\npassword=pw\r\nname=\r\n");
  }
}

TEST_F(LoginWindowTest, ALoginTxtThatIsAFolderIsLeftAlone) {
  ASSERT_EQ(mkdir(ProgramPath("login.txt").c_str(), 0700), 0);
  RunProgram([] {
    SignIn("alice", "pw");
    EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器 爱丽丝");
  });
  EXPECT_TRUE(dialogs_.empty());
}

TEST_F(LoginWindowTest, RegisterOpensTheRegistrationPage) {
  RunProgram([] {
    OnMainWindowToolbarButtonClick(kLoginButton);
    LoginWindow->Find<framework::Button>(kRegisterButton)->OnClick();
  });
  EXPECT_EQ(opened_, (std::vector<std::string>{server_.Address() + "/tavo/register.php"}));
  EXPECT_TRUE(server_.RequestLines().empty());
}

}  // namespace
