#include "ide/main_menu.h"

#include <chrono>
#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "framework/program_end.h"
#include "ide/about_window.h"
#include "ide/app_globals.h"
#include "ide/build_run.h"
#include "ide/compiler_runner.h"
#include "ide/data_files.h"
#include "ide/documents.h"
#include "ide/editing_commands.h"
#include "ide/main_window.h"
#include "ide/plugin_manager_window.h"
#include "ide/plugins.h"
#include "ide/search_window.h"

namespace {

// An item of a menu; id 0 is a separator.
struct MenuItemDefinition {
  int id;
  const char* caption;
};

struct MenuDefinition {
  const char* caption;
  std::vector<MenuItemDefinition> items;
};

constexpr MenuItemDefinition kSeparator{0, nullptr};

// The text after a TAB is only shown: no item installs a shortcut.
const std::vector<MenuDefinition>& MenuBarDefinition() {
  static const std::vector<MenuDefinition> menus = {
      {"文件(&F)",
       {{MenuCommandNew, "新建(&N)"},
        {MenuCommandOpen, "打开(&O)...\t"},
        {MenuCommandSave, "保存(&S)\tF3"},
        {MenuCommandSaveAs, "另存为(&A)..."},
        kSeparator,
        {MenuCommandExit, "退出(&X)\tAlt+F4"}}},
      {"编辑(&E)",
       {{MenuCommandUndo, "撤销(&U)\tCtrl+Z"},
        {MenuCommandRedo, "重做(&Y)\tCtrl+Y"},
        kSeparator,
        {MenuCommandCut, "剪切(&T)\tCtrl+X"},
        {MenuCommandCopy, "复制(&C)\tCtrl+C"},
        {MenuCommandPaste, "粘贴(&P)\tCtrl+V"},
        {MenuCommandDelete, "删除(&L)\tDel"},
        kSeparator,
        {MenuCommandComment, "注释\tF2"},
        {MenuCommandAddBookmark, "添加书签\t"},
        {MenuCommandDeleteBookmark, "删除书签\t"},
        {MenuCommandPrevBookmark, "上一个书签\tF6"},
        {MenuCommandNextBookmark, "下一个书签\tF7"},
        kSeparator}},
      {"编译(&O)",
       {{MenuCommandDebug, "调试(&F5)"},
        {MenuCommandCompile, "编译..."},
        {MenuCommandLink, "连接"},
        {MenuCommandRun, "执行"}}},
      {"查看(&V)", {{MenuCommandSearch, "搜索(&S)\tF4"}, {MenuCommandPlugins, "插件(&S)"}}},
      {"帮助(&H)", {{MenuCommandAbout, "关于Tavo(&A)"}}},
  };
  return menus;
}

unsigned TickCount() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

void AppendItem(platform::HMENU menu, const MenuItemDefinition& item) {
  if (item.id == 0) {
    MainMenu->AppendItem(menu, std::nullopt, platform::MF_SEPARATOR, 0);
    return;
  }
  MainMenu->AppendItem(menu, item.caption, 0, item.id);
  if (item.id == MenuCommandDebug) {
    MainMenu->SetItemBitmapsFromFiles(menu, DataPath(data_file::DebugMenuPicture), "", std::nullopt, std::nullopt,
                                      MenuCommandDebug, platform::MF_BYCOMMAND);
  }
}

// The ids of the bar's own commands: a plug-in entry with one of them could never run.
std::set<int> FixedCommandIds() {
  std::set<int> ids;
  for (const MenuDefinition& menu : MenuBarDefinition()) {
    for (const MenuItemDefinition& item : menu.items) {
      if (item.id != 0) ids.insert(item.id);
    }
  }
  return ids;
}

// Each entry gets a new id at every start, drawn again while a fixed command or an earlier
// entry has it (the dispatch would run that one instead), as long as untaken ids remain.
void AppendPluginEntries(platform::HMENU menu) {
  std::mt19937 generator(TickCount());
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

// As closing the window does, it ends the compiler of a build that waits for it.
void ExitProgram() {
  if (!NewDocument()) return;
  EndWaitingBuild();
  framework::EndProgram(0);
}

// False when the id is none of the fixed commands.
bool RunFixedCommand(int id) {
  switch (id) {
    case MenuCommandNew: NewDocument(); break;
    case MenuCommandOpen: if (NewDocument()) OpenDocument(); break;
    case MenuCommandSave: SaveDocument(); break;
    case MenuCommandSaveAs: SaveDocumentAs(); break;
    case MenuCommandExit: ExitProgram(); break;
    case MenuCommandUndo: Editor->Undo(); break;
    case MenuCommandRedo: Editor->Redo(); break;
    case MenuCommandCut: Editor->Cut(); break;
    case MenuCommandCopy: Editor->Copy(); break;
    case MenuCommandPaste: Editor->Paste(); break;
    case MenuCommandDelete: Editor->Clear(); break;
    case MenuCommandComment: CommentCurrentLine(); break;
    case MenuCommandAddBookmark: AddBookmark(); break;
    case MenuCommandDeleteBookmark: DeleteBookmark(); break;
    case MenuCommandPrevBookmark: GotoPreviousBookmark(); break;
    case MenuCommandNextBookmark: GotoNextBookmark(); break;
    case MenuCommandDebug: CompileAndRun(); break;
    case MenuCommandCompile: CompileOnly(); break;
    case MenuCommandLink: LinkProgram(); break;
    case MenuCommandRun: RunLinkedProgram(); break;
    case MenuCommandSearch: LoadSearchWindow(); break;
    case MenuCommandPlugins: LoadPluginManagerWindow(); break;
    case MenuCommandAbout: ShowAboutWindowModal(); break;
    default: return false;
  }
  return true;
}

}  // namespace

void BuildMainMenu() {
  MainMenu->AttachToWindow(MainWindow->Handle(), true);
  MainMenu->SetCommandCallback(MainMenuCommandCallback);
  const std::vector<MenuDefinition>& menus = MenuBarDefinition();
  for (std::size_t position = 0; position < menus.size(); ++position) {
    const platform::HMENU menu = MainMenu->AddPopupMenu(menus[position].caption);
    MenuHandles.push_back(menu);
    for (const MenuItemDefinition& item : menus[position].items) AppendItem(menu, item);
    if (position == kEditMenuPosition) AppendPluginEntries(menu);
  }
}

void MainMenuCommandCallback(int kind, int value) { ExecuteMenuCommand(kind, value); }

void ExecuteMenuCommand(int kind, int id) {
  if (kind != 0) return;
  if (!RunFixedCommand(id)) RunPluginMenuCommand(id);
}
