// The definition of StartWindow: the banner, the example and recent lists and the labels.
#pragma once

#include "framework/window_definition.h"

inline constexpr const char* kBannerPicture = "图片框1";
inline constexpr const char* kExampleGroup = "分组框2";
inline constexpr const char* kExampleList = "例子列表框";
inline constexpr const char* kRecentGroup = "分组框1";
inline constexpr const char* kRecentList = "列表框最近";
inline constexpr const char* kNewLabel = "标签4";
inline constexpr const char* kOpenLabel = "标签1";
inline constexpr const char* kClearLabel = "标签2";
inline constexpr const char* kSloganLabel = "标签3";

framework::WindowDefinition StartWindowDefinition();
