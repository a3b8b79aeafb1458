// Hand-written operations of the text and clipboard groups: the text setters that convert to the
// component's UTF-8 in UTF-8 mode, the text getters and the search through a record.
#include <algorithm>

#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "editor/scintilla_records.h"

using namespace scintilla;

namespace {

// A length that the caller gives counts bytes of what is sent; it never reaches past them.
platform::WPARAM LengthWithin(std::optional<int> length, const std::string& bytes) {
  const auto available = static_cast<int>(bytes.size());
  const int given = length.value_or(0);
  return static_cast<platform::WPARAM>(given > 0 ? std::min(given, available) : available);
}

}  // namespace

std::string SciEditor::TextBytesToAdd(const std::string& text) {
  if (!Utf8Mode()) return text.c_str();
  return Utf8Of(text);
}

void SciEditor::SetText(const std::string& text) {
  if (!Utf8Mode()) {
    SendToEditor(SCI_SETTEXT, 0, MessageAddress(text.c_str()));
    return;
  }
  const ByteSet converted = AnsiToUtf8(text);
  SendToEditor(SCI_SETTEXT, 0, MessageAddress(converted.data()));
}

// Without a component the blanks of the buffer would come back as text.
std::string SciEditor::GetText(int size) {
  if (size < 1 || !HasComponent()) return {};
  std::string buffer(static_cast<std::size_t>(size) + 1, ' ');
  buffer.back() = '\0';
  SendToEditor(SCI_GETTEXT, size, MessageAddress(buffer.data()));
  return buffer.c_str();
}

ByteSet SciEditor::GetTextBytes(int size) {
  if (size < 1 || !HasComponent()) return {};
  ByteSet buffer(static_cast<std::size_t>(size), '\0');
  SendToEditor(SCI_GETTEXT, size, MessageAddress(buffer.data()));
  return buffer;
}

std::string SciEditor::GetLine(std::optional<int> line) {
  const platform::WPARAM number = line.value_or(0);
  return ReadTextOfLength(SCI_GETLINE, number, DirectCall(SCI_GETLINE, number, 0));
}

bool SciEditor::FindText(int flags, const std::string& text, int minimum, int maximum, int* foundStart,
                         int* foundEnd) {
  if (!HasComponent()) return false;
  Sci_TextToFind find;
  find.chrg = {minimum, maximum};
  find.lpstrText = text.c_str();
  const platform::LRESULT found = SendToEditor(SCI_FINDTEXT, flags, MessageAddress(&find));
  if (foundStart) *foundStart = static_cast<int>(find.chrgText.cpMin);
  if (foundEnd) *foundEnd = static_cast<int>(find.chrgText.cpMax);
  return found >= 0;
}

void SciEditor::AddText(const std::string& text, std::optional<int> length) {
  const std::string bytes = TextBytesToAdd(text);
  SendToEditor(SCI_ADDTEXT, LengthWithin(length, bytes), MessageAddress(bytes.data()));
}

// The component reads the text up to its NUL, which the converted form carries with it.
void SciEditor::InsertText(const std::string& text, std::optional<int> position) {
  const int at = position.value_or(0) > 0 ? *position : GetCurrentPos();
  const ByteSet bytes = Utf8Mode() ? AnsiToUtf8(text) : ByteSet(text.c_str());
  SendToEditor(SCI_INSERTTEXT, at, MessageAddress(bytes.c_str()));
}

void SciEditor::AppendText(const std::string& text, int length) {
  const std::string bytes = TextBytesToAdd(text);
  SendToEditor(SCI_APPENDTEXT, LengthWithin(length, bytes), MessageAddress(bytes.data()));
}

std::string SciEditor::GetTextRange(int start, std::optional<int> end) {
  return Utf8ToAnsi(ReadRange(SCI_GETTEXTRANGE, start, end, 1));
}

ByteSet SciEditor::GetStyledText(int start, std::optional<int> end) {
  return ReadRange(SCI_GETSTYLEDTEXT, start, end, 2);
}

// The component reads length bytes of cells: never more than the caller's cells hold.
int SciEditor::AddStyledText(const ByteSet& cells, int length) {
  const int sent = std::clamp(length, 0, static_cast<int>(cells.size()));
  return static_cast<int>(SendToEditor(SCI_ADDSTYLEDTEXT, sent, MessageAddress(cells.data())));
}

// The component copies length bytes of the text: never more than the text holds, never fewer than 0.
int SciEditor::CopyText(const std::string& text, int length) {
  const int sent = std::clamp(length, 0, static_cast<int>(std::string_view(text.c_str()).size()));
  return static_cast<int>(SendToEditor(SCI_COPYTEXT, sent, MessageAddress(text.c_str())));
}
