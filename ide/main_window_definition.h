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

// The toolbar's pictures by their index in its image list; 6 and 11 hold none.
enum ToolbarImage : int {
  kDebugImage = 0,
  kSaveImage = 1,
  kSearchImage = 2,
  kPluginsImage = 3,
  kSettingsImage = 4,
  kNewImage = 5,
  kOpenImage = 7,
  kOutputImage = 8,
  kAboutImage = 9,
  kLoginImage = 10,
  kWelcomeImage = 12,
  kToolbarImageCount = 13,
};

// The toolbar's buttons by index; every index not named here is a separator. The welcome
// button of a signed-in user takes the place of the sign-in button.
enum ToolbarButtonIndex : int {
  kLoginButton = 0,
  kNewButton = 2,
  kOpenButton = 3,
  kSaveButton = 4,
  kDebugButton = 6,
  kSearchButton = 8,
  kOutputPanelButton = 9,
  kPluginManagerButton = 10,
  kSettingsButton = 11,
  kAboutButton = 12,
  kToolbarButtonCount = 14,
};

// The status bar's parts: a caption before each number, and the document's path last.
enum StatusBarPart : int {
  kCaretLineCaptionPart = 0,
  kCaretLinePart = 1,
  kCaretColumnCaptionPart = 2,
  kCaretColumnPart = 3,
  kTextLengthCaptionPart = 4,
  kTextLengthPart = 5,
  kDocumentPathPart = 6,
  kStatusBarPartCount = 7,
};

framework::WindowDefinition MainWindowDefinition();
