#include "framework/toolbar.h"

#include <QAction>
#include <QSignalBlocker>
#include <QToolBar>

#include "platform/code_page.h"

namespace framework {

namespace {

// The checked state a button shows, kept apart from QAction's own toggling.
constexpr const char* kCheckedProperty = "tavoChecked";

}  // namespace

Toolbar::Toolbar(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QToolBar(parent)), images_(definition.images) {
  Bar()->setIconSize(images_.PictureSize());
  Bar()->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const ToolbarButtonDefinition& button : definition.buttons) Bar()->addAction(MakeButton(button));
}

QToolBar* Toolbar::Bar() const { return static_cast<QToolBar*>(Widget()); }

int Toolbar::ButtonCount() const { return static_cast<int>(Bar()->actions().size()); }

QAction* Toolbar::ButtonAt(int index) const {
  const QList<QAction*> actions = Bar()->actions();
  if (index < 0 || index >= actions.size()) return nullptr;
  return actions[index];
}

QAction* Toolbar::MakeButton(const ToolbarButtonDefinition& button) {
  auto* action = new QAction(Bar());
  if (button.separator) {
    action->setSeparator(true);
    return action;
  }
  action->setIcon(images_.Icon(button.image));
  action->setToolTip(platform::AnsiToQString(button.toolTip));
  action->setCheckable(true);
  action->setChecked(button.checked);
  action->setProperty(kCheckedProperty, button.checked);
  QObject::connect(action, &QAction::triggered, Bar(), [this, action] { ButtonTriggered(action); });
  return action;
}

void Toolbar::ButtonTriggered(QAction* action) {
  {
    const QSignalBlocker blocker(action);
    action->setChecked(action->property(kCheckedProperty).toBool());
  }
  const int index = static_cast<int>(Bar()->actions().indexOf(action));
  if (index >= 0 && OnButtonClick) OnButtonClick(index);
}

bool Toolbar::InsertButton(int index, const ToolbarButtonDefinition& button) {
  if (index < 0 || index > ButtonCount()) return false;
  Bar()->insertAction(ButtonAt(index), MakeButton(button));
  return true;
}

bool Toolbar::DeleteButton(int index) {
  QAction* action = ButtonAt(index);
  if (action == nullptr) return false;
  Bar()->removeAction(action);
  action->deleteLater();
  return true;
}

bool Toolbar::IsButtonChecked(int index) const {
  const QAction* action = ButtonAt(index);
  return action != nullptr && action->property(kCheckedProperty).toBool();
}

void Toolbar::SetButtonChecked(int index, bool checked) {
  QAction* action = ButtonAt(index);
  if (action == nullptr || action->isSeparator()) return;
  action->setProperty(kCheckedProperty, checked);
  const QSignalBlocker blocker(action);
  action->setChecked(checked);
}

bool Toolbar::IsButtonDisabled(int index) const {
  const QAction* action = ButtonAt(index);
  return action != nullptr && !action->isEnabled();
}

void Toolbar::SetButtonDisabled(int index, bool disabled) {
  if (QAction* action = ButtonAt(index)) action->setEnabled(!disabled);
}

std::string Toolbar::ButtonToolTip(int index) const {
  const QAction* action = ButtonAt(index);
  return action == nullptr ? std::string() : platform::QStringToAnsi(action->toolTip());
}

}  // namespace framework
