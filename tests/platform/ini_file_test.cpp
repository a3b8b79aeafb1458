#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace std::string_literals;
using platform::GetPrivateProfileStringA;
using platform::ReadWholeFile;
using platform::WritePrivateProfileStringA;
using platform::WriteWholeFile;

class IniFile : public TempDirTest {
 protected:
  std::string Ini() const { return PathOf("config.ini"); }
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& defaultValue = "default") const {
    return GetPrivateProfileStringA(section, key, defaultValue, Ini());
  }
};

// 丄 is GBK 81 41 and 乛 is 81 61: the same lead byte, trail bytes 'A' and 'a'.
const std::string kUpperTrail = "\x81\x41";
const std::string kLowerTrail = "\x81\x61";

TEST_F(IniFile, ReadsKeysWithoutRegardToLetterCase) {
  ASSERT_TRUE(WriteWholeFile(Ini(),
                             "; a comment\r\n"
                             "[系统配置]\r\n"
                             "是否初次=否\r\n"
                             "  Spaced Key  =\t value with blanks  \r\n"
                             "empty=\r\n"
                             "path=a=b\r\n"
                             "justtext\r\n"
                             "twice=first\r\n"
                             "twice=second\r\n"
                             "[Section2]\n"
                             "key=two\n"
                             "[ " + kUpperTrail + " ]\r\n" +
                             kUpperTrail + "b=upper\r\n"
                             "[\x81\x5D]\r\n"
                             "k=trail bracket"));
  const struct {
    std::string section, key, expected;
  } cases[] = {
      {"系统配置", "是否初次", "否"},
      {"SECTION2", "KEY", "two"},
      {" \t\x01Section2", "  key", "two"},
      {"section2 ", "key\t", "two"},
      {"系统配置", "spaced key", "value with blanks"},
      {"系统配置", "empty", ""},
      {"系统配置", "path", "a=b"},
      {"系统配置", "justtext", "default"},
      {"系统配置", "twice", "first"},
      {"系统配置", "missing", "default"},
      {"missing", "key", "default"},
      {"系统配置", "key", "default"},  // a key of another section
      {kUpperTrail, kUpperTrail + "B", "upper"},
      {kLowerTrail, kUpperTrail + "b", "default"},  // a trail byte never folds
      {kUpperTrail, kLowerTrail + "b", "default"},
      {"\x81\x5D", "k", "trail bracket"},
      {"", "key", ""},
      {"Section2", "", ""},
      {"   ", "key", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.section, c.key), c.expected) << c.section << "/" << c.key;

  EXPECT_EQ(Read("missing", "key", "text  \t"), "text") << "trailing blanks of the default";
  EXPECT_EQ(GetPrivateProfileStringA("Section2", "key", "d", ""), "");
  EXPECT_EQ(GetPrivateProfileStringA("Section2", "key", "d", "  " + Ini()), "two");
  EXPECT_EQ(GetPrivateProfileStringA("Section2", "key", "d", PathOf("CONFIG.INI")), "two");
  EXPECT_EQ(GetPrivateProfileStringA("Section2", "key", "d", PathOf("none.ini")), "d");
}

TEST_F(IniFile, DeliversAtMost10239BytesOfAValue) {
  const std::string longValue(10300, 'x');
  const std::string halvedCharacter = std::string(10238, 'x') + "\xD6\xD0" + "tail";
  ASSERT_TRUE(WriteWholeFile(Ini(), "[s]\r\nlong=" + longValue + "\r\nhalved=" + halvedCharacter + "\r\n"));
  EXPECT_EQ(Read("s", "long"), std::string(10239, 'x'));
  EXPECT_EQ(Read("s", "halved"), std::string(10238, 'x')) << "no half character at the end";
  EXPECT_EQ(Read("s", "missing", longValue), std::string(10239, 'x'));
}

TEST_F(IniFile, WritesKeepEveryOtherByteOfTheFile) {
  const std::string original =
      "; keep me\n"
      "[first]\r\n"
      "a = 1\r\n"
      "b=2\r\n"
      "\r\n"
      "[second]\n"
      "\tc=3\n"
      "[last]\r\n"
      "d=4";  // no line ending at the end
  const struct {
    const char* what;
    std::string section, key, value, expected;
  } cases[] = {
      {"existing key", "FIRST", "A", "one",
       "; keep me\n[first]\r\nA=one\r\nb=2\r\n\r\n[second]\n\tc=3\n[last]\r\nd=4"},
      {"new key after the section's last entry", "first", "e", "5",
       "; keep me\n[first]\r\na = 1\r\nb=2\r\ne=5\r\n\r\n[second]\n\tc=3\n[last]\r\nd=4"},
      {"new key in a section with LF endings", "second", "f", "6",
       "; keep me\n[first]\r\na = 1\r\nb=2\r\n\r\n[second]\n\tc=3\nf=6\r\n[last]\r\nd=4"},
      {"new key after an unended last line", "last", "g", "7",
       "; keep me\n[first]\r\na = 1\r\nb=2\r\n\r\n[second]\n\tc=3\n[last]\r\nd=4\r\ng=7"},
      {"existing key on an unended last line", "last", "d", "",
       "; keep me\n[first]\r\na = 1\r\nb=2\r\n\r\n[second]\n\tc=3\n[last]\r\nd="},
      {"new section", "新节", "键", "值",
       "; keep me\n[first]\r\na = 1\r\nb=2\r\n\r\n[second]\n\tc=3\n[last]\r\nd=4\r\n[新节]\r\n键=值\r\n"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeFile(Ini(), original));
    EXPECT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, Ini())) << c.what;
    EXPECT_EQ(ReadWholeFile(Ini()), c.expected) << c.what;
    EXPECT_EQ(Read(c.section, c.key), c.value) << c.what;
  }
}

