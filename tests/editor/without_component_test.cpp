// Without a successful Create there is no component: every operation answers 0, false or empty
// and changes nothing, not even the caller's texts, arrays and outs. Both before any Create and
// after one that failed.
#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <memory>

#include "editor/sci_editor.h"
#include "platform/window.h"

namespace {

struct NoComponentCase {
  const char* operation;
  std::function<bool(SciEditor&)> answersNothing;
};

// The parameter: whether Create was tried, with a parent that is gone.
class WithoutComponent : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!GetParam()) return;
    auto gone = std::make_unique<QWidget>();
    const platform::HWND staleParent = platform::WindowFromWidget(gone.get());
    gone.reset();
    ASSERT_FALSE(editor.Create(staleParent));
  }

  SciEditor editor;
};

INSTANTIATE_TEST_SUITE_P(BeforeAndAfterFailedCreate, WithoutComponent, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "CreateFailed" : "NeverCreated";
                         });

}  // namespace

TEST_P(WithoutComponent, EveryKindOfOperationAnswersNothing) {
  const NoComponentCase cases[] = {
      {"thin integer", [](SciEditor& e) { return e.GetLength() == 0 && e.StyleSetFore(1, 255) == 0; }},
      {"thin pointer", [](SciEditor& e) { return e.SetProperty("a", "b") == 0 && e.ReplaceSel("x") == 0; }},
      {"bool results", [](SciEditor& e) { return !e.CanUndo() && !e.GetModify() && !e.AutoCActive(); }},
      {"Utf8Mode", [](SciEditor& e) { return !e.Utf8Mode() && !e.Utf8Mode(true); }},
      {"bool properties written",
       [](SciEditor& e) { return !e.CaretLineVisible(true) && !e.EndAtLastLine(false); }},
      {"other properties",
       [](SciEditor& e) { return !e.ReadOnly(true) && e.Status(2) == 0 && e.SelAlpha() == 0; }},
      {"GetTextLength", [](SciEditor& e) { return e.GetTextLength() == 0; }},
      {"GetScrollBars",
       [](SciEditor& e) {
         e.SetScrollBars(3);
         return e.GetScrollBars() == 0;
       }},
      {"SetPopupMenu", [](SciEditor& e) { return !e.SetPopupMenu(1); }},
      {"texts",
       [](SciEditor& e) {
         return e.GetText(10).empty() && e.GetTextBytes(10).empty() && e.GetLine(0).empty() &&
                e.GetSelText().empty() && e.GetCurLine().empty() && e.GetTextRange(0).empty() &&
                e.GetTextRange(0, 5).empty() && e.GetStyledText(0, 5).empty() && e.GetProperty("k").empty() &&
                e.PropertyNames().empty() && e.StyleGetFont(0).empty() && e.MarginGetText(0).empty() &&
                e.AnnotationGetText(0).empty() && e.AutoCGetCurrentText().empty() && !e.HasSelection();
       }},
      {"document pointers", [](SciEditor& e) { return e.CreateDocument() == 0 && e.GetDocPointer() == 0; }},
      {"pictures", [](SciEditor& e) { return e.MarkerDefinePixmap(1, "/* XPM */") == 0; }},
      {"FormatRange",
       [](SciEditor& e) {
         SciEditor::PrintRange range;
         range.range = {3, 9};
         return e.FormatRange(range) == 0 && range.range.first == 3 && range.range.last == 9;
       }},
  };
  for (const NoComponentCase& c : cases) EXPECT_TRUE(c.answersNothing(editor)) << c.operation;
}

TEST_P(WithoutComponent, CallersTextsArraysAndOutsStayAsTheyWere) {
  int start = -5;
  int end = -6;
  EXPECT_FALSE(editor.FindText(0, "x", 0, 10, &start, &end));
  EXPECT_EQ(editor.GetSelection(&start, &end), 0);
  EXPECT_EQ(start, -5);
  EXPECT_EQ(end, -6);

  std::string words = "int 中文";
  EXPECT_EQ(editor.SetKeyWords(0, words), 0);
  EXPECT_EQ(words, "int 中文");

  std::string descriptions = "keep";
  EXPECT_EQ(editor.DescribeKeywordSets(descriptions), 0);
  EXPECT_EQ(descriptions, "keep");

  ByteSet styles = "\x05\x05";
  EXPECT_EQ(editor.MarginGetStyles(0, styles), 0);
  EXPECT_EQ(styles, "\x05\x05");
}
