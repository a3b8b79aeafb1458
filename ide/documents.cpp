#include "ide/documents.h"

#include <optional>
#include <string>

#include "editor/scintilla_messages.h"
#include "framework/common_dialog.h"
#include "framework/message_box.h"
#include "framework/status_bar.h"
#include "ide/app_globals.h"
#include "ide/lacking_characters.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/recent_files.h"
#include "ide/saved_text.h"
#include "ide/text_file.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/window.h"

namespace {

// The document's file as it was on disk when it was last loaded or saved here: a save asks
// before it replaces a file that another program has changed since.
struct DocumentFileState {
  std::string Path;
  // Nothing when the file was missing.
  std::optional<platform::FileStamp> Stamp;
};

DocumentFileState DocumentFile;

constexpr const char* kSaveFailed = "保存失败";

// The file dialog's name survives a cancel, so it is emptied first: the empty text afterwards
// means the user cancelled.
std::string ChooseFile(framework::CommonDialog::Kind kind) {
  auto* dialog = MainWindow->Find<framework::CommonDialog>(kFileDialog);
  dialog->SetDialogKind(kind);
  dialog->SetFileName(std::string());
  dialog->Show();
  return dialog->FileName();
}

bool AskToReplace(const std::string& question) {
  return framework::MessageBox(question, "Tavo询问", framework::MB_YESNO | framework::MB_ICONWARNING, MainWindow) ==
         framework::IDYES;
}

// A file chosen in the Save dialog that exists is replaced only when the user says so.
bool MayWriteChosenFile(const std::string& path) {
  return !platform::PathExists(path) || AskToReplace("“" + path + "”已存在。\r\n要替换它吗？");
}

// The file as it is on disk now, as the document's: what its next save compares with.
void RememberDocumentFile(const std::string& path) { DocumentFile = {path, platform::StampOf(path)}; }

// Another program has written the file (or made it, where there was none) since it was loaded or
// saved here. A file that has gone since is not asked about: writing it anew loses nothing.
bool ChangedOnDisk(const std::string& path) {
  const std::optional<platform::FileStamp> now = platform::StampOf(path);
  return now && now != (DocumentFile.Path == path ? DocumentFile.Stamp : std::nullopt);
}

// The file is replaced in one step, so a failing write never destroys the copy on disk.
bool WriteEditorText(const std::string& path) {
  if (!platform::ReplaceFileContents(path, EditorTextToSave())) return false;
  RememberDocumentFile(path);
  return true;
}

void ClearDocument() {
  Editor->ClearAll();
  Editor->EmptyUndoBuffer();
  CurrentFilePath.clear();
  ShowDocumentPath(kUntitledDocumentPart);
  MarkDocumentChanged();
}

void StartTemplateDocument() {
  ClearDocument();
  PutTemplateIntoEditor();
}

SaveResult SaveToCurrentFile() {
  if (ChangedOnDisk(CurrentFilePath) &&
      !AskToReplace("“" + CurrentFilePath + "”在Tavo打开或保存之后已被其他程序修改。\r\n要用当前内容替换它吗？")) {
    return SaveResult::Declined;
  }
  if (WriteEditorText(CurrentFilePath)) {
    MarkDocumentSaved();
    return SaveResult::Saved;
  }
  MarkDocumentChanged();
  framework::MessageBox(kSaveFailed, std::string(), framework::MB_ICONERROR);
  return SaveResult::Failed;
}

SaveResult SaveUntitledDocument() {
  const std::string path = ChooseFile(framework::CommonDialog::Save);
  if (path.empty()) return SaveResult::Failed;
  if (!MayWriteChosenFile(path)) return SaveResult::Declined;
  if (!WriteEditorText(path)) {
    MarkDocumentChanged();
    return SaveResult::Failed;
  }
  MarkDocumentSaved();
  CurrentFilePath = path;
  return SaveResult::Saved;
}

}  // namespace

UnsavedTextOutcome AskToSaveUnsavedText() {
  if (IsDocumentSaved() || Editor->GetLength() == 0 || !AskToSave()) return UnsavedTextOutcome::NothingSaved;
  switch (SaveDocument()) {
    case SaveResult::Saved: return UnsavedTextOutcome::Saved;
    case SaveResult::Declined: return UnsavedTextOutcome::SaveDeclined;
    case SaveResult::Failed: break;
  }
  ShowSaveBeforeReplacingFailed();
  return UnsavedTextOutcome::SaveFailed;
}

bool IsDocumentSaved() { return IsSaved == 1; }

// The component hands every changed text to a modification handler, converted: 10 MB for a big
// file put in. Only the first change after a load or save tells anything, so the handler is
// bound only while the document is saved.
void MarkDocumentSaved() {
  IsSaved = 1;
  Editor->SetEventHandler(EditorEventModified,
                          [](const EditorEventArgs& args) { return OnEditorModified(static_cast<int>(args[1])); });
}

