// The operations that hand the component a buffer or an array must never let it write or read
// past it, whatever the caller's sizes and lengths.
#include "operations_fixture.h"

namespace {

using BufferSafety = OperationsFixture;

const char* const kArrowXpm =
    "/* XPM */\n"
    "static const char *arrow[] = {\n"
    "\"4 4 2 1\",\n"
    "\"  c None\",\n"
    "\"x c #000000\",\n"
    "\"x   \",\n"
    "\"xx  \",\n"
    "\"xxx \",\n"
    "\"xxxx\"};\n";

}  // namespace

TEST_F(BufferSafety, PropertyTextsAreCutTo255Bytes) {
  const std::string longValue(300, 'v');
  editor.SetProperty("tavo.long", longValue);
  EXPECT_EQ(editor.GetProperty("tavo.long"), std::string(255, 'v'));
  EXPECT_EQ(editor.GetPropertyExpanded("tavo.long"), std::string(255, 'v'));

  const std::string fullValue(255, 'w');
  editor.SetProperty("tavo.full", fullValue);
  EXPECT_EQ(editor.GetProperty("tavo.full"), fullValue);
  EXPECT_EQ(editor.GetProperty("tavo.missing"), "");

  editor.SetLexer(3);
  ASSERT_GT(SendToComponent(QsciScintillaBase::SCI_PROPERTYNAMES, 0, 0L), 255);
  const std::string names = editor.PropertyNames();
  EXPECT_EQ(names.size(), 255u);
  EXPECT_EQ(names.rfind("styling.within.preprocessor", 0), 0u) << names;
}

TEST_F(BufferSafety, DescribeKeywordSetsFillsOnlyTheRoomOfTheCallersText) {
  editor.SetLexer(3);
  const long length = SendToComponent(QsciScintillaBase::SCI_DESCRIBEKEYWORDSETS, 0, 0L);
  ASSERT_GT(length, 10);
  std::string whole(static_cast<std::size_t>(length) + 1, '\0');
  SendToComponent(QsciScintillaBase::SCI_DESCRIBEKEYWORDSETS, 0, whole.data());
  whole.resize(static_cast<std::size_t>(length));

  std::string shortText(10, 'x');
  EXPECT_EQ(editor.DescribeKeywordSets(shortText), length);
  EXPECT_EQ(shortText, whole.substr(0, 10));

  std::string roomy(static_cast<std::size_t>(length) + 50, 'x');
  EXPECT_EQ(editor.DescribeKeywordSets(roomy), length);
  EXPECT_EQ(roomy, whole);
}

TEST_F(BufferSafety, LineStylesStayInsideTheCallersArray) {
  editor.SetText("one\ntwo");
  editor.MarginSetText(0, "abcdef");
  editor.MarginSetStyles(0, "\x01\x02\x03\x04\x05\x06");
  ByteSet small(2, '\x7F');
  EXPECT_EQ(editor.MarginGetStyles(0, small), 6);
  EXPECT_EQ(small, "\x01\x02");
  ByteSet roomy(8, '\x7F');
  editor.MarginGetStyles(0, roomy);
  EXPECT_EQ(roomy, "\x01\x02\x03\x04\x05\x06\x7F\x7F");

  // An array shorter than the text: the rest of the text gets style 0.
  editor.AnnotationSetText(1, "annotation");
  editor.AnnotationSetStyles(1, "\x03\x04");
  ByteSet styles(10, '\x7F');
  EXPECT_EQ(editor.AnnotationGetStyles(1, styles), 10);
  EXPECT_EQ(styles, std::string("\x03\x04", 2) + std::string(8, '\0'));
  ByteSet none;
  editor.AnnotationGetStyles(1, none);
  EXPECT_TRUE(none.empty());
}

TEST_F(BufferSafety, LengthsNeverReachPastTheCallersBytes) {
  editor.SetText("abcdef");
  editor.StartStyling(0, 0x1F);
  editor.SetStylingEx(6, "\x04\x04");
  EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETSTYLEAT, 1), 4);
  EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETENDSTYLED),
            2);  // styled up to the end of the array only

  editor.ClearAll();
  editor.AddStyledText(std::string("x\x02y\x02", 4), 40);
  EXPECT_EQ(Text(), "xy");
  editor.AddStyledText("z\x02", -3);
  EXPECT_EQ(Text(), "xy");
}

TEST_F(BufferSafety, PicturesReachTheComponentOnlyAsPictures) {
  EXPECT_EQ(editor.MarkerDefinePixmap(2, ""), 0);
  EXPECT_EQ(editor.MarkerDefinePixmap(2, "not a picture"), 0);
  EXPECT_EQ(editor.RegisterImage(1, "not a picture"), 0);
  EXPECT_EQ(editor.RegisterRGBAImage(1, std::string(64, '\xFF')), 0);
  EXPECT_EQ(editor.MarkerDefineRGBAImage(3, std::string(64, '\xFF')), 0);

  editor.MarkerDefinePixmap(2, kArrowXpm);
  EXPECT_EQ(editor.MarkerSymbolDefined(2), 25);  // the pixmap symbol
  editor.RegisterImage(1, kArrowXpm);
}
