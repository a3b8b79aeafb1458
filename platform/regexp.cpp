#include "platform/regexp.h"

#include <QRegularExpression>
#include <QString>
#include <vector>

#include "platform/code_page.h"

namespace platform {

struct RegExpMatches::State {
  const QRegularExpressionMatch* Item(int item) const {
    if (item < 0 || item >= static_cast<int>(matches.size())) return nullptr;
    return &matches[static_cast<std::size_t>(item)];
  }

  QString text;
  std::vector<QRegularExpressionMatch> matches;
};

namespace {

// Without DotMatchesEverything the dot stops at LF only (the engine's newline is LF), and
// without UseUnicodeProperties \b, \w and \s keep to ASCII.
QRegularExpression Compile(const std::string& pattern, bool ignoreCase, bool multiline) {
  QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
  if (ignoreCase) options |= QRegularExpression::CaseInsensitiveOption;
  if (multiline) options |= QRegularExpression::MultilineOption;
  return QRegularExpression(AnsiToQString(pattern), options);
}

QString SearchedText(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

}  // namespace

void RegExp::SetPattern(const std::string& pattern) { pattern_ = pattern; }
std::string RegExp::Pattern() const { return pattern_; }
void RegExp::SetIgnoreCase(bool on) { ignoreCase_ = on; }
void RegExp::SetGlobal(bool on) { global_ = on; }
void RegExp::SetMultiline(bool on) { multiline_ = on; }

bool RegExp::Test(std::u16string_view text) const {
  const QRegularExpression expression = Compile(pattern_, ignoreCase_, multiline_);
  return expression.isValid() && expression.match(SearchedText(text)).hasMatch();
}

std::shared_ptr<const RegExpMatches> RegExp::Execute(std::u16string_view text) const {
  const QRegularExpression expression = Compile(pattern_, ignoreCase_, multiline_);
  if (!expression.isValid()) return nullptr;
  auto state = std::make_unique<RegExpMatches::State>();
  state->text = SearchedText(text);
  if (global_) {
    QRegularExpressionMatchIterator found = expression.globalMatch(state->text);
    while (found.hasNext()) state->matches.push_back(found.next());
  } else if (QRegularExpressionMatch first = expression.match(state->text); first.hasMatch()) {
    state->matches.push_back(first);
  }
  return std::make_shared<const RegExpMatches>(std::move(state));
}

RegExpMatches::RegExpMatches(std::unique_ptr<State> state) : state_(std::move(state)) {}
RegExpMatches::~RegExpMatches() = default;

int RegExpMatches::Count() const { return static_cast<int>(state_->matches.size()); }

bool RegExpMatches::Value(int item, std::string* value) const {
  const QRegularExpressionMatch* match = state_->Item(item);
  if (match == nullptr) return false;
  *value = QStringToAnsi(match->captured(0));
  return true;
}

bool RegExpMatches::FirstIndex(int item, int* index) const {
  const QRegularExpressionMatch* match = state_->Item(item);
  if (match == nullptr) return false;
  *index = static_cast<int>(match->capturedStart());
  return true;
}

bool RegExpMatches::Length(int item, int* length) const {
  const QRegularExpressionMatch* match = state_->Item(item);
  if (match == nullptr) return false;
  *length = static_cast<int>(match->capturedLength());
  return true;
}

bool RegExpMatches::SubMatch(int item, int index, std::string* value) const {
  const QRegularExpressionMatch* match = state_->Item(item);
  if (match == nullptr || index < 0 || index >= match->regularExpression().captureCount()) return false;
  *value = QStringToAnsi(match->captured(index + 1));
  return true;
}

}  // namespace platform
