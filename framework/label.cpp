#include "framework/label.h"

#include <QLabel>

#include "platform/code_page.h"

namespace framework {

Label::Label(const ControlDefinition& definition, QWidget* parent) : WidgetUnit(definition.name, new QLabel(parent)) {
  static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
  SetCaption(definition.caption);
}

std::string Label::Caption() const { return platform::QStringToAnsi(static_cast<QLabel*>(Widget())->text()); }

void Label::SetCaption(const std::string& caption) {
  static_cast<QLabel*>(Widget())->setText(platform::AnsiToQString(caption));
}

int Label::RaiseFeedback(int value) { return OnFeedback ? OnFeedback(value) : 0; }

}  // namespace framework
