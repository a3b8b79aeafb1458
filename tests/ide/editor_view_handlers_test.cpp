#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <set>
#include <string>

#include "framework/list_view.h"
#include "framework/status_bar.h"
#include "ide/documents.h"
#include "ide/enclosing_bracket.h"
#include "ide/main_menu.h"
#include "ide/main_window_definition.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "program_fixture.h"

namespace {

QWidget* EditingWidget() { return platform::WidgetFromWindow(Editor->GetEditorHandle()); }
QWidget* Viewport() { return static_cast<QAbstractScrollArea*>(EditingWidget())->viewport(); }

// Lets the editor catch up: its view updates and what waits for a key to be handled.
void Settle() {
  QCoreApplication::processEvents();
  Viewport()->grab();
  QCoreApplication::processEvents();
}

void SetTextAndCaret(const std::string& text, int caret) {
  Editor->SetText(text);
  Editor->GotoPos(caret);
  Settle();
}

// A font of a known size, so that every character has a cell of its own to look at.
class EditorViewHandlersTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    WriteBaseFile("default.txt", "[配色]\r\nfont-family=DejaVu Sans Mono\r\nfont-size=12\r\n");
  }
};

// The highlighted bracket's cell has the yellow background of the brace style.
std::set<int> HighlightedPositions() {
  const QImage view = Viewport()->grab().toImage();
  std::set<int> highlighted;
  for (int position = 0; position < Editor->GetLength(); ++position) {
    const QColor cell =
        view.pixelColor((Editor->PointXFromPosition(position) + Editor->PointXFromPosition(position + 1)) / 2,
                        Editor->PointYFromPosition(position) + 1);
    if (cell == QColor(255, 255, 0)) highlighted.insert(position);
  }
  return highlighted;
}

struct BracketCase {
  const char* name;
  const char* text;
  int caret;
  std::set<int> highlighted;
};

TEST_F(EditorViewHandlersTest, HighlightsTheBracketThatEnclosesTheCaretOnItsLine) {
  const BracketCase cases[] = {
      {"caret at the line start", "(a)", 0, {}},
      {"inner call closed before the caret", "f(a, g(b)", 9, {1}},
      {"partner found further on", "f(a, g(b) + c)", 9, {1, 13}},
      {"parenthesis inside a brace", "{ x = (1 + 2", 12, {6}},
      {"closed before the caret", "(a)", 3, {}},
      {"a brace does not close a parenthesis", "(a}", 3, {0}},
      {"earlier lines never count", "f(\n)", 4, {}},
      {"after a Chinese character", "(中文", 7, {0}},
      // A bracket pairs only with one of its own style.
      {"closing bracket in a string", "f(\")\"", 5, {1}},
      {"closing bracket in a character", "g(')'", 5, {1}},
      {"closing bracket in a comment", "(a /* ) */", 10, {0}},
      {"opening bracket in a comment", "x) /* ( */", 10, {6}},
      {"pair inside a string", "s = \"(a)\"; (b", 13, {11}},
  };
  RunProgram([&] {
    for (const BracketCase& c : cases) {
      SCOPED_TRACE(c.name);
      SetTextAndCaret(c.text, c.caret);
      EXPECT_EQ(HighlightedPositions(), c.highlighted);
    }
  });
}

// Before the component has styled the line, each opening bracket is asked for its partner.
TEST_F(EditorViewHandlersTest, HighlightsTheEnclosingBracketOfAnUnstyledLine) {
  const BracketCase cases[] = {
      {"inner call closed before the caret", "f(a, g(b)", 9, {1}},
      {"partner found further on", "f(a, g(b) + c)", 9, {1, 13}},
      {"closed before the caret", "(a)", 3, {}},
  };
  RunProgram([&] {
    for (const BracketCase& c : cases) {
      SCOPED_TRACE(c.name);
      SetTextAndCaret(c.text, c.caret);
      Editor->BraceHighlight(-2, -1);
      Editor->StartStyling(0, 0);
      ASSERT_LT(Editor->GetEndStyled(), c.caret);
      HighlightEnclosingBracket();
      EXPECT_EQ(HighlightedPositions(), c.highlighted);
    }
  });
}

TEST_F(EditorViewHandlersTest, LineNumberMarginGrowsWithTheLineCount) {
  RunProgram([] {
    const std::pair<int, int> cases[] = {{1, 14}, {9, 14}, {10, 21}, {99, 21}, {100, 28}};
    for (const auto& [lines, width] : cases) {
      SCOPED_TRACE(lines);
      SetTextAndCaret(std::string(static_cast<std::size_t>(lines - 1), '\n'), 0);
      EXPECT_EQ(Editor->GetMarginWidthN(1), width);
    }
    SetTextAndCaret("\n\n\n\n\n\n\n\n", 8);
    QTest::keyClick(EditingWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(Editor->GetLineCount(), 10);
    EXPECT_EQ(Editor->GetMarginWidthN(1), 21);
  });
}

TEST_F(EditorViewHandlersTest, StatusBarFollowsTheCaret) {
  RunProgram([] {
    Settle();
    EXPECT_EQ(StatusPart(kCaretLinePart), "0");
    EXPECT_EQ(StatusPart(kCaretColumnPart), "0");
    EXPECT_EQ(StatusPart(kTextLengthPart), "1");
    // Columns count characters; the length counts the component's UTF-8 bytes, plus one.
    SetTextAndCaret("ab\n中文x", 10);
    EXPECT_EQ(StatusPart(kCaretLinePart), "1");
    EXPECT_EQ(StatusPart(kCaretColumnPart), "3");
    EXPECT_EQ(StatusPart(kTextLengthPart), "11");
    QTest::keyClick(EditingWidget(), Qt::Key_Left);
    Settle();
    EXPECT_EQ(StatusPart(kCaretLinePart), "1");
    EXPECT_EQ(StatusPart(kCaretColumnPart), "2");
    EXPECT_EQ(StatusPart(kTextLengthPart), "11");
  });
}

void ClickMargin(int margin, int line) {
  int x = 1;
  for (int left = 0; left < margin; ++left) x += Editor->GetMarginWidthN(left);
  const int y = Editor->PointYFromPosition(Editor->PositionFromLine(line)) + Editor->TextHeight(line) / 2;
  QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(x, y));
  Settle();
}

