#include "ide/pinyin_abbreviation.h"

#include <array>

#include "platform/ansi_text.h"

namespace {

constexpr unsigned kFirstLead = 0xB0;
constexpr unsigned kLastLead = 0xF7;
constexpr unsigned kFirstTrail = 0xA1;
constexpr unsigned kLastTrail = 0xFE;
constexpr unsigned kRowLength = kLastTrail - kFirstTrail + 1;

constexpr std::array<const char*, 6768> kPinyinTable = {
#include "ide/pinyin_table.inc"
};

// The first letter of the character's first reading; 0 for a character outside the hanzi
// area or without a reading (a lone lead byte at the end of the text included).
char PinyinInitial(std::string_view character) {
  if (character.size() != 2) return 0;
  const unsigned lead = static_cast<unsigned char>(character[0]);
  const unsigned trail = static_cast<unsigned char>(character[1]);
  if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return 0;
  return kPinyinTable[(lead - kFirstLead) * kRowLength + (trail - kFirstTrail)][0];
}

}  // namespace

std::string MakePinyinAbbreviation(const std::string& word) {
  std::string abbreviation;
  for (std::string_view character : platform::AnsiCharacters(word)) {
    const bool ascii = static_cast<unsigned char>(character[0]) < 0x80;
    const char letter = ascii ? character[0] : PinyinInitial(character);
    if (letter != 0) abbreviation += platform::AsciiLower(letter);
  }
  return abbreviation;
}
