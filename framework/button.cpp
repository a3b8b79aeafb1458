#include "framework/button.h"

#include <QPushButton>

#include "platform/code_page.h"

namespace framework {

namespace {

QPushButton* Shown(QWidget* widget) { return static_cast<QPushButton*>(widget); }

}  // namespace

Button::Button(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QPushButton(parent)) {
  SetCaption(definition.caption);
  QObject::connect(Shown(Widget()), &QPushButton::clicked, Widget(), [this] {
    if (OnClick) OnClick();
  });
}

std::string Button::Caption() const { return platform::QStringToAnsi(Shown(Widget())->text()); }

void Button::SetCaption(const std::string& caption) { Shown(Widget())->setText(platform::AnsiToQString(caption)); }

}  // namespace framework
