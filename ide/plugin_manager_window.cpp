#include "ide/plugin_manager_window.h"

#include <optional>
#include <vector>

#include "framework/button.h"
#include "framework/list_view.h"
#include "framework/message_box.h"
#include "ide/data_files.h"
#include "ide/plugin_info_text.h"
#include "ide/plugin_manager_window_definition.h"
#include "ide/plugins.h"
#include "ide/service_address.h"
#include "ide/shell_open.h"
#include "platform/file_system.h"
#include "platform/input.h"
#include "platform/menu.h"

framework::Form* PluginManagerWindow = nullptr;

namespace {

// The items of the popup 配置.
enum ConfigureMenuCommand : int { ConfigureMenuSet = 1, ConfigureMenuDelete = 2 };

framework::ListView* PluginList() { return PluginManagerWindow->Find<framework::ListView>(kPluginList); }

std::string PluginFolder() { return DataPath(data_file::ProgramPluginFolder); }

// The file the current row names; empty when no row is current.
std::string CurrentPluginFile() {
  framework::ListView* list = PluginList();
  return list->Cell(list->SelectedRow(), PluginColumnDll);
}

// A row's name, description, author and version come only from a complete info text.
std::vector<std::string> InfoCells(const std::string& infoText) {
  const std::optional<PluginInfo> info = ParsePluginInfoText(infoText);
  if (!info) return {""};
  return {"", info->Name, info->Description, info->Author, info->Version};
}

// A file that the loader refused: listed with its reason, so that the user sees why it offers
// nothing and can delete it here. A file that loads without PluginIn is some other library (one
// that a plug-in uses, say), and no plug-in: it is left out.
void AddUnloadableRow(const std::string& file, const std::string& reason) {
  framework::ListView* list = PluginList();
  const int row = list->AddRow({"", "无法载入", reason});
  list->SetCell(row, PluginColumnDll, file);
}

}  // namespace

// One window at a time: opening it again brings the open one forward.
void LoadPluginManagerWindow() {
  if (PluginManagerWindow != nullptr) {
    PluginManagerWindow->BringToFront();
    return;
  }
  if (framework::Form::CreateHeld(PluginManagerWindow, PluginManagerWindowDefinition()) == nullptr) return;
  PluginManagerWindow->OnCreated = OnPluginManagerWindowCreated;
  PluginList()->OnRightClick = [](int) { OnPluginManagerWindowPluginListRightButtonDown(); };
  PluginManagerWindow->Find<framework::Button>(kDownloadButton)->OnClick = OnPluginManagerWindowDownloadButtonClick;
  PluginManagerWindow->Load();
}

void FillPluginManagerList(const std::string& folder) {
  framework::ListView* list = PluginList();
  list->Clear();
  for (const std::string& file : platform::FindFiles(folder + "/*.so")) {
    const std::string path = folder + "/" + file;
    const auto [infoText, failure] = CallPluginTextExportWithReason(path, "PluginIn");
    if (failure && failure->what == PluginBindFailure::What::FileNotLoaded) AddUnloadableRow(file, failure->reason);
    if (!infoText) continue;
    const int row = list->AddRow(InfoCells(*infoText), 0);
    list->SetCell(row, PluginColumnShow, CallPluginTextExport(path, "Show").value_or(""));
    list->SetCell(row, PluginColumnDll, file);
  }
}

void OnPluginManagerWindowCreated() { FillPluginManagerList(PluginFolder()); }

void OnPluginManagerWindowPluginListRightButtonDown() {
  if (PluginList()->SelectedRow() == -1) return;
  const platform::HMENU menu = platform::CreatePopupMenu();
  platform::AppendMenuA(menu, platform::MF_STRING, ConfigureMenuSet, "配置插件");
  platform::AppendMenuA(menu, platform::MF_SEPARATOR, 0, nullptr);
  platform::AppendMenuA(menu, platform::MF_STRING, ConfigureMenuDelete, "删除插件");
  platform::POINT mouse{};
  platform::GetCursorPos(&mouse);
  const int chosen = platform::TrackPopupMenu(menu, platform::TPM_RETURNCMD, mouse.x, mouse.y, 0,
                                              PluginManagerWindow->Handle(), nullptr);
  platform::DestroyMenu(menu);
  if (chosen == ConfigureMenuSet) OnPluginManagerWindowConfigureMenuClick();
  if (chosen == ConfigureMenuDelete) OnPluginManagerWindowDeleteMenuClick();
}

// A plug-in without Set only gets its row refreshed.
void OnPluginManagerWindowConfigureMenuClick() {
  CallPluginProcedure(PluginFolder() + "/" + CurrentPluginFile(), "Set");
  FillPluginManagerList(PluginFolder());
}

// The plug-in stays loaded and its Edit-menu entries stay until the next start.
void OnPluginManagerWindowDeleteMenuClick() {
  if (!platform::DeleteFile(PluginFolder() + "/" + CurrentPluginFile())) {
    framework::MessageBox("失败");
    return;
  }
  framework::MessageBox("OK");
  FillPluginManagerList(PluginFolder());
}

void OnPluginManagerWindowDownloadButtonClick() { ShellOpen(PluginManagerWindow->Handle(), HomePageAddress()); }
