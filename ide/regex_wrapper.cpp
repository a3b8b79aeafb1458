#include "ide/regex_wrapper.h"

#include "platform/code_page.h"

namespace {

constexpr int kAbsentNumber = -1;

}  // namespace

// Every byte of the code page gives at most one UTF-16 unit.
std::u16string RegexText(const std::string& text) {
  if (text.empty()) return {};
  std::u16string wide(text.size(), u'\0');
  const int units = platform::MultiByteToWideChar(platform::CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                  wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(units));
  return wide;
}

RegexWrapper::~RegexWrapper() { RegexDestroy(); }

void RegexWrapper::RegexDestroy() { RegexRelease(); }

RegexWrapper RegexWrapper::RegexCopy() const { return *this; }

bool RegexWrapper::RegexCreate(const std::string& pattern, std::optional<bool> ignoreCase,
                               std::optional<bool> multiline, std::optional<bool> global) {
  RegExp = std::make_shared<platform::RegExp>();
  RegExp->SetPattern(pattern);
  RegExp->SetIgnoreCase(ignoreCase.value_or(false));
  RegExp->SetGlobal(global.value_or(false));
  RegExp->SetMultiline(multiline.value_or(false));
  return true;
}

bool RegexWrapper::RegexTest(const std::string& text) { return RegExp && RegExp->Test(RegexText(text)); }

int RegexWrapper::RegexExecute(const std::string& text) { return RegexExecute(RegexText(text)); }

int RegexWrapper::RegexExecute(const std::u16string& text) {
  if (!RegExp) return 0;
  Matches = RegExp->Execute(text);
  return Matches ? Matches->Count() : 0;
}

std::string RegexWrapper::RegexGetPattern() const { return RegExp ? RegExp->Pattern() : std::string(); }

std::string RegexWrapper::RegexMatchValue(int i) const {
  std::string value;
  if (HasMatches()) Matches->Value(i - 1, &value);
  return value;
}

std::string RegexWrapper::RegexSubMatch(int i, int j) const {
  std::string value;
  if (HasMatches()) Matches->SubMatch(i - 1, j - 1, &value);
  return value;
}

int RegexWrapper::RegexMatchFirstIndex(int i) const {
  if (!HasMatches()) return kAbsentNumber;
  int index = 0;
  Matches->FirstIndex(i - 1, &index);
  return index;
}

int RegexWrapper::RegexMatchLength(int i) const {
  if (!HasMatches()) return kAbsentNumber;
  int length = 0;
  Matches->Length(i - 1, &length);
  return length;
}

void RegexWrapper::RegexRelease() {
  RegExp.reset();
  Matches.reset();
}
