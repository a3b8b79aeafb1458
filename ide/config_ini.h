// The settings file config.ini in the base directory: its sections and keys.
#pragma once

#include <string>

inline constexpr const char* kSystemSection = "系统配置";
inline constexpr const char* kFirstRunKey = "是否初次";
inline constexpr const char* kOutputPanelKey = "输出表";

// BaseDir + "/config.ini".
std::string ConfigIniPath();
