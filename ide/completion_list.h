// Completion and call tips: the editor's character, key-down and dwell handlers (each returns 0,
// so no key is swallowed) and the handlers of the completion list 列表框_智能提示.
#pragma once

#include <string>

int OnEditorChar(int ch);
int OnEditorKeyDown(int key, int keyData);
// kind is 0 when the mouse comes to rest, 1 when it moves again or leaves the editor.
int OnEditorDwell(int position, int x, int y, int kind);

// False while the list is shown, which keeps the key from the list's own handling.
bool OnMainWindowCompletionListKeyDown(int key, int modifiers);
void OnMainWindowCompletionListItemActivate();

namespace framework {
class ListView;
}

// Adds a row for every line of the index (in the form RegexText gives) whose abbreviation begins
// with the given one; the abbreviation enters the pattern as it is, so an invalid pattern adds none.
void FillCompletionList(const std::string& abbreviation, const std::u16string& index, framework::ListView* list);

// The list belongs to the typed word's line: when the caret leaves that line while the keyboard
// stays in the editor (Up at the first row, Down at the last), the list hides.
void HideCompletionListOffTheWordsLine();

// Forgets what completion remembered from the last key.
void ResetCompletionTyping();
