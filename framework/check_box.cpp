#include "framework/check_box.h"

#include <QCheckBox>

#include "platform/code_page.h"

namespace framework {

namespace {

QCheckBox* Shown(QWidget* widget) { return static_cast<QCheckBox*>(widget); }

}  // namespace

CheckBox::CheckBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QCheckBox(parent)) {
  Shown(Widget())->setText(platform::AnsiToQString(definition.caption));
  QObject::connect(Shown(Widget()), &QCheckBox::clicked, Widget(), [this] {
    if (OnClick) OnClick();
  });
}

std::string CheckBox::Caption() const { return platform::QStringToAnsi(Shown(Widget())->text()); }

bool CheckBox::Checked() const { return Shown(Widget())->isChecked(); }

void CheckBox::SetChecked(bool checked) { Shown(Widget())->setChecked(checked); }

}  // namespace framework
