#include "framework/colour_picker.h"

#include <QPushButton>

#include "framework/colour.h"
#include "framework/dialog_seam.h"
#include "framework/form.h"

namespace framework {

ColourPicker::ColourPicker(const ControlDefinition& definition, QWidget* parent, const Form& window)
    : WidgetUnit(definition.name, new QPushButton(parent)), window_(window) {
  SetColour(0);
  QObject::connect(static_cast<QPushButton*>(Widget()), &QPushButton::clicked, Widget(), [this] { Choose(); });
}

void ColourPicker::SetColour(int colour) {
  colour_ = colour;
  Widget()->setStyleSheet(QString("background-color: %1; border: 1px solid gray;").arg(QtColourOf(colour).name()));
}

void ColourPicker::Choose() {
  DialogRequest request;
  request.kind = DialogKind::Colour;
  request.colour = colour_;
  request.owner = window_.Frame();
  const std::optional<int> chosen = AskUser(request).colour;
  if (!chosen) return;
  SetColour(*chosen);
  if (OnColourChanged) OnColourChanged();
}

}  // namespace framework