TEST_F(IniFile, WritesCreateTheFileAndKeepDoubleByteNamesApart) {
  EXPECT_TRUE(WritePrivateProfileStringA(" 系统配置", "输出表", "1", Ini()));
  EXPECT_EQ(ReadWholeFile(Ini()), "[系统配置]\r\n输出表=1\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA(kUpperTrail, "tip", "upper", Ini()));
  EXPECT_TRUE(WritePrivateProfileStringA(kLowerTrail, "tip", "lower", Ini()));
  EXPECT_TRUE(WritePrivateProfileStringA("系统配置", "输出表", "0", Ini()));
  EXPECT_EQ(ReadWholeFile(Ini()), "[系统配置]\r\n输出表=0\r\n[" + kUpperTrail + "]\r\ntip=upper\r\n[" +
                                      kLowerTrail + "]\r\ntip=lower\r\n");

  ASSERT_TRUE(WriteWholeFile(PathOf("Tips.txt"), "[printf]\r\ntip=old\r\n"));
  EXPECT_TRUE(WritePrivateProfileStringA("printf", "tip", "new", PathOf("tips.TXT")));
  EXPECT_EQ(ReadWholeFile(PathOf("Tips.txt")), "[printf]\r\ntip=new\r\n") << "the existing file";
  EXPECT_FALSE(platform::PathExists(PathOf("none/x.ini")));
  EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", PathOf("none/x.ini"))) << "no folder";
}

// The settings window writes every tip in one go; the file must end as one write per tip
// would leave it, whatever the file and the names.
TEST_F(IniFile, ManyWritesInOneGoLeaveWhatOneAtATimeWould) {
  const std::vector<platform::ProfileSetting> settings = {
      {"first", "a", "one"},     {"FIRST", "new", "x"},    {"first", "NEW", "y"},   {"新节", "键", "值"},
      {"新节", "键2", "值2"},    {"second", "c", ""},      {"s", "k", "two\nlines"}, {"a\x81", "k", "lead byte"},
      {"a\x81", "k", "again"},   {"last", "k\x81", "v"},   {"last", "k\x81", "w"},  {"[odd]]", "k", "v"},
      {"  last ", " d ", "4!"},
  };
  const std::string files[] = {
      "; keep me\n[first]\r\na = 1\r\nb=2\r\n\r\n[second]\n\tc=3\n[last]\r\nd=4",
      "[first]\r\na=1\r\n[first]\r\na=2\r\n\r\n\r\n",
      "loose=line\r",
      "",
  };
  for (const std::string& file : files) {
    ASSERT_TRUE(WriteWholeFile(Ini(), file));
    for (const auto& setting : settings) WritePrivateProfileStringA(setting.section, setting.key, setting.value, Ini());
    const auto oneAtATime = ReadWholeFile(Ini());
    ASSERT_TRUE(WriteWholeFile(Ini(), file));
    EXPECT_FALSE(platform::WritePrivateProfileStrings(settings, Ini())) << "one setting is refused";
    EXPECT_EQ(ReadWholeFile(Ini()), oneAtATime) << file;
  }
}

TEST_F(IniFile, AFileReadOnceGivesEveryKeyAsASingleReadWould) {
  const std::string longValue = std::string(10300, 'x') + "尾";
  ASSERT_TRUE(WriteWholeFile(Ini(), "[s]\r\nlong=" + longValue + "\r\nshort= v \r\n"));
  const platform::ProfileFile file(Ini());
  for (const char* key : {"long", "short", "missing"}) EXPECT_EQ(file.Read("S", key, "d"), Read("s", key, "d")) << key;
  EXPECT_EQ(file.Read("s", "long", "", std::string::npos), longValue);
  EXPECT_EQ(platform::ProfileFile("").Read("s", "short", "d"), "");
  EXPECT_EQ(platform::ProfileFile(PathOf("none.ini")).Read("s", "short", "d"), "d");
}

TEST_F(IniFile, RefusesWritesThatALineCannotHold) {
  const std::string original = "[s]\r\nk=v\r\n";
  const struct {
    std::string section, key, value, fileName;
  } cases[] = {
      {"", "k", "v", "config.ini"},        {"s", " ", "v", "config.ini"},
      {"s", "k", "v", ""},                 {"s", "k", "two\r\nlines", "config.ini"},
      {"s", "k", "x\n[s2]", "config.ini"}, {"a\nb", "k", "v", "config.ini"},
      {"s", "a=b", "v", "config.ini"},     {"s", "[x", "v", "config.ini"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeFile(Ini(), original));
    const std::string fileName = c.fileName.empty() ? "" : PathOf(c.fileName);
    EXPECT_FALSE(WritePrivateProfileStringA(c.section, c.key, c.value, fileName))
        << c.section << "/" << c.key << "/" << c.value;
    EXPECT_EQ(ReadWholeFile(Ini()), original);
  }
}

}  // namespace
