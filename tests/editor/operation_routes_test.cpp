// A sample of thin operations: each must send its own message, with its parameters in the
// message's places, by its route (integer messages through the direct function, past the editing
// window's procedure; pointer messages through that procedure).
#include <functional>

#include "editor_fixture.h"

namespace {

struct ThinCase {
  const char* operation;
  std::function<void(SciEditor&)> call;
  platform::UINT message;
  int timesThroughWindow;
  std::function<bool(EditorFixture&)> observed;
};

using ThinOperations = EditorFixture;

unsigned long Name(const char* text) { return reinterpret_cast<unsigned long>(text); }

}  // namespace

TEST_F(ThinOperations, SendTheirMessageByTheirRoute) {
  editor.SetText("abc def\nsecond line\nthird");
  const std::vector<ThinCase> cases = {
      {"StyleSetFore", [](SciEditor& e) { e.StyleSetFore(5, 0x123456); }, 2051, 0,
       [](EditorFixture& f) { return f.Component(2481, 5) == 0x123456; }},
      {"SetMarginWidthN", [](SciEditor& e) { e.SetMarginWidthN(2, 17); }, 2242, 0,
       [](EditorFixture& f) { return f.Component(2243, 2) == 17; }},
      {"SetStyling: style, then length",
       [](SciEditor& e) {
         e.StartStyling(0, 0x1F);
         e.SetStyling(7, 3);
       },
       2033, 0, [](EditorFixture& f) { return f.Component(2010, 2) == 7 && f.Component(2010, 3) != 7; }},
      {"SetSel: anchor, then caret", [](SciEditor& e) { e.SetSel(1, 4); }, 2160, 0,
       [](EditorFixture& f) { return f.Component(2009) == 1 && f.Component(2008) == 4; }},
      {"IndicSetUnder: the flag as lParam", [](SciEditor& e) { e.IndicSetUnder(2, true); }, 2510, 0,
       [](EditorFixture& f) { return f.Component(2511, 2) == 1; }},
      {"WordEndPosition", [](SciEditor& e) { e.SetCurrentPos(e.WordEndPosition(0, true)); }, 2267, 0,
       [](EditorFixture& f) { return f.Component(2008) == 3; }},
      {"AutoCSetSeparator: the low 8 bits", [](SciEditor& e) { e.AutoCSetSeparator(288); }, 2106, 0,
       [](EditorFixture& f) { return f.Component(2107) == 32; }},
      {"HideLines", [](SciEditor& e) { e.HideLines(1, 1); }, 2227, 0,
       [](EditorFixture& f) { return f.Component(2228, 1) == 0; }},
      {"Status written", [](SciEditor& e) { e.Status(3); }, 2382, 0,
       [](EditorFixture& f) { return f.Component(2383) == 3; }},
      {"SetProperty", [](SciEditor& e) { e.SetProperty("tavo.answer", "42"); }, 4004, 1,
       [](EditorFixture& f) { return f.Component(4010, Name("tavo.answer"), 0L) == 42; }},
      {"StyleSetFont", [](SciEditor& e) { e.StyleSetFont(3, "Serif"); }, 2056, 1,
       [](EditorFixture& f) { return f.Component(2486, 3) == 5; }},
      {"MarginSetText", [](SciEditor& e) { e.MarginSetText(1, "xyz"); }, 2530, 1,
       [](EditorFixture& f) { return f.Component(2531, 1) == 3; }},
      {"ReplaceSel",
       [](SciEditor& e) {
         e.SetSel(0, 3);
         e.ReplaceSel("XY");
       },
       2170, 1, [](EditorFixture& f) { return f.ComponentText().rfind("XY def", 0) == 0; }},
      {"CallTipShow", [](SciEditor& e) { e.CallTipShow(0, "int main(void)"); }, 2200, 1,
       [](EditorFixture& f) { return f.Component(2202) == 1; }},
      {"GetLine: the length directly, the text through the window", [](SciEditor& e) { e.GetLine(1); }, 2153,
       1, [](EditorFixture&) { return true; }},
      {"GetSelText: both requests through the window", [](SciEditor& e) { e.GetSelText(); }, 2161, 2,
       [](EditorFixture&) { return true; }},
  };
  RecordWindowMessages();
  for (const ThinCase& c : cases) {
    SCOPED_TRACE(c.operation);
    ForgetRecorded();
    c.call(editor);
    EXPECT_EQ(TimesRecorded(c.message), c.timesThroughWindow);
    EXPECT_TRUE(c.observed(*this));
  }
}

TEST_F(ThinOperations, ReturnTheComponentsAnswer) {
  editor.SetText("abc def\nsecond line");
  EXPECT_EQ(editor.PointXFromPosition(3), Component(2164, 0, 3L));
  EXPECT_NE(editor.PointXFromPosition(3), editor.PointXFromPosition());
  EXPECT_EQ(editor.TextWidth(0, "abc"), Component(2276, 0, "abc"));
  EXPECT_EQ(editor.LineLength(), 8);
  EXPECT_EQ(editor.GetLineCount(), 2);
  EXPECT_TRUE(editor.CaretLineVisible(true));
  EXPECT_TRUE(editor.CaretLineVisible());
  editor.ReadOnly(true);
  EXPECT_TRUE(editor.ReadOnly());
}

TEST_F(ThinOperations, DocumentPointersKeepTheirWidth) {
  const std::intptr_t document = editor.CreateDocument();
  ASSERT_NE(document, 0);
  editor.SetDocPointer(document);
  EXPECT_EQ(Component(2357), document);
  EXPECT_EQ(editor.GetDocPointer(), document);
  editor.ReleaseDocument(document);
}
