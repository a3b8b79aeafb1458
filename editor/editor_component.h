// Process-wide state of the editor subsystem: one of each for the whole process, shared by
// every editor object.
#pragma once

// The component library, made available once per process; null when that failed. Both
// windows of every editor are created with it as their instance.
extern void* EditorComponentModule;
// Set by every Create from its last argument; turns the Tab override off for all editors.
extern bool TabOverrideOff;

void LoadEditorComponent();
