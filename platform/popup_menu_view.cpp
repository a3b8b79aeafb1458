#include "platform/popup_menu_view.h"

#include <QActionGroup>
#include <QMenu>

#include "platform/bitmap_registry.h"
#include "platform/code_page.h"
#include "platform/handle_id.h"
#include "platform/menu_model.h"
#include "platform/window.h"

namespace platform {
namespace {

bool HasBitmaps(const MenuItem& item) { return item.uncheckedBitmap != nullptr || item.checkedBitmap != nullptr; }

// Item pictures take the check mark's place; otherwise a checked item shows its mark, a
// radio one inside an exclusive group, as Qt draws radio marks only there.
void ShowCheck(QMenu* view, QAction* action, const MenuItem& item) {
  const bool checked = (item.flags & MF_CHECKED) != 0;
  if (HasBitmaps(item)) {
    action->setIcon(QIcon(FindBitmap(checked ? item.checkedBitmap : item.uncheckedBitmap)));
    return;
  }
  action->setCheckable(checked);
  action->setChecked(checked);
  if (checked && item.radioCheck) (new QActionGroup(view))->addAction(action);
}

void AddItem(QMenu* view, const MenuItem& item, int position, HWND owner) {
  const bool enabled = (item.flags & (MF_GRAYED | MF_DISABLED)) == 0;
  if (item.flags & MF_SEPARATOR) {
    view->addSeparator();
  } else if (item.submenu != nullptr) {
    QMenu* submenu = view->addMenu(AnsiToQString(item.text));
    submenu->setEnabled(enabled);
    const HMENU handle = item.submenu;
    QObject::connect(submenu, &QMenu::aboutToShow, submenu, [submenu, handle, position, owner] {
      SendMessageA(owner, WM_INITMENUPOPUP, IdOfHandle(handle), position);
      FillMenuView(submenu, handle, owner);
    });
  } else {
    QAction* action = view->addAction(AnsiToQString(item.text));
    action->setData(item.id);
    action->setEnabled(enabled);
    ShowCheck(view, action, item);
  }
}

// Actions go with clear(); the submenus and radio groups of an earlier filling are the view's
// children and would pile up while it lives. A submenu may be in the middle of its own
// signal, so it goes later.
void ClearView(QMenu* view) {
  view->clear();
  const QObjectList children = view->children();  // deleting a child changes the list
  for (QObject* child : children) {
    if (qobject_cast<QActionGroup*>(child) != nullptr) {
      delete child;
    } else if (qobject_cast<QMenu*>(child) != nullptr) {
      child->deleteLater();
    }
  }
}

}  // namespace

void FillMenuView(QMenu* view, HMENU menu, HWND owner) {
  ClearView(view);
  const MenuModel* model = FindMenu(menu);
  if (model == nullptr) return;
  const std::vector<MenuItem> items = model->items;  // the owner may change the menu meanwhile
  for (std::size_t position = 0; position < items.size(); ++position) {
    AddItem(view, items[position], static_cast<int>(position), owner);
  }
}

std::optional<UINT> ShowPopupMenu(HMENU menu, HWND owner, QPoint at) {
  QMenu view;
  FillMenuView(&view, menu, owner);
  const QAction* chosen = view.exec(at);
  if (chosen == nullptr || !chosen->data().isValid()) return std::nullopt;
  return chosen->data().toUInt();
}

}  // namespace platform
