#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/code_page.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

QAction* ActionNamed(QMenu* menu, const char* text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == AnsiToQString(text)) return action;
  }
  return nullptr;
}

// Picks an action of the open popup as a user would: make it current, press Enter.
void Pick(QMenu* menu, QAction* action, Qt::Key key) {
  menu->setActiveAction(action);
  QTest::keyClick(menu, key);
}

// The real popup, driven from the keyboard; a fallback timer closes any popup left open, so
// the test cannot hang on it.
TEST(PopupMenuView, ShowsTheModelAndFillsASubmenuWhenItOpens) {
  QWidget top;
  const HWND owner = WindowFromWidget(&top);
  const HMENU menu = CreatePopupMenu();
  const HMENU submenu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING | MF_GRAYED, 101, "撤销");
  AppendMenuA(menu, MF_SEPARATOR, 100, "");
  AppendMenuA(menu, MF_STRING | MF_CHECKED, 107, "全选");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<std::uintptr_t>(submenu), "更多");
  test::RecordingSubclass recorder(owner, [&](const test::Message& m) -> std::optional<LRESULT> {
    // The owner fills the submenu only as it opens.
    if (m.message == WM_INITMENUPOPUP && m.wParam == reinterpret_cast<WPARAM>(submenu)) {
      AppendMenuA(submenu, MF_STRING, 106, "删除");
    }
    return std::nullopt;
  });

  QTimer fallback;
  QObject::connect(&fallback, &QTimer::timeout, [] {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  fallback.start(5000);
  bool inspected = false;
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->actions().size(), 4);
    EXPECT_FALSE(ActionNamed(shown, "撤销")->isEnabled());
    EXPECT_TRUE(shown->actions()[1]->isSeparator());
    EXPECT_TRUE(ActionNamed(shown, "全选")->isChecked());
    QAction* more = ActionNamed(shown, "更多");
    ASSERT_NE(more->menu(), nullptr);
    Pick(shown, more, Qt::Key_Right);
    QTimer::singleShot(0, [&] {
      auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(opened, nullptr);
      QAction* remove = ActionNamed(opened, "删除");
      ASSERT_NE(remove, nullptr);
      inspected = true;
      Pick(opened, remove, Qt::Key_Return);
    });
  });
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 20, 20, 0, owner, nullptr), 106);
  EXPECT_TRUE(inspected);
  ASSERT_EQ(recorder.Received(WM_INITMENUPOPUP).size(), 2u);
  EXPECT_EQ(recorder.Received(WM_INITMENUPOPUP)[1].lParam, 3);  // the submenu's position
  DestroyMenu(menu);
}

}  // namespace
