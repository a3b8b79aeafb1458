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

// The editor starts below the toolbar. Alone it reaches under the status bar, which stays on
// top; above the panel it leaves the panel's height and a gap, and the panel and its lists
// are a little narrower than the editor.
constexpr int kEditorTop = 42;
constexpr int kEditorHeightLessAlone = 15;
constexpr int kEditorHeightLessAbovePanel = 70;
constexpr int kPanelGapBelowEditor = 5;
constexpr int kPanelWidthLessEditor = 4;
constexpr int kListWidthLessPanel = 8;

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
    Editor->Move(0, kEditorTop, width, height - kEditorHeightLessAlone);
    return;
  }
  auto* panel = MainWindow->Find<framework::PageControl>(kOutputPanel);
  Editor->Move(0, kEditorTop, width, height - panel->Height() - kEditorHeightLessAbovePanel);
  panel->SetTop(kEditorTop + Editor->Height() + kPanelGapBelowEditor);
  panel->SetWidth(Editor->Width() - kPanelWidthLessEditor);
  for (const char* list : {kOutputList, kFindResultsList}) {
    MainWindow->Find<framework::WidgetUnit>(list)->SetWidth(panel->Width() - kListWidthLessPanel);
  }
}
