#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

using EditorSetupTest = ProgramTest;

struct StyleColour {
  int style;
  int colour;
};

void ExpectForegrounds(const std::vector<StyleColour>& styles) {
  for (const auto& [style, colour] : styles) EXPECT_EQ(Editor->StyleGetFore(style), colour) << "style " << style;
}

// The fixed settings that no file changes.
void ExpectFixedSettings() {
  EXPECT_TRUE(Editor->Utf8Mode());
  EXPECT_EQ(Editor->GetLexer(), 3);
  EXPECT_EQ(Editor->GetProperty("styling.within.preprocessor"), "1");
  EXPECT_EQ(Editor->GetScrollBars(), 3);
  EXPECT_EQ(Editor->GetExtraAscent(), 3);
  EXPECT_EQ(Editor->GetExtraDescent(), 3);
  EXPECT_EQ(Editor->GetCaretPeriod(), 500);
  EXPECT_EQ(Editor->GetCaretWidth(), 2);
  EXPECT_TRUE(Editor->CaretLineVisible());
  EXPECT_EQ(Editor->GetMouseDwellTime(), 500);
  EXPECT_EQ(Editor->GetTabWidth(), 4);
  ExpectForegrounds({{4, 128}, {11, 128}, {34, 255}});
  EXPECT_EQ(Editor->StyleGetBack(34), 65535);
  EXPECT_TRUE(Editor->StyleGetItalic(1));
  EXPECT_FALSE(Editor->StyleGetItalic(2));

  EXPECT_EQ(Editor->GetMarginTypeN(0), 0);
  EXPECT_EQ(Editor->GetMarginWidthN(0), 10);
  EXPECT_EQ(Editor->GetMarginMaskN(0), 2);
  EXPECT_TRUE(Editor->GetMarginSensitiveN(0));
  EXPECT_EQ(Editor->GetMarginCursorN(0), 2);
  EXPECT_EQ(Editor->MarkerSymbolDefined(1), 3);
  EXPECT_EQ(Editor->GetMarginTypeN(1), 1);
  EXPECT_EQ(Editor->GetMarginWidthN(1), 40);
  EXPECT_EQ(Editor->GetMarginMaskN(1), 1);
  EXPECT_EQ(Editor->GetMarginCursorN(1), 2);
  EXPECT_EQ(Editor->StyleGetSize(33), 12);
}

// The font and some colours come from the base directory's default.txt, the other colours
// from ProgramDir's; each file also holds the keys that must not be taken from it.
TEST_F(EditorSetupTest, TakesEachSettingFromItsOwnDefaultTxt) {
  WriteBaseFile("default.txt",
                "[配色]\r\nfont-family=DejaVu Sans Mono\r\nfont-size=11\r\n选中行颜色=111\r\n行号颜色=222\r\n"
                "行号栏颜色=333\r\n背景颜色=444\r\n注释颜色=1\r\n关键字颜色=1\r\n字符串颜色=1\r\n预处理颜色=1\r\n"
                "函数颜色=1\r\n");
  WriteProgramFile("default.txt",
                   "[配色]\r\n注释颜色=1001\r\n关键字颜色=1002\r\n字符串颜色=1003\r\n预处理颜色=1004\r\n"
                   "函数颜色=1005\r\nfont-size=99\r\n选中行颜色=9\r\n行号颜色=9\r\n行号栏颜色=9\r\n");
  RunProgram([] {
    ExpectFixedSettings();
    EXPECT_EQ(Editor->StyleGetFont(32), "DejaVu Sans Mono");
    EXPECT_EQ(Editor->StyleGetSize(32), 11);
    EXPECT_EQ(Editor->GetCaretLineBack(), 111);
    ExpectForegrounds({{33, 222}, {1, 1001}, {5, 1002}, {6, 1003}, {9, 1004}, {16, 1005}});
    EXPECT_EQ(Editor->StyleGetBack(33), 333);
  });
}

TEST_F(EditorSetupTest, MissingFilesGiveTheDefaultsWithoutAMessage) {
  RunProgram([] {
    ExpectFixedSettings();
    EXPECT_EQ(Editor->StyleGetSize(32), 0);
    EXPECT_EQ(Editor->GetCaretLineBack(), 16777111);
    ExpectForegrounds({{33, 0}, {1, 65280}, {5, 16711680}, {6, 8421376}, {9, 32896}, {16, 255}});
    EXPECT_EQ(Editor->StyleGetBack(33), 16711680);
    EXPECT_EQ(CompletionIndex, "");
  });
  EXPECT_TRUE(dialogs_.empty());
}

