// Button: a push button with a caption; a click raises the click event. A disabled button
// raises nothing.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class Button : public WidgetUnit {
 public:
  Button(const ControlDefinition& definition, QWidget* parent);

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  std::function<void()> OnClick;
};

}  // namespace framework
