#include "ide/main_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;
using Button = framework::ToolbarButtonDefinition;
using Part = framework::StatusPartDefinition;

namespace {

// The toolbar's image list, placed by image index; indexes without a picture stay empty.
std::vector<std::string> ToolbarImages() {
  std::vector<std::string> images(kToolbarImageCount);
  images[kDebugImage] = "Resource/debug.png";
  images[kSaveImage] = "Resource/save.png";
  images[kSearchImage] = "Resource/search.png";
  images[kPluginsImage] = "Resource/plugins.png";
  images[kSettingsImage] = "Resource/settings.png";
  images[kNewImage] = "Resource/new.png";
  images[kOpenImage] = "Resource/open.png";
  images[kOutputImage] = "Resource/output.png";
  images[kAboutImage] = "Resource/about.png";
  images[kLoginImage] = "Resource/login.png";
  images[kWelcomeImage] = "Resource/welcome.png";
  return images;
}

// The buttons placed by index; the places left over are separators.
std::vector<Button> ToolbarButtons() {
  std::vector<Button> buttons(kToolbarButtonCount, Button::Separator());
  buttons[kLoginButton] = Button::Button(kLoginImage, "登录");
  buttons[kNewButton] = Button::Button(kNewImage, "新建");
  buttons[kOpenButton] = Button::Button(kOpenImage, "打开");
  buttons[kSaveButton] = Button::Button(kSaveImage, "保存");
  buttons[kDebugButton] = Button::Button(kDebugImage, "调试");
  buttons[kSearchButton] = Button::Button(kSearchImage, "搜索");
  buttons[kOutputPanelButton] = Button::Button(kOutputImage, "输出夹", true);
  buttons[kPluginManagerButton] = Button::Button(kPluginsImage, "插件管理");
  buttons[kSettingsButton] = Button::Button(kSettingsImage, "程序设置");
  buttons[kAboutButton] = Button::Button(kAboutImage, "关于Tavo程序");
  return buttons;
}

std::vector<Part> StatusBarParts() {
  std::vector<Part> parts(kStatusBarPartCount);
  parts[kCaretLineCaptionPart] = {"行", 24};
  parts[kCaretLinePart] = {"0", 48};
  parts[kCaretColumnCaptionPart] = {"列", 24};
  parts[kCaretColumnPart] = {"0", 48};
  parts[kTextLengthCaptionPart] = {"长度", 36};
  parts[kTextLengthPart] = {"0", 64};
  parts[kDocumentPathPart] = {"", -1};
  return parts;
}

}  // namespace

framework::WindowDefinition MainWindowDefinition() {
  return framework::WindowDefinition(
      "MainWindow", "", {50, 50, 855, 592},
      {ControlDefinition(ControlKind::Toolbar, kMainToolbar, {0, 0, 849, 28})
           .WithImages(ToolbarImages())
           .WithButtons(ToolbarButtons()),
       ControlDefinition(ControlKind::StatusBar, kMainStatusBar, {8, 8, 497, 20})
           .WithParts(StatusBarParts()),
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
