#include "framework/edit_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QTextOption>

#include "platform/ansi_text.h"
#include "platform/code_page.h"

namespace framework {

namespace {

// Qt's own password character depends on the style (often a bullet); the system's is "*".
class StarPasswordStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* PasswordStyle() {
  static QPointer<QStyle> style;
  if (style.isNull()) {
    style = new StarPasswordStyle;
    style->setParent(qApp);
  }
  return style.data();
}

QWidget* MakeBox(const ControlDefinition& definition, QWidget* parent) {
  if (definition.multiLine) {
    // As the system's box without a horizontal scroll bar: lines wrap at the box's width, a
    // word too long for a line (a path) wherever it must.
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return box;
  }
  auto* box = new QLineEdit(parent);
  if (definition.password) {
    box->setStyle(PasswordStyle());
    box->setEchoMode(QLineEdit::Password);
  }
  return box;
}

}  // namespace

EditBox::EditBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, MakeBox(definition, parent)), multiLine_(definition.multiLine) {
  SetText(definition.caption);
  if (multiLine_) {
    QObject::connect(static_cast<QPlainTextEdit*>(Widget()), &QPlainTextEdit::textChanged, Widget(),
                     [this] { RaiseChange(); });
  } else {
    QObject::connect(static_cast<QLineEdit*>(Widget()), &QLineEdit::textChanged, Widget(), [this] { RaiseChange(); });
  }
}

bool EditBox::IsPassword() const {
  return !multiLine_ && static_cast<QLineEdit*>(Widget())->echoMode() == QLineEdit::Password;
}

QString EditBox::TypedText() const {
  if (multiLine_) return static_cast<QPlainTextEdit*>(Widget())->toPlainText();
  return static_cast<QLineEdit*>(Widget())->text();
}

std::string EditBox::Text() const {
  const std::string text = platform::QStringToAnsi(TypedText());
  return multiLine_ ? platform::AnsiReplaceAll(text, "\n", "\r\n") : text;
}

std::string EditBox::Utf8Text() const { return TypedText().toUtf8().toStdString(); }

void EditBox::SetText(const std::string& text) {
  if (!multiLine_) {
    static_cast<QLineEdit*>(Widget())->setText(platform::AnsiToQString(text));
    return;
  }
  static_cast<QPlainTextEdit*>(Widget())->setPlainText(
      platform::AnsiToQString(platform::AnsiReplaceAll(text, "\r\n", "\n")));
}

bool EditBox::ReadOnly() const {
  if (multiLine_) return static_cast<QPlainTextEdit*>(Widget())->isReadOnly();
  return static_cast<QLineEdit*>(Widget())->isReadOnly();
}

void EditBox::SetReadOnly(bool readOnly) {
  if (multiLine_) {
    static_cast<QPlainTextEdit*>(Widget())->setReadOnly(readOnly);
  } else {
    static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly);
  }
}

void EditBox::RaiseChange() const {
  if (OnChange) OnChange();
}

}  // namespace framework
