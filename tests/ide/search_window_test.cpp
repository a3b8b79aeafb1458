#include "ide/search_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "document_fixture.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/edit_box.h"
#include "framework/list_view.h"
#include "framework/page_control.h"
#include "ide/search_window_definition.h"
#include "platform/code_page.h"

namespace {

// The hits of the last search: each row's line number and its two positions.
struct Hit {
  std::string line;
  std::string start;
  std::string end;

  bool operator==(const Hit&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Hit& hit) {
  return out << hit.line << ":" << hit.start << "-" << hit.end;
}

class SearchWindowTest : public DocumentTest {
 protected:
  static framework::ListView* Hits() { return MainWindow->Find<framework::ListView>(kFindResultsList); }
  static framework::CheckBox* Option(const char* name) { return SearchWindow->Find<framework::CheckBox>(name); }
  static framework::EditBox* SearchBox() { return SearchWindow->Find<framework::EditBox>(kSearchBox); }

  static void SetClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(platform::AnsiToQString(text));
  }

  // Opens the window on the document, sets the options and clicks 查找.
  static void FindAll(const std::string& document, const std::string& text,
                      const std::vector<const char*>& checked = {}) {
    Editor->SetText(document);
    LoadSearchWindow();
    SearchBox()->SetText(text);
    for (const char* box : checked) Option(box)->SetChecked(true);
    QTest::mouseClick(SearchWindow->Find<framework::Button>(kFindButton)->Widget(), Qt::LeftButton);
  }

