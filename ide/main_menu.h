// The menu bar of the main window. What its items do is the command table's (commands.h).
#pragma once

#include <cstddef>

// The fixed command ids of the menu bar; the plug-in entries of the Edit menu get ids drawn
// from kPluginCommandIdFirst to kPluginCommandIdLast.
enum MenuCommand : int {
  MenuCommandNew = 1,
  MenuCommandOpen = 2,
  MenuCommandSave = 3,
  MenuCommandSaveAs = 4,
  MenuCommandExit = 7,
  MenuCommandUndo = 16,
  MenuCommandRedo = 17,
  MenuCommandCut = 768,
  MenuCommandCopy = 769,
  MenuCommandPaste = 770,
  MenuCommandDelete = 771,
  MenuCommandComment = 25,
  MenuCommandAddBookmark = 26,
  MenuCommandDeleteBookmark = 27,
  MenuCommandPrevBookmark = 28,
  MenuCommandNextBookmark = 29,
  MenuCommandDebug = 32,
  MenuCommandCompile = 33,
  MenuCommandLink = 34,
  MenuCommandRun = 346,
  MenuCommandSearch = 37,
  MenuCommandPlugins = 40,
  MenuCommandAbout = 65,
};
inline constexpr int kPluginCommandIdFirst = 60;
inline constexpr int kPluginCommandIdLast = 900;
// The Edit menu's position in the menu bar, and so in MenuHandles.
inline constexpr std::size_t kEditMenuPosition = 1;

// Attaches MainMenu to MainWindow and fills it with the five menus; MenuHandles gets their
// popups and every PluginMenuTable record its command id. The bar is not redrawn here.
void BuildMainMenu();
// MainMenu's callback: kind 0 with a command's wParam, kind 1 when a popup opens.
void MainMenuCommandCallback(int kind, int value);
// Runs the command with that id when kind is 0; an id that is no fixed command goes to the
// plug-in entries.
void ExecuteMenuCommand(int kind, int id);
