// Making the editing component available to the process, once.
#include "editor/editor_component.h"

#include <dlfcn.h>

#include "editor/scintilla_class.h"

void* EditorComponentModule = nullptr;
bool TabOverrideOff = false;

namespace {

// The program's own module, taken before the component is made available.
void* OwnModuleHandle = nullptr;

}  // namespace

void LoadEditorComponent() {
  if (!OwnModuleHandle) OwnModuleHandle = dlopen(nullptr, RTLD_LAZY);
  if (EditorComponentModule) return;
  // The component is linked into the program: it is there once its window class is.
  if (scintilla::RegisterScintillaWindowClass()) EditorComponentModule = OwnModuleHandle;
}
