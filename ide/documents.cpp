// Placeholder until documents can be saved: nothing is asked, nothing is written or opened.
#include "ide/documents.h"

bool NewDocument() { return true; }
bool SaveDocument() { return false; }
void OpenDocument() {}
void SaveDocumentAs() {}
