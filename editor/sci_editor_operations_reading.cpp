// The ways the hand-written operations read a text back from the component.
#include <cstdint>

#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "editor/scintilla_records.h"

std::string SciEditor::ReadTextLengthFirst(platform::UINT message, platform::WPARAM wParam) {
  return ReadTextOfLength(message, wParam, SendToEditor(message, wParam, 0));
}

std::string SciEditor::ReadTextOfLength(platform::UINT message, platform::WPARAM wParam,
                                        platform::LRESULT length) {
  if (length < 1) {
    SendToEditor(message, wParam, 0);
    return {};
  }
  std::string buffer(static_cast<std::size_t>(length) + 1, ' ');
  buffer.back() = '\0';
  SendToEditor(message, wParam, MessageAddress(buffer.data()));
  return buffer.c_str();
}

ByteSet SciEditor::ReadRange(platform::UINT message, int start, std::optional<int> end,
                             int bytesPerPosition) {
  const int last = end.value_or(0) > 0 ? *end : static_cast<int>(DirectCall(scintilla::SCI_GETLENGTH));
  if (start >= last || !HasComponent()) return {};
  const auto positions = static_cast<std::size_t>(static_cast<std::int64_t>(last) - start);
  ByteSet buffer((positions + 1) * static_cast<std::size_t>(bytesPerPosition), '\0');
  Sci_TextRange range;
  range.chrg = {start, last};
  range.lpstrText = buffer.data();
  SendToEditor(message, 0, MessageAddress(&range));
  return buffer;
}
