// The main window's commands in one table: each with its menu item, hot key and toolbar button
// where it has them, and what it does. The menu bar, the toolbar and the hot keys all run them
// through DispatchCommand.
#pragma once

#include <optional>
#include <vector>

struct Command {
  std::optional<int> menuId;  // its item of the menu bar (a MenuCommand id)
  const char* caption;        // that item's caption; the text after a TAB is only shown
  int hotKey;                 // the virtual key pressed without modifiers; 0 for none
  std::optional<int> toolbarButton;  // the index of its button of 工具条1
  void (*run)();
};

inline constexpr std::nullopt_t kNoMenuItem = std::nullopt;
inline constexpr std::nullopt_t kNoToolbarButton = std::nullopt;
inline constexpr int kNoHotKey = 0;

// Every command, the menu bar's first, in the menu bar's order.
const std::vector<Command>& CommandTable();

// How a command is asked for: a menu item by its id, a toolbar button by its index, a hot key
// by its virtual key.
enum class CommandSource { Menu, Toolbar, HotKey };

// Runs the command that the source names. A hot key does nothing while a message box, a common
// dialog or a modal window is open. A menu id that names no command goes to the plug-in
// entries, so the fixed commands win over an entry that drew one of their ids; a toolbar index
// or key that names none does nothing.
void DispatchCommand(CommandSource source, int value);
