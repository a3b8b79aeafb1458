#include "framework/list_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeView>

#include "framework/item_view_rows.h"
#include "framework/list_view_rows.h"
#include "framework/unit_subclass.h"
#include "platform/code_page.h"
#include "platform/input.h"
#include "platform/window.h"

namespace framework {
namespace {

// Keys are taken as the window's key-down message, before the view has seen them.
std::optional<platform::LRESULT> TakeKeyDown(ListView& list, platform::UINT message, platform::WPARAM wParam) {
  if (message == platform::WM_KEYDOWN && !list.PassesKeyDown(static_cast<int>(wParam))) return 0;
  return std::nullopt;
}

using ListViewWindows = UnitSubclass<ListView, &TakeKeyDown>;

bool Held(int virtualKey) { return (platform::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

QStringList CaptionsOf(const std::vector<ListViewColumnDefinition>& columns) {
  QStringList captions;
  for (const ListViewColumnDefinition& column : columns) captions << platform::AnsiToQString(column.caption);
  return captions;
}

}  // namespace

ListView::ListView(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QTreeView(parent)), images_(definition.images) {
  QTreeView* tree = Tree();
  rows_ = new ListViewRows(CaptionsOf(definition.columns), images_, tree);
  tree->setModel(rows_);
  tree->setRootIsDecorated(false);
  tree->setItemsExpandable(false);
  tree->setUniformRowHeights(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->setIconSize(images_.PictureSize());
  tree->header()->setStretchLastSection(false);
  tree->header()->setSectionsMovable(false);
  tree->header()->setMinimumSectionSize(0);
  for (int i = 0; i < ColumnCount(); ++i) SetColumnWidth(i, definition.columns[static_cast<std::size_t>(i)].width);
  QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentRowChanged, tree,
                   [this](const QModelIndex& current) {
                     if (OnCurrentRowChanged) OnCurrentRowChanged(current.row());
                   });
  tree->viewport()->installEventFilter(this);
  QObject::connect(tree, &QAbstractItemView::activated, static_cast<QObject*>(this), [this] {
    if (OnItemActivate) OnItemActivate();
  });
  ListViewWindows::Add(this, Handle());
}

ListView::~ListView() { ListViewWindows::Remove(this); }

bool ListView::PassesKeyDown(int virtualKey) const {
  if (!OnKeyDown) return true;
  const int modifiers = (Held(platform::VK_SHIFT) ? 1 : 0) | (Held(platform::VK_CONTROL) ? 2 : 0) |
                        (Held(platform::VK_MENU) ? 4 : 0);
  return OnKeyDown(virtualKey, modifiers);
}

QTreeView* ListView::Tree() const { return static_cast<QTreeView*>(Widget()); }

int ListView::ColumnCount() const { return rows_->columnCount(); }

void ListView::SetColumnWidth(int column, int width) { Tree()->setColumnWidth(column, width); }

int ListView::ColumnWidth(int column) const { return Tree()->columnWidth(column); }

int ListView::AddRow(const std::vector<std::string>& cells, int image) {
  QStringList texts;
  const int columns = std::min(ColumnCount(), static_cast<int>(cells.size()));
  for (int i = 0; i < columns; ++i) texts << platform::AnsiToQString(cells[static_cast<std::size_t>(i)]);
  rows_->Append(std::move(texts), image);
  return RowCount() - 1;
}

void ListView::SetCell(int row, int column, const std::string& text) {
  rows_->SetCell(row, column, platform::AnsiToQString(text));
}

std::string ListView::Cell(int row, int column) const { return platform::QStringToAnsi(rows_->Cell(row, column)); }

int ListView::RowCount() const { return rows_->rowCount(); }

void ListView::DeleteRow(int row) { rows_->Remove(row); }

void ListView::Clear() { rows_->Clear(); }

int ListView::SelectedRow() const { return SelectedRowOf(Tree()); }

int ListView::CurrentRow() const { return Tree()->currentIndex().row(); }

void ListView::SelectRow(int row) { SelectRowOf(Tree(), row); }

// Watches the viewport after the view has seen the press, so the row under the mouse is
// already the selected one when a handler reads it.
bool ListView::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const int row = RowUnderMouse(Tree(), mouse);
  if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
    if (OnDoubleClick) OnDoubleClick(row);
  } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
    if (OnClick) OnClick(row);
  } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton) {
    if (OnRightClick) OnRightClick(row);
  }
  return false;
}

}  // namespace framework
