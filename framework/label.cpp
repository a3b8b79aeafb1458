#include "framework/label.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <unordered_map>

#include "platform/code_page.h"
#include "platform/window.h"
#include "platform/window_subclass.h"

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

// The labels by window, with the procedure their own one passes other messages on to.
struct LabelWindow {
  Label* label;
  platform::WNDPROC previous;
};

std::unordered_map<platform::HWND, LabelWindow>& LabelWindows() {
  static auto* const windows = new std::unordered_map<platform::HWND, LabelWindow>;
  return *windows;
}

platform::LRESULT LabelProcedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) {
  const auto found = LabelWindows().find(window);
  if (found == LabelWindows().end()) return platform::DefWindowProcA(window, message, wParam, lParam);
  if (message == kLabelFeedbackMessage) return found->second.label->RaiseFeedback(static_cast<int>(wParam));
  return platform::CallWindowProcA(found->second.previous, window, message, wParam, lParam);
}

}  // namespace

Label::Label(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new MnemonicLabel(parent)) {
  Shown(Widget())->doubleClicked = [this] {
    if (OnDoubleClick) OnDoubleClick();
  };
  SetCaption(definition.caption);
  const platform::HWND window = Handle();
  LabelWindows()[window] = {this, platform::SubclassWindow(window, &LabelProcedure)};
}

Label::~Label() {
  // The window may be gone already; its handle is never reused.
  std::erase_if(LabelWindows(), [this](const auto& entry) { return entry.second.label == this; });
}

std::string Label::Caption() const { return platform::QStringToAnsi(Shown(Widget())->text()); }

void Label::SetCaption(const std::string& caption) { Shown(Widget())->setText(platform::AnsiToQString(caption)); }

int Label::RaiseFeedback(int value) { return OnFeedback ? OnFeedback(value) : 0; }

}  // namespace framework
