#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* const kPinyinTable[] = {
#include "ide/pinyin_table.inc"
};

constexpr int kTrailCount = 94;

// Index of a two-byte character of the hanzi area (narrow literals here are GBK).
int IndexOf(const char* character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  const auto trail = static_cast<unsigned char>(character[1]);
  return (lead - 0xB0) * kTrailCount + (trail - 0xA1);
}

}  // namespace

TEST(PinyinTable, HoldsOneEntryPerCodePointOfTheHanziArea) {
  EXPECT_EQ(std::size(kPinyinTable), 72u * kTrailCount);
}

TEST(PinyinTable, FirstReadingGivesTheExpectedInitial) {
  const struct {
    const char* character;
    char initial;
  } cases[] = {{"中", 'z'}, {"文", 'w'}, {"长", 'c'}, {"行", 'x'}, {"重", 'z'},
               {"调", 't'}, {"弹", 't'}, {"和", 'h'}, {"安", 'a'}, {"厦", 's'},
               {"茄", 'j'}, {"芥", 'g'}, {"嵌", 'k'}, {"夯", 'b'}, {"拽", 'y'},
               {"啊", 'a'}, {"座", 'z'}, {"齄", 'z'}};
  for (const auto& c : cases) {
    EXPECT_EQ(kPinyinTable[IndexOf(c.character)][0], c.initial) << c.character;
  }
}

TEST(PinyinTable, OnlyRadicalFormsUnassignedCodesAndMAreEmpty) {
  const std::string emptyCharacters =
      "丶匚刂冂亻勹亠冫冖讠卩阝廴凵艹廾扌彡犭夂饣忄丬氵宀辶彐屮纟攵灬礻肀钅疒衤虍呒";
  std::set<int> expected;
  for (std::size_t i = 0; i < emptyCharacters.size(); i += 2) {
    expected.insert(IndexOf(emptyCharacters.c_str() + i));
  }
  for (int trail = 0xFA; trail <= 0xFE; ++trail) {
    expected.insert((0xD7 - 0xB0) * kTrailCount + (trail - 0xA1));
  }
  std::set<int> empty;
  for (std::size_t i = 0; i < std::size(kPinyinTable); ++i) {
    if (kPinyinTable[i][0] == '\0') empty.insert(static_cast<int>(i));
  }
  EXPECT_EQ(empty, expected);
}

TEST(PinyinTable, EntriesAreUpToThreeLowerCaseReadings) {
  for (const char* entry : kPinyinTable) {
    std::istringstream readings(entry);
    std::string reading;
    int count = 0;
    while (readings >> reading) {
      ++count;
      for (char letter : reading) {
        EXPECT_TRUE(std::islower(static_cast<unsigned char>(letter))) << entry;
      }
    }
    EXPECT_LE(count, 3) << entry;
    EXPECT_EQ(std::string(entry).find("  "), std::string::npos) << entry;
  }
}
