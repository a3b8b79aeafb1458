#include "ide/main_menu.h"

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <vector>

#include "ide/app_globals.h"
#include "ide/commands.h"
#include "ide/data_files.h"
#include "ide/main_window.h"
#include "platform/tick_count.h"

namespace {

// A menu of the bar: its caption and its items by command id, kSeparator for a separator.
struct MenuDefinition {
  const char* caption;
  std::vector<int> items;
};

constexpr int kSeparator = 0;

const std::vector<MenuDefinition>& MenuBarDefinition() {
  static const std::vector<MenuDefinition> menus = {
      {"文件(&F)", {MenuCommandNew, MenuCommandOpen, MenuCommandSave, MenuCommandSaveAs, kSeparator, MenuCommandExit}},
      {"编辑(&E)",
       {MenuCommandUndo, MenuCommandRedo, kSeparator, MenuCommandCut, MenuCommandCopy, MenuCommandPaste,
        MenuCommandDelete, kSeparator, MenuCommandComment, MenuCommandAddBookmark, MenuCommandDeleteBookmark,
        MenuCommandPrevBookmark, MenuCommandNextBookmark, kSeparator}},
      {"编译(&O)", {MenuCommandDebug, MenuCommandCompile, MenuCommandLink, MenuCommandRun}},
      {"查看(&V)", {MenuCommandSearch, MenuCommandPlugins}},
      {"帮助(&H)", {MenuCommandAbout}},
  };
  return menus;
}

// The caption comes from the command table; no item installs a shortcut.
void AppendItem(platform::HMENU menu, int id) {
  if (id == kSeparator) {
    MainMenu->AppendItem(menu, std::nullopt, platform::MF_SEPARATOR, 0);
    return;
  }
  const std::vector<Command>& commands = CommandTable();
  const auto command = std::ranges::find(commands, std::optional<int>(id), &Command::menuId);
  MainMenu->AppendItem(menu, command->caption, 0, id);
  if (id == MenuCommandDebug) {
    MainMenu->SetItemBitmapsFromFiles(menu, DataPath(data_file::DebugMenuPicture), "", std::nullopt, std::nullopt,
                                      MenuCommandDebug, platform::MF_BYCOMMAND);
  }
}

// The ids of the bar's own commands: a plug-in entry with one of them could never run.
std::set<int> FixedCommandIds() {
  std::set<int> ids;
  for (const Command& command : CommandTable()) {
    if (command.menuId) ids.insert(*command.menuId);
  }
  return ids;
}

// Each entry gets a new id at every start, drawn again while a fixed command or an earlier
// entry has it (the dispatch would run that one instead), as long as untaken ids remain.
void AppendPluginEntries(platform::HMENU menu) {
  std::mt19937 generator(platform::GetTickCount());
  std::uniform_int_distribution<int> commandIds(kPluginCommandIdFirst, kPluginCommandIdLast);
  std::set<int> taken = FixedCommandIds();
  auto untaken = kPluginCommandIdLast - kPluginCommandIdFirst + 1 -
                 std::count_if(taken.begin(), taken.end(),
                               [](int id) { return id >= kPluginCommandIdFirst && id <= kPluginCommandIdLast; });
  for (PluginMenuEntry& entry : PluginMenuTable) {
    int id = commandIds(generator);
    if (untaken > 0) {
      while (!taken.insert(id).second) id = commandIds(generator);
      --untaken;
    }
    entry.CommandId = id;
    MainMenu->AppendItem(menu, entry.Caption, 0, entry.CommandId);
  }
}

}  // namespace

void BuildMainMenu() {
  MainMenu->AttachToWindow(MainWindow->Handle(), true);
  MainMenu->SetCommandCallback(MainMenuCommandCallback);
  const std::vector<MenuDefinition>& menus = MenuBarDefinition();
  for (std::size_t position = 0; position < menus.size(); ++position) {
    const platform::HMENU menu = MainMenu->AddPopupMenu(menus[position].caption);
    MenuHandles.push_back(menu);
    for (const int id : menus[position].items) AppendItem(menu, id);
    if (position == kEditMenuPosition) AppendPluginEntries(menu);
  }
}

void MainMenuCommandCallback(int kind, int value) { ExecuteMenuCommand(kind, value); }

void ExecuteMenuCommand(int kind, int id) {
  if (kind == 0) DispatchCommand(CommandSource::Menu, id);
}
