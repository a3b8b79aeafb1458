#include "ide/settings_window.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/colour_picker.h"
#include "framework/combo_box.h"
#include "framework/common_dialog.h"
#include "framework/edit_box.h"
#include "framework/list_view.h"
#include "framework/message_box.h"
#include "ide/colour_settings.h"
#include "ide/data_files.h"
#include "ide/ini_values.h"
#include "ide/lacking_characters.h"
#include "ide/settings_window_definition.h"
#include "ide/tips_txt.h"
#include "ide/text_file.h"
#include "platform/ansi_text.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

framework::Form* SettingsWindow = nullptr;

namespace {

// Set when the user chooses an item of the type box, cleared when a row is shown: 修改 retypes a
// row only to a type chosen for it.
bool SettingsTypeChosen = false;

// The three word lists by type text, as the list shows them, with the files they are read
// from and written to (one file each: names match without regard to case).
struct WordListFile {
  const char* type;
  const char* readName;
  const char* writtenName;
};

constexpr const char* kFunctionType = "函数";
constexpr const char* kKeywordType = "关键字";
constexpr const char* kConstantType = "常量";

// In the order the list is filled.
const WordListFile kWordListFiles[] = {
    {kFunctionType, "Order.txt", "Order.txt"},
    {kKeywordType, "key.txt", "Key.txt"},
    {kConstantType, "Conest.txt", "conest.txt"},
};

// The list of a row's type: "函数", "关键字", or for any other type "常量" (the last).
std::size_t ListOfType(const std::string& type) {
  for (std::size_t i = 0; i < std::size(kWordListFiles); ++i) {
    if (type == kWordListFiles[i].type) return i;
  }
  return std::size(kWordListFiles) - 1;
}

std::string SyntaxFile(const char* name) { return DataPath(data_file::WordListsEdited, name); }
std::string TipsFile() { return DataPath(data_file::TipsTxt); }
std::string DefaultTxt() { return DefaultTxtPath(DataRoot::Program); }

framework::ListView* WordList() { return SettingsWindow->Find<framework::ListView>(kWordList); }
framework::EditBox* Box(const char* name) { return SettingsWindow->Find<framework::EditBox>(name); }
framework::ColourPicker* Picker(const char* name) { return SettingsWindow->Find<framework::ColourPicker>(name); }

// Item 0 of the type box is "关键字" and item 1 "命令", which stands for "函数"; any other
// item or none is "常量".
const char* TypeOfSelection() {
  switch (SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->Selection()) {
    case 0:
      return kKeywordType;
    case 1:
      return kFunctionType;
    default:
      return kConstantType;
  }
}

void Refuse(const std::string& message) {
  framework::MessageBox(message, "", framework::MB_OK | framework::MB_ICONWARNING, SettingsWindow);
}

// A character the code page lacks would reach the list file or Tips.txt as "?" for good.
bool RefusedForLackingCharacter(const char* box, const char* what) {
  const auto lacking = platform::FirstCharacterCodePageLacks(Box(box)->Utf8Text());
  if (!lacking) return false;
  Refuse(std::string(what) + "中不能有系统编码无法表示的字符 " + CodePointName(lacking->codePoint));
  return true;
}

// What the boxes hold, unless it cannot be kept as it stands: a word with a blank would come
// back from its list file as two words, neither with its tip.
bool RefusedEntry(const std::string& word) {
  if (word.find(' ') != std::string::npos) {
    Refuse("词语中不能有空格");
    return true;
  }
  return RefusedForLackingCharacter(kWordBox, "词语") || RefusedForLackingCharacter(kTipBox, "解释");
}

void SetRow(int row, const std::string& word, const std::string& tip, const std::string& type) {
  framework::ListView* list = WordList();
  list->SetCell(row, kTypeColumn, type);
  list->SetCell(row, kTipColumn, tip);
  list->SetCell(row, kWordColumn, word);
}

void LoadColourPickers() {
  std::vector<const ColourSetting*> settings;
  for (const ColourSetting& setting : ColourSettings()) settings.push_back(&setting);
  std::ranges::sort(settings, {}, &ColourSetting::loadPosition);
  for (const ColourSetting* setting : settings) {
    Picker(setting->picker)->SetColour(ReadIniInteger(kColourSection, setting->key, "", DefaultTxt()));
  }
}

// The pickers' handlers differ only in their row, which names the handler. Writes only the key
// of the picker that changed.
void WriteColourOf(void (*handler)()) {
  for (const ColourSetting& setting : ColourSettings()) {
    if (setting.onChanged != handler) continue;
    const int colour = Picker(setting.picker)->Colour();
    platform::WritePrivateProfileStringA(kColourSection, setting.key, std::to_string(colour), DefaultTxt());
  }
}

void BindButton(const char* name, void (*handler)()) {
  SettingsWindow->Find<framework::Button>(name)->OnClick = handler;
}

}  // namespace

// One window at a time: opening it again brings the open one forward with its unsaved list.
void LoadSettingsWindow() {
  if (SettingsWindow != nullptr) {
    SettingsWindow->BringToFront();
    return;
  }
  if (framework::Form::CreateHeld(SettingsWindow, SettingsWindowDefinition()) == nullptr) return;
  SettingsWindow->OnCreated = OnSettingsWindowCreated;
  BindButton(kAddWordButton, OnSettingsWindowAddButtonClick);
  BindButton(kModifyWordButton, OnSettingsWindowModifyButtonClick);
  BindButton(kDeleteWordButton, OnSettingsWindowDeleteButtonClick);
  BindButton(kSaveWordsButton, OnSettingsWindowSaveButtonClick);
  BindButton(kFontButton, OnSettingsWindowFontButtonClick);
  framework::ListView* list = WordList();
  list->OnCurrentRowChanged = [](int) { OnSettingsWindowWordListItemChanged(); };
  list->OnClick = [](int) { OnSettingsWindowWordListClick(); };
  Box(kTipBox)->OnChange = OnSettingsWindowTipEditChanged;
  SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->OnSelectionChanged = [](int) { SettingsTypeChosen = true; };
  for (const ColourSetting& setting : ColourSettings()) Picker(setting.picker)->OnColourChanged = setting.onChanged;
  SettingsWindow->Load();
}

