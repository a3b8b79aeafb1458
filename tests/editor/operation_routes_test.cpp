// A sample of thin operations: each must send its own message, with its parameters in the
// message's places, by its route (integer messages through the direct function, past the editing
// window's procedure; pointer messages through that procedure).
#include <Qsci/qsciscintillabase.h>
#include <functional>

#include "operations_fixture.h"

namespace {

struct ThinCase {
  const char* operation;
  std::function<void(SciEditor&)> call;
  platform::UINT message;
  int timesThroughWindow;
  std::function<bool(OperationsFixture&)> observed;
};

using ThinOperations = OperationsFixture;

unsigned long Name(const char* text) { return reinterpret_cast<unsigned long>(text); }

}  // namespace

TEST_F(ThinOperations, SendTheirMessageByTheirRoute) {
  editor.SetText("abc def\nsecond line\nthird");
  const std::vector<ThinCase> cases = {
      {"StyleSetFore", [](SciEditor& e) { e.StyleSetFore(5, 0x123456); }, QsciScintillaBase::SCI_STYLESETFORE, 0,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_STYLEGETFORE, 5) == 0x123456;
       }},
      {"SetMarginWidthN", [](SciEditor& e) { e.SetMarginWidthN(2, 17); }, QsciScintillaBase::SCI_SETMARGINWIDTHN, 0,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_GETMARGINWIDTHN, 2) == 17;
       }},
      {"SetStyling: style, then length",
       [](SciEditor& e) {
         e.StartStyling(0, 0x1F);
         e.SetStyling(7, 3);
       },
       QsciScintillaBase::SCI_SETSTYLING, 0,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_GETSTYLEAT, 2) == 7 &&
                f.SendToComponent(QsciScintillaBase::SCI_GETSTYLEAT, 3) != 7;
       }},
      {"SetSel: anchor, then caret", [](SciEditor& e) { e.SetSel(1, 4); }, QsciScintillaBase::SCI_SETSEL, 0,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_GETANCHOR) == 1 &&
                f.SendToComponent(QsciScintillaBase::SCI_GETCURRENTPOS) == 4;
       }},
      {"IndicSetUnder: the flag as lParam", [](SciEditor& e) { e.IndicSetUnder(2, true); }, QsciScintillaBase::SCI_INDICSETUNDER, 0,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_INDICGETUNDER, 2) == 1; }},
      {"WordEndPosition", [](SciEditor& e) { e.SetCurrentPos(e.WordEndPosition(0, true)); }, QsciScintillaBase::SCI_WORDENDPOSITION, 0,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_GETCURRENTPOS) == 3; }},
      {"AutoCSetSeparator: the low 8 bits", [](SciEditor& e) { e.AutoCSetSeparator(288); }, QsciScintillaBase::SCI_AUTOCSETSEPARATOR, 0,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_AUTOCGETSEPARATOR) == 32;
       }},
      {"HideLines", [](SciEditor& e) { e.HideLines(1, 1); }, QsciScintillaBase::SCI_HIDELINES, 0,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_GETLINEVISIBLE, 1) == 0; }},
      {"Status written", [](SciEditor& e) { e.Status(3); }, QsciScintillaBase::SCI_SETSTATUS, 0,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_GETSTATUS) == 3; }},
      {"SetProperty", [](SciEditor& e) { e.SetProperty("tavo.answer", "42"); }, QsciScintillaBase::SCI_SETPROPERTY, 1,
       [](OperationsFixture& f) {
         return f.SendToComponent(QsciScintillaBase::SCI_GETPROPERTYINT, Name("tavo.answer"), 0L) == 42;
       }},
      {"StyleSetFont", [](SciEditor& e) { e.StyleSetFont(3, "Serif"); }, QsciScintillaBase::SCI_STYLESETFONT, 1,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_STYLEGETFONT, 3) == 5; }},
      {"MarginSetText", [](SciEditor& e) { e.MarginSetText(1, "xyz"); }, QsciScintillaBase::SCI_MARGINSETTEXT, 1,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_MARGINGETTEXT, 1) == 3; }},
      {"ReplaceSel",
       [](SciEditor& e) {
         e.SetSel(0, 3);
         e.ReplaceSel("XY");
       },
       QsciScintillaBase::SCI_REPLACESEL, 1, [](OperationsFixture& f) { return f.Text().rfind("XY def", 0) == 0; }},
      {"CallTipShow", [](SciEditor& e) { e.CallTipShow(0, "int main(void)"); }, QsciScintillaBase::SCI_CALLTIPSHOW, 1,
       [](OperationsFixture& f) { return f.SendToComponent(QsciScintillaBase::SCI_CALLTIPACTIVE) == 1; }},
      {"GetLine: the length directly, the text through the window", [](SciEditor& e) { e.GetLine(1); }, QsciScintillaBase::SCI_GETLINE,
       1, [](OperationsFixture&) { return true; }},
      {"GetSelText: both requests through the window", [](SciEditor& e) { e.GetSelText(); }, QsciScintillaBase::SCI_GETSELTEXT, 2,
       [](OperationsFixture&) { return true; }},
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
  EXPECT_EQ(editor.PointXFromPosition(3), SendToComponent(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, 3L));
  EXPECT_NE(editor.PointXFromPosition(3), editor.PointXFromPosition());
  EXPECT_EQ(editor.TextWidth(0, "abc"), SendToComponent(QsciScintillaBase::SCI_TEXTWIDTH, 0, "abc"));
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
  EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETDOCPOINTER), document);
  EXPECT_EQ(editor.GetDocPointer(), document);
  editor.ReleaseDocument(document);
}
