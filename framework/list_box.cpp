#include "framework/list_box.h"

#include <QListWidget>
#include <QMouseEvent>

#include "framework/item_view_rows.h"
#include "platform/code_page.h"

namespace framework {

ListBox::ListBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QListWidget(parent)) {
  List()->setSelectionMode(QAbstractItemView::SingleSelection);
  List()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List()->viewport()->installEventFilter(this);
}

QListWidget* ListBox::List() const { return static_cast<QListWidget*>(Widget()); }

int ListBox::AddRow(const std::string& text) {
  List()->addItem(platform::AnsiToQString(text));
  return RowCount() - 1;
}

void ListBox::Clear() { List()->clear(); }

int ListBox::RowCount() const { return List()->count(); }

std::string ListBox::RowText(int row) const {
  const QListWidgetItem* item = List()->item(row);
  return item == nullptr ? std::string() : platform::QStringToAnsi(item->text());
}

int ListBox::SelectedRow() const { return SelectedRowOf(List()); }

void ListBox::SelectRow(int row) { SelectRowOf(List(), row); }

// Watches the viewport, which has seen the press before the double click, so the row under
// the mouse is already the selected one when the handler reads it.
bool ListBox::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::MouseButtonDblClick) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const int row = RowUnderMouse(List(), mouse);
  if (mouse->button() == Qt::LeftButton && row >= 0 && OnDoubleClick) OnDoubleClick(row);
  return false;
}

}  // namespace framework
