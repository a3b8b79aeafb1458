// SettingsWindow: the colours and the editor font of default.txt, and the word lists of the
// Syntax folder with their call tips. Every file is ProgramDir's. Colours and the font are
// written the moment they are chosen, the word lists and tips only by "保存！"; the editor reads
// them all at its next start.
#pragma once

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* SettingsWindow;

// Loads it without an owner and not as a dialog, or brings the open one to the front.
void LoadSettingsWindow();

// Fills the word list from Order.txt, key.txt and Conest.txt with the tips of Tips.txt.
void FillSyntaxWordList();

void OnSettingsWindowCreated();
void OnSettingsWindowAddButtonClick();
void OnSettingsWindowModifyButtonClick();
void OnSettingsWindowDeleteButtonClick();
void OnSettingsWindowSaveButtonClick();
void OnSettingsWindowFontButtonClick();
void OnSettingsWindowWordListItemChanged();
void OnSettingsWindowWordListClick();
void OnSettingsWindowTipEditChanged();
void OnSettingsWindowPreprocessorColourChanged();
void OnSettingsWindowFunctionColourChanged();
void OnSettingsWindowCommentColourChanged();
void OnSettingsWindowConstantColourChanged();
void OnSettingsWindowStringColourChanged();
void OnSettingsWindowCaretLineColourChanged();
void OnSettingsWindowBackgroundColourChanged();
void OnSettingsWindowKeywordColourChanged();
void OnSettingsWindowVariableColourChanged();
void OnSettingsWindowLineNumberColourChanged();
void OnSettingsWindowLineNumberMarginColourChanged();

// Forgets the settings window's choice of a type.
void ResetSettingsWindowState();
