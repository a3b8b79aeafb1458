// StartWindow: greets a start without a file with the example programs, the recent files and
// the labels new, open and clear. Every action that puts a document into the editor closes it.
#pragma once

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* StartWindow;

// Loads it without an owner and not as a dialog, beside the main window.
void LoadStartWindow();

// The .c files of ProgramDir's Example folder, by bare name, in the order the folder yields them.
void FillExampleList();
// Reads ProgramDir's recent.txt into RecentPaths and lists their file names; returns how many.
int FillRecentList();

void OnStartWindowCreated();
void OnStartWindowNewLabelDoubleClick();
void OnStartWindowOpenLabelDoubleClick();
void OnStartWindowClearLabelDoubleClick();
void OnStartWindowRecentListDoubleClick();
void OnStartWindowExampleListDoubleClick();
