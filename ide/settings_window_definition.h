// The definition of SettingsWindow: a tab control with the word-list page and the colour page.
#pragma once

#include "framework/window_definition.h"

inline constexpr const char* kSettingsTabs = "选择夹1";
inline constexpr const char* kWordList = "超级列表框1";
inline constexpr const char* kWordBox = "编辑框1";
inline constexpr const char* kTipBox = "编辑框2";
inline constexpr const char* kWordTypeBox = "组合框1";
inline constexpr const char* kAddWordButton = "按钮1";
inline constexpr const char* kModifyWordButton = "按钮2";
inline constexpr const char* kDeleteWordButton = "按钮3";
inline constexpr const char* kSaveWordsButton = "按钮4";
inline constexpr const char* kFontButton = "按钮5";
inline constexpr const char* kFontDialog = "通用对话框1";

// The word list's columns.
inline constexpr int kWordColumn = 0;
inline constexpr int kTipColumn = 1;
inline constexpr int kTypeColumn = 2;

framework::WindowDefinition SettingsWindowDefinition();
