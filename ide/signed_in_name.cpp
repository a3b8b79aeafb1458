#include "ide/signed_in_name.h"

#include "framework/toolbar.h"
#include "ide/login_file.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"

namespace {

constexpr int kWelcomeImage = 12;

}  // namespace

void ShowSignedInName() {
  const std::string name = ReadLoginValue(kDisplayNameKey);
  if (name.empty()) return;
  MainWindow->SetCaption(std::string(kMainWindowTitle) + " " + name);
  auto* toolbar = MainWindow->Find<framework::Toolbar>(kMainToolbar);
  toolbar->DeleteButton(0);
  toolbar->InsertButton(0, framework::ToolbarButtonDefinition::Button(kWelcomeImage, "Welcome"));
}
