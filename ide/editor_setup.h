// The editor's set-up: created in MainWindow and given its code page, lexer, font, colours,
// keyword sets, margins, bookmark marker and event handlers; then the completion index.
// Runs once, after BaseDir has been taken.
#pragma once

void SetupEditor();
