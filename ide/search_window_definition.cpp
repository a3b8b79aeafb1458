#include "ide/search_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;

framework::WindowDefinition SearchWindowDefinition() {
  framework::WindowDefinition definition(
      "SearchWindow", "搜寻", {300, 250, 427, 147},
      {ControlDefinition(ControlKind::EditBox, kSearchBox, {8, 8, 400, 32}),
       ControlDefinition(ControlKind::CheckBox, kWholeWordBox, {16, 48, 120, 16}, "全字匹配"),
       ControlDefinition(ControlKind::CheckBox, kRegexBox, {144, 48, 144, 16}, "正则表达式"),
       ControlDefinition(ControlKind::CheckBox, kMatchCaseBox, {16, 88, 192, 24}, "区分大小写"),
       ControlDefinition(ControlKind::Button, kFindButton, {320, 45, 88, 32}, "查找（&S）"),
       ControlDefinition(ControlKind::Button, kCloseButton, {320, 85, 88, 32}, "关闭")});
  definition.resizable = false;
  return definition;
}
