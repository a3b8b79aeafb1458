// The one document: the editor's text, the file it belongs to (CurrentFilePath) and whether it
// is saved (IsSaved). New, open, save, save as, and the drops onto the main window.
#pragma once

#include <string>

// Six lines of C with the caret's place, line 4, holding "return 0;".
inline constexpr const char* kNewDocumentTemplate =
    "#include<stdio.h>\r\nint main()\r\n   {\r\n\t\t\r\n   \t\treturn 0;\r\n   }";
inline constexpr int kNewDocumentCaretLine = 4;
// Status-bar part 6 of an untitled document.
inline constexpr const char* kUntitledDocumentPart = "暂未保存";

// What a save came to.
enum class SaveResult {
  // Written, or nothing needed writing.
  Saved,
  // The user chose to keep what is on disk (No to replacing a file) or not to write characters
  // the code page lacks: nothing failed, and nothing was written.
  Declined,
  // No file was chosen in the Save dialog, or the write failed.
  Failed,
};

// What asking to save unsaved text came to: nothing saved (the text was saved already, empty,
// or the user answered No), saved, the save declined as above (the document stays as it is, and
// nothing more is said), or the save the user chose failed (its message shown).
enum class UnsavedTextOutcome { NothingSaved, Saved, SaveDeclined, SaveFailed };

// The one rule for unsaved text: when the document is not saved and the editor holds text,
// asks "您的当前内容需要保存吗？" and saves on Yes.
UnsavedTextOutcome AskToSaveUnsavedText();
// True when the editor holds what was last loaded or saved.
bool IsDocumentSaved();
// Marks the document as what was last loaded or saved, until the editor's text changes by any
// road (typing, a command, a drop, undo): the editor's modification event then marks it
// unsaved; anything else the component reports leaves it alone.
void MarkDocumentSaved();
// Marks the document unsaved.
void MarkDocumentChanged();
int OnEditorModified(int modificationType);

// Asks to save unsaved text, then starts a new document. False when the user chose to save
// and the save was declined or failed; the document is then untouched.
bool NewDocument();
// Writes the document to its file, or to one chosen in the Save dialog when it is untitled;
// before it replaces a file that another program has changed on disk since it was loaded or
// saved here, it asks.
SaveResult SaveDocument();
// Menu command 4: writes the text to a file chosen in the Save dialog and makes it the
// document's file, without changing IsSaved.
void SaveDocumentAs();
// The Open dialog, then the chosen file in the editor; asks nothing about unsaved text.
void OpenDocument();
// Toolbar button 3: asks to save unsaved text, then opens a file over the document as it is.
void OpenAfterAskingToSave();

void OnMainWindowDropTargetTextDropped(const std::string& text);
void OnMainWindowDropTargetFileDropped(const std::string& path);

// The pieces that the start window shares with the operations above.

// The text in the editor as a document of its own: what came before it cannot be undone, and
// the keyboard goes to the editor.
void PutDocumentTextIntoEditor(const std::string& text);
// Typing goes to the editor, at once or as soon as the main window is active again.
void GiveTheEditorTheKeyboard();
// The template in the editor as above, the caret at its line 4.
void PutTemplateIntoEditor();
// The file's text (up to its first NUL byte; none when it cannot be read) in the editor as a
// saved document of that file, shown in part 6; a warning when its bytes are no text of the
// code page that a save would write back unchanged. The file's stamp is remembered for the
// next save.
void LoadFileAsDocument(const std::string& path);
// Part 6 of the main window's status bar.
void ShowDocumentPath(const std::string& text);
// The question "您的当前内容需要保存吗？"; true when the user answers Yes.
bool AskToSave();
// The message that the save asked for before replacing the document failed.
void ShowSaveBeforeReplacingFailed();

// Forgets the document file's state on disk.
void ResetDocumentFile();
