// The text operations: conversion to the component's UTF-8 in UTF-8 mode, the ways of reading
// texts back, the text-adding lengths and positions, and the search through a record.
// Narrow literals in this file are GBK: "中文" is the four bytes D6 D0 CE C4.
#include "operations_fixture.h"

namespace {

const std::string kChinese = "中文";
const std::string kChineseUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";

class TextOperations : public OperationsFixture {
 protected:
  void SetUp() override {
    OperationsFixture::SetUp();
    editor.Utf8Mode(true);
  }
};

}  // namespace

TEST_F(TextOperations, Utf8ModeIsTheComponentsCodePage) {
  EXPECT_TRUE(editor.Utf8Mode());
  EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETCODEPAGE), 65001);
  editor.Utf8Mode(false);
  EXPECT_FALSE(editor.Utf8Mode());
  EXPECT_EQ(SendToComponent(QsciScintillaBase::SCI_GETCODEPAGE), 0);
}

TEST_F(TextOperations, SetTextConvertsAndGetTextRangeConvertsBack) {
  editor.SetText(kChinese + "abc");
  EXPECT_EQ(Text(), kChineseUtf8 + "abc");
  EXPECT_EQ(editor.GetTextRange(0), kChinese + "abc");
  EXPECT_EQ(editor.GetTextRange(0, -1), kChinese + "abc");
  EXPECT_EQ(editor.GetTextRange(3, 7), "文a");
  EXPECT_EQ(editor.GetText(100), kChineseUtf8 + "abc");  // unconverted

  editor.SetText("");
  EXPECT_EQ(editor.GetLength(), 0);
}

TEST_F(TextOperations, WithoutUtf8ModeTextsGoAsTheyStand) {
  editor.Utf8Mode(false);
  editor.SetText(kChinese);
  EXPECT_EQ(Text(), kChinese);
  editor.AddText("x");
  EXPECT_EQ(Text(), "x" + kChinese);
}

TEST_F(TextOperations, AddTextCountsConvertedBytes) {
  editor.AddText(kChinese);
  EXPECT_EQ(Text(), kChineseUtf8);

  editor.ClearAll();
  editor.AddText(kChinese, 3);
  EXPECT_EQ(Text(), kChineseUtf8.substr(0, 3));

  // A length past the text adds the text, never bytes beyond it.
  editor.ClearAll();
  editor.AddText("abc", 10);
  EXPECT_EQ(Text(), "abc");
}

TEST_F(TextOperations, InsertTextAtZeroOrNoPositionInsertsAtTheCaret) {
  editor.SetText("0123456789");
  editor.GotoPos(4);
  editor.InsertText(kChinese, 0);
  EXPECT_EQ(Text(), "0123" + kChineseUtf8 + "456789");
  editor.GotoPos(1);
  editor.InsertText("-");
  EXPECT_EQ(Text(), "0-123" + kChineseUtf8 + "456789");
  editor.InsertText("+", 2);
  EXPECT_EQ(Text(), "0-+123" + kChineseUtf8 + "456789");
}

TEST_F(TextOperations, AppendTextAddsAtTheEnd) {
  editor.SetText("ab");
  editor.AppendText(kChinese, 0);
  EXPECT_EQ(Text(), "ab" + kChineseUtf8);
  editor.AppendText("xyz", 2);
  EXPECT_EQ(Text(), "ab" + kChineseUtf8 + "xy");
  editor.AppendText("!", 50);
  EXPECT_EQ(Text(), "ab" + kChineseUtf8 + "xy!");
}

TEST_F(TextOperations, SetKeyWordsLeavesTheUtf8FormInTheCallersText) {
  std::string words = "int " + kChinese;
  editor.SetKeyWords(0, words);
  EXPECT_EQ(words, "int " + kChineseUtf8);

  std::string ascii = "int char";
  editor.SetKeyWords(1, ascii);
  EXPECT_EQ(ascii, "int char");
}

