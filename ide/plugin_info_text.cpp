#include "ide/plugin_info_text.h"

#include "platform/ansi_text.h"

namespace {

constexpr std::string_view kFieldSeparator = "/^\\";
constexpr std::string_view kMenuEntrySeparator = "/*/";
constexpr std::string_view kMenuKind = "menu";

std::string FunctionNameOf(std::string_view entry) {
  const std::size_t open = platform::AnsiFind(entry, "(");
  return open == std::string_view::npos ? std::string() : std::string(entry.substr(0, open));
}

// The split leaves out an empty piece after the last separator; as a field it counts, so that
// an info text ending in the separator has six fields, the last an empty menu list.
std::vector<std::string_view> FieldsOf(std::string_view text) {
  std::vector<std::string_view> fields = platform::AnsiSplit(text, kFieldSeparator);
  const std::size_t last = platform::AnsiFindLast(text, kFieldSeparator);
  if (last != std::string_view::npos && last + kFieldSeparator.size() == text.size()) fields.emplace_back();
  return fields;
}

}  // namespace

std::optional<PluginInfo> ParsePluginInfoText(std::string_view text) {
  const std::vector<std::string_view> fields = FieldsOf(text);
  if (fields.size() < 6) return std::nullopt;
  return PluginInfo{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), std::string(fields[3]),
                    std::string(fields[5])};
}

std::vector<PluginMenuEntry> PluginMenuEntriesOf(std::string_view menuList, const std::string& dllFile) {
  std::vector<PluginMenuEntry> entries;
  for (std::string_view entry : platform::AnsiSplit(menuList, kMenuEntrySeparator)) {
    if (TextBetween(entry, "(", "|") != kMenuKind) continue;
    entries.push_back({TextBetween(entry, "|", ")"), dllFile, FunctionNameOf(entry)});
  }
  return entries;
}

std::string TextBetween(std::string_view text, std::string_view start, std::string_view end) {
  const std::size_t startAt = platform::AnsiFind(text, start);
  if (startAt == std::string_view::npos) return {};
  const std::size_t from = startAt + start.size();
  const std::size_t endAt = platform::AnsiFind(text, end, from);
  if (endAt == std::string_view::npos) return {};
  return std::string(text.substr(from, endAt - from));
}
