// List view in report form: captioned columns and rows of text cells, the first cell with a
// picture of the list's image list. Rows and columns count from 0; -1 is "no row". The rows
// live in a table model, so long lists fill and show quickly.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "framework/image_list.h"
#include "framework/unit.h"
#include "framework/window_definition.h"

class QTreeView;

namespace framework {

class ListViewRows;

class ListView : public WidgetUnit, private QObject {
 public:
  ListView(const ControlDefinition& definition, QWidget* parent);
  ~ListView() override;

  int ColumnCount() const;
  void SetColumnWidth(int column, int width);
  int ColumnWidth(int column) const;

  // Appends a row; cells beyond the columns are dropped. Returns the new row's index.
  int AddRow(const std::vector<std::string>& cells, int image = -1);
  void SetCell(int row, int column, const std::string& text);
  // The empty text for a cell that does not exist.
  std::string Cell(int row, int column) const;
  int RowCount() const;
  // Nothing happens for a row that does not exist.
  void DeleteRow(int row);
  void Clear();

  int SelectedRow() const;
  // The focused row, -1 when there is none. A mouse press makes the row current before it
  // selects it, so while OnCurrentRowChanged runs only this one names the new row.
  int CurrentRow() const;
  // Makes the row current and scrolls it into view; -1 or a row out of range selects none.
  void SelectRow(int row);

  // The row under the mouse, -1 when the click was beside every row.
  std::function<void(int row)> OnClick;
  std::function<void(int row)> OnRightClick;
  std::function<void(int row)> OnDoubleClick;
  // A row activated by a double click or by Enter.
  std::function<void()> OnItemActivate;
  // A key pressed while the list has the focus, by virtual-key code, with modifiers 1 Shift,
  // 2 Control, 4 Alt; false keeps the key from the list's own handling.
  std::function<bool(int virtualKey, int modifiers)> OnKeyDown;
  // Asks OnKeyDown about the key-down message of the list's window; true lets it on.
  bool PassesKeyDown(int virtualKey) const;
  // The current (focused) row moved, by the user or by SelectRow; -1 when there is none.
  std::function<void(int row)> OnCurrentRowChanged;

 private:
  QTreeView* Tree() const;
  bool eventFilter(QObject* watched, QEvent* event) override;

  ImageList images_;
  ListViewRows* rows_;  // owned by the view
};

}  // namespace framework
