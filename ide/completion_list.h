// Completion and call tips: the editor's character, key-down and dwell handlers (each returns 0,
// so no key is swallowed) and the handlers of the completion list 列表框_智能提示.
#pragma once

#include <string>

int OnEditorChar(int ch);
int OnEditorKeyDown(int key, int keyData);
// kind is 0 when the mouse comes to rest, 1 when it moves again.
int OnEditorDwell(int position, int x, int y, int kind);

// False while the list is shown, which keeps the key from the list's own handling.
bool OnMainWindowCompletionListKeyDown(int key, int modifiers);
void OnMainWindowCompletionListItemActivate();

namespace framework {
class ListView;
}

// Adds a row for every index line whose abbreviation begins with the given one; the
// abbreviation enters the pattern as it is, so an invalid pattern adds none.
void FillCompletionList(const std::string& abbreviation, const std::string& index, framework::ListView* list);

// The length in the editor's UTF-8 of a code-page text: 1 for each byte below 0x80, 1.5 for
// each other byte (a GB2312 character counts 3), truncated.
int Utf8LengthOfAnsiText(const std::string& text);
