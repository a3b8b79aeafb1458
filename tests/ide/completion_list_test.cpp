#include "ide/completion_list.h"

#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <string>
#include <vector>

#include "framework/list_view.h"
#include "ide/main_window_definition.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/window.h"
#include "program_fixture.h"

namespace {

using Rows = std::vector<std::string>;

framework::ListView* List() { return MainWindow->Find<framework::ListView>(kCompletionList); }

// Lets what is queued arrive: the simulated key presses and the view's updates.
void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

Rows ListRows() {
  Rows rows;
  for (int i = 0; i < List()->RowCount(); ++i) rows.push_back(List()->Cell(i, 0));
  return rows;
}

bool ListHasFocus() { return QApplication::focusWidget() == List()->Widget(); }

// Keys go to whichever widget has the focus, as a user's would.
void Press(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key);
  Settle();
}

void Type(const char* text) {
  QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
  Settle();
}

// The index, last word first: zwx 中文字 中文 putchar puts printf char int.
class CompletionListTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    WriteBaseFile("default.txt", "[配色]\r\nfont-family=DejaVu Sans Mono\r\nfont-size=12\r\n");
    WriteBaseFile("Syntax/key.txt", "int char ");
    WriteBaseFile("Syntax/Order.txt", "printf puts putchar 中文 中文字 ");
    WriteBaseFile("Syntax/h.txt", "zwx ");
    ASSERT_EQ(mkdir(ProgramPath("Syntax").c_str(), 0755), 0);
    WriteProgramFile("Syntax/Tips.txt", "[printf]\r\ntip=int printf(const char *format, ...)\r\n");
    SetCommandLineText("a.c");  // no start window to take the focus
  }

  // Runs the program with the main window active and the editor holding text, caret at its end.
  void RunWithEditor(const std::function<void()>& test) {
    RunProgram([&] {
      QWidget* top = platform::WidgetFromWindow(MainWindow->Handle());
      top->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(top));
      Editor->GrabFocus();
      Settle();
      test();
    });
  }

  void Start(const char* text) {
    List()->SetVisible(false);
    Editor->GrabFocus();
    Editor->SetText(text);
    Editor->GotoPos(Editor->GetLength());
    Settle();
  }
};

struct TypingCase {
  const char* name;
  const char* before;
  const char* typed;
  Rows rows;  // none: the list is hidden
};

TEST_F(CompletionListTest, TypingListsTheWordsWhoseAbbreviationBeginsWithTheTypedOne) {
  const TypingCase cases[] = {
      {"one match", "", "pr", {"printf\r"}},
      {"in index order", "", "pu", {"putchar\r", "puts\r"}},
      {"case folded", "", "PU", {"putchar\r", "puts\r"}},
      {"pinyin initials", "", "zw", {"zwx\r", "中文字\r", "中文\r"}},
      {"a letter after Chinese takes it in", "x=中", "w", {"zwx\r", "中文字\r", "中文\r"}},
      {"only the word after the separator", "int a=p", "r", {"printf\r"}},
      {"a blank hides", "pr", " ", {}},
      {"an operator hides", "", "pr+", {}},
      {"a bracket hides", "", "pr(", {}},
      {"no match hides", "", "q", {}},
      {"a dot acts as in a pattern", "", "p.i", {"printf\r"}},
      {"an invalid pattern gives no rows", "", "p[", {}},
      {"Backspace takes the word back", "pri", "\b", {"printf\r"}},
  };
  RunWithEditor([&] {
    for (const TypingCase& c : cases) {
      SCOPED_TRACE(c.name);
      Start(c.before);
      Type(c.typed);
      EXPECT_EQ(ListRows(), c.rows);
      EXPECT_EQ(List()->Visible(), !c.rows.empty());
      if (!c.rows.empty()) {
        EXPECT_EQ(List()->SelectedRow(), 0);
      }
    }
  });
}

// 0xA1 separates wherever it stands, 0xB0 and 0xB1 (the quotes' trail bytes) never do, and the
// word never begins inside the character that separates: 帧 is D6 A1, 鞍 B0 B0, 北 B1 B1, “ A1 B0.
TEST_F(CompletionListTest, TheSeparatorSetTakesOnlyTheQuotesLeadByte) {
  const std::pair<const char*, const char*> cases[] = {
      {"帧", "z"}, {"鞍", "鞍z"}, {"北", "北z"}, {"“", "z"}, {"3×", "z"}};
  RunWithEditor([&] {
    for (const auto& [before, prefix] : cases) {
      Start(before);
      Type("z");
      EXPECT_EQ(CompletionPrefix, prefix) << before;
    }
  });
}

