// Hand-written operations of the lexer, property, styling and style-definition groups.
#include <algorithm>

#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

using namespace scintilla;

bool SciEditor::Utf8Mode(std::optional<bool> on) {
  if (!on) return DirectCall(SCI_GETCODEPAGE) == SC_CP_UTF8;
  return DirectCall(SCI_SETCODEPAGE, *on ? SC_CP_UTF8 : 0) == 1;
}

std::string SciEditor::GetLexerLanguage() { return ReadTextLengthFirst(SCI_GETLEXERLANGUAGE, 0); }

std::string SciEditor::GetProperty(const std::string& key) {
  return ReadPropertyText(SCI_GETPROPERTY, MessageAddress(key.c_str()));
}

std::string SciEditor::GetPropertyExpanded(const std::string& key) {
  return ReadPropertyText(SCI_GETPROPERTYEXPANDED, MessageAddress(key.c_str()));
}

std::string SciEditor::PropertyNames() { return ReadPropertyText(SCI_PROPERTYNAMES, 0); }

std::string SciEditor::DescribeProperty(const std::string& name) {
  return ReadPropertyText(SCI_DESCRIBEPROPERTY, MessageAddress(name.c_str()));
}

std::string SciEditor::ReadPropertyText(platform::UINT message, platform::WPARAM wParam) {
  constexpr std::size_t kLongest = 255;
  std::string text = ReadTextLengthFirst(message, wParam);
  if (text.size() > kLongest) text.resize(kLongest);
  return text;
}

// The caller's text is the buffer the component fills: the component writes into a buffer of the
// size it asks for, and the caller's text takes as much of the description as it has room for.
int SciEditor::DescribeKeywordSets(std::string& descriptions) {
  if (!HasComponent()) return 0;
  const platform::LRESULT length = SendToEditor(SCI_DESCRIBEKEYWORDSETS, 0, 0);
  descriptions = ReadTextOfLength(SCI_DESCRIBEKEYWORDSETS, 0, length).substr(0, descriptions.size());
  return static_cast<int>(length);
}

int SciEditor::SetStyleBits(int bits) {
  return static_cast<int>(DirectCall(SCI_SETSTYLEBITS, std::clamp(bits, 1, 7)));
}

// The component reads length styles: never more than the array holds.
int SciEditor::SetStylingEx(int length, const ByteSet& styles) {
  const int sent = std::clamp(length, 0, static_cast<int>(styles.size()));
  return static_cast<int>(SendToEditor(SCI_SETSTYLINGEX, sent, MessageAddress(styles.data())));
}

std::string SciEditor::StyleGetFont(int style) { return ReadTextLengthFirst(SCI_STYLEGETFONT, style); }

// In UTF-8 mode the caller's list is replaced by its UTF-8 form, which is what is sent.
int SciEditor::SetKeyWords(int keywordSet, std::string& keyWords) {
  if (Utf8Mode()) {
    const ByteSet converted = AnsiToUtf8(keyWords);
    keyWords = converted.c_str();
  }
  return static_cast<int>(SendToEditor(SCI_SETKEYWORDS, keywordSet, MessageAddress(keyWords.c_str())));
}
