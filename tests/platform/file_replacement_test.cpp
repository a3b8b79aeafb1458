#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/file_system.h"
#include "platform/unique_fd.h"
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
  std::vector<std::string> Entries(const std::string& folder = ".") {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(PathOf(folder).c_str()), closedir);
    while (const dirent* entry = readdir(dir.get())) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
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

// Root may write every file, so a test run as root saves in a child process that has become
// an unprivileged user; the files the cases call the user's own belong to that user.
class SaveRules : public FileReplacement {
 protected:
  static constexpr uid_t kNobody = 65534;
  static bool AsRoot() { return geteuid() == 0; }
  static uid_t User() { return AsRoot() ? kNobody : geteuid(); }
  static gid_t UserGroup() { return AsRoot() ? kNobody : getegid(); }

  void SetUp() override {
    FileReplacement::SetUp();
    ASSERT_EQ(chmod(Dir().c_str(), 0755), 0);
    ASSERT_EQ(chown(Dir().c_str(), User(), UserGroup()), 0);
  }

  static bool SaveAsUser(const std::string& path, const std::string& bytes) {
    if (!AsRoot()) return ReplaceFileContents(path, bytes);
    const pid_t child = fork();
    if (child == 0) {
      if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
      _exit(ReplaceFileContents(path, bytes) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "the child could not become the user";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

TEST_F(SaveRules, ASaveChangesWhatAWriteInPlaceMayAndKeepsLinksOwnerAndMode) {
  enum Owner { Users, Roots, UsersWithRootGroup };
  struct Case {
    const char* what;
    mode_t mode;
    Owner owner;
    bool folderWritable;
    bool hardLink;
    rlim_t sizeLimit;  // 0: none
    bool saved;
    bool inPlace;  // the file keeps its inode
  };
  const Case cases[] = {
      {"a file of the user's own is replaced", 0640, Users, true, false, 0, true, false},
      {"a read-only file is left alone", 0444, Users, true, false, 0, false, true},
      {"another owner's file is left alone", 0644, Roots, true, false, 0, false, true},
      {"another owner's file that all may write keeps its owner", 0666, Roots, true, false, 0, true, true},
      {"a group the user is not in is kept", 0664, UsersWithRootGroup, true, false, 0, true, true},
      {"a writable file in a read-only folder is written in place", 0644, Users, false, false, 0, true, true},
      {"a file with a second link keeps it", 0644, Users, true, true, 0, true, true},
      {"a full disk leaves a replaced file whole", 0644, Users, true, false, 4096, false, true},
      {"a full disk leaves a file written in place whole", 0644, Users, false, false, 4096, false, true},
  };
  const std::string old(1000, 'o');
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.owner != Users && !AsRoot()) continue;  // only root can give a file another owner
    const std::string folder = "case" + std::to_string(++number);
    const std::string file = folder + "/a.c";
    ASSERT_EQ(mkdir(PathOf(folder).c_str(), 0755), 0);
    ASSERT_EQ(chown(PathOf(folder).c_str(), User(), UserGroup()), 0);
    MakeFile(file, old, c.mode);
    const uid_t owner = c.owner == Roots ? 0 : User();
    const gid_t group = c.owner == Users ? UserGroup() : 0;
    ASSERT_EQ(chown(PathOf(file).c_str(), owner, group), 0);
    ASSERT_EQ(chmod(PathOf(file).c_str(), c.mode), 0);
    if (c.hardLink) {
      ASSERT_EQ(link(PathOf(file).c_str(), PathOf(folder + "/link.c").c_str()), 0);
    }
    if (!c.folderWritable) {
      ASSERT_EQ(chmod(PathOf(folder).c_str(), 0555), 0);
    }
    struct stat before {};
    ASSERT_EQ(stat(PathOf(file).c_str(), &before), 0);

    const std::string bytes = c.sizeLimit ? std::string(100000, 'n') : "new";
    std::optional<FileSizeLimit> limit;
    if (c.sizeLimit) limit.emplace(c.sizeLimit);
    const bool saved = SaveAsUser(PathOf(file), bytes);
    limit.reset();

    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(ReadWholeFile(PathOf(file)), c.saved ? bytes : old);
    if (c.hardLink) {
      EXPECT_EQ(ReadWholeFile(PathOf(folder + "/link.c")), c.saved ? bytes : old);
    }
    struct stat after {};
    ASSERT_EQ(stat(PathOf(file).c_str(), &after), 0);
    EXPECT_EQ(after.st_ino == before.st_ino, c.inPlace);
    EXPECT_EQ(after.st_uid, owner);
    EXPECT_EQ(after.st_gid, group);
    EXPECT_EQ(after.st_mode & 07777, c.mode);
    EXPECT_EQ(after.st_nlink, c.hardLink ? 2u : 1u);
    chmod(PathOf(folder).c_str(), 0755);
    const std::vector<std::string> names =
        c.hardLink ? std::vector<std::string>{"a.c", "link.c"} : std::vector<std::string>{"a.c"};
    EXPECT_EQ(Entries(folder), names) << "no stand-in is left behind";
  }
}

TEST_F(FileReplacement, AFolderIsNotReplaced) {
  ASSERT_EQ(mkdir(PathOf("folder.c").c_str(), 0755), 0);
  MakeFile("folder.c/inside.c", "kept");
  EXPECT_FALSE(ReplaceFileContents(PathOf("folder.c"), "x"));
  EXPECT_EQ(ReadWholeFile(PathOf("folder.c/inside.c")), "kept");
  EXPECT_EQ(Entries(), std::vector<std::string>{"folder.c"});
}

// Saves killed in the middle of their write, and the stand-in that such a save leaves.
class KilledSaveTest : public FileReplacement {
 protected:
  static constexpr rlim_t kMegabyte = 1 << 20;
  using Save = bool (*)(const std::string&, std::string_view);

  // The save runs in a child process that is killed with SIGKILL (sent by itself once its
  // write passes a megabyte), so it ends exactly in the middle of writing a large file.
  static void SaveKilledHalfway(Save save, const std::string& path) {
    const std::string bytes(4 * kMegabyte, 'n');
    const pid_t child = fork();
    if (child == 0) {
      struct sigaction killed {};
      killed.sa_handler = [](int) { raise(SIGKILL); };
      sigaction(SIGXFSZ, &killed, nullptr);
      const rlimit limit{kMegabyte, kMegabyte};
      setrlimit(RLIMIT_FSIZE, &limit);
      save(path, bytes);
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the save ended before it was killed";
  }

  // The one stand-in beside the file, or the empty text.
  std::string StandInLeft(const std::string& file) {
    std::vector<std::string> names = Entries();
    std::erase(names, file);
    EXPECT_LE(names.size(), 1u) << "one stand-in at most";
    return names.empty() ? std::string() : names.front();
  }
};

// However often a save of a target is killed, one stand-in of a fixed length stays beside it,
// and the next save removes it: over an existing file, for a new file, for a file made anew,
// and for a target whose name is as long as a name may be.
TEST_F(KilledSaveTest, LeavesTheFileWholeAndOneStandInThatTheNextSaveRemoves) {
  const std::string old(1000, 'o');
  const std::string longestName = std::string(NAME_MAX - 2, 'l') + ".c";
  struct Case {
    const char* what;
    std::string name;
    bool exists;
    Save save;
  };
  const Case cases[] = {
      {"an existing file", "a.c", true, ReplaceFileContents},
      {"a new file", "new.c", false, ReplaceFileContents},
      {"a file made anew", "anew.c", true, platform::WriteFileAnew},
      {"the longest name", longestName, true, ReplaceFileContents},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.exists) MakeFile(c.name, old);
    std::string first;
    for (int kill = 0; kill < 3; ++kill) {
      SaveKilledHalfway(c.save, PathOf(c.name));
      const std::string standIn = StandInLeft(c.name);
      EXPECT_TRUE(standIn.starts_with(".tavo-save-")) << standIn;
      EXPECT_EQ(standIn.size(), 27u);
      if (kill == 0) first = standIn;
      EXPECT_EQ(standIn, first) << "the same stand-in every time";
      EXPECT_EQ(ReadWholeFile(PathOf(c.name)), c.exists ? std::optional<std::string>(old) : std::nullopt);
    }
    ASSERT_TRUE(c.save(PathOf(c.name), "new"));
    EXPECT_EQ(ReadWholeFile(PathOf(c.name)), "new");
    EXPECT_EQ(Entries(), std::vector<std::string>{c.name});
    ASSERT_EQ(unlink(PathOf(c.name).c_str()), 0);
  }
}

TEST_F(KilledSaveTest, ASaveInPlaceRemovesTheStandInToo) {
  MakeFile("a.c", "old");
  SaveKilledHalfway(ReplaceFileContents, PathOf("a.c"));
  ASSERT_EQ(link(PathOf("a.c").c_str(), PathOf("b.c").c_str()), 0);
  ASSERT_TRUE(ReplaceFileContents(PathOf("a.c"), "new"));
  EXPECT_EQ(ReadWholeFile(PathOf("b.c")), "new") << "written in place";
  EXPECT_EQ(Entries(), (std::vector<std::string>{"a.c", "b.c"}));
}

// A second process saving the same target holds the stand-in locked: this save fails and
// touches neither. Whatever else holds the stand-in's name is removed and never written through.
TEST_F(KilledSaveTest, AStandInInUseIsLeftAloneAndAnythingElseUnderItsNameIsReplaced) {
  const std::string old(1000, 'o');
  MakeFile("a.c", old);
  SaveKilledHalfway(ReplaceFileContents, PathOf("a.c"));
  const std::string standIn = StandInLeft("a.c");
  {
    const platform::UniqueFd held(open(PathOf(standIn).c_str(), O_WRONLY));
    ASSERT_EQ(flock(held.Get(), LOCK_EX), 0);
    EXPECT_FALSE(ReplaceFileContents(PathOf("a.c"), "new"));
    EXPECT_FALSE(platform::WriteFileAnew(PathOf("a.c"), "new"));
    EXPECT_EQ(ReadWholeFile(PathOf("a.c")), old);
    EXPECT_EQ(Entries(), (std::vector<std::string>{standIn, "a.c"}));
  }
  ASSERT_EQ(unlink(PathOf(standIn).c_str()), 0);
  MakeFile("victim", "victim");
  MakeLink(standIn, "victim");
  ASSERT_TRUE(ReplaceFileContents(PathOf("a.c"), "through a link"));
  ASSERT_EQ(link(PathOf("victim").c_str(), PathOf(standIn).c_str()), 0);
  ASSERT_TRUE(ReplaceFileContents(PathOf("a.c"), "through a hard link"));
  EXPECT_EQ(ReadWholeFile(PathOf("a.c")), "through a hard link");
  EXPECT_EQ(ReadWholeFile(PathOf("victim")), "victim");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"a.c", "victim"}));
}

}  // namespace
