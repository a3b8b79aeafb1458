// Label: a caption on the window. Its feedback event carries an integer from whoever raises
// it; the hot-key code uses it to hand a hot key's id to the IDE's handler.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class Label : public WidgetUnit {
 public:
  Label(const ControlDefinition& definition, QWidget* parent);

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Runs the feedback handler with the value and returns its result (0 without a handler).
  int RaiseFeedback(int value);

  std::function<int(int value)> OnFeedback;
};

}  // namespace framework
