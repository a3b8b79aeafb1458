// A fresh temporary directory per test, removed with everything in it afterwards. POSIX only:
// the test targets compile with GBK literals, which Qt's file headers do not survive.
#pragma once

#include <ftw.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "tests/support/temporary_folder.h"

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = MakeTemporaryFolder("tavo-test");
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override {
    if (dir_.empty()) return;
    nftw(
        dir_.c_str(), [](const char* path, const struct stat*, int, FTW*) { return remove(path); },
        16, FTW_DEPTH | FTW_PHYS);
  }

  // The directory's path: plain ASCII (where TMPDIR is), so the same in the code page and on disk.
  const std::string& Dir() const { return dir_; }
  std::string PathOf(const std::string& name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};
