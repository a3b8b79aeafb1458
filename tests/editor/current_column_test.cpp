// The caret's column is counted by the editor on plain UTF-8 lines and left to the component on
// anything else; at every caret position of every text it must be the component's own count.
#include "operations_fixture.h"

namespace {

struct ColumnCase {
  const char* name;
  std::string text;  // the component's bytes
  int tabWidth;
};

class CurrentColumn : public OperationsFixture {
 protected:
  void SetUp() override {
    OperationsFixture::SetUp();
    editor.Utf8Mode(true);
  }

  void ExpectTheComponentsColumnEverywhere(const ColumnCase& c) {
    SCOPED_TRACE(c.name);
    SetText(c.text);
    editor.SetTabWidth(c.tabWidth);
    for (int position = 0; position <= static_cast<int>(c.text.size()); ++position) {
      editor.GotoPos(position);
      const auto caret = static_cast<unsigned long>(editor.GetCurrentPos());
      EXPECT_EQ(editor.GetCurrentColumn(), SendToComponent(QsciScintillaBase::SCI_GETCOLUMN, caret))
          << "at " << caret;
    }
  }
};

}  // namespace

TEST_F(CurrentColumn, IsTheComponentsOwnCount) {
  const ColumnCase cases[] = {
      {"ASCII", "int main(void)", 8},
      {"tabs at and between stops", "\tab\t\tc d\te", 4},
      {"tabs of width 8 after text", "abcdefgh\tx\t", 8},
      {"tab width 1", "a\t\tb", 1},
      {"two and three bytes", "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87\tx", 4},
      {"four bytes", "a\xF0\x9F\x98\x80" "b\t", 4},
      {"later lines and CR LF", "first\r\n\tsecond\xE4\xB8\xAD\nthird", 4},
      {"lone trail byte", "a\x80" "b\tc", 4},
      {"overlong", "a\xC0\x80\xE0\x80\x80" "b", 4},
      {"surrogate", "a\xED\xA0\x80" "b", 4},
      {"truncated", "a\xE4\xB8" "b\xE4", 4},
      {"beyond U+10FFFF and F5", "a\xF4\x90\x80\x80\xF5" "b", 4},
      {"noncharacters", "a\xEF\xBF\xBE\xEF\xBF\xBF" "b", 4},
  };
  for (const ColumnCase& c : cases) ExpectTheComponentsColumnEverywhere(c);
}

TEST_F(CurrentColumn, OutsideUtf8ModeTheComponentCounts) {
  editor.Utf8Mode(false);
  ExpectTheComponentsColumnEverywhere({"GBK bytes", "\xD6\xD0\xCE\xC4\ta", 4});
}
