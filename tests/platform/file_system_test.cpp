#include "platform/file_system.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QString>
#include <algorithm>
#include <memory>

#include "platform/code_page.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace std::string_literals;
using platform::ReadWholeFile;
using platform::WriteWholeFile;

class FileSystem : public TempDirTest {
 protected:
  void MakeFolder(const std::string& name) {
    ASSERT_EQ(mkdir(PathOf(name).c_str(), 0755), 0);
  }
  void MakeFile(const std::string& name, const std::string& bytes = "x") {
    ASSERT_TRUE(WriteWholeFile(PathOf(name), bytes));
  }
  // The folder's entries as the directory yields them, with their names as stored on disk.
  std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(PathOf(folder).c_str()), closedir);
    while (const dirent* entry = dir ? readdir(dir.get()) : nullptr) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    return names;
  }
};

TEST_F(FileSystem, ReadsBackExactlyTheBytesWritten) {
  EXPECT_FALSE(ReadWholeFile(PathOf("missing.txt")).has_value());
  MakeFile("empty.txt", "");
  ASSERT_TRUE(ReadWholeFile(PathOf("empty.txt")).has_value()) << "empty is not missing";
  EXPECT_EQ(*ReadWholeFile(PathOf("empty.txt")), "");

  const std::string bytes = "line\r\n\0\xD6\xD0\n"s + std::string(200000, 'z');
  MakeFile("data.bin", bytes);
  EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), bytes);
  MakeFile("data.bin", "short");
  EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), "short") << "overwriting truncates";

  EXPECT_FALSE(ReadWholeFile(Dir()).has_value()) << "a folder is not a file";
  ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0644), 0);
  EXPECT_FALSE(ReadWholeFile(PathOf("pipe")).has_value()) << "a pipe without a writer does not block";
  EXPECT_FALSE(WriteWholeFile(PathOf("no-folder/a.txt"), "x")) << "no folder is created";
}

TEST_F(FileSystem, AppendsDeletesAndTestsExistence) {
  EXPECT_TRUE(platform::AppendToFile(PathOf("recent.txt"), "a\r\n"));
  EXPECT_TRUE(platform::AppendToFile(PathOf("recent.txt"), "b\r\n"));
  EXPECT_EQ(ReadWholeFile(PathOf("recent.txt")), "a\r\nb\r\n");
  EXPECT_TRUE(platform::PathExists(PathOf("recent.txt")));
  EXPECT_TRUE(platform::DeleteFile(PathOf("recent.txt")));
  EXPECT_FALSE(platform::PathExists(PathOf("recent.txt")));
  EXPECT_FALSE(platform::DeleteFile(PathOf("recent.txt")));
}

TEST_F(FileSystem, DataFileNamesIgnoreLetterCase) {
  MakeFolder("Syntax");
  MakeFile("Syntax/Key.txt", "int ");
  EXPECT_EQ(ReadWholeFile(PathOf("syntax/key.txt")), "int ");
  EXPECT_EQ(platform::ResolveFileName(PathOf("SYNTAX/KEY.TXT")), PathOf("Syntax/Key.txt"));

  MakeFile("syntax/key.TXT", "char ");
  EXPECT_EQ(Entries("Syntax"), std::vector<std::string>{"Key.txt"}) << "one file, overwritten";
  EXPECT_EQ(ReadWholeFile(PathOf("Syntax/Key.txt")), "char ");

  MakeFile("syntax/New.txt", "");
  EXPECT_EQ(Entries("Syntax").size(), 2u) << "a new file goes into the existing folder";
  EXPECT_EQ(platform::ResolveFileName(PathOf("nothing/here.txt")), PathOf("nothing/here.txt"));

  FILE* exact = fopen(PathOf("Syntax/key.txt").c_str(), "w");  // bypasses the resolution
  ASSERT_NE(exact, nullptr);
  fclose(exact);
  EXPECT_EQ(ReadWholeFile(PathOf("Syntax/key.txt")), "") << "the exact spelling wins";
  EXPECT_EQ(ReadWholeFile(PathOf("Syntax/Key.txt")), "char ");
}

TEST_F(FileSystem, ChineseNamesAreStoredInTheFileSystemEncoding) {
  MakeFile("中文.c", "x");  // a GBK literal
  EXPECT_EQ(Entries(""), std::vector<std::string>{"\xE4\xB8\xAD\xE6\x96\x87.c"});
  EXPECT_EQ(platform::FindFiles(PathOf("*.c")), std::vector<std::string>{"中文.c"});
}

TEST_F(FileSystem, FindsFilesByPatternInDirectoryOrder) {
  MakeFolder("Example");
  for (const char* name : {"b.c", "A.C", "a.cpp", "readme", "中.c", "x.c.bak", "ab.c"})
    MakeFile("Example/"s + name);
  MakeFolder("Example/folder.c");

  struct Case {
    const char* pattern;
    std::vector<std::string> expected;  // in the search's order: by name, case folded
  } cases[] = {
      {"*.c", {"A.C", "ab.c", "b.c", "中.c"}},
      {"?.c", {"A.C", "b.c", "中.c"}},
      {"a*", {"A.C", "a.cpp", "ab.c"}},
      {"*", {"A.C", "a.cpp", "ab.c", "b.c", "readme", "x.c.bak", "中.c"}},
      {"*.C*", {"A.C", "a.cpp", "ab.c", "b.c", "x.c.bak", "中.c"}},
      {"README", {"readme"}},
      {"*.h", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::FindFiles(PathOf("example/"s + c.pattern)), c.expected) << c.pattern;
  }
  EXPECT_TRUE(platform::FindFiles(PathOf("missing/*.c")).empty());
}

TEST(FullPath, MakesPathsAbsoluteAndClean) {
  const std::string cwd = platform::WorkingDirectory();
  const struct {
    std::string path, expected;
  } cases[] = {
      {"/a/b/../c/./d.c", "/a/c/d.c"}, {"/a//b/", "/a/b"}, {"/..", "/"},
      {"x.c", cwd + "/x.c"},           {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::FullPath(c.path), c.expected) << c.path;
}

TEST(Directories, AreTheWorkingAndTheProgramDirectory) {
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(platform::WorkingDirectory(), cwd);  // the build tree's path is ASCII
  EXPECT_TRUE(platform::PathExists(platform::ProgramDirectory() + "/test_platform"));
}

}  // namespace
