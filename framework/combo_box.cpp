#include "framework/combo_box.h"

#include <QComboBox>

#include "platform/code_page.h"

namespace framework {

namespace {

QComboBox* Shown(QWidget* widget) { return static_cast<QComboBox*>(widget); }

}  // namespace

ComboBox::ComboBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QComboBox(parent)) {
  for (const std::string& item : definition.items) AddItem(item);
  SetSelection(-1);
  QObject::connect(Shown(Widget()), &QComboBox::activated, Widget(), [this](int item) {
    if (OnSelectionChanged) OnSelectionChanged(item);
  });
}

int ComboBox::ItemCount() const { return Shown(Widget())->count(); }

std::string ComboBox::ItemText(int item) const {
  if (item < 0 || item >= ItemCount()) return std::string();
  return platform::QStringToAnsi(Shown(Widget())->itemText(item));
}

int ComboBox::AddItem(const std::string& text) {
  Shown(Widget())->addItem(platform::AnsiToQString(text));
  return ItemCount() - 1;
}

int ComboBox::Selection() const { return Shown(Widget())->currentIndex(); }

void ComboBox::SetSelection(int item) { Shown(Widget())->setCurrentIndex(item >= 0 && item < ItemCount() ? item : -1); }

}  // namespace framework
