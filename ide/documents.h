// The one document: new, open and save.
#pragma once

// Asks to save unsaved text, then starts a new document. False when the user chose to save
// and the save failed; the document is then untouched.
bool NewDocument();
