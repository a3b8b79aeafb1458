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
    if (!count) return "unbound";
    return count();
  }
};

TEST_F(PluginBindingTest, BindsAnExportAsTheCallerTypesIt) {
  const auto upper = BindPluginExport<const char* (*)(const char*)>(SamplePlugin("default"), "Upper");
  ASSERT_NE(upper, nullptr);
  EXPECT_STREQ(upper("a"), "<a>");
}

TEST_F(PluginBindingTest, WhatCannotBeBoundIsRefused) {
  ASSERT_TRUE(platform::WriteWholeFile(PathOf("text.so"), "not a shared object\n"));
  const struct {
    std::string path;
    std::string exportName;
  } cases[] = {
      {SamplePlugin("no_plugin_in"), "PluginIn"},
      {SamplePlugin("default"), "upper"},
      // Functions of the C library that the plug-in uses are not its exports.
      {SamplePlugin("default"), "snprintf"},
      {SamplePlugin("default"), "puts"},
      {SamplePlugin("default"), "system"},
      {SamplePlugin("default"), ""},
      {SamplePlugin("default"), "#1"},
      {PathOf("text.so"), "PluginIn"},
      {PathOf("missing.so"), "PluginIn"},
      {Dir(), "PluginIn"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BindPluginExportAddress(c.path, c.exportName), nullptr) << c.path << " " << c.exportName;
  }
}

TEST_F(PluginBindingTest, KeptPluginsKeepTheirState) {
  const std::string plugin = CopyOfSample("p.so");
  EXPECT_EQ(CountAfterCall(plugin), "1");
  EXPECT_EQ(BindPluginExportAddress(plugin, "Missing"), nullptr);
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
