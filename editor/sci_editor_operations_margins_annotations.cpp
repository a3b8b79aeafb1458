// Hand-written operations of the margin and annotation groups: the texts of a line, read length
// first, and the styles of those texts, one style byte per text byte.
#include <algorithm>

#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

using namespace scintilla;

// The component reads one style for each byte of the line's text: a shorter array is padded with
// style 0 rather than read past.
int SciEditor::SetLineStyles(platform::UINT message, platform::UINT textMessage, int line,
                             const ByteSet& styles) {
  const platform::LRESULT textLength = SendToEditor(textMessage, line, 0);
  ByteSet padded = styles;
  if (textLength > 0 && padded.size() < static_cast<std::size_t>(textLength)) padded.resize(textLength, '\0');
  return static_cast<int>(SendToEditor(message, line, MessageAddress(padded.data())));
}

// The component writes one style for each byte of the line's text: it writes into a buffer of
// that size, and the caller's array takes as many of them as it holds.
int SciEditor::GetLineStyles(platform::UINT message, int line, ByteSet& styles) {
  const platform::LRESULT count = SendToEditor(message, line, 0);
  if (count < 1) return static_cast<int>(count);
  ByteSet written(static_cast<std::size_t>(count), '\0');
  const auto result = static_cast<int>(SendToEditor(message, line, MessageAddress(written.data())));
  std::copy_n(written.begin(), std::min(written.size(), styles.size()), styles.begin());
  return result;
}

std::string SciEditor::MarginGetText(std::optional<int> line) {
  return ReadTextLengthFirst(SCI_MARGINGETTEXT, line.value_or(0));
}

int SciEditor::MarginSetStyles(std::optional<int> line, const ByteSet& styles) {
  return SetLineStyles(SCI_MARGINSETSTYLES, SCI_MARGINGETTEXT, line.value_or(0), styles);
}

int SciEditor::MarginGetStyles(std::optional<int> line, ByteSet& styles) {
  return GetLineStyles(SCI_MARGINGETSTYLES, line.value_or(0), styles);
}

std::string SciEditor::AnnotationGetText(int line) {
  return ReadTextLengthFirst(SCI_ANNOTATIONGETTEXT, line);
}

int SciEditor::AnnotationSetStyles(int line, const ByteSet& styles) {
  return SetLineStyles(SCI_ANNOTATIONSETSTYLES, SCI_ANNOTATIONGETTEXT, line, styles);
}

int SciEditor::AnnotationGetStyles(int line, ByteSet& styles) {
  return GetLineStyles(SCI_ANNOTATIONGETSTYLES, line, styles);
}
