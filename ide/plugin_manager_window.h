// PluginManagerWindow: lists the plug-ins of ProgramDir's plug-in folder with what each says
// of itself, opens a plug-in's own settings, deletes a plug-in's file and leads to the download.
#pragma once

#include <string>

#include "framework/form.h"

// Null until LoadPluginManagerWindow has created it.
extern framework::Form* PluginManagerWindow;

// Loads it without an owner and not as a dialog; one that is open already gives way to it.
void LoadPluginManagerWindow();

// One row per plug-in file of the folder (no trailing '/') that tells who it is.
void FillPluginManagerList(const std::string& folder);

void OnPluginManagerWindowCreated();
void OnPluginManagerWindowPluginListRightButtonDown();
void OnPluginManagerWindowConfigureMenuClick();
void OnPluginManagerWindowDeleteMenuClick();
void OnPluginManagerWindowDownloadButtonClick();
