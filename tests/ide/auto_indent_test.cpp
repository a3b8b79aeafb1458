#include "ide/auto_indent.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <string>

#include "platform/window.h"
#include "program_fixture.h"

namespace {

class AutoIndentTest : public ProgramTest {};

void PressEnter() {
  QTest::keyClick(platform::WidgetFromWindow(Editor->GetEditorHandle()), Qt::Key_Return);
}

struct EnterCase {
  const char* name;
  const char* text;
  int caret;
  int newIndentation;
};

// After Enter the caret stands after the new line's indentation.
TEST_F(AutoIndentTest, EnterGivesTheNewLineTheIndentationOfTheLineAbove) {
  const EnterCase cases[] = {
      {"indented by 8", "        x", 9, 8},
      {"empty line below a line indented by 4", "    x\n", 6, 4},
      {"several empty lines", "  x\n\n\n", 6, 2},
      {"in the middle of the line", "    ab cd", 7, 4},
      {"blanks are not an empty line", "    x\n  ", 8, 2},
      {"first line not indented", "x", 1, 0},
      {"only empty lines above", "\n\n", 2, 0},
      {"a tab of width 4", "\tx", 2, 4},
  };
  RunProgram([&] {
    for (const EnterCase& c : cases) {
      SCOPED_TRACE(c.name);
      Editor->SetText(c.text);
      Editor->GotoPos(c.caret);
      const int line = Editor->GetCurrentLine() + 1;
      PressEnter();
      ASSERT_EQ(Editor->GetCurrentLine(), line);
      EXPECT_EQ(Editor->GetLineIndentation(line), c.newIndentation);
      EXPECT_EQ(Editor->GetCurrentPos(), Editor->GetLineIndentPosition(line));
    }
  });
}

TEST_F(AutoIndentTest, AnUnindentedFirstLineIsLeftAsTheComponentMadeIt) {
  RunProgram([] {
    Editor->SetText("ab");
    Editor->GotoPos(1);
    PressEnter();
    EXPECT_EQ(Editor->GetLineCount(), 2);
    EXPECT_EQ(Editor->GetTextRange(Editor->PositionFromLine(1), Editor->GetLength()), "b");
    EXPECT_EQ(Editor->GetCurrentPos(), Editor->PositionFromLine(1));
  });
}

TEST_F(AutoIndentTest, OtherCharactersDoNothing) {
  RunProgram([] {
    Editor->SetText("    a\n");
    Editor->GotoPos(6);
    for (const char* ch : {"\n", "a", "", "\r\n"}) AutoIndentOnNewline(ch);
    EXPECT_EQ(Editor->GetLineIndentation(1), 0);
  });
}

struct KeepCase {
  const char* name;
  bool useTabs;
  int indentation;
  int anchor;
  int caret;
  int start;
  int end;
};

// Line 1 of "ab\n    cd" starts at 3, its indentation ends at 7. What counts is where the
// indentation ends: eight columns in two tabs take fewer bytes than four blanks.
TEST_F(AutoIndentTest, ChangingTheIndentationKeepsTheSelectionOnTheSameText) {
  const KeepCase cases[] = {
      {"grown: ends in the text move along", false, 8, 8, 9, 12, 13},
      {"grown: an end before the indentation stays", false, 8, 1, 8, 1, 12},
      {"grown: an end inside the indentation stays", false, 8, 5, 5, 5, 5},
      {"shrunk: ends in the text move along", false, 2, 8, 9, 6, 7},
      {"shrunk: an end in removed indentation goes to its end", false, 2, 6, 6, 5, 5},
      {"shrunk: an end in kept indentation stays", false, 2, 4, 8, 4, 6},
      {"unchanged", false, 4, 0, 9, 0, 9},
      {"a reversed selection comes back in order", false, 8, 9, 1, 1, 13},
      {"blanks become fewer bytes of tabs", true, 8, 8, 9, 6, 7},
  };
  RunProgram([&] {
    for (const KeepCase& c : cases) {
      SCOPED_TRACE(c.name);
      Editor->SetUseTabs(c.useTabs);
      Editor->SetText("ab\n    cd");
      Editor->SetSel(c.anchor, c.caret);
      SetLineIndentKeepSelection(1, c.indentation);
      EXPECT_EQ(Editor->GetLineIndentation(1), c.indentation);
      EXPECT_EQ(Editor->GetAnchor(), c.start);
      EXPECT_EQ(Editor->GetCurrentPos(), c.end);
    }
  });
}

}  // namespace
