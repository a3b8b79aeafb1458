#include "ide/lacking_characters.h"

#include <cstdio>
#include <string_view>

#include "framework/message_box.h"
#include "ide/app_globals.h"
#include "ide/main_window.h"
#include "platform/code_page.h"

namespace {

// The step in the question: "保存时…仍要保存吗？", "编译时…仍要编译吗？".
const char* StepName(EditorTextUse use) { return use == EditorTextUse::Save ? "保存" : "编译"; }

}  // namespace

bool AcceptCharactersTheCodePageLacks(EditorTextUse use) {
  if (!Editor->Utf8Mode()) return true;
  const ByteSet text = Editor->GetTextBytes(Editor->GetLength() + 1);  // the last byte is the NUL
  const auto lacking = platform::FirstCharacterCodePageLacks(std::string_view(text).substr(0, text.size() - 1));
  if (!lacking) return true;
  const int line = Editor->LineFromPosition(static_cast<int>(lacking->offset)) + 1;
  const std::string step = StepName(use);
  const std::string message = "第 " + std::to_string(line) + " 行有系统编码无法表示的字符 " +
                              CodePointName(lacking->codePoint) + "，" + step +
                              "时它和其他这样的字符都将变成“?”。\r\n仍要" + step + "吗？";
  return framework::MessageBox(message, std::string(), framework::MB_OKCANCEL | framework::MB_ICONWARNING,
                               MainWindow) == framework::IDOK;
}

std::string CodePointName(char32_t codePoint) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
  return name;
}
