#include "framework/item_view_rows.h"

#include <QAbstractItemView>
#include <QMouseEvent>

namespace framework {

int SelectedRowOf(const QAbstractItemView* view) {
  const QModelIndexList selected = view->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void SelectRowOf(QAbstractItemView* view, int row) {
  const QModelIndex index = view->model()->index(row, 0);
  if (!index.isValid()) {
    view->clearSelection();
    return;
  }
  view->setCurrentIndex(index);
  view->scrollTo(index);
}

int RowUnderMouse(const QAbstractItemView* view, const QMouseEvent* mouse) {
  return view->indexAt(mouse->position().toPoint()).row();
}

}  // namespace framework
