#include "ide/output_panel.h"

#include <ctime>

#include "framework/list_view.h"
#include "framework/message_box.h"
#include "framework/page_control.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/build_answer.h"
#include "ide/config_ini.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/main_window_layout.h"
#include "platform/clipboard.h"
#include "platform/ini_file.h"

namespace {

// Columns and row images of the output list.
constexpr int kLineColumn = 2;
constexpr int kDetailsColumn = 3;
constexpr int kErrorImage = 0;
constexpr int kBuildStepImage = 1;
constexpr int kRunImage = 2;

framework::ListView* OutputList() { return MainWindow->Find<framework::ListView>(kOutputList); }

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

void ClearOutputRows() { OutputList()->Clear(); }

void AddErrorRow(std::string_view message, std::string_view lineField) {
  OutputList()->AddRow({TimeStampText(), "错误", std::string(lineField), std::string(message)}, kErrorImage);
}

void AddBuildStepRow(const std::string& details) {
  OutputList()->AddRow({TimeStampText(), "", "", details}, kBuildStepImage);
}

void AddRunRow() { OutputList()->AddRow({TimeStampText(), "成功"}, kRunImage); }

std::string TimeStampText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::to_string(local.tm_hour) + ":" + std::to_string(local.tm_min) + ":" + std::to_string(local.tm_sec);
}

void OnMainWindowOutputListClick() {
  framework::ListView* list = OutputList();
  const int row = list->SelectedRow();
  const int line = row < 0 ? 0 : EditorLineOf(LineNumberValue(list->Cell(row, kLineColumn)));
  Editor->GotoLine(line < 0 ? 0 : line);
}

void OnMainWindowOutputListRightClick() {
  framework::ListView* list = OutputList();
  platform::SetClipboardText(list->Cell(list->SelectedRow(), kDetailsColumn));
  framework::MessageBox("错误信息成功复制");
}
