#include "ide/build_answer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> Rows(std::string_view answer) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const AnswerRow& row : AnswerRows(answer)) rows.emplace_back(row.Message, row.Line);
  return rows;
}

TEST(BuildAnswer, AnswerLinesBecomeRowsWithTheLineAsTheLastField) {
  using Expected = std::vector<std::pair<std::string, std::string>>;
  const struct {
    std::string answer;
    Expected rows;
  } cases[] = {
      {"error: a^&/4\r\nwarning: b^&/12\r\n", {{"error: a", "4"}, {"warning: b", "12"}}},
      {"error: #error x ^&/ y^&/6\r\n", {{"error: #error x ^&/ y", "6"}}},
      {"error: on no line^&/0", {{"error: on no line", "0"}}},
      {"no separator\r\n^&/\r\nempty line field^&/\r\n", {}},
      {"^&/3\r\n", {{"", "3"}}},
      // Matched at character starts: the 0x5E trail byte of \x81\x5E is no separator's start.
      {"\x81^&/x^&/2\r\n", {{"\x81^&/x", "2"}}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Rows(c.answer), c.rows) << c.answer;
}

TEST(BuildAnswer, LineFieldsCountFullWidthDigitsAndBlanks) {
  const struct {
    const char* field;
    int number;
    int editorLine;
  } cases[] = {
      {"12", 12, 11},      {" 7x", 7, 6},    {"\xA3\xB1\xA3\xB2", 12, 11}, {"\xA1\xA1\xA3\xB3", 3, 2},
      {"0", 0, -1},        {"", 0, -1},      {"-4", -4, -1},                {"1", 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LineNumberValue(c.field), c.number) << c.field;
    EXPECT_EQ(EditorLineOf(LineNumberValue(c.field)), c.editorLine) << c.field;
  }
}

TEST(BuildAnswer, TheSourcePathLeavesTheOutput) {
  EXPECT_EQ(WithoutSourcePath("/x/Debug/3.c:4:1: error: e\n/x/Debug/3.c: In function\n", "/x/Debug/3.c"),
            ":4:1: error: e\n: In function\n");
  EXPECT_EQ(WithoutSourcePath("a.c:1: e", ""), "a.c:1: e");
}

TEST(BuildAnswer, OnlyAProgramThisBuildMadeRuns) {
  const std::optional<std::string> nothing;
  const struct {
    std::optional<std::string> printed;
    bool made;
    RunDecision decision;
  } cases[] = {
      {nothing, true, RunDecision::Run},
      {" \xA1\xA1 ", true, RunDecision::Run},
      {"\r\nx.c:9: warning: no newline at end of file", true, RunDecision::Run},
      {"\r\n:3:5: warning: unused variable", true, RunDecision::NotRunWarnings},
      {"\r\n:3:5: error: expected ';'", false, RunDecision::NotRunErrors},
      // An earlier build's program never runs in place of this one's.
      {"\r\n:3:5: error: e\n:9: warning: no newline at end of file", false, RunDecision::NotRunNoProgram},
      {nothing, false, RunDecision::NotRunNoProgram},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideRun(c.printed, c.made), c.decision) << c.printed.value_or("null");
}

TEST(BuildAnswer, ACompileOrLinkStepFailedWhenItMadeNothing) {
  const std::optional<std::string> nothing;
  const struct {
    std::optional<std::string> printed;
    bool made;
    StepOutcome outcome;
  } cases[] = {
      {nothing, true, StepOutcome::Made},
      {"\r\n:3:5: warning: unused variable", true, StepOutcome::Made},
      {"\r\n:3:5: error: expected ';'", false, StepOutcome::FailedWithMessages},
      {"\r\nundefined reference to `f'\ncollect2: error: ld returned 1 exit status", false,
       StepOutcome::FailedWithMessages},
      // Even beside the warning that lets F5 run: no file, no success.
      {"\r\n:9: warning: no newline at end of file\n:3: error: e", false, StepOutcome::FailedWithMessages},
      {"\r\n \r\n", false, StepOutcome::FailedSilently},
      {nothing, false, StepOutcome::FailedSilently},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideStep(c.printed, c.made), c.outcome) << c.printed.value_or("null");
}

}  // namespace
