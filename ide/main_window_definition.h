// The definition of MainWindow: its controls, their geometry and settings.
#pragma once

#include "framework/window_definition.h"

// The title that creation gives the window.
inline constexpr const char* kMainWindowTitle = "Tavo 编辑器";

inline constexpr const char* kMainToolbar = "工具条1";
inline constexpr const char* kMainStatusBar = "状态条1";
inline constexpr const char* kOutputPanel = "高级选择夹1";
inline constexpr const char* kOutputList = "超级列表框1";
inline constexpr const char* kFindResultsList = "超级列表框2";
inline constexpr const char* kCompletionList = "列表框_智能提示";
inline constexpr const char* kFileDialog = "通用对话框1";
inline constexpr const char* kDropTarget = "拖放对象1";
inline constexpr const char* kHotKeyLabel = "标签1";

// Toolbar button 9 shows and hides the output panel; status-bar part 6 names the document.
inline constexpr int kOutputPanelButton = 9;
inline constexpr int kDocumentPathPart = 6;

framework::WindowDefinition MainWindowDefinition();
