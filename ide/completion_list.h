// Completion and call tips: the editor's character, key-down and dwell handlers.
// Each returns 0, so no key is swallowed.
#pragma once

int OnEditorChar(int ch);
int OnEditorKeyDown(int key, int keyData);
// kind is 0 when the mouse comes to rest, 1 when it moves again.
int OnEditorDwell(int position, int x, int y, int kind);
