// The exports of the gcc analysis plug-in.
#include <string>

#include "plugins/gcc/gcc_messages.h"

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// What the environment reads stays valid until the next call.
std::string LastAnswer;

}  // namespace

// Name, author, description, version, a field no one reads, and an empty menu list (the
// closing separator keeps the empty sixth field).
PLUGIN_EXPORT const char* PluginIn() { return "gcc 分析/^\\Tavo/^\\把 gcc 的编译信息变成错误行/^\\1.0/^\\/^\\/^\\"; }

PLUGIN_EXPORT const char* Show() { return "就绪"; }

PLUGIN_EXPORT const char* Analysis(const char* output) {
  LastAnswer = AnalyseGccMessages(output ? output : "");
  return LastAnswer.c_str();
}
