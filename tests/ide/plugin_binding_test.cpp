#include <gtest/gtest.h>

#include <string>

#include "ide/plugins.h"
#include "platform/file_system.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

std::string SamplePlugin(const std::string& kind) { return std::string(TAVO_SAMPLE_PLUGINS) + "/" + kind + ".so"; }

class PluginBindingTest : public TempDirTest {
 protected:
  // A copy of the sample plug-in under a name of its own: a library of its own to the loader.
  std::string CopyOfSample(const std::string& name) {
    const std::string path = PathOf(name);
    EXPECT_TRUE(platform::WriteWholeFile(path, *platform::ReadWholeFile(SamplePlugin("default"))));
    return path;
  }

  // The sample's call count after one more call: it starts again only in a fresh load.
  static std::string CountAfterCall(const std::string& path) {
    const auto count = BindPluginExport<const char* (*)()>(path, "Count");
    if (!count.function) return "unbound";
    return count.function();
  }
};

TEST_F(PluginBindingTest, BindsAnExportAsTheCallerTypesIt) {
  const auto upper = BindPluginExport<const char* (*)(const char*)>(SamplePlugin("default"), "Upper");
  ASSERT_NE(upper.function, nullptr);
  EXPECT_FALSE(upper.failure);
  EXPECT_STREQ(upper.function("a"), "<a>");
}

// Each refusal says why in the loader's words, without the file's path, which the caller names.
TEST_F(PluginBindingTest, WhatCannotBeBoundIsRefusedWithTheReason) {
  ASSERT_TRUE(platform::WriteWholeFile(PathOf("text.so"), "not a shared object\n"));
  using What = PluginBindFailure::What;
  const struct {
    std::string path;
    std::string exportName;
    What what;
    std::string reason;
  } cases[] = {
      {SamplePlugin("no_plugin_in"), "PluginIn", What::ExportMissing, "undefined symbol: PluginIn"},
      {SamplePlugin("default"), "upper", What::ExportMissing, "undefined symbol: upper"},
      // Functions of the C library that the plug-in uses are not its exports.
      {SamplePlugin("default"), "snprintf", What::ExportMissing, "undefined symbol: snprintf (only a library"},
      {SamplePlugin("default"), "puts", What::ExportMissing, "undefined symbol: puts (only a library"},
      {SamplePlugin("default"), "system", What::ExportMissing, "undefined symbol: system (only a library"},
      {SamplePlugin("default"), "", What::ExportMissing, "没有给出输出函数的名字"},
      {SamplePlugin("default"), "#1", What::ExportMissing, "ordinals"},
      {PathOf("text.so"), "PluginIn", What::FileNotLoaded, "file too short"},
      {PathOf("missing.so"), "PluginIn", What::FileNotLoaded, "cannot open shared object file: No such file or directory"},
      {Dir(), "PluginIn", What::FileNotLoaded, "cannot read file data: Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + " " + c.exportName);
    const PluginExport<void*> bound = BindPluginExportAddress(c.path, c.exportName);
    EXPECT_EQ(bound.function, nullptr);
    ASSERT_TRUE(bound.failure);
    EXPECT_EQ(bound.failure->what, c.what);
    EXPECT_TRUE(bound.failure->reason.starts_with(c.reason)) << bound.failure->reason;
  }
  // The reason comes with the text a call would have given.
  const PluginTextCall call = CallPluginTextExportWithReason(PathOf("missing.so"), "PluginIn");
  EXPECT_FALSE(call.text);
  ASSERT_TRUE(call.failure);
  EXPECT_EQ(call.failure->what, What::FileNotLoaded);
}

TEST_F(PluginBindingTest, KeptPluginsKeepTheirState) {
  const std::string plugin = CopyOfSample("p.so");
  EXPECT_EQ(CountAfterCall(plugin), "1");
  EXPECT_EQ(BindPluginExportAddress(plugin, "Missing").failure->reason, "undefined symbol: Missing");
  EXPECT_EQ(CountAfterCall(plugin), "2");
}

TEST_F(PluginBindingTest, TheTwentyFirstLoadFreesTheFirst) {
  const std::string first = CopyOfSample("first.so");
  EXPECT_EQ(CountAfterCall(first), "1");
  for (int i = 1; i < 20; ++i) EXPECT_EQ(CountAfterCall(CopyOfSample("p" + std::to_string(i) + ".so")), "1");
  // A hit does not move the first one up: eviction goes by load order.
  EXPECT_EQ(CountAfterCall(first), "2");
  EXPECT_EQ(CountAfterCall(CopyOfSample("p20.so")), "1");
  EXPECT_EQ(CountAfterCall(first), "1");
}

TEST_F(PluginBindingTest, ThePathIsComparedInFullAndWithoutCase) {
  const std::string first = CopyOfSample("first.so");
  EXPECT_EQ(CountAfterCall(first), "1");
  for (int i = 1; i < 20; ++i) CountAfterCall(CopyOfSample("p" + std::to_string(i) + ".so"));
  // Twenty are kept: a miss here would free the first before loading it again.
  EXPECT_EQ(CountAfterCall(Dir() + "//./FIRST.SO"), "2");
}

}  // namespace
