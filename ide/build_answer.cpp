#include "ide/build_answer.h"

#include "ide/ini_values.h"
#include "platform/ansi_text.h"

namespace {

constexpr std::string_view kAnswerLineSeparator = "\r\n";
constexpr std::string_view kAnswerFieldSeparator = "^&/";
constexpr std::string_view kMissingNewlineWarning = "no newline at end of file";
constexpr std::string_view kFullWidthBlank = "\xA1\xA1";
// Full-width digits are A3 B0 to A3 B9.
constexpr char kFullWidthDigitLead = '\xA3';
constexpr unsigned char kFullWidthZeroTrail = 0xB0;

bool IsFullWidthDigitTrail(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= kFullWidthZeroTrail && value < kFullWidthZeroTrail + 10;
}

bool PrintedNothingThatForbidsRunning(const std::optional<std::string>& printed) {
  if (!printed) return true;
  if (printed->find(kMissingNewlineWarning) != std::string::npos) return true;
  const std::string withoutBlanks =
      platform::AnsiReplaceAll(platform::AnsiReplaceAll(*printed, " ", ""), kFullWidthBlank, "");
  return withoutBlanks.empty();
}

}  // namespace

std::vector<AnswerRow> AnswerRows(std::string_view answer) {
  std::vector<AnswerRow> rows;
  for (const std::string_view line : platform::AnsiSplit(answer, kAnswerLineSeparator)) {
    const std::vector<std::string_view> fields = platform::AnsiSplit(line, kAnswerFieldSeparator);
    if (fields.size() < 2) continue;
    const std::string_view lineField = fields.back();
    const auto messageLength = static_cast<std::size_t>(lineField.data() - line.data()) - kAnswerFieldSeparator.size();
    rows.push_back({line.substr(0, messageLength), lineField});
  }
  return rows;
}

int LineNumberValue(std::string_view field) {
  std::string ascii;
  for (const std::string_view character : platform::AnsiCharacters(field)) {
    if (character == kFullWidthBlank) {
      ascii += ' ';
    } else if (character.size() == 2 && character[0] == kFullWidthDigitLead && IsFullWidthDigitTrail(character[1])) {
      ascii += static_cast<char>('0' + (static_cast<unsigned char>(character[1]) - kFullWidthZeroTrail));
    } else {
      ascii += character;
    }
  }
  return DecimalTextValue(ascii);
}

int EditorLineOf(int lineNumber) { return lineNumber > 0 ? lineNumber - 1 : -1; }

std::string WithoutSourcePath(const std::string& output, const std::string& sourcePath) {
  return sourcePath.empty() ? output : platform::AnsiReplaceAll(output, sourcePath, "");
}

bool HoldsMessages(std::string_view output) { return output.find_first_not_of(" \t\r\n") != std::string_view::npos; }

RunDecision DecideRun(const std::optional<std::string>& printed, bool programMade) {
  if (!PrintedNothingThatForbidsRunning(printed)) return programMade ? RunDecision::NotRunWarnings : RunDecision::NotRunErrors;
  return programMade ? RunDecision::Run : RunDecision::NotRunNoProgram;
}

StepOutcome DecideStep(const std::optional<std::string>& printed, bool made) {
  if (made) return StepOutcome::Made;
  return printed && HoldsMessages(*printed) ? StepOutcome::FailedWithMessages : StepOutcome::FailedSilently;
}
