// PluginManagerWindow: lists the plug-ins of ProgramDir's plug-in folder with what each says
// of itself, opens a plug-in's own settings, deletes a plug-in's file and leads to the download.
#pragma once

#include <string>

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* PluginManagerWindow;

// Loads it without an owner and not as a dialog, or brings the open one to the front.
void LoadPluginManagerWindow();

// One row per plug-in file of the folder (no trailing '/') that tells who it is.
void FillPluginManagerList(const std::string& folder);

void OnPluginManagerWindowCreated();
void OnPluginManagerWindowPluginListRightButtonDown();
void OnPluginManagerWindowConfigureMenuClick();
void OnPluginManagerWindowDeleteMenuClick();
void OnPluginManagerWindowDownloadButtonClick();
