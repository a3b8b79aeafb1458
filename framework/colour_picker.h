// Colour picker: a button that shows a colour; clicking it opens the colour dialog, owned by
// the picker's window and starting from the colour shown. Choosing a colour there shows it and
// raises the colour-changed event; cancelling changes nothing. Setting the colour raises nothing.
// Colours are blue-green-red integers (red is 255).
#pragma once

#include <functional>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class Form;

class ColourPicker : public WidgetUnit {
 public:
  ColourPicker(const ControlDefinition& definition, QWidget* parent, const Form& window);

  int Colour() const { return colour_; }
  void SetColour(int colour);
  // What a click does: asks for a colour and, when one is chosen, shows it and raises the event.
  void Choose();

  std::function<void()> OnColourChanged;

 private:
  const Form& window_;
  int colour_ = 0;
};

}  // namespace framework
