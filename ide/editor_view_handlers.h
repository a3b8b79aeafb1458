// The editor's view handlers: status bar, line-number margin, brackets and bookmarks.
// Each returns 0, so no key or mouse message is swallowed.
#pragma once

int OnEditorUpdateUi();
int OnEditorMarginClick(int margin, int position);
int OnEditorLeftButtonUp();
int OnEditorRightButtonUp();
int OnEditorKeyUp();
