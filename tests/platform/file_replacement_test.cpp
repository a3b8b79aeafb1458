#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "platform/file_system.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using platform::ReadWholeFile;
using platform::ReplaceFileContents;

class FileReplacement : public TempDirTest {
 protected:
  void MakeFile(const std::string& name, const std::string& bytes, mode_t mode = 0644) {
    ASSERT_TRUE(platform::WriteWholeFile(PathOf(name), bytes));
    ASSERT_EQ(chmod(PathOf(name).c_str(), mode), 0);
  }
  void MakeLink(const std::string& name, const std::string& target) {
    ASSERT_EQ(symlink(target.c_str(), PathOf(name).c_str()), 0);
  }
  mode_t ModeOf(const std::string& name) {
    struct stat status {};
    EXPECT_EQ(stat(PathOf(name).c_str(), &status), 0) << name;
    return status.st_mode & 07777;
  }
  bool IsLink(const std::string& name) {
    struct stat status {};
    return lstat(PathOf(name).c_str(), &status) == 0 && S_ISLNK(status.st_mode);
  }
  // Every entry of the test's folder, so a left-behind replacement shows.
  std::vector<std::string> Entries() {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(Dir().c_str()), closedir);
    while (const dirent* entry = readdir(dir.get())) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    return names;
  }
};

TEST_F(FileReplacement, ReplacesTheBytesAndKeepsThePermissions) {
  MakeFile("a.c", "old text that is longer", 0640);
  ASSERT_TRUE(ReplaceFileContents(PathOf("a.c"), "new"));
  EXPECT_EQ(ReadWholeFile(PathOf("a.c")), "new");
  EXPECT_EQ(ModeOf("a.c"), 0640u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.c"});
}

TEST_F(FileReplacement, ANewFileGetsTheUsualPermissions) {
  const mode_t saved = umask(022);
  EXPECT_TRUE(ReplaceFileContents(PathOf("new.c"), "text"));
  umask(saved);
  EXPECT_EQ(ReadWholeFile(PathOf("new.c")), "text");
  EXPECT_EQ(ModeOf("new.c"), 0644u);
  EXPECT_FALSE(ReplaceFileContents(PathOf("no-folder/a.c"), "x")) << "no folder is created";
}

// Absolute and relative links, a chain of them and one whose file does not exist yet: the
// links stay, the file at the end gets the bytes.
TEST_F(FileReplacement, WritesThroughSymbolicLinksToTheFileTheyName) {
  ASSERT_EQ(mkdir(PathOf("real").c_str(), 0755), 0);
  MakeFile("real/a.c", "old", 0600);
  MakeLink("absolute.c", PathOf("real/a.c"));
  MakeLink("relative.c", "real/a.c");
  MakeLink("chain.c", "relative.c");
  MakeLink("dangling.c", "real/later.c");
  for (const char* link : {"absolute.c", "relative.c", "chain.c"}) {
    SCOPED_TRACE(link);
    ASSERT_TRUE(ReplaceFileContents(PathOf(link), link));
    EXPECT_TRUE(IsLink(link));
    EXPECT_EQ(ReadWholeFile(PathOf("real/a.c")), link);
    EXPECT_EQ(ModeOf("real/a.c"), 0600u);
  }
  ASSERT_TRUE(ReplaceFileContents(PathOf("dangling.c"), "later"));
  EXPECT_TRUE(IsLink("dangling.c"));
  EXPECT_EQ(ReadWholeFile(PathOf("real/later.c")), "later");

  MakeLink("loop1.c", "loop2.c");
  MakeLink("loop2.c", "loop1.c");
  EXPECT_FALSE(ReplaceFileContents(PathOf("loop1.c"), "x"));
  EXPECT_TRUE(IsLink("loop1.c") && IsLink("loop2.c"));
}

TEST_F(FileReplacement, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
  const std::string old = std::string(1000, 'o');
  MakeFile("a.c", old);
  {
    const FileSizeLimit limit(4096);
    EXPECT_FALSE(ReplaceFileContents(PathOf("a.c"), std::string(100000, 'n')));
  }
  EXPECT_EQ(ReadWholeFile(PathOf("a.c")), old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.c"});
}

TEST_F(FileReplacement, AFolderIsNotReplaced) {
  ASSERT_EQ(mkdir(PathOf("folder.c").c_str(), 0755), 0);
  MakeFile("folder.c/inside.c", "kept");
  EXPECT_FALSE(ReplaceFileContents(PathOf("folder.c"), "x"));
  EXPECT_EQ(ReadWholeFile(PathOf("folder.c/inside.c")), "kept");
  EXPECT_EQ(Entries(), std::vector<std::string>{"folder.c"});
}

}  // namespace
