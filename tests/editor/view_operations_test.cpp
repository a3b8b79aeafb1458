// The operations of the view that do more than send one message: scroll bars, caret period,
// line spacing, the context-menu mode, the texts of margins and annotations, and printing.
#include <QImage>
#include <QPainter>

#include "operations_fixture.h"
#include "platform/menu.h"
#include "platform/window.h"

namespace {

using ViewOperations = OperationsFixture;

}  // namespace

TEST_F(ViewOperations, ScrollBarsUseOneCodingBothWays) {
  struct Case {
    int kind;
    long horizontal;
    long vertical;
  };
  const Case cases[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {3, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    editor.SetScrollBars(c.kind);
    EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETHSCROLLBAR), c.horizontal);
    EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETVSCROLLBAR), c.vertical);
    EXPECT_EQ(editor.GetScrollBars(), c.kind);
  }
  editor.SetScrollBars(2);
  for (int other : {4, -1}) {
    editor.SetScrollBars(other);
    EXPECT_EQ(editor.GetScrollBars(), 2) << other;
  }
  editor.SetScrollBars();
  EXPECT_EQ(editor.GetScrollBars(), 0);
}

TEST_F(ViewOperations, CaretPeriodOfZeroOrLessIsTheUsualOne) {
  struct Case {
    std::optional<int> given;
    int sent;
  };
  const Case cases[] = {{0, 500}, {-20, 500}, {std::nullopt, 500}, {1, 1}, {750, 750}};
  for (const Case& c : cases) {
    editor.SetCaretPeriod(c.given);
    EXPECT_EQ(editor.GetCaretPeriod(), c.sent) << c.given.value_or(12345);
  }
}

TEST_F(ViewOperations, ExtraSpacingSetsAscentAndDescent) {
  editor.SetExtraSpacing(3);
  EXPECT_EQ(editor.GetExtraAscent(), 3);
  EXPECT_EQ(editor.GetExtraDescent(), 3);
  editor.SetExtraSpacing();
  EXPECT_EQ(editor.GetExtraAscent(), 0);
  EXPECT_EQ(editor.GetExtraDescent(), 0);
}

TEST_F(ViewOperations, WrapModeAndLineVisibilityAreReadBack) {
  editor.SetWrapMode(1);
  EXPECT_EQ(editor.GetWrapMode(), 1);
  editor.SetText("a\nb\nc");
  EXPECT_TRUE(editor.GetLineVisible(1));
  editor.HideLines(1, 1);
  EXPECT_FALSE(editor.GetLineVisible(1));
}

TEST_F(ViewOperations, PopupMenuModeDecidesTheContextMenu) {
  int menusShown = 0;
  platform::SetPopupMenuAnswer([&menusShown](platform::HMENU) {
    ++menusShown;
    return std::optional<platform::UINT>();
  });
  const auto rightClick = [this] {
    platform::SendMessageA(editor.GetEditorHandle(), platform::WM_CONTEXTMENU,
                           reinterpret_cast<platform::WPARAM>(editor.GetEditorHandle()),
                           platform::MAKELPARAM(5, 5));
  };

  EXPECT_FALSE(editor.SetPopupMenu(1));  // the built-in menu, which is no menu handle
  rightClick();
  EXPECT_EQ(menusShown, 1);

  EXPECT_FALSE(editor.SetPopupMenu());
  rightClick();
  EXPECT_EQ(menusShown, 1);

  const platform::HMENU own = platform::CreatePopupMenu();
  platform::AppendMenuA(own, platform::MF_STRING, 1, "item");
  EXPECT_TRUE(editor.SetPopupMenu(reinterpret_cast<std::intptr_t>(own)));
  rightClick();
  EXPECT_EQ(menusShown, 2);

  platform::SetPopupMenuAnswer({});
  platform::DestroyMenu(own);
}

TEST_F(ViewOperations, MarginAndAnnotationTextsAreReadWithoutChange) {
  editor.SetText("one\ntwo");
  EXPECT_EQ(editor.MarginGetText(1), "");
  editor.MarginSetText(1, "12");
  EXPECT_EQ(editor.MarginGetText(1), "12");
  EXPECT_EQ(editor.MarginGetText(), "");

  editor.AnnotationSetText(0, "note");
  EXPECT_EQ(editor.AnnotationGetText(0), "note");
  EXPECT_EQ(editor.AnnotationGetText(0), "note");
  EXPECT_EQ(editor.AnnotationGetText(1), "");
}

TEST_F(ViewOperations, CompletionListTextIsTheSelectedItem) {
  editor.SetText("x");
  editor.AutoCShow(0, "alpha beta");
  ASSERT_TRUE(editor.AutoCActive());
  EXPECT_EQ(editor.AutoCGetCurrentText(), "alpha");
  editor.AutoCCancel();
  EXPECT_EQ(editor.AutoCGetCurrentText(), "");
}

TEST_F(ViewOperations, FormatRangeDrawsAndReturnsTheNextPosition) {
  editor.SetText("line one\nline two\nline three");
  QImage page(800, 600, QImage::Format_ARGB32);
  QPainter painter(&page);
  SciEditor::PrintRange range;
  range.deviceContext = reinterpret_cast<std::intptr_t>(&painter);
  range.targetDeviceContext = range.deviceContext;
  range.drawingRect = {0, 0, 800, 600};
  range.pageRect = {0, 0, 800, 600};
  range.range = {0, editor.GetLength()};
  EXPECT_EQ(editor.FormatRange(range), editor.GetLength());
  EXPECT_EQ(range.deviceContext, reinterpret_cast<std::intptr_t>(&painter));
  EXPECT_EQ(range.drawingRect.right, 800);
  EXPECT_EQ(range.range.last, editor.GetLength());

  range.drawingRect.bottom = range.pageRect.bottom = 20;
  const int next = editor.FormatRange(range);
  EXPECT_GT(next, 0);
  EXPECT_LT(next, editor.GetLength());
}
