#include "framework/status_bar.h"

#include <QLabel>
#include <QStatusBar>

#include "platform/code_page.h"

namespace framework {

StatusBar::StatusBar(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QStatusBar(parent)) {
  auto* bar = static_cast<QStatusBar*>(Widget());
  for (const StatusPartDefinition& part : definition.parts) {
    auto* label = new QLabel(platform::AnsiToQString(part.text), bar);
    label->setTextFormat(Qt::PlainText);  // a path is never taken for markup
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const bool stretches = part.width < 0;
    // A part is as wide as defined, and wider when its text needs it, so a number never loses
    // a digit.
    if (!stretches) {
      label->setMinimumWidth(part.width);
      label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    bar->addWidget(label, stretches ? 1 : 0);
    parts_.push_back(label);
  }
  // Never lower than its font needs: a fixed height would clip the text's lower part, and with
  // it the underscores of a path.
  bar->setMinimumHeight(bar->sizeHint().height());
}

int StatusBar::PartCount() const { return static_cast<int>(parts_.size()); }

QLabel* StatusBar::Part(int part) const {
  if (part < 0 || part >= PartCount()) return nullptr;
  return parts_[static_cast<std::size_t>(part)];
}

bool StatusBar::SetPartText(int part, const std::string& text) {
  QLabel* label = Part(part);
  if (label == nullptr) return false;
  label->setText(platform::AnsiToQString(text));
  return true;
}

std::string StatusBar::PartText(int part) const {
  const QLabel* label = Part(part);
  return label == nullptr ? std::string() : platform::QStringToAnsi(label->text());
}

}  // namespace framework
