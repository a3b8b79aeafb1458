// The rows behind a list view: a table model that holds each cell as converted text, so that
// a list of a hundred thousand rows is filled and shown without an item object per cell.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

#include "framework/image_list.h"

namespace framework {

class ListViewRows : public QAbstractTableModel {
 public:
  ListViewRows(QStringList captions, const ImageList& images, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Cells beyond the columns are dropped, missing ones are empty.
  void Append(QStringList cells, int image);
  void SetCell(int row, int column, const QString& text);
  // The empty text for a cell that does not exist.
  QString Cell(int row, int column) const;
  void Remove(int row);
  void Clear();

 private:
  struct Row {
    QStringList cells;
    int image = -1;
  };

  bool HoldsCell(int row, int column) const;

  QStringList captions_;
  const ImageList& images_;
  std::vector<Row> rows_;
};

}  // namespace framework
