// The definition of LoginWindow: user name and password, the sign-in and register buttons
// and the two labels.
#pragma once

#include "framework/window_definition.h"

inline constexpr const char* kUserNameBox = "编辑框1";
inline constexpr const char* kPasswordBox = "编辑框2";
inline constexpr const char* kRegisterButton = "按钮2";
inline constexpr const char* kSignInButton = "按钮1";
inline constexpr const char* kPleaseLabel = "标签1";
inline constexpr const char* kThanksLabel = "标签2";

framework::WindowDefinition LoginWindowDefinition();
