// Placeholder core, replaced by the real SciEditor object.
#include "editor/sci_editor.h"

SciEditor::SciEditor() = default;
SciEditor::~SciEditor() = default;
SciEditor::SciEditor(const SciEditor&) = default;

bool SciEditor::HasComponent() const { return DirectFunction != nullptr && DirectPointer != 0; }

platform::LRESULT SciEditor::DirectCall(platform::UINT message, std::optional<platform::WPARAM> wParam,
                                        std::optional<platform::LPARAM> lParam) {
  if (!HasComponent()) return 0;
  return DirectFunction(DirectPointer, message, wParam.value_or(0), lParam.value_or(0));
}

platform::LRESULT SciEditor::SendToEditor(platform::UINT, platform::WPARAM, platform::LPARAM) { return 0; }
