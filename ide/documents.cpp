#include "ide/documents.h"

#include <cstdio>
#include <string_view>

#include "framework/common_dialog.h"
#include "framework/message_box.h"
#include "framework/status_bar.h"
#include "ide/app_globals.h"
#include "ide/lacking_characters.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/recent_files.h"
#include "ide/text_file.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/window.h"

namespace {

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

// A name the user chose in the Save dialog; an existing file is replaced only when the user
// says so. The empty text when the user cancelled or kept the file.
std::string ChooseFileToSave() {
  const std::string path = ChooseFile(framework::CommonDialog::Save);
  if (path.empty() || !platform::PathExists(path)) return path;
  const int answer = framework::MessageBox("“" + path + "”已存在。\r\n要替换它吗？", "Tavo询问",
                                           framework::MB_YESNO | framework::MB_ICONWARNING, MainWindow);
  return answer == framework::IDYES ? path : std::string();
}


// Every save writes the text and one CR LF, whatever the text ends with. The file is replaced
// in one step, so a failing write never destroys the copy on disk.
bool WriteEditorText(const std::string& path) {
  return platform::ReplaceFileContents(path, Editor->GetTextRange(0, Editor->GetLength()) + "\r\n");
}

void ClearDocument() {
  Editor->ClearAll();
  Editor->EmptyUndoBuffer();
  CurrentFilePath.clear();
  ShowDocumentPath(kUntitledDocumentPart);
  IsSaved = 0;
}

void StartTemplateDocument() {
  ClearDocument();
  PutTemplateIntoEditor();
}

bool SaveToCurrentFile() {
  if (WriteEditorText(CurrentFilePath)) {
    IsSaved = 1;
    return true;
  }
  IsSaved = 0;
  framework::MessageBox(kSaveFailed, std::string(), framework::MB_ICONERROR);
  return false;
}

bool SaveUntitledDocument() {
  const std::string path = ChooseFileToSave();
  if (path.empty()) return false;
  if (!WriteEditorText(path)) {
    IsSaved = 0;
    return false;
  }
  IsSaved = 1;
  CurrentFilePath = path;
  return true;
}

}  // namespace

UnsavedTextOutcome AskToSaveUnsavedText() {
  if (IsDocumentSaved() || Editor->GetLength() == 0 || !AskToSave()) return UnsavedTextOutcome::NothingSaved;
  if (SaveDocument()) return UnsavedTextOutcome::Saved;
  ShowSaveBeforeReplacingFailed();
  return UnsavedTextOutcome::SaveFailed;
}

bool IsDocumentSaved() { return IsSaved == 1; }

void MarkDocumentChanged() { IsSaved = 0; }

bool NewDocument() {
  switch (AskToSaveUnsavedText()) {
    case UnsavedTextOutcome::NothingSaved: StartTemplateDocument(); return true;
    // Saved on request: the editor is left empty, without the template.
    case UnsavedTextOutcome::Saved: ClearDocument(); return true;
    case UnsavedTextOutcome::SaveFailed: return false;
  }
  return false;
}

bool SaveDocument() {
  if (IsDocumentSaved()) return true;
  if (!AcceptCharactersTheCodePageLacks()) return false;
  const bool saved = CurrentFilePath.empty() ? SaveUntitledDocument() : SaveToCurrentFile();
  ShowDocumentPath(CurrentFilePath);
  return saved;
}

void SaveDocumentAs() {
  if (!AcceptCharactersTheCodePageLacks()) return;
  const std::string path = ChooseFileToSave();
  if (path.empty()) return;
  if (!WriteEditorText(path)) {
    framework::MessageBox(kSaveFailed);
    return;
  }
  CurrentFilePath = path;
  AppendRecentFile(RecentFileIn(BaseDir), path);
  ShowDocumentPath(CurrentFilePath);
}

void OpenDocument() {
  const std::string path = ChooseFile(framework::CommonDialog::Open);
  if (path.empty()) return;
  Editor->ClearAll();
  LoadFileAsDocument(path);
  AppendRecentFile(RecentFileIn(BaseDir), path);
}

void OpenAfterAskingToSave() {
  if (AskToSaveUnsavedText() != UnsavedTextOutcome::SaveFailed) OpenDocument();
}

void OnMainWindowDropTargetTextDropped(const std::string& text) {
  if (!NewDocument()) return;
  PutDocumentTextIntoEditor(text);
  IsSaved = 0;
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
  bool cutAtNul = false;
  const std::string text = ReadTextFile(path, &cutAtNul);
  PutDocumentTextIntoEditor(text);
  IsSaved = 1;
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
