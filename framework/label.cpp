#include "framework/label.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "framework/unit_subclass.h"
#include "platform/code_page.h"
#include "platform/window.h"

namespace framework {

namespace {

// Draws its text as a Windows static control does, "&" marking the mnemonic, without
// grabbing a shortcut for it as QLabel's own mnemonics (which need a buddy) would.
class MnemonicLabel : public QLabel {
 public:
  explicit MnemonicLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

  std::function<void()> doubleClicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    drawFrame(&painter);
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
  }
};

MnemonicLabel* Shown(QWidget* widget) { return static_cast<MnemonicLabel*>(widget); }

std::optional<platform::LRESULT> TakeFeedback(Label& label, platform::UINT message, platform::WPARAM wParam) {
  if (message == kLabelFeedbackMessage) return label.RaiseFeedback(static_cast<int>(wParam));
  return std::nullopt;
}

using LabelWindows = UnitSubclass<Label, &TakeFeedback>;

}  // namespace

Label::Label(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new MnemonicLabel(parent)) {
  Shown(Widget())->doubleClicked = [this] {
    if (OnDoubleClick) OnDoubleClick();
  };
  if (definition.centred) Shown(Widget())->setAlignment(Qt::AlignCenter);
  SetCaption(definition.caption);
  LabelWindows::Add(this, Handle());
}

Label::~Label() { LabelWindows::Remove(this); }

std::string Label::Caption() const { return platform::QStringToAnsi(Shown(Widget())->text()); }

void Label::SetCaption(const std::string& caption) { Shown(Widget())->setText(platform::AnsiToQString(caption)); }

int Label::RaiseFeedback(int value) { return OnFeedback ? OnFeedback(value) : 0; }

}  // namespace framework
