#include <gtest/gtest.h>

#include <map>

#include "editor/code_page_conversion.h"
#include "editor/scintilla_messages.h"
#include "platform/file_system.h"
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
  ExpectForegrounds({{4, 128}, {34, 255}});
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

// What each setting reaches in the running editor, read back through the component's own style
// queries. The font and some colours come from the base directory's default.txt, the other
// colours from ProgramDir's; each file also holds the keys that must not be taken from it.
TEST_F(EditorSetupTest, EachSettingReachesItsStylesFromItsOwnDefaultTxt) {
  WriteBaseFile("default.txt",
                "[配色]\r\nfont-family=DejaVu Sans Mono\r\nfont-size=11\r\n选中行颜色=111\r\n行号颜色=222\r\n"
                "行号栏颜色=333\r\n背景颜色=444\r\n注释颜色=1\r\n关键字颜色=1\r\n字符串颜色=1\r\n预处理颜色=1\r\n"
                "函数颜色=1\r\n变量颜色=1\r\n常量颜色=1\r\n");
  WriteProgramFile("default.txt",
                   "[配色]\r\n注释颜色=1001\r\n关键字颜色=1002\r\n字符串颜色=1003\r\n预处理颜色=1004\r\n"
                   "函数颜色=1005\r\n变量颜色=1006\r\n常量颜色=1007\r\nfont-size=99\r\n选中行颜色=9\r\n"
                   "行号颜色=9\r\n行号栏颜色=9\r\n背景颜色=9\r\n");
  RunProgram([] {
    ExpectFixedSettings();
    // The substyles that colour the words the keyword sets miss: keywords, functions, constants.
    const int sub = static_cast<int>(Editor->DirectCall(scintilla::SCI_GETSUBSTYLESSTART, 11));
    const std::pair<const char*, std::vector<StyleColour>> foregrounds[] = {
        {"注释颜色", {{1, 1001}, {2, 1001}, {3, 1001}, {15, 1001}, {17, 1001}, {18, 1001}}},
        {"关键字颜色", {{5, 1002}, {sub, 1002}}},
        {"字符串颜色", {{6, 1003}}},
        {"预处理颜色", {{9, 1004}}},
        {"函数颜色", {{16, 1005}, {sub + 1, 1005}}},
        {"变量颜色", {{11, 1006}}},
        {"常量颜色", {{19, 1007}, {sub + 2, 1007}}},
        {"行号颜色", {{33, 222}}},
    };
    for (const auto& [key, styles] : foregrounds) {
      SCOPED_TRACE(key);
      ExpectForegrounds(styles);
    }
    EXPECT_EQ(Editor->GetCaretLineBack(), 111);
    // The font and the background reach every style but those with a look of their own: the
    // line numbers, the brace highlight and the call tip.
    const std::map<int, int> ownBackgrounds = {{33, 333}, {34, 65535}, {38, 14811135}};
    for (int style = 0; style < 256; ++style) {
      SCOPED_TRACE(style);
      EXPECT_EQ(Editor->StyleGetFont(style), style == 33 ? "宋体" : "DejaVu Sans Mono");
      EXPECT_EQ(Editor->StyleGetSize(style), style == 33 ? 12 : 11);
      EXPECT_EQ(Editor->StyleGetBack(style), ownBackgrounds.contains(style) ? ownBackgrounds.at(style) : 444);
    }
  });
}

TEST_F(EditorSetupTest, MissingFilesGiveTheDefaultsWithoutAMessage) {
  RunProgram([] {
    ExpectFixedSettings();
    // The code keeps the component's own font: size 0 would draw it unreadably small.
    EXPECT_GT(Editor->StyleGetSize(32), 0);
    EXPECT_FALSE(Editor->StyleGetFont(32).empty());
    EXPECT_EQ(Editor->StyleGetSize(11), Editor->StyleGetSize(32));
    EXPECT_EQ(Editor->StyleGetFont(11), Editor->StyleGetFont(32));
    EXPECT_EQ(Editor->GetCaretLineBack(), 16777111);
    ExpectForegrounds({{33, 0}, {1, 65280}, {2, 65280}, {5, 16711680}, {6, 8421376}, {9, 32896}, {16, 255},
                       {11, 128}, {19, 128}});
    EXPECT_EQ(Editor->StyleGetBack(33), 16711680);
    // White, the component's own background: black would hide the text.
    EXPECT_EQ(Editor->StyleGetBack(32), 16777215);
    EXPECT_EQ(Editor->StyleGetBack(0), 16777215);
    EXPECT_EQ(CompletionIndex, "");
  });
  EXPECT_TRUE(dialogs_.empty());
}

