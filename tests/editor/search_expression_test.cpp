#include "editor/search_expression.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/scintilla_messages.h"
#include "editor_fixture.h"

namespace {

using SearchExpressionTest = test::EditorFixture;

struct ExpressionCase {
  std::string expression;
  bool matchCase;
  std::string document;  // holds a hit when the expression compiles; empty for one that does not
};

// Each row checked against the component itself: an expression said to compile finds its hit
// in its document, one said not to finds nothing even in a text made of its own characters.
TEST_F(SearchExpressionTest, TheCheckAgreesWithTheComponentsOwnSearch) {
  const ExpressionCase cases[] = {
      // Compiles.
      {"a(", false, "xa(y"},
      {"[0-9]+", false, "a12"},
      {"\\(ab\\)\\1", false, "abab"},
      {"[]a]", false, "]"},
      {"[-a]", false, "-"},
      {"[^]]", false, "x"},
      {"[a-]", false, "-"},
      {"[\\d-z]", false, "-"},
      {"[a\\]]", false, "]"},
      {"a*?b", false, "aab"},
      {"a**", false, "aa"},
      {"\\x41", true, "A"},
      {"x\\", false, "x\\"},
      {"$", false, "ab"},
      {"^a", false, "ab"},
      {"\\<ab\\>", false, "ab"},
      {"a\\>", false, "a b"},
      {"\\d\\w+", false, "1ab"},
      {"中文", false, "中文"},
      {"\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)", false,
       "aaaaaaaaa"},
      // The compiled form has room for 123 case-blind letters or 2028 other characters.
      {std::string(123, 'a'), false, std::string(123, 'a')},
      {std::string(2028, 'b'), true, std::string(2028, 'b')},
      {std::string(2028, '-'), false, std::string(2028, '-')},
      // Does not compile.
      {"[", false, ""},
      {"[abc", false, ""},
      {"[]", false, ""},
      {"[a-", false, ""},
      {"[a-\\", false, ""},
      {"[\\", false, ""},
      {"*a", false, ""},
      {"+", false, ""},
      {"?", false, ""},
      {"^*", false, ""},
      {"\\<*", false, ""},
      {"\\1", false, ""},
      {"\\(a\\1\\)", false, ""},
      {"\\(\\)", false, ""},
      {"\\)", false, ""},
      {"a\\(b", false, ""},
      {"\\(a\\)*", false, ""},
      {"\\<\\>", false, ""},
      {"\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)\\(a\\)", false, ""},
      {std::string(124, 'a'), false, ""},
      {std::string(2029, 'b'), true, ""},
      {std::string(122, 'c') + "中", false, ""},
  };
  CreateFocused();
  editor.DirectCall(scintilla::SCI_SETCODEPAGE, scintilla::SC_CP_UTF8);
  for (const ExpressionCase& c : cases) {
    SCOPED_TRACE(c.expression.substr(0, 40) + (c.matchCase ? " (match case)" : ""));
    const bool compiles = !c.document.empty();
    EXPECT_EQ(SearchExpressionCompiles(c.expression, c.matchCase), compiles);
    SetText(compiles ? c.document : c.expression + " abc aaaa ]-[()\\ 1 " + c.expression);
    EXPECT_EQ(editor.FindText(scintilla::SCFIND_REGEXP | (c.matchCase ? scintilla::SCFIND_MATCHCASE : 0), c.expression, 0, editor.GetLength()),
              compiles)
        << "the component disagrees";
  }
}

}  // namespace