void MarkDocumentChanged() {
  IsSaved = 0;
  Editor->SetEventHandler(EditorEventModified, nullptr);
}

int OnEditorModified(int modificationType) {
  if (modificationType & (scintilla::SC_MOD_INSERTTEXT | scintilla::SC_MOD_DELETETEXT)) MarkDocumentChanged();
  return 0;
}

bool NewDocument() {
  switch (AskToSaveUnsavedText()) {
    case UnsavedTextOutcome::NothingSaved: StartTemplateDocument(); return true;
    // Saved on request: the editor is left empty, without the template.
    case UnsavedTextOutcome::Saved: ClearDocument(); return true;
    case UnsavedTextOutcome::SaveDeclined:
    case UnsavedTextOutcome::SaveFailed: return false;
  }
  return false;
}

SaveResult SaveDocument() {
  if (IsDocumentSaved()) return SaveResult::Saved;
  if (!AcceptCharactersTheCodePageLacks()) return SaveResult::Declined;
  const SaveResult saved = CurrentFilePath.empty() ? SaveUntitledDocument() : SaveToCurrentFile();
  ShowDocumentPath(CurrentFilePath);
  return saved;
}

void SaveDocumentAs() {
  if (!AcceptCharactersTheCodePageLacks()) return;
  const std::string path = ChooseFile(framework::CommonDialog::Save);
  if (path.empty() || !MayWriteChosenFile(path)) return;
  if (!WriteEditorText(path)) {
    framework::MessageBox(kSaveFailed);
    return;
  }
  CurrentFilePath = path;
  AddRecentFile(path);
  ShowDocumentPath(CurrentFilePath);
}

void OpenDocument() {
  const std::string path = ChooseFile(framework::CommonDialog::Open);
  if (path.empty()) return;
  Editor->ClearAll();
  LoadFileAsDocument(path);
  AddRecentFile(path);
}

void OpenAfterAskingToSave() {
  const UnsavedTextOutcome asked = AskToSaveUnsavedText();
  if (asked == UnsavedTextOutcome::NothingSaved || asked == UnsavedTextOutcome::Saved) OpenDocument();
}

void OnMainWindowDropTargetTextDropped(const std::string& text) {
  if (!NewDocument()) return;
  PutDocumentTextIntoEditor(text);
  MarkDocumentChanged();
  CurrentFilePath.clear();
  ShowDocumentPath(kUntitledDocumentPart);
}

void OnMainWindowDropTargetFileDropped(const std::string& path) {
  if (!NewDocument()) return;
  LoadFileAsDocument(path);
}

void PutDocumentTextIntoEditor(const std::string& text) {
  Editor->SetText(text);
  Editor->EmptyUndoBuffer();
  GiveTheEditorTheKeyboard();
}

void GiveTheEditorTheKeyboard() { platform::SetFocus(Editor->GetEditorHandle()); }

void PutTemplateIntoEditor() {
  PutDocumentTextIntoEditor(kNewDocumentTemplate);
  Editor->GotoLine(kNewDocumentCaretLine);
}

void LoadFileAsDocument(const std::string& path) {
  // Taken before the read: a change made in between is asked about rather than missed.
  RememberDocumentFile(path);
  bool cutAtNul = false;
  const std::string text = ReadTextFile(path, &cutAtNul);
  PutDocumentTextIntoEditor(text);
  MarkDocumentSaved();
  CurrentFilePath = path;
  ShowDocumentPath(CurrentFilePath);
  // The editor holds the text converted, so a save would write other bytes than the file has;
  // until then the file stays as it is.
  if (!platform::SurvivesCodePage(text)) {
    framework::MessageBox("此文件中有系统编码无法表示的字节，保存时这些字节将被替换。", std::string(),
                          framework::MB_ICONWARNING, MainWindow);
  }
  // A save would write back only the text before the NUL.
  if (cutAtNul) {
    framework::MessageBox("此文件中有空字符（NUL），只载入了它之前的内容；保存时其后的内容将丢失。", std::string(),
                          framework::MB_ICONWARNING, MainWindow);
  }
}

void ShowDocumentPath(const std::string& text) {
  MainWindow->Find<framework::StatusBar>(kMainStatusBar)->SetPartText(kDocumentPathPart, text);
}

bool AskToSave() {
  return framework::MessageBox("您的当前内容需要保存吗？", "Tavo询问", framework::MB_YESNO, MainWindow) ==
         framework::IDYES;
}

void ShowSaveBeforeReplacingFailed() {
  framework::MessageBox("保存失败，请手动保存，以免保持代码丢失", std::string(), framework::MB_ICONERROR);
}

void ResetDocumentFile() { DocumentFile = {}; }
