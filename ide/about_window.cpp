#include "ide/about_window.h"

#include "framework/button.h"
#include "framework/edit_box.h"
#include "ide/about_window_definition.h"
#include "ide/service_address.h"
#include "ide/shell_open.h"

framework::Form* AboutWindow = nullptr;

namespace {

// One at a time, as the buttons open pages for the window loaded last.
framework::Form* CreateAboutWindow() {
  if (AboutWindow != nullptr && !AboutWindow->IsDestroyed()) AboutWindow->Destroy();
  AboutWindow = framework::Form::Create(AboutWindowDefinition());
  if (AboutWindow == nullptr) return nullptr;
  AboutWindow->Find<framework::EditBox>(kAboutTextBox)->SetReadOnly(true);
  AboutWindow->Find<framework::Button>(kHomePageButton)->OnClick = OnAboutWindowHomePageButtonClick;
  AboutWindow->Find<framework::Button>(kCheckUpdateButton)->OnClick = OnAboutWindowCheckUpdateButtonClick;
  return AboutWindow;
}

}  // namespace

void LoadAboutWindow() {
  if (CreateAboutWindow() != nullptr) AboutWindow->Load();
}

void ShowAboutWindowModal() {
  if (CreateAboutWindow() != nullptr) AboutWindow->LoadModal();
}

void OnAboutWindowHomePageButtonClick() { ShellOpen(AboutWindow->Handle(), HomePageAddress()); }

// There is no update check of its own: the home page tells what is new.
void OnAboutWindowCheckUpdateButtonClick() { ShellOpen(AboutWindow->Handle(), HomePageAddress()); }
