#include "ide/output_panel.h"

#include "framework/page_control.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/config_ini.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "platform/ini_file.h"

namespace {

void ShowOutputPanel(bool shown) {
  MainWindow->Find<framework::PageControl>(kOutputPanel)->SetVisible(shown);
}

void CheckOutputPanelButton(bool checked) {
  MainWindow->Find<framework::Toolbar>(kMainToolbar)->SetButtonChecked(kOutputPanelButton, checked);
}

void RememberOutputPanel(const char* shown) {
  platform::WritePrivateProfileStringA(kSystemSection, kOutputPanelKey, shown, ConfigIniPath());
}

}  // namespace

void ApplyOutputPanelSetting() {
  OutputPanelVisible = ReadIniInteger(kSystemSection, kOutputPanelKey, "", ConfigIniPath());
  if (OutputPanelVisible == 1) return;
  ShowOutputPanel(false);
  CheckOutputPanelButton(false);
}

void ToggleOutputPanel() {
  if (OutputPanelVisible == 1) {
    OutputPanelVisible = 0;
    RememberOutputPanel("0");
    OnMainWindowResized();
    ShowOutputPanel(false);
    CheckOutputPanelButton(false);
    return;
  }
  OutputPanelVisible = 1;
  RememberOutputPanel("1");
  OnMainWindowResized();
  CheckOutputPanelButton(true);
  ShowOutputPanel(true);
  OnMainWindowResized();
}

void OnMainWindowResized() {
  const int width = MainWindow->ClientWidth();
  const int height = MainWindow->ClientHeight();
  if (OutputPanelVisible != 1) {
    Editor->Move(0, 42, width, height - 15);
    return;
  }
  auto* panel = MainWindow->Find<framework::PageControl>(kOutputPanel);
  Editor->Move(0, 42, width, height - panel->Height() - 70);
  panel->SetTop(Editor->Height() + 47);
  panel->SetWidth(Editor->Width() - 4);
  for (const char* list : {kOutputList, kFindResultsList}) {
    MainWindow->Find<framework::WidgetUnit>(list)->SetWidth(panel->Width() - 8);
  }
}
