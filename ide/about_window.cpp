#include "ide/about_window.h"

#include "framework/button.h"
#include "framework/edit_box.h"
#include "ide/about_window_definition.h"
#include "ide/service_address.h"
#include "ide/shell_open.h"

framework::Form* AboutWindow = nullptr;

namespace {

framework::Form* CreateAboutWindow() {
  if (framework::Form::CreateHeld(AboutWindow, AboutWindowDefinition()) == nullptr) return nullptr;
  AboutWindow->Find<framework::EditBox>(kAboutTextBox)->SetReadOnly(true);
  AboutWindow->Find<framework::Button>(kHomePageButton)->OnClick = OnAboutWindowHomePageButtonClick;
  AboutWindow->Find<framework::Button>(kCheckUpdateButton)->OnClick = OnAboutWindowCheckUpdateButtonClick;
  return AboutWindow;
}

}  // namespace

// One window at a time: opening it again brings the open one forward.
void LoadAboutWindow() {
  if (AboutWindow != nullptr) {
    AboutWindow->BringToFront();
    return;
  }
  if (CreateAboutWindow() != nullptr) AboutWindow->Load();
}

// The dialog takes the place of an open window, so the buttons still act for the one shown.
void ShowAboutWindowModal() {
  if (AboutWindow != nullptr) AboutWindow->Destroy();
  if (CreateAboutWindow() != nullptr) AboutWindow->LoadModal();
}

void OnAboutWindowHomePageButtonClick() { ShellOpen(AboutWindow->Handle(), HomePageAddress()); }

// There is no update check of its own: the home page tells what is new.
void OnAboutWindowCheckUpdateButtonClick() { ShellOpen(AboutWindow->Handle(), HomePageAddress()); }
