#include "ide/editor_setup.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string_view>

#include "editor/code_page_conversion.h"
#include "editor/scintilla_messages.h"
#include "ide/app_globals.h"
#include "ide/colour_settings.h"
#include "ide/completion_index.h"
#include "ide/data_files.h"
#include "ide/editor_margins.h"
#include "ide/completion_list.h"
#include "ide/editing_commands.h"
#include "ide/editor_view_handlers.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/text_file.h"
#include "platform/ansi_text.h"
#include "platform/ini_file.h"

namespace {

using namespace scintilla;
using platform::RGB;

constexpr int kBlack = RGB(0, 0, 0);
constexpr int kWhite = RGB(255, 255, 255);
constexpr int kRed = RGB(255, 0, 0);
constexpr int kDarkRed = RGB(128, 0, 0);
constexpr int kBlue = RGB(0, 0, 255);
constexpr int kNavy = RGB(0, 0, 128);
constexpr int kYellow = RGB(255, 255, 0);
constexpr int kPaleYellow = RGB(255, 255, 225);

constexpr int kStyleBits = 3;
constexpr int kBothScrollBars = 3;
constexpr int kExtraLineSpacing = 3;  // pixels above and below each line
constexpr int kCaretBlinkMilliseconds = 500;
constexpr int kCaretWidth = 2;
constexpr int kDwellMilliseconds = 500;
constexpr int kTabWidth = 4;
constexpr int kBookmarkMarginWidth = 10;
constexpr int kLineNumberMarginWidth = 40;  // until the view's update sets it from the line count
constexpr const char* kLineNumberFont = "宋体";
constexpr int kLineNumberFontSize = 12;
// The keyword sets that the C lexer colours in code: keywords, functions and global classes,
// where the constants go.
constexpr int kKeywordSet = 0;
constexpr int kFunctionSet = 1;
constexpr int kConstantSet = 3;

// The row of a use; a style use is found by any of its styles. Every use the set-up asks for
// has its row.
const ColourSetting& SettingFor(EditorColour use, int style) {
  const auto settings = ColourSettings();
  const auto row = std::ranges::find_if(settings, [&](const ColourSetting& setting) {
    const std::initializer_list<int>& styles = setting.styles;
    return setting.use == use && (styles.size() == 0 || std::ranges::find(styles, style) != styles.end());
  });
  return row == settings.end() ? settings.front() : *row;
}

// The colour of the row, from the default.txt of its folder.
int ColourOf(const ColourSetting& setting) {
  return ReadIniInteger(kColourSection, setting.key, setting.missing, DefaultTxtPath(setting.folder));
}

int ColourFor(EditorColour use, int style = 0) { return ColourOf(SettingFor(use, style)); }

// Every style of the style's row takes the row's colour: all comments take the comment colour.
void SetForeFromSettings(int style) {
  const ColourSetting& setting = SettingFor(EditorColour::StyleFore, style);
  const int colour = ColourOf(setting);
  for (const int each : setting.styles) Editor->StyleSetFore(each, colour);
}

std::string WordList(const char* name) { return ReadTextFile(DataPath(data_file::WordListsRead, name)); }

// SetKeyWords replaces the text it is given with its UTF-8 form, so it gets a copy.
void SetKeyWordsFrom(int keywordSet, std::string words) { Editor->SetKeyWords(keywordSet, words); }

// The font, its size and the background reach every style the editor draws text in, the
// lexer's, its inactive ones and the substyles; the styles set after this differ from them. A
// missing name or size keeps the component's own: size 0 would make the code unreadably small.
void SetTextLook() {
  const std::string fontFile = DefaultTxtPath(DataRoot::Base);
  const std::string font = platform::GetPrivateProfileStringA(kColourSection, kFontFamilyKey, "", fontFile);
  const int size = ReadIniInteger(kColourSection, kFontSizeKey, "0", fontFile);
  if (!font.empty()) Editor->StyleSetFont(STYLE_DEFAULT, font);
  if (size > 0) Editor->StyleSetSize(STYLE_DEFAULT, size);
  Editor->StyleSetBack(STYLE_DEFAULT, ColourFor(EditorColour::StyleBack, STYLE_DEFAULT));
  Editor->StyleClearAll();
}

void SetLexerStyles() {
  SetForeFromSettings(SCE_C_COMMENT);
  Editor->StyleSetFore(SCE_C_NUMBER, kDarkRed);
  SetForeFromSettings(SCE_C_WORD);
  SetForeFromSettings(SCE_C_STRING);
  SetForeFromSettings(SCE_C_PREPROCESSOR);
  SetForeFromSettings(SCE_C_IDENTIFIER);
  Editor->StyleSetFore(STYLE_BRACELIGHT, kRed);
  Editor->StyleSetBack(STYLE_BRACELIGHT, kYellow);
  SetForeFromSettings(SCE_C_WORD2);
  SetForeFromSettings(SCE_C_GLOBALCLASS);
  Editor->StyleSetItalic(SCE_C_COMMENT, true);
}

// A word list, the keyword set that holds it and the style the C lexer gives its words.
struct ColouredWords {
  const std::string& words;
  int keywordSet;
  int style;
};

// The words whose first byte is not ASCII, each followed by a blank; a NUL ends the list, as it
// ends the keyword set.
std::string WordsBeyondAscii(const std::string& words) {
  std::string found;
  for (const std::string_view word : platform::AnsiSplit(words.c_str(), ' ')) {
    if (!word.empty() && static_cast<unsigned char>(word.front()) >= 0x80) found.append(word).append(" ");
  }
  return found;
}

// The lexer never finds a word whose first byte is not ASCII in a keyword set (it compares that
// byte as a signed char with an unsigned one), so those words also go to substyles of the
// identifier style, which it looks words up in whole; each takes the colour of its list's style. The last list
// goes first, so that a word in two lists takes the first one's colour, as in the keyword sets.
void ColourWordsBeyondAscii(std::span<const ColouredWords> lists) {
  const auto first = static_cast<int>(Editor->DirectCall(SCI_ALLOCATESUBSTYLES, SCE_C_IDENTIFIER, lists.size()));
  if (first < 0) return;
  for (std::size_t i = lists.size(); i-- > 0;) {
    const int substyle = first + static_cast<int>(i);
    Editor->StyleSetFore(substyle, Editor->StyleGetFore(lists[i].style));
    const ByteSet words = AnsiToUtf8(WordsBeyondAscii(lists[i].words));
    Editor->DirectCall(SCI_SETIDENTIFIERS, substyle, reinterpret_cast<platform::LPARAM>(words.c_str()));
  }
}

// Keywords, functions and constants in the keyword sets that the C lexer colours in code, in
// the order it looks them up.
void SetWordLists(std::initializer_list<ColouredWords> lists) {
  for (const ColouredWords& list : lists) SetKeyWordsFrom(list.keywordSet, list.words);
  ColourWordsBeyondAscii(lists);
}

void SetMargins() {
  Editor->SetMarginTypeN(kBookmarkMargin, SC_MARGIN_SYMBOL);
  Editor->SetMarginWidthN(kBookmarkMargin, kBookmarkMarginWidth);
  Editor->SetMarginMaskN(kBookmarkMargin, kBookmarkMask);
  Editor->SetMarginSensitiveN(kBookmarkMargin, true);
  Editor->MarkerDefine(kBookmarkMarker, SC_MARK_SMALLRECT);
  Editor->MarkerSetFore(kBookmarkMarker, kBlack);
  Editor->MarkerSetBack(kBookmarkMarker, kRed);
  Editor->SetMarginCursorN(kBookmarkMargin, SC_CURSORARROW);

  Editor->SetMarginTypeN(kLineNumberMargin, SC_MARGIN_NUMBER);
  Editor->SetMarginWidthN(kLineNumberMargin, kLineNumberMarginWidth);
  // The line-number margin takes marker 0 alone.
  Editor->SetMarginMaskN(kLineNumberMargin, 1);
  Editor->StyleSetFont(STYLE_LINENUMBER, kLineNumberFont);
  Editor->StyleSetSize(STYLE_LINENUMBER, kLineNumberFontSize);
  SetForeFromSettings(STYLE_LINENUMBER);
  Editor->StyleSetBack(STYLE_LINENUMBER, ColourFor(EditorColour::StyleBack, STYLE_LINENUMBER));
  Editor->SetMarginCursorN(kLineNumberMargin, SC_CURSORARROW);
}

void BindEventHandlers() {
  Editor->SetEventHandler(EditorEventUpdateUi, [](const EditorEventArgs&) { return OnEditorUpdateUi(); });
  Editor->SetEventHandler(EditorEventMarginClick, [](const EditorEventArgs& args) {
    return OnEditorMarginClick(static_cast<int>(args[0]), static_cast<int>(args[1]));
  });
  Editor->SetEventHandler(EditorEventLeftButtonUp, [](const EditorEventArgs&) { return OnEditorLeftButtonUp(); });
  Editor->SetEventHandler(EditorEventRightButtonUp, [](const EditorEventArgs&) { return OnEditorRightButtonUp(); });
  Editor->SetEventHandler(EditorEventChar,
                          [](const EditorEventArgs& args) { return OnEditorChar(static_cast<int>(args[0])); });
  Editor->SetEventHandler(EditorEventKeyDown, [](const EditorEventArgs& args) {
    return OnEditorKeyDown(static_cast<int>(args[0]), static_cast<int>(args[1]));
  });
  Editor->SetEventHandler(EditorEventDwell, [](const EditorEventArgs& args) {
    return OnEditorDwell(static_cast<int>(args[0]), static_cast<int>(args[1]), static_cast<int>(args[2]),
                         static_cast<int>(args[3]));
  });
  Editor->SetEventHandler(EditorEventKeyUp, [](const EditorEventArgs&) { return OnEditorKeyUp(); });
}

}  // namespace

