#include "ide/commands.h"

#include "framework/dialog_seam.h"
#include "framework/program_end.h"
#include "ide/about_window.h"
#include "ide/app_globals.h"
#include "ide/build_run.h"
#include "ide/compiler_runner.h"
#include "ide/documents.h"
#include "ide/editing_commands.h"
#include "ide/login_window.h"
#include "ide/main_menu.h"
#include "ide/main_window_definition.h"
#include "ide/output_panel.h"
#include "ide/plugin_manager_window.h"
#include "ide/plugins.h"
#include "ide/search_window.h"
#include "ide/settings_window.h"
#include "platform/win_types.h"

using platform::VK_F2;
using platform::VK_F3;
using platform::VK_F4;
using platform::VK_F5;
using platform::VK_F6;
using platform::VK_F7;

namespace {

// Unlike toolbar button 3, the menu's Open starts from a new document.
void OpenAfterNewDocument() {
  if (NewDocument()) OpenDocument();
}

// As closing the window does, it ends the compiler of a build that waits for it.
void ExitProgram() {
  if (!NewDocument()) return;
  EndWaitingBuild();
  framework::EndProgram(0);
}

bool Names(const Command& command, CommandSource source, int value) {
  switch (source) {
    case CommandSource::Menu: return command.menuId == value;
    case CommandSource::Toolbar: return command.toolbarButton == value;
    case CommandSource::HotKey: return command.hotKey != kNoHotKey && command.hotKey == value;
  }
  return false;
}

const Command* FindCommand(CommandSource source, int value) {
  for (const Command& command : CommandTable()) {
    if (Names(command, source, value)) return &command;
  }
  return nullptr;
}

}  // namespace

const std::vector<Command>& CommandTable() {
  static const std::vector<Command> commands = {
      // menu id, caption, hot key, toolbar button, action
      {MenuCommandNew, "新建(&N)", kNoHotKey, kNewButton, [] { NewDocument(); }},
      {MenuCommandOpen, "打开(&O)...\t", kNoHotKey, kNoToolbarButton, OpenAfterNewDocument},
      {MenuCommandSave, "保存(&S)\tF3", VK_F3, kSaveButton, [] { SaveDocument(); }},
      {MenuCommandSaveAs, "另存为(&A)...", kNoHotKey, kNoToolbarButton, SaveDocumentAs},
      {MenuCommandExit, "退出(&X)\tAlt+F4", kNoHotKey, kNoToolbarButton, ExitProgram},
      {MenuCommandUndo, "撤销(&U)\tCtrl+Z", kNoHotKey, kNoToolbarButton, [] { Editor->Undo(); }},
      {MenuCommandRedo, "重做(&Y)\tCtrl+Y", kNoHotKey, kNoToolbarButton, [] { Editor->Redo(); }},
      {MenuCommandCut, "剪切(&T)\tCtrl+X", kNoHotKey, kNoToolbarButton, [] { Editor->Cut(); }},
      {MenuCommandCopy, "复制(&C)\tCtrl+C", kNoHotKey, kNoToolbarButton, [] { Editor->Copy(); }},
      {MenuCommandPaste, "粘贴(&P)\tCtrl+V", kNoHotKey, kNoToolbarButton, [] { Editor->Paste(); }},
      {MenuCommandDelete, "删除(&L)\tDel", kNoHotKey, kNoToolbarButton, [] { Editor->Clear(); }},
      {MenuCommandComment, "注释\tF2", VK_F2, kNoToolbarButton, CommentCurrentLine},
      {MenuCommandAddBookmark, "添加书签\t", kNoHotKey, kNoToolbarButton, AddBookmark},
      {MenuCommandDeleteBookmark, "删除书签\t", kNoHotKey, kNoToolbarButton, DeleteBookmark},
      {MenuCommandPrevBookmark, "上一个书签\tF6", VK_F6, kNoToolbarButton, GotoPreviousBookmark},
      {MenuCommandNextBookmark, "下一个书签\tF7", VK_F7, kNoToolbarButton, GotoNextBookmark},
      // CompileAndRun disables the toolbar button while it runs.
      {MenuCommandDebug, "调试(&F5)", VK_F5, kDebugButton, CompileAndRun},
      {MenuCommandCompile, "编译...", kNoHotKey, kNoToolbarButton, CompileOnly},
      {MenuCommandLink, "连接", kNoHotKey, kNoToolbarButton, LinkProgram},
      {MenuCommandRun, "执行", kNoHotKey, kNoToolbarButton, RunLinkedProgram},
      {MenuCommandSearch, "搜索(&S)\tF4", VK_F4, kSearchButton, LoadSearchWindow},
      {MenuCommandPlugins, "插件(&S)", kNoHotKey, kPluginManagerButton, LoadPluginManagerWindow},
      // The menu's about window is a dialog, the toolbar's stands beside the main window.
      {MenuCommandAbout, "关于Tavo(&A)", kNoHotKey, kNoToolbarButton, ShowAboutWindowModal},
      // The toolbar's own: the Welcome button of a signed-in user has the sign-in button's index.
      {kNoMenuItem, nullptr, kNoHotKey, kLoginButton, LoadLoginWindow},
      // It asks to save without starting a new document, so a cancelled Open keeps the text.
      {kNoMenuItem, nullptr, kNoHotKey, kOpenButton, OpenAfterAskingToSave},
      {kNoMenuItem, nullptr, kNoHotKey, kOutputPanelButton, ToggleOutputPanel},
      {kNoMenuItem, nullptr, kNoHotKey, kSettingsButton, LoadSettingsWindow},
      {kNoMenuItem, nullptr, kNoHotKey, kAboutButton, LoadAboutWindow},
  };
  return commands;
}

void DispatchCommand(CommandSource source, int value) {
  // A hot key waits for a modal box or dialog, as the menus and the toolbar do: behind the
  // question whether to save, F3 would write what the user is about to decline.
  if (source == CommandSource::HotKey && framework::ModalWindowIsOpen()) return;
  if (const Command* command = FindCommand(source, value)) {
    command->run();
  } else if (source == CommandSource::Menu) {
    RunPluginMenuCommand(value);
  }
}