TEST_F(CompletionListTest, TheListSitsUnderTheCaretOrAboveItAndInsideTheWindow) {
  RunWithEditor([&] {
    Start("");
    Type("p");
    EXPECT_EQ(List()->Left(), Editor->PointXFromPosition(0));
    EXPECT_EQ(List()->Top(), Editor->PointYFromPosition(0) + 70);

    Start(std::string(60, '\n').c_str());  // the caret on the view's last line
    Type("p");
    EXPECT_EQ(List()->Top(), Editor->PointYFromPosition(Editor->GetCurrentPos()) - List()->Height());

    // The caret near the window's right edge: the first blank beyond where the list would fit.
    const int rightmost = MainWindow->ClientWidth() - List()->Width();
    Start(std::string(400, ' ').c_str());
    Editor->GotoPos(0);
    Settle();
    int caret = 0;
    while (caret < Editor->GetLength() && Editor->PointXFromPosition(caret) <= rightmost) ++caret;
    Editor->GotoPos(caret);
    Settle();
    ASSERT_GT(Editor->PointXFromPosition(caret), rightmost);
    Type("p");
    EXPECT_EQ(List()->Left(), MainWindow->ClientWidth() - List()->Width());
  });
}

TEST_F(CompletionListTest, ManyRowsNarrowTheColumnForTheScrollBar) {
  std::string words;
  for (int i = 0; i < 15; ++i) words += "w" + std::to_string(i) + " ";
  WriteBaseFile("Syntax/h.txt", words);
  RunWithEditor([&] {
    Start("");
    Type("w");
    EXPECT_EQ(List()->RowCount(), 15);
    EXPECT_EQ(List()->ColumnWidth(0), 143);
    Type("1");
    EXPECT_EQ(List()->RowCount(), 6);  // w1, w10 to w14
    EXPECT_EQ(List()->ColumnWidth(0), 160);
  });
}

struct AcceptCase {
  const char* name;
  const char* before;
  int caret;
  const char* typed;
  std::vector<Qt::Key> keys;
  const char* after;
};

// Whatever the key and the side, exactly the accepted word stands in place of the typed one,
// with the caret after it.
TEST_F(CompletionListTest, AcceptingReplacesTheTypedWordWithTheEntry) {
  const AcceptCase cases[] = {
      {"Enter from the editor", "", 0, "pu", {Qt::Key_Return}, "putchar"},
      {"Enter on an indented line", "    x\n    ", 10, "pu", {Qt::Key_Return}, "    x\n    putchar"},
      {"Enter on a tab-indented line", "\tx\n\t", 4, "pu", {Qt::Key_Return}, "\tx\n\tputchar"},
      {"Space from the editor is a blank", "", 0, "pu", {Qt::Key_Space}, "pu "},
      {"in the middle of a line", "a = ;", 4, "pr", {Qt::Key_Return}, "a = printf;"},
      {"after Backspace", "", 0, "pux", {Qt::Key_Backspace, Qt::Key_Return}, "putchar"},
      {"Chinese entry", "", 0, "zw", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "中文"},
      {"from the list with Enter", "", 0, "pu", {Qt::Key_Down, Qt::Key_Return}, "puts"},
      {"from the list with Space", "", 0, "pu", {Qt::Key_Down, Qt::Key_Space}, "puts"},
      {"a Chinese word is replaced whole", "中", 3, "w", {Qt::Key_Return}, "zwx"},
  };
  RunWithEditor([&] {
    for (const AcceptCase& c : cases) {
      SCOPED_TRACE(c.name);
      Start(c.before);
      Editor->GotoPos(c.caret);
      Type(c.typed);
      for (const Qt::Key key : c.keys) Press(key);
      EXPECT_EQ(EditorText(), c.after);
      const std::string after = c.after;
      EXPECT_EQ(Editor->GetCurrentPos(), static_cast<int>(AnsiToUtf8(after.substr(0, after.find(';'))).size()) - 2);
    }
  });
}

