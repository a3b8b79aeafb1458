// Common dialog: the open and save file dialogs with their settings, or the font dialog. Not
// shown on the window.
#pragma once

#include <string>

#include "framework/dialog_seam.h"
#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class Form;

class CommonDialog : public Unit {
 public:
  enum Kind { Open = 0, Save = 1, Font = 2 };

  CommonDialog(const ControlDefinition& definition, const Form& window);

  Kind DialogKind() const { return kind_; }
  void SetDialogKind(Kind kind) { kind_ = kind; }
  // The name shown first, and after a choice the full path chosen.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }

  // The font dialog's font: none (no face name) until one has been chosen, then the last one
  // chosen, which is also where the dialog starts.
  const FontChoice& ChosenFont() const { return font_; }

  // Shows the dialog of the current kind, owned by the unit's window, and returns whether a
  // choice was made; a cancelled dialog changes nothing. On a file choice FileName becomes the
  // chosen path and the process's current directory moves to its folder, as the system dialog
  // does when it is not asked to keep it; on a font choice ChosenFont becomes the font.
  bool Show();

 private:
  bool ShowFileDialog();
  bool ShowFontDialog();

  const Form& window_;
  Kind kind_ = Open;
  std::string title_;
  std::string filter_;
  std::string defaultExtension_;
  std::string fileName_;
  FontChoice font_;
};

}  // namespace framework
