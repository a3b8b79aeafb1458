// One Edit-menu entry that a plug-in offers: the item's caption, the plug-in's file inside the
// plug-in folder, the export the item calls with the selection, and the item's command id
// (0 until the menu bar is built).
#pragma once

#include <string>

struct PluginMenuEntry {
  std::string Caption;
  std::string DllFile;
  std::string FunctionName;
  int CommandId = 0;
};
