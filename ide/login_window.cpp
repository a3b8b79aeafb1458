#include "ide/login_window.h"

#include "framework/button.h"
#include "framework/edit_box.h"
#include "framework/label.h"
#include "framework/message_box.h"
#include "ide/login_file.h"
#include "ide/login_window_definition.h"
#include "ide/main_window.h"
#include "ide/service_address.h"
#include "ide/shell_open.h"
#include "ide/signed_in_name.h"
#include "ide/web_service.h"
#include "platform/ansi_text.h"
#include "platform/ini_file.h"

framework::Form* LoginWindow = nullptr;

namespace {

constexpr const char* kUnreachableMessage = "无法连接到登录服务器，请检查网络后再试";

// Names a contact only when one is configured: a made-up number would send the user to a stranger.
std::string RefusedMessage() {
  const std::string contact = SupportContact();
  return contact.empty() ? "帐号或者密码错误" : "帐号或者密码错误，请联系QQ" + contact;
}

framework::EditBox* Box(const char* name) { return LoginWindow->Find<framework::EditBox>(name); }

// The name is what login.txt can give back at the next start: one line (it ends at the reply's
// first line break) of at most as many bytes as a value that arrives from it.
std::string DisplayNameOf(const std::string& reply) {
  const std::string_view firstLine = std::string_view(reply).substr(0, reply.find_first_of("\r\n"));
  return std::string(platform::AnsiPrefix(firstLine, platform::kProfileValueLimit));
}

void ShowThanks(const std::string& displayName) {
  for (const char* name : {kUserNameBox, kPasswordBox, kSignInButton, kRegisterButton, kPleaseLabel}) {
    LoginWindow->Find<framework::WidgetUnit>(name)->SetVisible(false);
  }
  auto* thanks = LoginWindow->Find<framework::Label>(kThanksLabel);
  thanks->SetCaption("感谢您，" + displayName);
  thanks->SetVisible(true);
}

void ShowInMainWindowTitle(const std::string& displayName) {
  if (MainWindow == nullptr) return;
  ShowNameInTitle(displayName);
}

}  // namespace

// One window at a time: opening it again brings the open one forward, its boxes filled from
// login.txt as at every opening.
void LoadLoginWindow() {
  if (LoginWindow != nullptr) {
    LoginWindow->BringToFront();
    OnLoginWindowCreated();
    return;
  }
  if (framework::Form::CreateHeld(LoginWindow, LoginWindowDefinition()) == nullptr) return;
  LoginWindow->OnCreated = OnLoginWindowCreated;
  LoginWindow->Find<framework::Button>(kSignInButton)->OnClick = OnLoginWindowLoginButtonClick;
  LoginWindow->Find<framework::Button>(kRegisterButton)->OnClick = OnLoginWindowRegisterButtonClick;
  LoginWindow->Load();
}

void OnLoginWindowCreated() {
  Box(kUserNameBox)->SetText(ReadLoginValue(kUserNameKey));
  Box(kPasswordBox)->SetText(ReadLoginValue(kPasswordKey));
}

// A request that reached no answer changes nothing; a refusal only says so.
void OnLoginWindowLoginButtonClick() {
  const std::string userName = Box(kUserNameBox)->Text();
  const std::string password = Box(kPasswordBox)->Text();
  const std::optional<std::string> reply = RequestSignIn(userName, password);
  if (!reply) {
    framework::MessageBox(kUnreachableMessage, std::string(), framework::MB_ICONERROR, LoginWindow);
    return;
  }
  if (*reply == kSignInRefusal) {
    framework::MessageBox(RefusedMessage(), std::string(), framework::MB_OK, LoginWindow);
    return;
  }
  const std::string displayName = DisplayNameOf(*reply);
  ShowThanks(displayName);
  StoreSignIn(userName, password, displayName);
  ShowInMainWindowTitle(displayName);
}

void OnLoginWindowRegisterButtonClick() { ShellOpen(LoginWindow->Handle(), RegistrationPageAddress()); }
