#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>

#include "editor/sci_editor.h"
#include "editor_fixture.h"
#include "platform/input.h"
#include "platform/window.h"

namespace {

using namespace platform;
using test::EditorFixture;
using test::RecordingHandler;

class TabOverride : public EditorFixture {
 protected:
  // Puts text in the editor with the given selection and presses Tab once.
  std::string PressTab(const std::string& text, int anchor, int caret, Qt::KeyboardModifiers modifiers = {}) {
    SetText(text);
    editor.SetSel(anchor, caret);
    QTest::keyClick(Component(), Qt::Key_Tab, modifiers);
    return Text();
  }
};

TEST_F(TabOverride, OneTabPressPutsOneTabUnitInPlaceOfTheSelection) {
  CreateFocused();
  struct Case {
    bool useTabs;
    int tabWidth;
    const char* text;
    int anchor, caret;
    const char* expected;
  };
  const Case cases[] = {
      {true, 8, "abc", 3, 3, "abc\t"},    {false, 4, "ab", 1, 1, "a    b"},
      {true, 8, "ab\ncd", 0, 5, "\t"},  // the component alone would indent both lines
      {false, 2, "ab\ncd", 1, 4, "a  d"}, {false, 3, "ab", 2, 0, "   "},  // a selection made backwards
  };
  for (const Case& c : cases) {
    editor.SetUseTabs(c.useTabs);
    editor.SetTabWidth(c.tabWidth);
    EXPECT_EQ(PressTab(c.text, c.anchor, c.caret), c.expected) << c.text << " tabs " << c.useTabs;
  }
}

TEST_F(TabOverride, TheKeyDownStillReachesTheApplication) {
  CreateFocused();
  RecordingHandler keyDown;
  editor.SetEventHandler(EditorEventKeyDown, keyDown.Handler());
  EXPECT_EQ(PressTab("", 0, 0), "\t");
  ASSERT_EQ(keyDown.calls.size(), 1u);
  EXPECT_EQ(keyDown.calls[0][0], VK_TAB);
}

TEST_F(TabOverride, TheComponentHandlesTabItselfWhenTheOverrideDoesNotApply) {
  CreateFocused();
  EXPECT_EQ(PressTab("\tab", 1, 1, Qt::ShiftModifier), "ab") << "Shift+Tab unindents";

  QLineEdit elsewhere(&parent);
  elsewhere.show();
  elsewhere.setFocus();
  EXPECT_EQ(PressTab("ab\ncd", 0, 5), "\tab\n\tcd") << "without the focus";
  EXPECT_EQ(GetAsyncKeyState(VK_TAB), 0);
}

TEST_F(TabOverride, TheLastCreateCanTurnTheOverrideOffForEveryEditor) {
  CreateFocused();
  SciEditor other;
  ASSERT_TRUE(other.Create(parentWindow, 0, 0, 100, 100, true));
  SetFocus(editor.GetEditorHandle());
  EXPECT_EQ(PressTab("ab\ncd", 0, 5), "\tab\n\tcd");
  SciEditor third;
  ASSERT_TRUE(third.Create(parentWindow, 0, 0, 100, 100));
  SetFocus(editor.GetEditorHandle());
  EXPECT_EQ(PressTab("ab\ncd", 0, 5), "\t");
}

}  // namespace