TEST_F(TextOperations, GetTextRangeOfAnEmptyRangeSendsNothing) {
  editor.SetText("0123456789");
  RecordWindowMessages();
  EXPECT_EQ(editor.GetTextRange(5, 5), "");
  EXPECT_EQ(editor.GetTextRange(7, 5), "");
  EXPECT_EQ(editor.GetStyledText(5, 5), "");
  EXPECT_EQ(TimesRecorded(QsciScintillaBase::SCI_GETTEXTRANGE) +
                TimesRecorded(QsciScintillaBase::SCI_GETSTYLEDTEXT),
            0);
}

TEST_F(TextOperations, GetStyledTextPairsCharactersWithStyles) {
  editor.SetText("ab");
  editor.StartStyling(0, 0x1F);
  editor.SetStyling(5, 2);
  EXPECT_EQ(editor.GetStyledText(0), std::string("a\x05"
                                                 "b\x05",
                                                 4) +
                                         std::string(2, '\0'));
}

TEST_F(TextOperations, GetTextAndGetTextBytesReadUpToTheCallersSize) {
  EXPECT_EQ(editor.GetTextLength(), 1);
  editor.SetText("abcdefghijklmn");
  EXPECT_EQ(editor.GetText(0), "");
  EXPECT_EQ(editor.GetText(10), "abcdefghi");
  EXPECT_EQ(editor.GetTextBytes(4), std::string("abc\0", 4));
  EXPECT_EQ(editor.GetTextBytes(0), "");
  EXPECT_EQ(editor.GetTextLength(), 15);
}

TEST_F(TextOperations, GetLineKeepsLineEnds) {
  editor.SetText("one\r\ntwo\n");
  EXPECT_EQ(editor.GetLine(), "one\r\n");
  EXPECT_EQ(editor.GetLine(1), "two\n");
  EXPECT_EQ(editor.GetLine(2), "");
}

TEST_F(TextOperations, CaretLineAndSelectionTexts) {
  editor.SetText("first\nsecond line\nthird");
  editor.SetSel(9, 13);
  EXPECT_EQ(editor.GetSelText(), "ond ");
  EXPECT_TRUE(editor.HasSelection());
  EXPECT_EQ(editor.GetCurLine(), "second line\n");
  EXPECT_EQ(editor.GetCurrentLine(), 1);
  EXPECT_EQ(editor.GetCurrentColumn(), 7);

  int start = -1;
  int end = -1;
  EXPECT_EQ(editor.GetSelection(&start, &end), 13);
  EXPECT_EQ(start, 9);
  EXPECT_EQ(end, 13);
  EXPECT_EQ(editor.GetSelection(nullptr, &end), 13);

  editor.SetEmptySelection(2);
  EXPECT_FALSE(editor.HasSelection());
  EXPECT_EQ(editor.GetSelText(), "");
}

TEST_F(TextOperations, FindTextReportsTheFoundRange) {
  editor.SetText("int main(void) { return 0; }");
  int start = -7;
  int end = -7;
  EXPECT_TRUE(editor.FindText(0, "return", 0, 28, &start, &end));
  EXPECT_EQ(start, 17);
  EXPECT_EQ(end, 23);

  EXPECT_FALSE(editor.FindText(0, "while", 0, 28, &start, &end));
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
  EXPECT_FALSE(editor.FindText(0, "while", 0, 28));
}

TEST_F(TextOperations, UndoCollectionAndPasteEndingsAreReadBack) {
  editor.SetUndoCollection(false);
  EXPECT_FALSE(editor.GetUndoCollection());
  editor.SetUndoCollection(true);
  EXPECT_TRUE(editor.GetUndoCollection());
  editor.PasteConvertEndings(false);
  EXPECT_FALSE(editor.PasteConvertEndings());
  editor.PasteConvertEndings(true);
  EXPECT_TRUE(editor.PasteConvertEndings());
}

TEST_F(TextOperations, CopyTextCopiesNoMoreThanTheText) {
  editor.CopyText("abc", 10);
  editor.SetText("");
  editor.Paste();
  EXPECT_EQ(Text(), "abc");

  editor.CopyText("xyz", -1);  // nothing to copy, and no crash
  editor.CopyText("xyz", 2);
  editor.SetText("");
  editor.Paste();
  EXPECT_EQ(Text(), "xy");
}
