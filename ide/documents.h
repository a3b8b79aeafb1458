// The one document: new, open and save.
#pragma once

// Asks to save unsaved text, then starts a new document. False when the user chose to save
// and the save failed; the document is then untouched.
bool NewDocument();
// Writes the document to its file, asking for one when it is untitled. True when it is saved
// or needed no saving.
bool SaveDocument();
// Asks for a file and loads it; a cancelled dialog keeps the editor's text.
void OpenDocument();
// Asks for a file and writes the document there; it becomes the document's file.
void SaveDocumentAs();
