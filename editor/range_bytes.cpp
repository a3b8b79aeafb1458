#include "editor/range_bytes.h"

#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

std::string_view RangeBytes(SciEditor& editor, int start, int end) {
  if (end <= start) return {};
  const auto address = editor.DirectCall(scintilla::SCI_GETRANGEPOINTER, static_cast<platform::WPARAM>(start),
                                         static_cast<platform::LPARAM>(end - start));
  if (address == 0) return {};
  return {reinterpret_cast<const char*>(address), static_cast<std::size_t>(end - start)};
}
