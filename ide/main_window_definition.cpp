#include "ide/main_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;
using Button = framework::ToolbarButtonDefinition;

namespace {

// The toolbar's image list, by image index; indexes without a picture stay empty.
const std::vector<std::string> kToolbarImages = {
    "Resource/debug.png",
    "Resource/save.png",
    "Resource/search.png",
    "Resource/plugins.png",
    "Resource/settings.png",
    "Resource/new.png",
    "",
    "Resource/open.png",
    "Resource/output.png",
    "Resource/about.png",
    "Resource/login.png",
    "",
    "Resource/welcome.png",
};

std::vector<Button> ToolbarButtons() {
  return {
      Button::Button(10, "登录"),        Button::Separator(),           Button::Button(5, "新建"),
      Button::Button(7, "打开"),         Button::Button(1, "保存"),     Button::Separator(),
      Button::Button(0, "调试"),         Button::Separator(),           Button::Button(2, "搜索"),
      Button::Button(8, "输出夹", true), Button::Button(3, "插件管理"), Button::Button(4, "程序设置"),
      Button::Button(9, "关于Tavo程序"), Button::Separator(),
  };
}

}  // namespace

framework::WindowDefinition MainWindowDefinition() {
  return framework::WindowDefinition(
      "MainWindow", "", {50, 50, 855, 592},
      {ControlDefinition(ControlKind::Toolbar, kMainToolbar, {0, 0, 849, 28})
           .WithImages(kToolbarImages)
           .WithButtons(ToolbarButtons()),
       ControlDefinition(ControlKind::StatusBar, kMainStatusBar, {8, 8, 497, 20})
           .WithParts({{"行", 24}, {"0", 48}, {"列", 24}, {"0", 48}, {"长度", 36}, {"0", 64}, {"", -1}}),
       ControlDefinition(ControlKind::PageControl, kOutputPanel, {1, 401, 844, 139}).WithPages({"调试表", "搜索表"}),
       ControlDefinition(ControlKind::ListView, kOutputList, {5, 37, 834, 108})
           .OnParent(kOutputPanel, 0)
           .WithColumns({{"#", 100}, {"状态", 72}, {"行", 50}, {"详情", 400}}),
       ControlDefinition(ControlKind::ListView, kFindResultsList, {5, 29, 842, 108})
           .OnParent(kOutputPanel, 1)
           .WithColumns({{"#", 50}, {"详情", 400}, {"", 0}, {"", 0}}),
       ControlDefinition(ControlKind::ListView, kCompletionList, {400, 160, 152, 120})
           .WithColumns({{"", 148}})
           .Hidden(),
       ControlDefinition(ControlKind::CommonDialog, kFileDialog, {}, "Tavo选择器")
           .WithFileDialog({"C文件|*.c|txt文件|*.txt|所有文件|*.*", "c"}),
       ControlDefinition(ControlKind::DropTarget, kDropTarget),
       ControlDefinition(ControlKind::Label, kHotKeyLabel, {32, 640, 56, 0})});
}
