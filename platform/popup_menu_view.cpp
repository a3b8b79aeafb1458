#include "platform/popup_menu_view.h"

#include <QMenu>

#include "platform/code_page.h"
#include "platform/handle_id.h"
#include "platform/menu_model.h"
#include "platform/window.h"

namespace platform {
namespace {

void Fill(QMenu* view, HMENU menu, HWND owner);

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
      Fill(submenu, handle, owner);
    });
  } else {
    QAction* action = view->addAction(AnsiToQString(item.text));
    action->setData(item.id);
    action->setEnabled(enabled);
    action->setCheckable((item.flags & MF_CHECKED) != 0);
    action->setChecked((item.flags & MF_CHECKED) != 0);
  }
}

void Fill(QMenu* view, HMENU menu, HWND owner) {
  view->clear();
  const MenuModel* model = FindMenu(menu);
  if (model == nullptr) return;
  const std::vector<MenuItem> items = model->items;  // the owner may change the menu meanwhile
  for (std::size_t position = 0; position < items.size(); ++position) {
    AddItem(view, items[position], static_cast<int>(position), owner);
  }
}

}  // namespace

std::optional<UINT> ShowPopupMenu(HMENU menu, HWND owner, QPoint at) {
  QMenu view;
  Fill(&view, menu, owner);
  const QAction* chosen = view.exec(at);
  if (chosen == nullptr || !chosen->data().isValid()) return std::nullopt;
  return chosen->data().toUInt();
}

}  // namespace platform