TEST_F(CompletionListTest, UpAndDownMoveThroughTheRowsFromBothSides) {
  RunWithEditor([&] {
    Start("");
    Type("zw");
    Press(Qt::Key_Up);  // row 0: nothing moves
    EXPECT_EQ(List()->SelectedRow(), 0);
    EXPECT_FALSE(ListHasFocus());
    Press(Qt::Key_Down);
    EXPECT_EQ(List()->SelectedRow(), 1);
    EXPECT_TRUE(ListHasFocus());
    Press(Qt::Key_Down);
    EXPECT_EQ(List()->SelectedRow(), 2);
    Press(Qt::Key_Down);  // the last row
    EXPECT_EQ(List()->SelectedRow(), 2);
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    EXPECT_EQ(List()->SelectedRow(), 0);
    Press(Qt::Key_Left);  // the list ignores it
    EXPECT_TRUE(List()->Visible());
    EXPECT_EQ(EditorText(), "zw");
  });
}

TEST_F(CompletionListTest, DownWithOneRowGoesIntoTheList) {
  RunWithEditor([&] {
    Start("");
    Type("pr");
    Press(Qt::Key_Down);
    EXPECT_TRUE(ListHasFocus());
    EXPECT_EQ(List()->SelectedRow(), 0);
  });
}

TEST_F(CompletionListTest, AnyOtherKeyInTheListGoesToTheEditorAtTheWordsEnd) {
  RunWithEditor([&] {
    Start("");
    Type("pu");
    Press(Qt::Key_Down);
    ASSERT_TRUE(ListHasFocus());
    Type("t");
    EXPECT_FALSE(ListHasFocus());
    EXPECT_EQ(EditorText(), "put");
    EXPECT_EQ(Editor->GetCurrentPos(), 3);
    EXPECT_EQ(ListRows(), (Rows{"putchar\r", "puts\r"}));  // the editor's typing refilled it
  });
}

TEST_F(CompletionListTest, DigitsAndPunctuationTypedInTheListReachTheEditor) {
  RunWithEditor([&] {
    for (const char* typed : {";", ".", ",", "[", "=", "/", "'", "9"}) {
      SCOPED_TRACE(typed);
      Start("");
      Type("pu");
      Press(Qt::Key_Down);
      ASSERT_TRUE(ListHasFocus());
      Type(typed);
      EXPECT_FALSE(ListHasFocus());
      EXPECT_EQ(EditorText(), std::string("pu") + typed);
    }
  });
}

TEST_F(CompletionListTest, LeftOrRightInTheEditorHidesTheList) {
  RunWithEditor([&] {
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) {
      Start("");
      Type("pu");
      Press(key);
      EXPECT_FALSE(List()->Visible());
    }
  });
}

TEST_F(CompletionListTest, ALongWordGivesNoRowsAndNoHang) {
  RunWithEditor([&] {
    Start(std::string(10000, 'p').c_str());
    Type("r");
    EXPECT_FALSE(List()->Visible());
    EXPECT_EQ(CompletionPrefix.size(), 10001u);
  });
}

// Keys posted to the widget with the focus one at a time, each left to arrive with what it makes
// the program post, as a user's keys come in from the window system. A step in angle brackets is
// one key; any other step types its characters one by one.
void PostKey(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
  Settle();
}

// Latin-1 characters have Qt keys of their own value (letters upper case); the others, as an input
// method gives them, none.
void PostCharacter(QChar c) { PostKey(c.unicode() < 0x100 ? c.toUpper().unicode() : 0, QString(c)); }

void PostStep(const std::string& step) {
  if (step == "<Enter>") return PostKey(Qt::Key_Return, "\r");
  if (step == "<Up>") return PostKey(Qt::Key_Up, QString());
  if (step == "<Down>") return PostKey(Qt::Key_Down, QString());
  if (step == "<Top>") return PostKey(Qt::Key_Home, QString(), Qt::ControlModifier);
  if (step == "<Undo>") return PostKey(Qt::Key_Z, "\x1A", Qt::ControlModifier);
  for (const QChar c : platform::AnsiToQString(step)) PostCharacter(c);
}

// The word lists the program ships, and two Chinese words.
class ShippedListsTest : public CompletionListTest {
 protected:
  void SetUp() override {
    CompletionListTest::SetUp();
    for (const char* list : {"key.txt", "Order.txt", "Conest.txt"}) WriteBaseFile(Syntax(list), ShippedList(list));
    WriteBaseFile(Syntax("h.txt"), ShippedList("h.txt") + "中文 长度 ");
  }

  static std::string Syntax(const std::string& list) { return "Syntax/" + list; }
  static std::string ShippedList(const std::string& list) {
    return platform::ReadWholeFile(TAVO_DIST_DIR "/" + Syntax(list)).value_or(std::string());
  }
};

struct KeyByKeyCase {
  const char* name;
  const char* before;  // the caret at its end
  std::vector<std::string> steps;
  const char* after;
};

