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

// The keys of a US keyboard that type a digit or punctuation: Qt names a key by the character
// it types, with Shift or without, where Windows names the key itself.
struct CharacterKey {
  int plain;
  int shifted;
  int virtualKey;
};

constexpr CharacterKey kCharacterKeys[] = {
    {Qt::Key_1, Qt::Key_Exclam, '1'},
    {Qt::Key_2, Qt::Key_At, '2'},
    {Qt::Key_3, Qt::Key_NumberSign, '3'},
    {Qt::Key_4, Qt::Key_Dollar, '4'},
    {Qt::Key_5, Qt::Key_Percent, '5'},
    {Qt::Key_6, Qt::Key_AsciiCircum, '6'},
    {Qt::Key_7, Qt::Key_Ampersand, '7'},
    {Qt::Key_8, Qt::Key_Asterisk, '8'},
    {Qt::Key_9, Qt::Key_ParenLeft, '9'},
    {Qt::Key_0, Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, Qt::Key_QuoteDbl, VK_OEM_7},
};

const CharacterKey* FindCharacterKey(int qtKey) {
  for (const CharacterKey& key : kCharacterKeys) {
    if (key.plain == qtKey || key.shifted == qtKey) return &key;
  }
  return nullptr;
}

}  // namespace

int VirtualKeyFromQtKey(int qtKey) {
  // Letters: Qt's codes are their upper-case ASCII, as the virtual keys are.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
  if (const CharacterKey* key = FindCharacterKey(qtKey)) return key->virtualKey;
  const auto found = NamedKeys().find(qtKey);
  return found == NamedKeys().end() ? 0 : found->second;
}

int QtKeyFromVirtualKey(int virtualKey) {
  if (virtualKey <= 0) return 0;
  if (virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey;
  if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12) return Qt::Key_F1 + (virtualKey - VK_F1);
  for (const CharacterKey& key : kCharacterKeys) {
    if (key.virtualKey == virtualKey) return key.plain;
  }
  for (const auto& [qtKey, named] : NamedKeys()) {
    // Qt has two keys for Enter and for Tab; the main ones are those of the keyboard's centre.
    if (named == virtualKey && qtKey != Qt::Key_Enter && qtKey != Qt::Key_Backtab) return qtKey;
  }
  return 0;
}

int CharacterOfQtKey(int qtKey, bool shift) {
  const CharacterKey* key = FindCharacterKey(qtKey);
  if (key == nullptr) return 0;
  return shift ? key->shifted : key->plain;
}

LPARAM KeyMessageLParam(bool release, bool autoRepeat) {
  std::uint32_t lParam = 1;
  if (release || autoRepeat) lParam |= 1u << 30;
  if (release) lParam |= 1u << 31;
  return static_cast<LPARAM>(lParam);
}

}  // namespace platform
