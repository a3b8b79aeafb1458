#include "ide/signed_in_name.h"

#include "framework/toolbar.h"
#include "ide/login_file.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"

void ShowNameInTitle(const std::string& name) { MainWindow->SetCaption(std::string(kMainWindowTitle) + " " + name); }

void ShowSignedInName() {
  const std::string name = ReadLoginValue(kDisplayNameKey);
  if (name.empty()) return;
  ShowNameInTitle(name);
  auto* toolbar = MainWindow->Find<framework::Toolbar>(kMainToolbar);
  toolbar->DeleteButton(kLoginButton);
  toolbar->InsertButton(kLoginButton, framework::ToolbarButtonDefinition::Button(kWelcomeImage, "Welcome"));
}