void SetupEditor() {
  const std::string constants = WordList("Conest.txt");
  const std::string functions = WordList("Order.txt");
  const std::string keywords = WordList("key.txt");

  Editor->Create(MainWindow->Handle());
  Editor->Utf8Mode(true);
  Editor->SetStyleBits(kStyleBits);
  Editor->SetLexer(SCLEX_CPP);
  Editor->SetProperty("styling.within.preprocessor", "1");
  Editor->SetScrollBars(kBothScrollBars);
  SetTextLook();
  Editor->SetExtraSpacing(kExtraLineSpacing);
  Editor->SetCaretPeriod(kCaretBlinkMilliseconds);
  Editor->SetCaretWidth(kCaretWidth);
  Editor->CaretLineVisible(true);
  Editor->SetCaretLineBack(ColourFor(EditorColour::CaretLineBack));
  Editor->SetMouseDwellTime(kDwellMilliseconds);
  Editor->CallTipSetBack(kPaleYellow);
  Editor->CallTipSetFore(kBlack);
  Editor->CallTipSetForeHlt(kBlue);
  Editor->SetSelBack(kNavy);
  Editor->SetSelFore(kWhite);
  Editor->EmptyUndoBuffer();
  Editor->SetTabWidth(kTabWidth);
  SetLexerStyles();

  SetWordLists({{keywords, kKeywordSet, SCE_C_WORD},
                {functions, kFunctionSet, SCE_C_WORD2},
                {constants, kConstantSet, SCE_C_GLOBALCLASS}});
  SetMargins();
  BindEventHandlers();

  SetCompletionIndex(BuildCompletionIndex({keywords, functions, constants, WordList("h.txt")}));
}
