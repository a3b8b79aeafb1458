// The definition of PluginManagerWindow: the plug-in list, the download hint and its button.
#pragma once

#include "framework/window_definition.h"

inline constexpr const char* kPluginList = "超级列表框1";
inline constexpr const char* kDownloadHint = "标签1";
inline constexpr const char* kDownloadButton = "按钮1";

// The plug-in list's columns.
enum PluginListColumn : int {
  PluginColumnImage = 0,
  PluginColumnName = 1,
  PluginColumnDescription = 2,
  PluginColumnAuthor = 3,
  PluginColumnVersion = 4,
  PluginColumnShow = 5,
  PluginColumnDll = 6,
};

framework::WindowDefinition PluginManagerWindowDefinition();
