// A window's menu bar: its menu model shown on a QMenuBar, on the window's QMainWindow frame
// or across the top of the window's own widget.
#pragma once

#include <QMenuBar>
#include <QSet>
#include <cstddef>
#include <optional>

#include "platform/win_types.h"

namespace platform {

class MenuBarView final : public QMenuBar {
 public:
  // On a frame the frame places the bar; otherwise it keeps itself across the top of parent.
  MenuBarView(HWND owner, bool placeOnTop, QWidget* parent);

  HMENU Menu() const { return menu_; }
  void Show(HMENU menu);
  // The bar's items anew from the menu: a popup item opens a popup filled as it opens, after
  // WM_INITMENUPOPUP; a chosen command is posted to the owner as WM_COMMAND, so that the
  // owner may change or take down the bar while handling it.
  void Rebuild();
  void SetHighlighted(std::size_t position, bool highlighted);
  std::optional<QRect> ItemScreenRect(std::size_t position) const;  // nothing while not shown

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddItem(std::size_t position);
  void PlaceOnTop();

  HWND owner_;
  bool placeOnTop_;
  HMENU menu_ = nullptr;
  QSet<const QAction*> highlighted_;
};

// Shows the menu as the window's bar, or takes the bar away for a null menu. False for a
// window that takes no menu bar (unknown, or a child window) or a value that is not a menu.
bool ShowMenuBar(HWND window, HMENU menu);
HMENU MenuBarOf(HWND window);  // null when the window shows none
// The window's bar when it shows that menu; null otherwise.
MenuBarView* ShownMenuBar(HWND window, HMENU menu);

}  // namespace platform
