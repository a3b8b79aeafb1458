// Edit box: a text the user edits, on one line or on several. A password box is a one-line
// box that shows each character as "*"; its text reads back as typed. Line breaks of a
// several-line box read back as CR LF, as the Windows control gives them.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

class QString;

namespace framework {

class EditBox : public WidgetUnit {
 public:
  EditBox(const ControlDefinition& definition, QWidget* parent);

  bool IsMultiLine() const { return multiLine_; }
  bool IsPassword() const;

  std::string Text() const;
  // The text as typed, in UTF-8: it holds the characters that the code page lacks, which Text()
  // turns into "?".
  std::string Utf8Text() const;
  // Raises the content-changed event as the user's own edits do.
  void SetText(const std::string& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  std::function<void()> OnChange;

 private:
  QString TypedText() const;
  void RaiseChange() const;

  bool multiLine_;
};

}  // namespace framework
