// Rows of the one-level item views behind the list view and the list box, counted from 0;
// -1 is "no row".
#pragma once

class QAbstractItemView;
class QMouseEvent;

namespace framework {

int SelectedRowOf(const QAbstractItemView* view);
// Makes the row current and scrolls it into view; -1 or a row out of range selects none.
void SelectRowOf(QAbstractItemView* view, int row);
// The row under the mouse event at the view's viewport; -1 beside every row.
int RowUnderMouse(const QAbstractItemView* view, const QMouseEvent* mouse);

}  // namespace framework
