#include "ide/editor_setup.h"

#include "ide/app_globals.h"
#include "ide/completion_index.h"
#include "ide/completion_list.h"
#include "ide/editing_commands.h"
#include "ide/editor_view_handlers.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/program_dir.h"
#include "ide/text_file.h"
#include "platform/ini_file.h"

namespace {

constexpr int kStyleDefault = 32;
constexpr int kStyleLineNumber = 33;
constexpr int kStyleBraceLight = 34;
constexpr int kLexerC = 3;
constexpr int kMarkerSmallRect = 3;
constexpr int kCursorArrow = 2;

// The font and some colours come from BaseDir's default.txt, the other colours from
// ProgramDir's; both are the same file at an ordinary start.
int BaseDirNumber(const char* key, const char* missing) {
  return ReadIniInteger("配色", key, missing, BaseDir + "/default.txt");
}

int ProgramDirNumber(const char* key, const char* missing) {
  return ReadIniInteger("配色", key, missing, ProgramDir() + "/default.txt");
}

std::string WordList(const char* name) { return ReadTextFile(BaseDir + "/Syntax/" + name); }

// SetKeyWords replaces the text it is given with its UTF-8 form, so it gets a copy.
void SetKeyWordsFrom(int keywordSet, std::string words) { Editor->SetKeyWords(keywordSet, words); }

void SetLexerStyles() {
  Editor->StyleSetFore(1, ProgramDirNumber("注释颜色", "65280"));
  Editor->StyleSetFore(4, 128);
  Editor->StyleSetFore(5, ProgramDirNumber("关键字颜色", "16711680"));
  Editor->StyleSetFore(6, ProgramDirNumber("字符串颜色", "8421376"));
  Editor->StyleSetFore(9, ProgramDirNumber("预处理颜色", "32896"));
  Editor->StyleSetFore(11, 128);
  Editor->StyleSetFore(kStyleBraceLight, 255);
  Editor->StyleSetBack(kStyleBraceLight, 65535);
  Editor->StyleSetFore(16, ProgramDirNumber("函数颜色", "255"));
  Editor->StyleSetItalic(1, true);
}

void SetMargins() {
  Editor->SetMarginTypeN(0, 0);
  Editor->SetMarginWidthN(0, 10);
  Editor->SetMarginMaskN(0, kBookmarkMask);
  Editor->SetMarginSensitiveN(0, true);
  Editor->MarkerDefine(kBookmarkMarker, kMarkerSmallRect);
  Editor->MarkerSetFore(kBookmarkMarker, 0);
  Editor->MarkerSetBack(kBookmarkMarker, 255);
  Editor->SetMarginCursorN(0, kCursorArrow);

  Editor->SetMarginTypeN(1, 1);
  Editor->SetMarginWidthN(1, 40);
  Editor->SetMarginMaskN(1, 1);
  Editor->StyleSetFont(kStyleLineNumber, "宋体");
  Editor->StyleSetSize(kStyleLineNumber, 12);
  Editor->StyleSetFore(kStyleLineNumber, BaseDirNumber("行号颜色", "0"));
  Editor->StyleSetBack(kStyleLineNumber, BaseDirNumber("行号栏颜色", "16711680"));
  Editor->SetMarginCursorN(1, kCursorArrow);
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
  const int whitespaceBack = BaseDirNumber("背景颜色", "0");

  Editor->Create(MainWindow->Handle());
  Editor->Utf8Mode(true);
  Editor->SetStyleBits(3);
  Editor->SetLexer(kLexerC);
  Editor->SetProperty("styling.within.preprocessor", "1");
  Editor->SetScrollBars(3);
  Editor->StyleSetFont(kStyleDefault,
                       platform::GetPrivateProfileStringA("配色", "font-family", "", BaseDir + "/default.txt"));
  Editor->StyleSetSize(kStyleDefault, BaseDirNumber("font-size", "0"));
  Editor->SetExtraSpacing(3);
  Editor->SetCaretPeriod(500);
  Editor->SetCaretWidth(2);
  Editor->CaretLineVisible(true);
  Editor->SetWhitespaceBack(whitespaceBack, false);
  Editor->SetCaretLineBack(BaseDirNumber("选中行颜色", "16777111"));
  Editor->SetMouseDwellTime(500);
  Editor->CallTipSetBack(14811135);
  Editor->CallTipSetFore(0);
  Editor->CallTipSetForeHlt(16711680);
  Editor->SetSelBack(8388608);
  Editor->SetSelFore(16777215);
  Editor->EmptyUndoBuffer();
  Editor->SetTabWidth(4);
  SetLexerStyles();

  SetKeyWordsFrom(0, functions);
  SetKeyWordsFrom(1, keywords);
  SetKeyWordsFrom(2, constants.empty() ? "A" : constants);
  SetMargins();
  BindEventHandlers();

  CompletionIndex = BuildCompletionIndex(keywords + functions + constants + WordList("h.txt"));
}