  static std::vector<Hit> ListedHits() {
    std::vector<Hit> hits;
    for (int row = 0; row < Hits()->RowCount(); ++row) {
      hits.push_back({Hits()->Cell(row, 0), Hits()->Cell(row, 2), Hits()->Cell(row, 3)});
    }
    return hits;
  }
};

TEST_F(SearchWindowTest, EveryHitIsListedOnceWithItsLineAndPositions) {
  struct Case {
    const char* name;
    std::string document;
    std::string text;
    std::vector<const char*> options;
    std::vector<Hit> hits;
  };
  const std::vector<Case> cases = {
      {"hit at position 0", "int a;\nint b;\n", "int", {}, {{"1", "0", "3"}, {"2", "7", "10"}}},
      {"overlapping occurrences", "aaaa", "aa", {}, {{"1", "0", "2"}, {"1", "2", "4"}}},
      {"case ignored", "Printf printf", "PRINTF", {}, {{"1", "0", "6"}, {"1", "7", "13"}}},
      {"match case", "Printf printf", "printf", {kMatchCaseBox}, {{"1", "7", "13"}}},
      {"whole word", "int print; printf();", "print", {kWholeWordBox}, {{"1", "4", "9"}}},
      {"regular expression", "a1 b22 c", "[0-9]+", {kRegexBox}, {{"1", "1", "2"}, {"1", "4", "6"}}},
      {"empty hits listed once", "ab\ncd", "$", {kRegexBox}, {{"1", "2", "2"}, {"2", "5", "5"}}},
      {"literal bracket in an expression", "xa(y", "a(", {kRegexBox}, {{"1", "1", "3"}}},
      {"empty search text", "abc", "", {}, {}},
      {"empty document", "", "a", {}, {}},
      {"double-byte text", "中文 中文", "文", {}, {{"1", "3", "6"}, {"1", "10", "13"}}},
  };
  RunProgram([&] {
    Hits()->AddRow({"9", "old", "0", "0"});
    for (const Case& c : cases) {
      FindAll(c.document, c.text, c.options);
      EXPECT_EQ(ListedHits(), c.hits) << c.name;
      SearchWindow->Destroy();
    }
  });
}

TEST_F(SearchWindowTest, ARowShowsTheLineInTheCodePageAndTheSearchEndsWithItsBox) {
  RunProgram([&] {
    MainWindow->Find<framework::PageControl>(kOutputPanel)->SetCurrentPage(0);
    FindAll("int x;\n  printf(\"中\");\n", "printf");
    ASSERT_EQ(Hits()->RowCount(), 1);
    EXPECT_EQ(Hits()->Cell(0, 1), "  printf(\"中\");\n");
    EXPECT_EQ(MainWindow->Find<framework::PageControl>(kOutputPanel)->CurrentPage(), 1);
    ASSERT_EQ(dialogs_.size(), 1u);
    EXPECT_EQ(dialogs_[0].text, "查找完毕");
    EXPECT_EQ(dialogs_[0].caption, "查找");
    EXPECT_EQ(dialogs_[0].owner, SearchWindow->Frame());
  });
}

// An expression the component cannot compile would find nothing, as if there were no hits: the
// box says it is not valid instead of "查找完毕", and no hit of an earlier search is left listed.
TEST_F(SearchWindowTest, AnInvalidExpressionIsNamedInsteadOfFindingNothing) {
  for (const std::string& expression : std::vector<std::string>{"[", "a\\(b", "*x", std::string(124, 'a')}) {
    SCOPED_TRACE(expression.substr(0, 20));
    dialogs_.clear();
    RunProgram([&] {
      Hits()->AddRow({"9", "old", "0", "0"});
      FindAll("a[b a(b *x", expression, {kRegexBox});
      EXPECT_EQ(Hits()->RowCount(), 0);
      ASSERT_EQ(dialogs_.size(), 1u);
      EXPECT_EQ(dialogs_[0].text, "“" + expression + "”不是有效的正则表达式（写法有误或太长），没有查找。");
      EXPECT_EQ(dialogs_[0].caption, "查找");
    });
  }
  RunProgram([&] {
    FindAll("a[b", "[", {});  // without the box the bracket is itself
    EXPECT_EQ(ListedHits(), (std::vector<Hit>{{"1", "1", "2"}}));
  });
}

TEST_F(SearchWindowTest, AVeryLongLineShowsItsStartInEveryRow) {
  // Two-byte characters, so the cut must not halve one.
  std::string line;
  while (line.size() < 100000) line += "中a";
  RunProgram([&] {
    FindAll(line, "a");
    ASSERT_EQ(Hits()->RowCount(), 100000 / 3 + 1);
    const std::string shown = Hits()->Cell(Hits()->RowCount() - 1, 1);
    EXPECT_LE(shown.size(), kHitLineTextBytes);
    EXPECT_GE(shown.size(), kHitLineTextBytes - 1);
    EXPECT_EQ(shown, line.substr(0, shown.size()));
    EXPECT_EQ(shown.size() % 3, 0u);
  });
}

TEST_F(SearchWindowTest, DoubleClickOnAHitSelectsIt) {
  RunProgram([&] {
    FindAll("int a;\nint b;\n  printf(x);\n", "printf");
    framework::ListView* hits = Hits();
    hits->SelectRow(0);
    hits->OnDoubleClick(0);
    EXPECT_EQ(Editor->GetAnchor(), 16);
    EXPECT_EQ(Editor->GetCurrentPos(), 22);
    EXPECT_EQ(Editor->LineFromPosition(Editor->GetCurrentPos()), 2);
    hits->SelectRow(-1);
    Editor->SetSel(0, 0);
    hits->OnDoubleClick(-1);
    EXPECT_EQ(Editor->GetCurrentPos(), 0);
  });
}

TEST_F(SearchWindowTest, RegexBoxDisablesWholeWordAndKeepsItsMark) {
  RunProgram([&] {
    LoadSearchWindow();
    Option(kWholeWordBox)->SetChecked(true);
    QWidget* regex = Option(kRegexBox)->Widget();
    QTest::mouseClick(regex, Qt::LeftButton, {}, QPoint(4, regex->height() / 2));
    EXPECT_FALSE(Option(kWholeWordBox)->Enabled());
    EXPECT_TRUE(Option(kWholeWordBox)->Checked());
    QTest::mouseClick(regex, Qt::LeftButton, {}, QPoint(4, regex->height() / 2));
    EXPECT_TRUE(Option(kWholeWordBox)->Enabled());
    EXPECT_TRUE(Option(kWholeWordBox)->Checked());
  });
}

TEST_F(SearchWindowTest, TheBoxStartsWithTheClipboardCutTo100Bytes) {
  const std::string ninetyNine(99, 'x');
  struct Case {
    std::string clipboard;
    std::string box;
  };
  // A double-byte character across byte 100 keeps only its lead byte, which no character
  // of the box can show.
  const std::vector<Case> cases = {{"printf", "printf"},
                                   {std::string(150, 'y'), std::string(100, 'y')},
                                   {ninetyNine + "中", ninetyNine + "?"},
                                   {"", ""}};
  RunProgram([&] {
    for (const Case& c : cases) {
      SetClipboard(c.clipboard);
      LoadSearchWindow();
      EXPECT_EQ(SearchBox()->Text(), c.box) << c.clipboard;
      SearchWindow->Destroy();
    }
  });
}

TEST_F(SearchWindowTest, CloseButtonDestroysTheWindow) {
  RunProgram([&] {
    LoadSearchWindow();
    QTest::mouseClick(SearchWindow->Find<framework::Button>(kCloseButton)->Widget(), Qt::LeftButton);
    EXPECT_EQ(SearchWindow, nullptr);
  });
}

}  // namespace
