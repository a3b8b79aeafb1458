// List box: rows of text kept in the order they were added, never sorted. Rows count from 0;
// -1 is "no row".
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

class QListWidget;

namespace framework {

class ListBox : public WidgetUnit, private QObject {
 public:
  ListBox(const ControlDefinition& definition, QWidget* parent);

  // Appends a row after the others; returns its index.
  int AddRow(const std::string& text);
  void Clear();
  int RowCount() const;
  // The empty text for a row that does not exist.
  std::string RowText(int row) const;

  int SelectedRow() const;
  // Makes the row current; -1 or a row out of range selects none.
  void SelectRow(int row);

  // A left double click on a row, which is already the selected one; a double click beside
  // every row reports nothing.
  std::function<void(int row)> OnDoubleClick;

 private:
  QListWidget* List() const;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace framework
