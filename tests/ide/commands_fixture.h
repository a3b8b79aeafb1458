// The ways a user reaches a command of the running program: the menu bar, the toolbar and the
// hot keys, each through the real widgets.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "platform/window.h"

// Opens the bar's menu at that position and chooses the item at that index.
inline void ChooseFromMenuBar(int menu, int item) {
  QMenu* shown = MainWindow->Frame()->findChild<QMenuBar*>()->actions()[menu]->menu();
  shown->popup(QPoint(10, 10));
  shown->actions()[item]->trigger();
  shown->close();
  QCoreApplication::processEvents();
}

inline framework::Toolbar* MainToolbar() { return MainWindow->Find<framework::Toolbar>(kMainToolbar); }

inline void ClickToolbarButton(int index) {
  static_cast<QToolBar*>(MainToolbar()->Widget())->actions()[index]->trigger();
  QCoreApplication::processEvents();
}

// A key pressed in the editor; a hot key arrives as a posted message.
inline void PressKey(Qt::Key key) {
  QTest::keyClick(platform::WidgetFromWindow(Editor->GetEditorHandle()), key);
  QCoreApplication::sendPostedEvents();
}
