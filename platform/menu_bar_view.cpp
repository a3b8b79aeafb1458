#include "platform/menu_bar_view.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QStyleOptionMenuItem>
#include <unordered_map>

#include "platform/client_size_report.h"
#include "platform/code_page.h"
#include "platform/handle_id.h"
#include "platform/menu_model.h"
#include "platform/popup_menu_view.h"
#include "platform/window.h"

namespace platform {
namespace {

struct BarHost {
  HMENU menu = nullptr;
  QPointer<MenuBarView> view;
};

// Never destroyed: widgets can outlive static destruction order.
std::unordered_map<std::uintptr_t, BarHost>& Hosts() {
  static auto* hosts = new std::unordered_map<std::uintptr_t, BarHost>;
  return *hosts;
}

// As on Windows, a window's menu goes with the window.
BarHost& HostOf(HWND window, QWidget* widget) {
  const auto [found, added] = Hosts().try_emplace(IdOfHandle(window));
  if (added) {
    QObject::connect(widget, &QObject::destroyed, [window] {
      const auto gone = Hosts().find(IdOfHandle(window));
      if (gone == Hosts().end()) return;
      const HMENU menu = gone->second.menu;
      Hosts().erase(gone);
      DropMenu(menu);
    });
  }
  return found->second;
}

// The frame whose menu-bar slot belongs to the window: the window is the frame or its
// central widget.
QMainWindow* FrameOf(QWidget* widget) {
  if (auto* frame = qobject_cast<QMainWindow*>(widget)) return frame;
  auto* frame = qobject_cast<QMainWindow*>(widget->parentWidget());
  return frame != nullptr && frame->centralWidget() == widget ? frame : nullptr;
}

void TakeAway(BarHost& host, QMainWindow* frame) {
  if (host.view == nullptr) return;
  if (frame != nullptr) {
    frame->setMenuBar(nullptr);  // deletes the bar later
  } else {
    host.view->hide();
    host.view->deleteLater();
  }
  host.view = nullptr;
}

MenuBarView* NewView(HWND window, QWidget* widget, QMainWindow* frame) {
  if (frame == nullptr) return new MenuBarView(window, true, widget);
  auto* view = new MenuBarView(window, false, frame);
  frame->setMenuBar(view);
  return view;
}

}  // namespace

MenuBarView::MenuBarView(HWND owner, bool placeOnTop, QWidget* parent)
    : QMenuBar(parent), owner_(owner), placeOnTop_(placeOnTop) {
  setNativeMenuBar(false);  // in the window, as the program's users know it, never a global bar
  if (placeOnTop_) parent->installEventFilter(this);
  show();  // a frame's layout leaves room only for a bar that is not hidden
}

void MenuBarView::Show(HMENU menu) {
  menu_ = menu;
  Rebuild();
}

void MenuBarView::Rebuild() {
  clear();
  for (QMenu* popup : findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) popup->deleteLater();
  highlighted_.clear();
  if (const MenuModel* model = FindMenu(menu_)) {
    for (std::size_t position = 0; position < model->items.size(); ++position) AddItem(position);
  }
  if (placeOnTop_) PlaceOnTop();
}

void MenuBarView::AddItem(std::size_t position) {
  const MenuItem item = FindMenu(menu_)->items[position];
  const HWND owner = owner_;
  QAction* action = nullptr;
  if (item.flags & MF_SEPARATOR) {
    action = addSeparator();
  } else if (item.submenu != nullptr) {
    auto* popup = new QMenu(AnsiToQString(item.text), this);
    action = addMenu(popup);
    const HMENU handle = item.submenu;
    connect(popup, &QMenu::aboutToShow, popup, [popup, handle, position, owner] {
      SendMessageA(owner, WM_INITMENUPOPUP, IdOfHandle(handle), static_cast<LPARAM>(position));
      FillMenuView(popup, handle, owner);
    });
    connect(popup, &QMenu::triggered, popup, [owner](const QAction* chosen) {
      if (chosen->data().isValid()) PostMessageA(owner, WM_COMMAND, chosen->data().toUInt(), 0);
    });
  } else {
    action = addAction(AnsiToQString(item.text));
    const UINT id = item.id;
    connect(action, &QAction::triggered, action, [owner, id] { PostMessageA(owner, WM_COMMAND, id, 0); });
  }
  action->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
  if (item.flags & MF_HILITE) highlighted_.insert(action);
}

void MenuBarView::SetHighlighted(std::size_t position, bool highlighted) {
  const QList<QAction*> items = actions();
  if (position >= static_cast<std::size_t>(items.size())) return;
  if (highlighted) {
    highlighted_.insert(items[static_cast<qsizetype>(position)]);
  } else {
    highlighted_.remove(items[static_cast<qsizetype>(position)]);
  }
  update();
}

std::optional<QRect> MenuBarView::ItemScreenRect(std::size_t position) const {
  const QList<QAction*> items = actions();
  if (!isVisible() || position >= static_cast<std::size_t>(items.size())) return std::nullopt;
  const QRect local = actionGeometry(items[static_cast<qsizetype>(position)]);
  return QRect(mapToGlobal(local.topLeft()), local.size());
}

void MenuBarView::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  // Drawn as an open item is: styles such as Fusion highlight only a pressed one.
  if (highlighted_.contains(action)) option->state |= QStyle::State_Selected | QStyle::State_Sunken;
}

bool MenuBarView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) PlaceOnTop();
  return QMenuBar::eventFilter(watched, event);
}

void MenuBarView::PlaceOnTop() {
  setGeometry(0, 0, parentWidget()->width(), heightForWidth(parentWidget()->width()));
  raise();
}

bool ShowMenuBar(HWND window, HMENU menu) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || (menu != nullptr && FindMenu(menu) == nullptr)) return false;
  QMainWindow* frame = FrameOf(widget);
  if (frame == nullptr && !widget->isWindow()) return false;
  BarHost& host = HostOf(window, widget);
  host.menu = menu;
  if (menu == nullptr) {
    TakeAway(host, frame);
  } else {
    if (host.view == nullptr) host.view = NewView(window, widget, frame);
    host.view->Show(menu);
  }
  if (frame != nullptr) {  // the client area shrinks or grows now, not at the next layout pass
    frame->layout()->invalidate();
    frame->layout()->activate();
  }
  ReportClientSize(window);
  return true;
}

HMENU MenuBarOf(HWND window) {
  if (!IsWindow(window)) return nullptr;
  const auto found = Hosts().find(IdOfHandle(window));
  return found == Hosts().end() ? nullptr : found->second.menu;
}

MenuBarView* ShownMenuBar(HWND window, HMENU menu) {
  if (menu == nullptr || !IsWindow(window)) return nullptr;
  const auto found = Hosts().find(IdOfHandle(window));
  if (found == Hosts().end() || found->second.menu != menu) return nullptr;
  return found->second.view.data();
}

}  // namespace platform
