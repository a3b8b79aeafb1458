// The output panel 高级选择夹1: whether it is shown (OutputPanelVisible, remembered in
// config.ini) and the rows of its output list.
#pragma once

#include <string>
#include <string_view>

// Reads the remembered choice; hides the panel and unchecks its button unless it was shown.
void ApplyOutputPanelSetting();
// Toolbar button 9: shows or hides the output panel and remembers the choice in config.ini.
void ToggleOutputPanel();

// The output list's rows: a compiler message with the line it names, a step of a build, a
// successful run. Each is stamped with the time.
void ClearOutputRows();
void AddErrorRow(std::string_view message, std::string_view lineField);
void AddBuildStepRow(const std::string& details);
void AddRunRow();

// The local time as hour:minute:second without leading zeros.
std::string TimeStampText();

// The output list's click: the caret goes to the current row's line.
void OnMainWindowOutputListClick();
// The output list's right click: the current row's message goes to the clipboard.
void OnMainWindowOutputListRightClick();
