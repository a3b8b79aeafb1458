// The definition of SearchWindow: the search box, the three options and the two buttons.
#pragma once

#include "framework/window_definition.h"

inline constexpr const char* kSearchBox = "编辑框1";
inline constexpr const char* kWholeWordBox = "选择框_全字匹配";
inline constexpr const char* kRegexBox = "选择框_正在表达式";
inline constexpr const char* kMatchCaseBox = "选择框_区分大小写";
inline constexpr const char* kFindButton = "按钮_查找";
inline constexpr const char* kCloseButton = "按钮_关闭";

framework::WindowDefinition SearchWindowDefinition();
