// The definition of AboutWindow: the about text, the picture in its group and two buttons.
#pragma once

#include <string>

#include "framework/window_definition.h"

inline constexpr const char* kAboutTextBox = "编辑框1";
inline constexpr const char* kPictureGroup = "分组框1";
inline constexpr const char* kAboutPicture = "图片框1";
inline constexpr const char* kHomePageButton = "按钮1";
inline constexpr const char* kCheckUpdateButton = "按钮2";

// What Tavo is for, its version, where its files live and its web site.
std::string AboutText();

framework::WindowDefinition AboutWindowDefinition();
