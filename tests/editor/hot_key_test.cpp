#include "platform/hot_key.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QWidget>

#include "editor/scintilla_class.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

// The editing windows' class comes with the editor, which registers it.
[[maybe_unused]] const bool kScintillaClassRegistered = scintilla::RegisterScintillaWindowClass();

// The main window, which registers the keys, with an editor that has the focus, and a
// modeless window beside it, the active one, with a line edit.
class HotKeys : public testing::Test {
 protected:
  void SetUp() override {
    main.resize(300, 200);
    main.show();
    modeless.resize(200, 100);
    modeless.show();
    modeless.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&modeless));  // shortcuts act only then
    SetFocus(editor);
  }

  QWidget* Editor() const { return WidgetFromWindow(editor); }

  // The ids of the WM_HOTKEY messages delivered so far, with their lParams.
  std::vector<std::pair<WPARAM, LPARAM>> HotKeysArrived() {
    QCoreApplication::sendPostedEvents();
    std::vector<std::pair<WPARAM, LPARAM>> arrived;
    for (const test::Message& m : mainRecorder.Received(WM_HOTKEY)) arrived.emplace_back(m.wParam, m.lParam);
    return arrived;
  }

  QWidget main;
  HWND mainWindow = WindowFromWidget(&main);
  HWND editor = CreateWindowExA(0, "Scintilla", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, mainWindow,
                                nullptr, nullptr, nullptr);
  QWidget modeless;
  QLineEdit* field = new QLineEdit(&modeless);
  test::RecordingSubclass mainRecorder{mainWindow};
};

TEST_F(HotKeys, KeyInAnyWindowReachesTheRegisteringWindowAndNoWidget) {
  ASSERT_TRUE(RegisterHotKey(mainWindow, 33001, 0, VK_F5));
  ASSERT_TRUE(RegisterHotKey(mainWindow, 33002, MOD_CONTROL, VK_F3));
  test::RecordingSubclass editorRecorder(editor);
  // A shortcut of the focus window does not take a hot key's press.
  int shortcutsActivated = 0;
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F5), &modeless);
  shortcut->setContext(Qt::ApplicationShortcut);
  QObject::connect(shortcut, &QShortcut::activated, [&] { ++shortcutsActivated; });

  QTest::keyClick(Editor(), Qt::Key_F5);
  QTest::keyClick(field, Qt::Key_F5);
  QTest::keyClick(Editor(), Qt::Key_F3, Qt::ControlModifier);
  QTest::keyClick(Editor(), Qt::Key_F5, Qt::ControlModifier);  // not that key
  QTest::keyClick(Editor(), Qt::Key_F3);

  const LPARAM f5 = MAKELPARAM(0, VK_F5);
  const LPARAM controlF3 = MAKELPARAM(MOD_CONTROL, VK_F3);
  EXPECT_EQ(HotKeysArrived(),
            (std::vector<std::pair<WPARAM, LPARAM>>{{33001, f5}, {33001, f5}, {33002, controlF3}}));
  EXPECT_EQ(shortcutsActivated, 0);
  std::vector<WPARAM> keysAtTheEditor;
  for (const test::Message& m : editorRecorder.Received(WM_KEYDOWN)) keysAtTheEditor.push_back(m.wParam);
  EXPECT_EQ(keysAtTheEditor, (std::vector<WPARAM>{VK_CONTROL, VK_CONTROL, VK_F5, VK_F3}));
}

TEST_F(HotKeys, HeldKeyRepeatsUnlessRegisteredWithoutRepeat) {
  ASSERT_TRUE(RegisterHotKey(mainWindow, 1, 0, VK_F5));
  ASSERT_TRUE(RegisterHotKey(mainWindow, 2, MOD_SHIFT | MOD_NOREPEAT, VK_F6));
  for (const auto& [key, modifiers] :
       {std::pair(Qt::Key_F5, Qt::NoModifier), std::pair(Qt::Key_F6, Qt::ShiftModifier)}) {
    for (const bool repeat : {false, true}) {
      QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
      QApplication::sendEvent(Editor(), &press);
    }
  }
  const LPARAM f5 = MAKELPARAM(0, VK_F5);
  EXPECT_EQ(HotKeysArrived(),
            (std::vector<std::pair<WPARAM, LPARAM>>{{1, f5}, {1, f5}, {2, MAKELPARAM(MOD_SHIFT, VK_F6)}}));
}

TEST_F(HotKeys, KeyRegisteredOnceUntilFreed) {
  const HWND other = WindowFromWidget(&modeless);
  ASSERT_TRUE(RegisterHotKey(mainWindow, 1, 0, VK_F6));
  EXPECT_FALSE(RegisterHotKey(other, 2, 0, VK_F6));
  EXPECT_FALSE(RegisterHotKey(mainWindow, 3, MOD_NOREPEAT, VK_F6));
  EXPECT_TRUE(RegisterHotKey(other, 2, MOD_SHIFT, VK_F6));
  EXPECT_FALSE(RegisterHotKey(nullptr, 4, 0, VK_F3));
  EXPECT_FALSE(RegisterHotKey(mainWindow, 4, 0, 0));

  EXPECT_TRUE(UnregisterHotKey(mainWindow, 1));
  EXPECT_FALSE(UnregisterHotKey(mainWindow, 1));
  EXPECT_TRUE(RegisterHotKey(other, 5, 0, VK_F6));

  // A destroyed window's keys are free again.
  ASSERT_TRUE(RegisterHotKey(editor, 6, 0, VK_F3));
  ASSERT_TRUE(DestroyWindow(editor));
  EXPECT_TRUE(RegisterHotKey(mainWindow, 7, 0, VK_F3));
}

}  // namespace
