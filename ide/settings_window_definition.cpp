#include "ide/settings_window_definition.h"

#include <vector>

#include "ide/colour_settings.h"

using framework::ControlDefinition;
using framework::ControlKind;

namespace {

constexpr int kWordsPage = 0;
constexpr int kColoursPage = 1;

// Labels stand at the left of their picker's column, at its height.
constexpr int kLeftLabelColumn = 16;
constexpr int kRightLabelColumn = 256;
constexpr int kRightPickerColumn = 344;

ControlDefinition OnPage(ControlDefinition control, int page) { return control.OnParent(kSettingsTabs, page); }

ControlDefinition LabelOf(const ColourSetting& setting) {
  const int left = setting.geometry.left >= kRightPickerColumn ? kRightLabelColumn : kLeftLabelColumn;
  const framework::Geometry geometry{left, setting.geometry.top, setting.labelWidth, setting.geometry.height};
  return OnPage(ControlDefinition(ControlKind::Label, setting.label, geometry, setting.caption), kColoursPage);
}

}  // namespace

framework::WindowDefinition SettingsWindowDefinition() {
  std::vector<ControlDefinition> controls = {
      ControlDefinition(ControlKind::TabControl, kSettingsTabs, {8, 16, 472, 304}).WithPages({"智能提示", "语法高亮"}),
      OnPage(ControlDefinition(ControlKind::ListView, kWordList, {6, 26, 456, 198})
                 .WithColumns({{"词语", 100}, {"解释", 200}, {"类型", 50}}),
             kWordsPage),
      OnPage(ControlDefinition(ControlKind::Label, "标签1", {8, 232, 48, 16}, "词语："), kWordsPage),
      OnPage(ControlDefinition(ControlKind::EditBox, kWordBox, {48, 230, 136, 20}), kWordsPage),
      OnPage(ControlDefinition(ControlKind::Label, "标签2", {192, 234, 40, 16}, "解释："), kWordsPage),
      OnPage(ControlDefinition(ControlKind::EditBox, kTipBox, {240, 232, 224, 20}), kWordsPage),
      OnPage(ControlDefinition(ControlKind::ComboBox, kWordTypeBox, {8, 264, 120, 20})
                 .WithItems({"关键字", "命令", "常量"}),
             kWordsPage),
      OnPage(ControlDefinition(ControlKind::Button, kAddWordButton, {134, 263, 56, 32}, "添加"), kWordsPage),
      OnPage(ControlDefinition(ControlKind::Button, kModifyWordButton, {191, 263, 56, 32}, "修改"), kWordsPage),
      OnPage(ControlDefinition(ControlKind::Button, kDeleteWordButton, {245, 263, 56, 32}, "删除"), kWordsPage),
      OnPage(ControlDefinition(ControlKind::Button, kSaveWordsButton, {312, 264, 136, 32}, "保存！"), kWordsPage),
      OnPage(ControlDefinition(ControlKind::Label, "标签6", {264, 40, 72, 24}, "全局字体"), kColoursPage),
      OnPage(ControlDefinition(ControlKind::Button, kFontButton, {352, 43, 64, 20}, "设置"), kColoursPage),
      OnPage(ControlDefinition(ControlKind::Label, "标签10", {248, 240, 168, 24}, "设置完成后重启程序即可"),
             kColoursPage),
      ControlDefinition(ControlKind::CommonDialog, kFontDialog).ForFonts(),
  };
  for (const ColourSetting& setting : ColourSettings()) {
    controls.push_back(LabelOf(setting));
    controls.push_back(
        OnPage(ControlDefinition(ControlKind::ColourPicker, setting.picker, setting.geometry), kColoursPage));
  }
  framework::WindowDefinition definition("SettingsWindow", "", {250, 150, 493, 361}, std::move(controls));
  definition.resizable = false;
  return definition;
}
