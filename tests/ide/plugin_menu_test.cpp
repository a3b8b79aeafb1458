#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "commands_fixture.h"
#include "ide/documents.h"
#include "ide/main_menu.h"
#include "ide/plugins.h"
#include "platform/file_system.h"
#include "program_fixture.h"

namespace {

constexpr int kFirstPluginItem = 14;  // in the Edit menu, after its own items and separator

class PluginMenuTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_EQ(mkdir(PathOf("Plugin").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(ProgramPath("Plugin").c_str(), 0755), 0);
  }

  void AddSample(const std::string& folder, const std::string& kind, const std::string& name) {
    const std::string sample = std::string(TAVO_SAMPLE_PLUGINS) + "/" + kind + ".so";
    ASSERT_TRUE(platform::WriteWholeFile(folder + "/Plugin/" + name, *platform::ReadWholeFile(sample)));
  }
};

TEST_F(PluginMenuTest, TheBasePluginFolderGivesTheMenuEntries) {
  for (const char* kind : {"no_plugin_in", "five_fields", "empty_menu", "long_info", "null_info", "no_show"}) {
    AddSample(Dir(), kind, std::string(kind) + ".so");
  }
  AddSample(Dir(), "default", "sample.so");
  AddSample(ProgramPath(""), "default", "elsewhere.so");
  WriteBaseFile("Plugin/text.so", "not a shared object\n");
  RunProgram([] {
    const struct {
      const char* caption;
      const char* function;
    } expected[] = {{"Upper", "Upper"}, {"Empty", "Empty"}, {"Nameless", ""},  // no_show.so
                    {"Upper", "Upper"}, {"Empty", "Empty"}, {"Nameless", ""}};  // sample.so
    ASSERT_EQ(PluginMenuTable.size(), std::size(expected));
    for (std::size_t i = 0; i < PluginMenuTable.size(); ++i) {
      EXPECT_EQ(PluginMenuTable[i].Caption, expected[i].caption) << i;
      EXPECT_EQ(PluginMenuTable[i].FunctionName, expected[i].function) << i;
      EXPECT_EQ(PluginMenuTable[i].DllFile, i < 3 ? "no_show.so" : "sample.so") << i;
    }
  });
}

TEST_F(PluginMenuTest, AnEntryAddsItsResultAtTheCaret) {
  AddSample(Dir(), "default", "sample.so");
  RunProgram([this] {
    const struct {
      int item;
      bool selected;
      const char* text;
    } cases[] = {
        {0, true, "ab<ab>c"},  // Upper, with "ab" selected
        {0, false, "ab<>c"},   // Upper, nothing selected
        {1, true, "abc"},      // Empty gives the empty text
        {2, true, "abc"},      // Nameless names no export
    };
    for (const auto& c : cases) {
      Editor->SetText("abc");
      Editor->SetSel(c.selected ? 0 : 2, 2);
      MarkDocumentSaved();
      ChooseFromMenuBar(1, kFirstPluginItem + c.item);
      EXPECT_EQ(EditorText(), c.text) << c.item;
      EXPECT_EQ(IsSaved, std::string(c.text) == "abc" ? 1 : 0) << c.item;
    }
    // An id that no entry has runs nothing.
    RunPluginMenuCommand(-1);
    EXPECT_EQ(EditorText(), "abc");
  });
}

// Ids are drawn again until they are neither fixed ones nor taken by an earlier entry, as long
// as free ones remain.
TEST_F(PluginMenuTest, EveryEntryGetsAnIdOfItsOwn) {
  const std::set<int> fixedInRange = {65, 346, 768, 769, 770, 771};
  const std::size_t freeIds = kPluginCommandIdLast - kPluginCommandIdFirst + 1 - fixedInRange.size();
  InitAppGlobals();
  MainWindow = CreateMainWindow();
  ASSERT_NE(MainWindow, nullptr);
  PluginMenuTable.assign(freeIds + 1, {"p", "p.so", "P"});
  BuildMainMenu();
  std::set<int> ids;
  for (std::size_t i = 0; i < freeIds; ++i) {
    const int id = PluginMenuTable[i].CommandId;
    EXPECT_TRUE(ids.insert(id).second) << id;
    EXPECT_FALSE(fixedInRange.contains(id)) << id;
  }
  EXPECT_GE(PluginMenuTable.back().CommandId, kPluginCommandIdFirst);
}

}  // namespace
