// Every message box and common dialog of the program goes through this one seam. By default
// it shows the real Qt dialog, modal to the program's windows; a test installs an answerer
// that sees each request and returns the answer, so nothing ever waits for a person.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/win_types.h"

class QWidget;

namespace framework {

enum class DialogKind { MessageBox, OpenFile, SaveFile, Colour, Font };

// A font as the font dialog gives it: the face name and the size in points. No font has an
// empty face name.
struct FontChoice {
  std::string faceName;
  int pointSize = 0;

  bool operator==(const FontChoice&) const = default;
};

struct DialogRequest {
  DialogKind kind = DialogKind::MessageBox;
  std::string text;          // message boxes: the message
  std::string nativePath;    // message boxes: a path named on a line after the message, as the
                             // file system spells it (for one the code page cannot hold)
  std::string caption;       // message boxes: the caption; file dialogs: the title
  platform::UINT style = 0;  // message boxes: MB_* buttons and icon
  // File dialogs.
  std::string filter;            // "label|pattern|label|pattern"
  std::string fileName;          // the name shown first
  std::string defaultExtension;  // without the dot
  // The colour dialog: the colour shown first, blue-green-red.
  int colour = 0;
  // The font dialog: the font shown first; none when it has no face name.
  FontChoice font;
  QWidget* owner = nullptr;  // the owner window's frame; null for none
};

struct DialogReply {
  int button = 0;                   // message boxes: IDOK, IDCANCEL, IDYES or IDNO
  std::optional<std::string> path;  // file dialogs: the chosen path; nothing when cancelled
  // File dialogs: the chosen path as the file system spells it, which the dialog may give in
  // place of `path`; it is checked against the code page before it is used.
  std::optional<std::string> nativePath = std::nullopt;
  // The colour and font dialogs: the choice; nothing, or a font without a face name, when
  // cancelled.
  std::optional<int> colour = std::nullopt;
  FontChoice font = {};
};

DialogReply AskUser(const DialogRequest& request);

// True while a message box or common dialog is being asked (shown, or answered by a test's
// answerer) or a window of the program is shown modal: what the program's windows then take
// as input is the modal window's alone.
bool ModalWindowIsOpen();

using DialogAnswerer = std::function<DialogReply(const DialogRequest& request)>;
// While set, AskUser shows nothing and returns what the answerer returns. An empty function
// brings the real dialogs back.
void SetDialogAnswerer(DialogAnswerer answerer);

// The real dialogs, as AskUser shows them when no answerer is set.
DialogReply ShowSystemDialog(const DialogRequest& request);

}  // namespace framework
