// The thin component message operations: each entry of the operation table that sends one
// message the plain way is defined here from its entry.
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

#define SCI_EDITOR_DEFINE_OPERATIONS
#include "editor/sci_editor_operations.inc"
