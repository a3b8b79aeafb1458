#include "ide/editor_setup.h"

#include <algorithm>

#include "editor/scintilla_messages.h"
#include "ide/app_globals.h"
#include "ide/colour_settings.h"
#include "ide/completion_index.h"
#include "ide/editor_margins.h"
#include "ide/completion_list.h"
#include "ide/documents.h"
#include "ide/editing_commands.h"
#include "ide/editor_view_handlers.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/text_file.h"
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

// The colour the editor takes for a use, from the default.txt of the key's folder. Every use the
// set-up asks for has its row.
int ColourFor(EditorColour use, int style = 0) {
  const auto settings = ColourSettings();
  const auto row = std::ranges::find_if(
      settings, [&](const ColourSetting& setting) { return setting.use == use && setting.style == style; });
  const ColourSetting& setting = row == settings.end() ? settings.front() : *row;
  return ReadIniInteger(kColourSection, setting.key, setting.missing, DefaultTxtPath(setting.folder));
}

void SetForeFromSettings(int style) { Editor->StyleSetFore(style, ColourFor(EditorColour::StyleFore, style)); }

std::string WordList(const char* name) { return ReadTextFile(BaseDir + "/Syntax/" + name); }

// SetKeyWords replaces the text it is given with its UTF-8 form, so it gets a copy.
void SetKeyWordsFrom(int keywordSet, std::string words) { Editor->SetKeyWords(keywordSet, words); }

void SetLexerStyles() {
  SetForeFromSettings(SCE_C_COMMENT);
  Editor->StyleSetFore(SCE_C_NUMBER, kDarkRed);
  SetForeFromSettings(SCE_C_WORD);
  SetForeFromSettings(SCE_C_STRING);
  SetForeFromSettings(SCE_C_PREPROCESSOR);
  Editor->StyleSetFore(SCE_C_IDENTIFIER, kDarkRed);
  Editor->StyleSetFore(STYLE_BRACELIGHT, kRed);
  Editor->StyleSetBack(STYLE_BRACELIGHT, kYellow);
  SetForeFromSettings(SCE_C_WORD2);
  Editor->StyleSetItalic(SCE_C_COMMENT, true);
}

void SetMargins() {
  Editor->SetMarginTypeN(kBookmarkMargin, SC_MARGIN_SYMBOL);
  Editor->SetMarginWidthN(kBookmarkMargin, 10);
  Editor->SetMarginMaskN(kBookmarkMargin, kBookmarkMask);
  Editor->SetMarginSensitiveN(kBookmarkMargin, true);
  Editor->MarkerDefine(kBookmarkMarker, SC_MARK_SMALLRECT);
  Editor->MarkerSetFore(kBookmarkMarker, kBlack);
  Editor->MarkerSetBack(kBookmarkMarker, kRed);
  Editor->SetMarginCursorN(kBookmarkMargin, SC_CURSORARROW);

  Editor->SetMarginTypeN(kLineNumberMargin, SC_MARGIN_NUMBER);
  Editor->SetMarginWidthN(kLineNumberMargin, 40);
  // The line-number margin takes marker 0 alone.
  Editor->SetMarginMaskN(kLineNumberMargin, 1);
  Editor->StyleSetFont(STYLE_LINENUMBER, "宋体");
  Editor->StyleSetSize(STYLE_LINENUMBER, 12);
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
  Editor->SetEventHandler(EditorEventModified,
                          [](const EditorEventArgs& args) { return OnEditorModified(static_cast<int>(args[1])); });
}

}  // namespace

void SetupEditor() {
  const std::string constants = WordList("Conest.txt");
  const std::string functions = WordList("Order.txt");
  const std::string keywords = WordList("key.txt");
  const int whitespaceBack = ColourFor(EditorColour::WhitespaceBack);

  Editor->Create(MainWindow->Handle());
  Editor->Utf8Mode(true);
  Editor->SetStyleBits(3);
  Editor->SetLexer(SCLEX_CPP);
  Editor->SetProperty("styling.within.preprocessor", "1");
  Editor->SetScrollBars(3);
  const std::string fontFile = DefaultTxtPath(SettingsFolder::Base);
  Editor->StyleSetFont(STYLE_DEFAULT,
                       platform::GetPrivateProfileStringA(kColourSection, kFontFamilyKey, "", fontFile));
  Editor->StyleSetSize(STYLE_DEFAULT, ReadIniInteger(kColourSection, kFontSizeKey, "0", fontFile));
  Editor->SetExtraSpacing(3);
  Editor->SetCaretPeriod(500);
  Editor->SetCaretWidth(2);
  Editor->CaretLineVisible(true);
  Editor->SetWhitespaceBack(whitespaceBack, false);
  Editor->SetCaretLineBack(ColourFor(EditorColour::CaretLineBack));
  Editor->SetMouseDwellTime(500);
  Editor->CallTipSetBack(kPaleYellow);
  Editor->CallTipSetFore(kBlack);
  Editor->CallTipSetForeHlt(kBlue);
  Editor->SetSelBack(kNavy);
  Editor->SetSelFore(kWhite);
  Editor->EmptyUndoBuffer();
  Editor->SetTabWidth(4);
  SetLexerStyles();

  SetKeyWordsFrom(0, functions);
  SetKeyWordsFrom(1, keywords);
  SetKeyWordsFrom(2, constants.empty() ? "A" : constants);
  SetMargins();
  BindEventHandlers();

  SetCompletionIndex(BuildCompletionIndex({keywords, functions, constants, WordList("h.txt")}));
}