// The colour that a part of the text (in the code page) is drawn in; -1 when its bytes do not
// share one style.
int ColourOf(const std::string& text, const std::string& part) {
  const auto utf8Length = [](const std::string& ansi) { return static_cast<int>(AnsiToUtf8(ansi).size()) - 2; };
  const int start = utf8Length(text.substr(0, text.find(part)));
  const int end = start + utf8Length(part);
  const int style = static_cast<unsigned char>(Editor->GetStyleAt(start));
  for (int at = start; at < end; ++at) {
    if (static_cast<unsigned char>(Editor->GetStyleAt(at)) != style) return -1;
  }
  return Editor->StyleGetFore(style);
}

struct PartColour {
  const char* part;
  int colour;
};

void ExpectColours(const std::string& text, const std::vector<PartColour>& parts) {
  Editor->SetText(text);
  Editor->Colourise(0, -1);
  for (const auto& [part, colour] : parts) EXPECT_EQ(ColourOf(text, part), colour) << part;
}

constexpr const char* kDistinctColours =
    "[配色]\r\n注释颜色=1001\r\n关键字颜色=1002\r\n字符串颜色=1003\r\n预处理颜色=1004\r\n函数颜色=1005\r\n"
    "变量颜色=1006\r\n常量颜色=1007\r\n";

// Each list takes the colour of its label, words that begin with a Chinese character too, and a
// word in two lists that of the first; every kind of comment takes the comment colour.
TEST_F(EditorSetupTest, EachWordTakesTheColourOfItsList) {
  WriteProgramFile("default.txt", kDistinctColours);
  WriteBaseFile("Syntax/Key.txt", "int 整数 两个 ");  // the settings window's spelling of key.txt
  WriteBaseFile("Syntax/Order.txt", "printf 求和 两个 a求和 ");
  WriteBaseFile("Syntax/conest.txt", "EOF 空 ");
  RunProgram([] {
    ExpectColours("#define N 1 // 注释\r\nint printf EOF main 整数 求和 空 两个 a求和 求和x \"s\" /* 块 */\r\n"
                  "// 行\r\n/** 文档 @param x */\r\n/// 行文档\r\n",
                  {{"#define", 1004}, {"// 注释", 1001}, {"int", 1002}, {"printf", 1005}, {"EOF", 1007},
                   {"main", 1006}, {"整数", 1002}, {"求和", 1005}, {"空", 1007}, {"两个", 1002}, {"a求和", 1005},
                   {"求和x", 1006}, {"\"s\"", 1003}, {"/* 块 */", 1001}, {"// 行", 1001}, {"/** 文档 ", 1001},
                   {"@param", 1001}, {"/// 行文档", 1001}});
  });
}

// The data as bundled: the words keep the colours they had when the keyword and the function
// colour were each applied to the other's list, and the code is in the bundled fixed-width font.
TEST_F(EditorSetupTest, TheBundledLookKeepsItsColours) {
  const auto bundled = [](const std::string& name) {
    return platform::ReadWholeFile(TAVO_DIST_DIR "/" + name).value_or("<missing>");
  };
  WriteBaseFile("default.txt", bundled("default.txt"));
  WriteProgramFile("default.txt", bundled("default.txt"));
  for (const char* list : {"Syntax/key.txt", "Syntax/Order.txt", "Syntax/Conest.txt", "Syntax/h.txt"}) {
    WriteBaseFile(list, bundled(list));
  }
  RunProgram([] {
    ExpectColours("#include <stdio.h>\r\nint main(void) { /* 注释 */ printf(\"%d\", 42); return count; }",
                  {{"#include", 16512},
                   {"int", 14680064},
                   {"void", 14680064},
                   {"return", 14680064},
                   {"printf", 8421376},
                   {"main", 128},
                   {"count", 128},
                   {"42", 128},
                   {"\"%d\"", 1381795},
                   {"/* 注释 */", 32768}});
    EXPECT_EQ(Editor->StyleGetBack(0), 16777215);
    EXPECT_EQ(Editor->StyleGetFont(11), "DejaVu Sans Mono");
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
  WriteProgramFile("default.txt", kDistinctColours);
  WriteBaseFile("Syntax/key.txt", "int 整数");
  WriteBaseFile("Syntax/Order.txt", "printf ");
  RunProgram([] { ExpectColours("int printf 整数", {{"int", 1002}, {"printf", 1005}, {"整数", 1002}}); });
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