void FillSyntaxWordList() {
  framework::ListView* list = WordList();
  list->Clear();
  // Read whole, so that saving gives back every byte of a long tip.
  const platform::ProfileFile tips(TipsFile());
  for (const WordListFile& file : kWordListFiles) {
    const std::string text = ReadTextFile(SyntaxFile(file.readName));
    for (const std::string_view word : platform::AnsiSplit(text, ' ')) {
      const std::string name(word);
      list->AddRow({name, tips.Read(name, kTipKey, "", std::string::npos), file.type});
    }
  }
}

// The type box starts on "关键字".
void OnSettingsWindowCreated() {
  FillSyntaxWordList();
  LoadColourPickers();
  SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->SetSelection(0);
  SettingsTypeChosen = false;
}

void OnSettingsWindowAddButtonClick() {
  const std::string word = Box(kWordBox)->Text();
  if (RefusedEntry(word)) return;
  const int row = WordList()->AddRow({});
  SetRow(row, word, Box(kTipBox)->Text(), TypeOfSelection());
}

void OnSettingsWindowModifyButtonClick() {
  framework::ListView* list = WordList();
  const int row = list->SelectedRow();
  if (row < 0) return;
  const std::string word = Box(kWordBox)->Text();
  if (RefusedEntry(word)) return;
  SetRow(row, word, Box(kTipBox)->Text(), SettingsTypeChosen ? TypeOfSelection() : list->Cell(row, kTypeColumn));
  framework::MessageBox("ok", "", framework::MB_OK, SettingsWindow);
}

// The word's tip stays in Tips.txt.
void OnSettingsWindowDeleteButtonClick() {
  framework::ListView* list = WordList();
  const int row = list->SelectedRow();
  if (row >= 0) list->DeleteRow(row);
}

// Each list is written whole through the atomic replace, so a failed write leaves the old
// list as it was; the tips go to Tips.txt in one write. Failures are not reported.
void OnSettingsWindowSaveButtonClick() {
  std::string words[std::size(kWordListFiles)];
  std::vector<platform::ProfileSetting> tips;
  framework::ListView* list = WordList();
  for (int row = 0; row < list->RowCount(); ++row) {
    const std::string word = list->Cell(row, kWordColumn);
    words[ListOfType(list->Cell(row, kTypeColumn))] += word + " ";
    tips.push_back({word, kTipKey, list->Cell(row, kTipColumn)});
  }
  platform::WritePrivateProfileStrings(tips, TipsFile());
  for (std::size_t i = 0; i < std::size(kWordListFiles); ++i) {
    platform::ReplaceFileContents(SyntaxFile(kWordListFiles[i].writtenName), words[i]);
  }
}

// Only the face name and the size are kept; a cancelled dialog writes nothing.
void OnSettingsWindowFontButtonClick() {
  auto* dialog = SettingsWindow->Find<framework::CommonDialog>(kFontDialog);
  if (!dialog->Show()) return;
  const framework::FontChoice& font = dialog->ChosenFont();
  platform::WritePrivateProfileStringA(kColourSection, kFontFamilyKey, font.faceName, DefaultTxt());
  platform::WritePrivateProfileStringA(kColourSection, kFontSizeKey, std::to_string(font.pointSize), DefaultTxt());
}

// The row is the focused one, which a click makes current before it selects it.
void OnSettingsWindowWordListItemChanged() {
  framework::ListView* list = WordList();
  const int row = list->CurrentRow();
  if (row < 0) return;
  SettingsTypeChosen = false;
  Box(kWordBox)->SetText(list->Cell(row, kWordColumn));
  Box(kTipBox)->SetText(list->Cell(row, kTipColumn));
}

void OnSettingsWindowWordListClick() {}

void OnSettingsWindowTipEditChanged() {}

void OnSettingsWindowPreprocessorColourChanged() { WriteColourOf(OnSettingsWindowPreprocessorColourChanged); }
void OnSettingsWindowFunctionColourChanged() { WriteColourOf(OnSettingsWindowFunctionColourChanged); }
void OnSettingsWindowCommentColourChanged() { WriteColourOf(OnSettingsWindowCommentColourChanged); }
void OnSettingsWindowConstantColourChanged() { WriteColourOf(OnSettingsWindowConstantColourChanged); }
void OnSettingsWindowStringColourChanged() { WriteColourOf(OnSettingsWindowStringColourChanged); }
void OnSettingsWindowCaretLineColourChanged() { WriteColourOf(OnSettingsWindowCaretLineColourChanged); }
void OnSettingsWindowBackgroundColourChanged() { WriteColourOf(OnSettingsWindowBackgroundColourChanged); }
void OnSettingsWindowKeywordColourChanged() { WriteColourOf(OnSettingsWindowKeywordColourChanged); }
void OnSettingsWindowVariableColourChanged() { WriteColourOf(OnSettingsWindowVariableColourChanged); }
void OnSettingsWindowLineNumberColourChanged() { WriteColourOf(OnSettingsWindowLineNumberColourChanged); }
void OnSettingsWindowLineNumberMarginColourChanged() { WriteColourOf(OnSettingsWindowLineNumberMarginColourChanged); }

void ResetSettingsWindowState() { SettingsTypeChosen = false; }
