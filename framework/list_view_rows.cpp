#include "framework/list_view_rows.h"

#include <utility>

namespace framework {

namespace {

// A row is one line high, as in the system's report view: a cell that holds a line with its
// line break (a line of the document) shows without it, and breaks inside a cell as blanks.
QString OnOneLine(const QString& cell) {
  if (!cell.contains('\n') && !cell.contains('\r')) return cell;
  QString shown = cell;
  while (shown.endsWith('\n') || shown.endsWith('\r')) shown.chop(1);
  shown.replace("\r\n", " ");
  shown.replace('\r', ' ');
  shown.replace('\n', ' ');
  return shown;
}

}  // namespace

ListViewRows::ListViewRows(QStringList captions, const ImageList& images, QObject* parent)
    : QAbstractTableModel(parent), captions_(std::move(captions)), images_(images) {}

int ListViewRows::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListViewRows::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ListViewRows::data(const QModelIndex& index, int role) const {
  if (!HoldsCell(index.row(), index.column())) return QVariant();
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole) return OnOneLine(row.cells[index.column()]);
  if (role == Qt::DecorationRole && index.column() == 0 && row.image >= 0) return images_.Icon(row.image);
  return QVariant();
}

QVariant ListViewRows::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= captions_.size()) {
    return QVariant();
  }
  return captions_[section];
}

void ListViewRows::Append(QStringList cells, int image) {
  cells.resize(captions_.size());
  const int row = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), row, row);
  rows_.push_back({std::move(cells), image});
  endInsertRows();
}

void ListViewRows::SetCell(int row, int column, const QString& text) {
  if (!HoldsCell(row, column)) return;
  rows_[static_cast<std::size_t>(row)].cells[column] = text;
  emit dataChanged(index(row, column), index(row, column));
}

QString ListViewRows::Cell(int row, int column) const {
  return HoldsCell(row, column) ? rows_[static_cast<std::size_t>(row)].cells[column] : QString();
}

void ListViewRows::Remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void ListViewRows::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

bool ListViewRows::HoldsCell(int row, int column) const {
  return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

}  // namespace framework
