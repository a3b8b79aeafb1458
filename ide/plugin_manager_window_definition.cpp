#include "ide/plugin_manager_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;

framework::WindowDefinition PluginManagerWindowDefinition() {
  framework::WindowDefinition definition(
      "PluginManagerWindow", "插件管理", {150, 120, 670, 433},
      {ControlDefinition(ControlKind::ListView, kPluginList, {7, 1, 648, 359})
           .WithImages({"Resource/plugins.png"})
           .WithColumns({{"", 24}, {"插件名称", 150}, {"插件描述", 150}, {"作者", 80}, {"版本", 50}, {"回显", 60}, {"dll", 100}}),
       ControlDefinition(ControlKind::Label, kDownloadHint, {10, 363, 192, 32}, "插件下载后请放到Plugin目录下"),
       ControlDefinition(ControlKind::Button, kDownloadButton, {583, 365, 72, 32}, "插件下载")});
  definition.resizable = false;
  return definition;
}
