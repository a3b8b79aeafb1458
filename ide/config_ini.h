// The settings file config.ini in the base directory: its sections and keys.
#pragma once

#include <string>

inline constexpr const char* kSystemSection = "系统配置";
inline constexpr const char* kFirstRunKey = "是否初次";
inline constexpr const char* kOutputPanelKey = "输出表";
// The compiler's path below BaseDir, appended to it as stored.
inline constexpr const char* kCompilerSection = "编译器";
inline constexpr const char* kCompilerKey = "编译器";
// The file name of the analysis plug-in in ProgramDir's plug-in folder.
inline constexpr const char* kOutputSection = "输出";
inline constexpr const char* kAnalysisPluginKey = "调试处理插件";

std::string ConfigIniPath();