TEST_F(ShippedListsTest, TypingKeyByKeyLeavesWhatWasTypedOrTheChosenEntry) {
  const KeyByKeyCase cases[] = {
      {"a blank after a word with entries", "", {"int count = 0;"}, "int count = 0;"},
      {"a blank after a word whose first entry is longer", "", {"char c = 'a';"}, "char c = 'a';"},
      {"blanks after if and return", "", {"if (count > 0) return 1;"}, "if (count > 0) return 1;"},
      {"Enter after a word the list holds", "", {"else", "<Enter>", "return count;"}, "else\r\nreturn count;"},
      {"a character that separates stays whole", "", {"// 3×e", "<Enter>"}, "// 3×errno"},
      {"Enter chooses", "", {"pri", "<Enter>"}, "printf"},
      {"Enter chooses on an indented line", "{\r\n    ", {"pri", "<Enter>"}, "{\r\n    printf"},
      {"the chosen entry is final", "", {"pri", "<Enter>", "(x"}, "printf(x"},
      {"Space in the list chooses", "", {"zw", "<Down>", " "}, "中文"},
      {"a Chinese word typed is replaced whole", "", {"长", "<Enter>"}, "长度"},
      {"Up at the first row leaves the line", "int a;\r\n", {"pri", "<Up>", "<Enter>"}, "int\r\n a;\r\npri"},
      {"Down into the list keeps the word", "\r\nx", {"<Top>", "fput", "<Down>", "<Enter>"}, "fputs\r\nx"},
      {"undo after choosing with Enter", "", {"pri", "<Enter>", "<Undo>"}, "pri"},
      {"undo after choosing in the list", "", {"zw", "<Down>", "<Enter>", "<Undo>"}, "zw"},
  };
  RunWithEditor([&] {
    for (const KeyByKeyCase& c : cases) {
      SCOPED_TRACE(c.name);
      Start(c.before);
      for (const std::string& step : c.steps) PostStep(step);
      EXPECT_EQ(EditorText(), c.after);
    }
  });
}

// The tip is drawn over other windows: it goes when the pointer leaves the editor, when the
// editor gives up the keyboard, and when another window opens.
TEST_F(CompletionListTest, TheTipGoesWithThePointerTheKeyboardOrAnotherWindow) {
  RunWithEditor([&] {
    auto* editor = static_cast<QsciScintillaBase*>(platform::WidgetFromWindow(Editor->GetEditorHandle()));
    const auto showTip = [&] {
      Start("printf(x);");
      editor->viewport()->setAttribute(Qt::WA_UnderMouse);
      editor->SCN_DWELLSTART(2, 10, 10);
      ASSERT_TRUE(Editor->CallTipActive());
    };
    showTip();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(editor->viewport(), &leave);
    EXPECT_FALSE(Editor->CallTipActive()) << "the pointer left";

    showTip();
    platform::SetFocus(MainWindow->Find<framework::ListView>(kOutputList)->Handle());
    ASSERT_NE(platform::GetFocus(), Editor->GetEditorHandle());
    EXPECT_FALSE(Editor->CallTipActive()) << "the keyboard went elsewhere";

    showTip();
    QWidget other;
    other.show();
    EXPECT_FALSE(Editor->CallTipActive()) << "another window opened";
  });
}

TEST_F(CompletionListTest, DwellShowsTheWordsTipAndItsEndCancelsIt) {
  RunWithEditor([&] {
    Start("printf(x);  putchar");
    OnEditorDwell(2, 0, 0, 0);
    EXPECT_TRUE(Editor->CallTipActive());
    OnEditorDwell(2, 0, 0, 1);
    EXPECT_FALSE(Editor->CallTipActive());
    OnEditorDwell(2, 0, 0, 0);
    OnEditorDwell(-1, 0, 0, 1);  // the pointer moved off the text
    EXPECT_FALSE(Editor->CallTipActive());

    OnEditorDwell(14, 0, 0, 0);  // a word without a tip shows all the same
    EXPECT_TRUE(Editor->CallTipActive());
    Editor->CallTipCancel();

    for (const int position : {10, -1}) {  // white space, no position
      OnEditorDwell(position, 0, 0, 0);
      EXPECT_FALSE(Editor->CallTipActive()) << position;
    }
    OnEditorDwell(Editor->GetLength(), 0, 0, 0);  // after the last character
    OnEditorDwell(Editor->GetLength() - 1, 0, 0, 0);
    EXPECT_TRUE(Editor->CallTipActive());
  });
}

}  // namespace
