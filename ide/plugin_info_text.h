// The text a plug-in's PluginIn returns: fields separated by "/^\" (name, author, description,
// version, a field no one reads, the menu list), the menu list holding entries separated by
// "/*/", each "FUNCTION(KIND|CAPTION)". Texts are split by characters of the code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ide/plugin_menu_entry.h"

struct PluginInfo {
  std::string Name;
  std::string Author;
  std::string Description;
  std::string Version;
  std::string MenuList;
};

// Nothing when the text has fewer than six fields; fields after the sixth are ignored.
std::optional<PluginInfo> ParsePluginInfoText(std::string_view text);

// The entries of the menu list whose kind is exactly "menu", in order, for the plug-in file
// dllFile (a name inside the plug-in folder); their command ids are 0.
std::vector<PluginMenuEntry> PluginMenuEntriesOf(std::string_view menuList, const std::string& dllFile);

// The text strictly between the first `start` and the first `end` that begins at or after the
// end of that `start`; empty when either is missing or nothing lies between.
std::string TextBetween(std::string_view text, std::string_view start, std::string_view end);
