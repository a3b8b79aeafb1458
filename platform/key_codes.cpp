#include "platform/key_codes.h"

#include <Qt>
#include <unordered_map>

namespace platform {
namespace {

const std::unordered_map<int, int>& NamedKeys() {
  static const auto* keys = new std::unordered_map<int, int>{
      {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
      {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE},
      {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
      {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
      {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Shift, VK_SHIFT},
      {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},
  };
  return *keys;
}

}  // namespace

int VirtualKeyFromQtKey(int qtKey) {
  // Letters and digits: Qt's codes are their upper-case ASCII, as the virtual keys are.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
  const auto found = NamedKeys().find(qtKey);
  return found == NamedKeys().end() ? 0 : found->second;
}

int QtKeyFromVirtualKey(int virtualKey) {
  if (virtualKey <= 0) return 0;
  if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) return virtualKey;
  if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12) return Qt::Key_F1 + (virtualKey - VK_F1);
  for (const auto& [qtKey, named] : NamedKeys()) {
    // Qt has two keys for Enter and for Tab; the main ones are those of the keyboard's centre.
    if (named == virtualKey && qtKey != Qt::Key_Enter && qtKey != Qt::Key_Backtab) return qtKey;
  }
  return 0;
}

LPARAM KeyMessageLParam(bool release, bool autoRepeat) {
  std::uint32_t lParam = 1;
  if (release || autoRepeat) lParam |= 1u << 30;
  if (release) lParam |= 1u << 31;
  return static_cast<LPARAM>(lParam);
}

}  // namespace platform