TEST_F(EditorViewHandlersTest, ClickingTheBookmarkMarginTogglesTheBookmark) {
  RunProgram([] {
    SetTextAndCaret("a\nb\nc", 0);
    ClickMargin(0, 1);
    EXPECT_EQ(Editor->MarkerGet(1), 2);
    EXPECT_EQ(Editor->MarkerGet(0), 0);
    ClickMargin(0, 1);
    EXPECT_EQ(Editor->MarkerGet(1), 0);
    ClickMargin(1, 2);  // the line numbers
    EXPECT_EQ(Editor->MarkerGet(2), 0);
  });
}

TEST_F(EditorViewHandlersTest, ALeftClickHidesTheCompletionList) {
  RunProgram([] {
    auto* list = MainWindow->Find<framework::ListView>(kCompletionList);
    list->SetVisible(true);
    SetTextAndCaret("(ab", 0);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {},
                      QPoint(Editor->PointXFromPosition(3) + 2, Editor->PointYFromPosition(3) + 2));
    Settle();
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Editor->GetCurrentPos(), 3);
    EXPECT_EQ(HighlightedPositions(), std::set<int>{0});
  });
}

// The component's own context menu stays away: the Edit menu is the one menu asked for.
TEST_F(EditorViewHandlersTest, ARightClickPopsUpTheEditMenuWhoseCommandsRunAsFromTheMenuBar) {
  std::vector<platform::HMENU> shown;
  platform::SetPopupMenuAnswer([&shown](platform::HMENU menu) -> std::optional<platform::UINT> {
    shown.push_back(menu);
    return MenuCommandAddBookmark;
  });
  RunProgram([&] {
    SetTextAndCaret("a\nb", 2);
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, QPoint(Editor->PointXFromPosition(0) + 2, 2));
    Settle();
    ASSERT_EQ(MenuHandles.size(), 5u);
    EXPECT_EQ(shown, std::vector<platform::HMENU>{MenuHandles[1]});
    EXPECT_EQ(Editor->MarkerGet(1), 2);
  });
  platform::SetPopupMenuAnswer({});
}

// A key that changes the text marks the document unsaved; a key that only moves, scrolls,
// selects or copies leaves a saved document saved, so closing it asks nothing.
TEST_F(EditorViewHandlersTest, OnlyKeysThatChangeTheTextMarkTheDocumentUnsaved) {
  struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool changes;
  };
  const KeyCase keys[] = {
      {"a letter", Qt::Key_A, Qt::NoModifier, true},
      {"Backspace", Qt::Key_Backspace, Qt::NoModifier, true},
      {"Delete", Qt::Key_Delete, Qt::NoModifier, true},
      {"Enter", Qt::Key_Return, Qt::NoModifier, true},
      {"Tab", Qt::Key_Tab, Qt::NoModifier, true},
      {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, true},
      {"Left", Qt::Key_Left, Qt::NoModifier, false},
      {"Right", Qt::Key_Right, Qt::NoModifier, false},
      {"Up", Qt::Key_Up, Qt::NoModifier, false},
      {"Down", Qt::Key_Down, Qt::NoModifier, false},
      {"Home", Qt::Key_Home, Qt::NoModifier, false},
      {"End", Qt::Key_End, Qt::NoModifier, false},
      {"PageDown", Qt::Key_PageDown, Qt::NoModifier, false},
      {"PageUp", Qt::Key_PageUp, Qt::NoModifier, false},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, false},
      {"Shift+Right", Qt::Key_Right, Qt::ShiftModifier, false},
      {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, false},
      {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, false},
      {"Ctrl+Z with nothing to undo", Qt::Key_Z, Qt::ControlModifier, false},
  };
  RunProgram([&] {
    for (const KeyCase& key : keys) {
      SCOPED_TRACE(key.name);
      SetTextAndCaret("int a;\r\nint b;\r\nint c;\r\n", 9);
      Editor->SetSel(9, 10);
      Editor->EmptyUndoBuffer();
      MarkDocumentSaved();
      QTest::keyClick(EditingWidget(), key.key, key.modifiers);
      Settle();
      EXPECT_EQ(IsSaved, key.changes ? 0 : 1);
    }
  });
}

}  // namespace