// The C lexer's styles show which keyword set holds a word: set 0 gives style 5, set 1 style 16,
// and a documentation-comment keyword of set 2 style 17 (18 for one that is not in it).
int StyleOf(const std::string& text, const std::string& word) {
  return Editor->GetStyleAt(static_cast<int>(text.find(word)));
}

TEST_F(EditorSetupTest, WordListsBecomeTheKeywordSets) {
  WriteBaseFile("Syntax/Order.txt", "printf ");
  WriteBaseFile("Syntax/Key.txt", "int ");  // the settings window's spelling of key.txt
  WriteBaseFile("Syntax/conest.txt", "param ");
  const std::string text = "int printf main; /** @param @other */";
  RunProgram([&] {
    Editor->SetText(text);
    Editor->Colourise(0, -1);
    EXPECT_EQ(StyleOf(text, "int"), 16);
    EXPECT_EQ(StyleOf(text, "printf"), 5);
    EXPECT_EQ(StyleOf(text, "main"), 11);
    EXPECT_EQ(StyleOf(text, "@param"), 17);
    EXPECT_EQ(StyleOf(text, "@other"), 18);
  });
}

struct IndexCase {
  const char* name;
  const char* key;
  const char* order;
  const char* constants;
  const char* further;
  const char* index;
};

// Each list gives its own words: one without a trailing blank, or ending in a lone lead byte,
// does not fuse with the next.
TEST_F(EditorSetupTest, BuildsTheCompletionIndexFromEveryList) {
  const IndexCase cases[] = {
      {"trailing blanks", "int char ", "printf ", "", "", "printf★printf\r\nchar★char\r\nint★int\r\n"},
      {"no trailing blank", "int", "printf", "EOF", "", "eof★EOF\r\nprintf★printf\r\nint★int\r\n"},
      {"lone lead byte at the end", "int\xB0", "printf ", "", "", "printf★printf\r\nint★int\xB0\r\n"},
      {"two blanks", "", "", "", "a  b ", "b★b\r\n★\r\na★a\r\n"},
      {"every list", "if ", "puts ", "EOF ", "stdio.h ", "stdio.h★stdio.h\r\neof★EOF\r\nputs★puts\r\nif★if\r\n"},
      // The keyword set is sent in UTF-8, the index keeps the code page.
      {"double-byte word", "长度 ", "", "", "", "cd★长度\r\n"},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBaseFile("Syntax/key.txt", c.key);
    WriteBaseFile("Syntax/Order.txt", c.order);
    WriteBaseFile("Syntax/Conest.txt", c.constants);
    WriteBaseFile("Syntax/h.txt", c.further);
    RunProgram([&] { EXPECT_EQ(CompletionIndex, c.index); });
  }
}

TEST_F(EditorSetupTest, AListWithoutATrailingBlankStillColoursItsWords) {
  WriteBaseFile("Syntax/key.txt", "int");
  WriteBaseFile("Syntax/Order.txt", "printf ");
  RunProgram([] {
    const std::string text = "int printf";
    Editor->SetText(text);
    Editor->Colourise(0, -1);
    EXPECT_EQ(StyleOf(text, "int"), 16);
    EXPECT_EQ(StyleOf(text, "printf"), 5);
  });
}

TEST_F(EditorSetupTest, OddWordListsLoadWithoutHarm) {
  const std::pair<const char*, std::string> cases[] = {
      {"NUL bytes end the text", std::string("int \0char ", 10)},
      {"lone lead byte at the end", "int \xB0"},
  };
  const char* const indexes[] = {"int★int\r\n", "★\xB0\r\nint★int\r\n"};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].first);
    WriteBaseFile("Syntax/key.txt", cases[i].second);
    RunProgram([&] { EXPECT_EQ(CompletionIndex, indexes[i]); });
  }
}

// Slow: it loads 10 MB.
class EditorSetupSlowTest : public EditorSetupTest {};

TEST_F(EditorSetupSlowTest, ATenMegabyteWordListLoads) {
  std::string words;
  for (int i = 0; i < 2'000'000; ++i) words += "word ";
  WriteBaseFile("Syntax/h.txt", words);
  WriteBaseFile("Syntax/key.txt", words);
  RunProgram([] {
    const std::string line = "word★word\r\n";
    EXPECT_EQ(CompletionIndex.size(), 4'000'000 * line.size());
    EXPECT_EQ(CompletionIndex.substr(0, line.size()), line);
  });
}

}  // namespace
