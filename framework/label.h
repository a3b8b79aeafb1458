// Label: a caption on the window. An "&" in the caption underlines the character after it and
// is not shown itself ("&&" shows one "&"). A double click raises the double-click event; a
// single click does nothing.
//
// Its feedback event carries an integer from whoever raises it: RaiseFeedback, or the message
// kLabelFeedbackMessage sent to the label's window with the value as wParam, which is how the
// hot-key code hands a hot key's id to the IDE's handler.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"
#include "platform/win_types.h"

namespace framework {

constexpr platform::UINT kLabelFeedbackMessage = 0x8075;

class Label : public WidgetUnit {
 public:
  Label(const ControlDefinition& definition, QWidget* parent);
  ~Label() override;

  // The caption as set, "&" included.
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Runs the feedback handler with the value and returns its result (0 without a handler).
  int RaiseFeedback(int value);

  std::function<int(int value)> OnFeedback;
  std::function<void()> OnDoubleClick;
};

}  // namespace framework
