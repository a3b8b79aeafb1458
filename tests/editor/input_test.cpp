#include "platform/input.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "editor/scintilla_class.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

// The editing windows' class comes with the editor, which registers it.
[[maybe_unused]] const bool kScintillaClassRegistered = scintilla::RegisterScintillaWindowClass();

bool Down(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

TEST(KeyState, KeyIsDownWhileItsKeyDownIsHandledAndUpAfterwards) {
  QWidget top;
  const HWND window = CreateWindowExA(0, "Scintilla", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                      WindowFromWidget(&top), nullptr, nullptr, nullptr);
  top.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
  SetFocus(window);
  std::vector<bool> tabDownAtKeyDown;
  test::RecordingSubclass recorder(window, [&](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == WM_KEYDOWN) tabDownAtKeyDown.push_back(Down(VK_TAB) && !Down('A'));
    return std::nullopt;
  });
  EXPECT_FALSE(Down(VK_TAB));
  QTest::keyClick(WidgetFromWindow(window), Qt::Key_Tab);
  EXPECT_EQ(tabDownAtKeyDown, std::vector<bool>{true});
  EXPECT_FALSE(Down(VK_TAB));

  QTest::keyPress(WidgetFromWindow(window), Qt::Key_Control);
  EXPECT_TRUE(Down(VK_CONTROL));
  QTest::keyRelease(WidgetFromWindow(window), Qt::Key_Control);
  EXPECT_FALSE(Down(VK_CONTROL));
}

// A simulated press types what the key types on a US keyboard with Shift as it is held now.
TEST(SimulatedKeyPress, TypesTheKeysCharacterWithOrWithoutShift) {
  struct Case {
    int virtualKey;
    bool shift;
    const char* typed;
  };
  const Case cases[] = {
      {'A', false, "a"},         {'A', true, "A"},          {'9', false, "9"},
      {'9', true, "("},          {VK_OEM_1, false, ";"},    {VK_OEM_1, true, ":"},
      {VK_OEM_4, false, "["},    {VK_OEM_7, true, "\""},    {VK_OEM_PERIOD, false, "."},
  };
  QLineEdit edit;
  edit.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    edit.clear();
    // Shift as the case wants it, whatever an earlier event left as the modifiers.
    if (c.shift) {
      QTest::keyPress(&edit, Qt::Key_Shift);
    } else {
      QTest::keyRelease(&edit, Qt::Key_Shift);
    }
    SimulateKeyPress(c.virtualKey);
    QCoreApplication::processEvents();
    if (c.shift) QTest::keyRelease(&edit, Qt::Key_Shift);
    EXPECT_EQ(edit.text().toStdString(), c.typed);
  }
}

TEST(KeyState, OutOfRangeKeysAreUp) {
  for (const int virtualKey : {-1, 0, 256, 100000}) EXPECT_EQ(GetAsyncKeyState(virtualKey), 0) << virtualKey;
}

TEST(CursorPosition, IsTheScreenPosition) {
  QCursor::setPos(37, 41);
  POINT point;
  ASSERT_TRUE(GetCursorPos(&point));
  EXPECT_EQ(point.x, QCursor::pos().x());
  EXPECT_EQ(point.y, QCursor::pos().y());
  EXPECT_FALSE(GetCursorPos(nullptr));
}

}  // namespace
