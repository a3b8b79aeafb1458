// Check box: a captioned box with a check mark. Checked and enabled are independent: disabling
// keeps the mark, and a disabled box still reads as checked. A click by the user turns the mark
// and then raises the click event; setting the mark raises nothing.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class CheckBox : public WidgetUnit {
 public:
  CheckBox(const ControlDefinition& definition, QWidget* parent);

  std::string Caption() const;
  bool Checked() const;
  void SetChecked(bool checked);

  std::function<void()> OnClick;
};

}  // namespace framework
