#include "ide/plugin_info_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PluginInfoText, TakesSixFieldsOrNone) {
  const struct {
    std::string text;
    bool used;
    std::string name;
    std::string menuList;
  } cases[] = {
      {"n/^\\a/^\\d/^\\v/^\\x/^\\m(menu|M)", true, "n", "m(menu|M)"},
      {"n/^\\a/^\\d/^\\v/^\\/^\\/^\\", true, "n", ""},
      {"n/^\\a/^\\d/^\\v/^\\x/^\\m/^\\seventh", true, "n", "m"},
      {"/^\\/^\\/^\\/^\\/^\\m", true, "", "m"},
      // A closing separator right after the fifth field gives an empty sixth one.
      {"n/^\\a/^\\d/^\\v/^\\x/^\\", true, "n", ""},
      {"\xB0\xA1/^\\a/^\\d/^\\v/^\\x/^\\", true, "\xB0\xA1", ""},
      // A separator's first byte as the second byte of a character ends no field.
      {"n/^\\a/^\\d/^\\v/^\\x\xB0/^\\", false, "", ""},
      {"n/^\\a/^\\d/^\\v/^\\x", false, "", ""},
      {"", false, "", ""},
      {std::string(10 * 1024, 'x'), false, "", ""},
      // The slash after a lead byte is that character's second byte, not a separator.
      {"\xB0/^\\a/^\\d/^\\v/^\\x/^\\m", false, "", ""},
      {"\xB0\xA1/^\\a/^\\d/^\\v/^\\x/^\\m", true, "\xB0\xA1", "m"},
  };
  for (const auto& c : cases) {
    const auto info = ParsePluginInfoText(c.text);
    ASSERT_EQ(info.has_value(), c.used) << c.text.substr(0, 40);
    if (!info) continue;
    EXPECT_EQ(info->Name, c.name);
    EXPECT_EQ(info->MenuList, c.menuList);
  }
  const auto info = ParsePluginInfoText("n/^\\a/^\\d/^\\v/^\\x/^\\m");
  EXPECT_EQ(info->Author, "a");
  EXPECT_EQ(info->Description, "d");
  EXPECT_EQ(info->Version, "v");
}

TEST(PluginInfoText, TextBetweenTakesTheFirstStartAndTheEndAfterIt) {
  const struct {
    const char* text;
    const char* start;
    const char* end;
    const char* between;
  } cases[] = {
      {"f(menu|Cap)", "(", "|", "menu"},
      {"f(menu|Cap)", "|", ")", "Cap"},
      {")a(b)", "(", ")", "b"},
      {"a(b|c|d)", "|", ")", "c|d"},
      {"f()", "(", ")", ""},
      {"f(menu", "(", "|", ""},
      {"menu|Cap)", "(", "|", ""},
      {"a--", "-", "-", ""},
      {"a-b-", "-", "-", "b"},
      {"\xB0(x(y)", "(", ")", "y"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.between) << c.text;
}

TEST(PluginInfoText, OnlyEntriesOfTheKindMenuBecomeMenuEntries) {
  const std::vector<PluginMenuEntry> entries =
      PluginMenuEntriesOf("Up(menu|大写)/*/Tool(tool|工具)/*/Down(menu|小写)/*/Caps(Menu|C)/*/(menu|无名)/*/", "p.so");
  ASSERT_EQ(entries.size(), 3u);
  const struct {
    const char* caption;
    const char* function;
  } expected[] = {{"大写", "Up"}, {"小写", "Down"}, {"无名", ""}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].Caption, expected[i].caption);
    EXPECT_EQ(entries[i].FunctionName, expected[i].function);
    EXPECT_EQ(entries[i].DllFile, "p.so");
    EXPECT_EQ(entries[i].CommandId, 0);
  }
  EXPECT_TRUE(PluginMenuEntriesOf("", "p.so").empty());
  EXPECT_TRUE(PluginMenuEntriesOf(std::string(10 * 1024, 'x'), "p.so").empty());
}

}  // namespace
