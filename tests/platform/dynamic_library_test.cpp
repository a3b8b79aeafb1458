#include "platform/dynamic_library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "platform/file_system.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace platform;

constexpr char kMathLibrary[] = "libm.so.6";

TEST(DynamicLibrary, BindsAnExportByName) {
  const HMODULE library = LoadLibraryA(kMathLibrary);
  ASSERT_NE(library, nullptr);
  const auto cosine = reinterpret_cast<double (*)(double)>(GetProcAddress(library, "cos"));
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(GetProcAddress(library, "no_such_function"), nullptr);
  // libm uses the C library, whose functions are not libm's exports.
  for (const char* used : {"puts", "system", "malloc"}) EXPECT_EQ(GetProcAddress(library, used), nullptr) << used;
  EXPECT_TRUE(FreeLibrary(library));
}

TEST(DynamicLibrary, OrdinalsBindNothing) {
  const HMODULE library = LoadLibraryA(kMathLibrary);
  EXPECT_EQ(GetProcAddress(library, "#1"), nullptr);
  EXPECT_EQ(GetProcAddress(library, reinterpret_cast<const char*>(1)), nullptr);
  EXPECT_EQ(GetProcAddress(library, nullptr), nullptr);
  FreeLibrary(library);
}

TEST(DynamicLibrary, EachLoadIsUndoneByOneFree) {
  const HMODULE first = LoadLibraryA(kMathLibrary);
  const HMODULE second = LoadLibraryA(kMathLibrary);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(second, first);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_NE(GetProcAddress(first, "cos"), nullptr);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_FALSE(FreeLibrary(first));
  EXPECT_EQ(GetProcAddress(first, "cos"), nullptr);
}

TEST(DynamicLibrary, MissingLibrariesGiveNoHandle) {
  EXPECT_EQ(LoadLibraryA("/nonexistent/liblinker.so"), nullptr);
  EXPECT_EQ(LoadLibraryA(""), nullptr);
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "cos"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}

// The name is in the code page, as every path of the program; the file system spells it in UTF-8.
using DynamicLibraryPaths = TempDirTest;

// Each failure leaves its reason, the loader's own where the loader was asked.
TEST_F(DynamicLibraryPaths, AFailedCallLeavesItsReason) {
  const std::string chinese = PathOf("\xD6\xD0\xCE\xC4");  // "中文", in the code page
  ASSERT_EQ(mkdir(NativePath(chinese)->c_str(), 0755), 0);
  ASSERT_TRUE(WriteWholeFile(chinese + "/text.so", "not a shared object\n"));
  // A library copied only in part: the loader itself would end the process on it.
  ASSERT_TRUE(WriteWholeFile(chinese + "/cut.so", ReadWholeFile(TAVO_DIST_DIR "/liblinker.so")->substr(0, 3000)));
  const HMODULE math = LoadLibraryA(kMathLibrary);
  const struct {
    std::function<bool()> failingCall;
    std::string reasonHolds;
  } cases[] = {
      {[&] { return LoadLibraryA((chinese + "/missing.so").c_str()) == nullptr; },
       chinese + "/missing.so: cannot open shared object file"},
      {[&] { return LoadLibraryA((chinese + "/text.so").c_str()) == nullptr; }, chinese + "/text.so: "},
      {[&] { return LoadLibraryA((chinese + "/cut.so").c_str()) == nullptr; },
       chinese + "/cut.so: file cut off: its 3000 bytes end before the parts its headers place in it"},
      {[&] { return LoadLibraryA(Dir().c_str()) == nullptr; }, Dir() + ": "},
      {[] { return LoadLibraryA("") == nullptr; }, "no file name"},
      {[&] { return GetProcAddress(math, "no_such_function") == nullptr; }, "undefined symbol: no_such_function"},
      {[&] { return GetProcAddress(math, "puts") == nullptr; }, "undefined symbol: puts (only a library"},
      {[&] { return GetProcAddress(math, "#1") == nullptr; }, "ordinals"},
      {[] { return GetProcAddress(nullptr, "cos") == nullptr; }, "no library"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.failingCall()) << c.reasonHolds;
    EXPECT_NE(LastLibraryError().find(c.reasonHolds), std::string::npos) << LastLibraryError();
  }
  // A call that succeeds leaves the reason of the last failure.
  EXPECT_NE(GetProcAddress(math, "cos"), nullptr);
  EXPECT_NE(LastLibraryError().find("no library"), std::string::npos);
  FreeLibrary(math);
}

TEST_F(DynamicLibraryPaths, LoadsALibraryFromAFolderWithAChineseName) {
  const std::string folder = PathOf("\xD6\xD0\xCE\xC4");  // "中文"
  const std::string native = *NativePath(folder);
  ASSERT_EQ(mkdir(native.c_str(), 0755), 0);
  ASSERT_EQ(symlink(TAVO_DIST_DIR "/liblinker.so", (native + "/liblinker.so").c_str()), 0);
  const HMODULE library = LoadLibraryA((folder + "/liblinker.so").c_str());
  ASSERT_NE(library, nullptr);
  EXPECT_NE(GetProcAddress(library, "BuildResource"), nullptr);
  FreeLibrary(library);
  EXPECT_EQ(LoadLibraryA((native + "/liblinker.so").c_str()), nullptr);  // UTF-8 bytes are no code-page path
}

}  // namespace
