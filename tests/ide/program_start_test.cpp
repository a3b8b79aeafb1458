#include <gtest/gtest.h>

#include "framework/toolbar.h"
#include "ide/main_window_definition.h"
#include "program_fixture.h"

namespace {

// The state a run leaves behind that the exit clean-up must free.
void FillGlobals() {
  CompletionPrefix = "pri";
  CurrentFilePath = "a.c";
  LastBuiltSource = "a.c";
  SearchTextUtf8 = {"x", "x"};
  SearchText = "x";
  PluginMenuTable.push_back({"插件", "p.so", "Run", 99});
  MenuHandles.push_back(nullptr);
  RecentPaths.push_back("b.c");
}

void ExpectFreed() {
  EXPECT_EQ(Editor, nullptr);
  EXPECT_EQ(MainMenu, nullptr);
  for (const std::string* text : {&CompletionPrefix, &BaseDir, &CurrentFilePath, &LastBuiltSource,
                                  &SearchTextUtf8.Converted, &SearchTextUtf8.Copy, &SearchText, &CompletionIndex}) {
    EXPECT_TRUE(text->empty()) << *text;
  }
  EXPECT_TRUE(PluginMenuTable.empty());
  EXPECT_TRUE(MenuHandles.empty());
  EXPECT_TRUE(RecentPaths.empty());
}

TEST_F(ProgramTest, StartsWithTheGlobalsAndTheMainWindowShown) {
  EXPECT_EQ(RunProgram([] {
              ASSERT_NE(Editor, nullptr);
              ASSERT_NE(MainMenu, nullptr);
              EXPECT_TRUE(Editor->IsCreated());
              EXPECT_TRUE(PluginMenuTable.empty());
              EXPECT_EQ(MenuHandles.size(), 5u);
              EXPECT_TRUE(RecentPaths.empty());
              ASSERT_NE(MainWindow, nullptr);
              EXPECT_TRUE(MainWindow->Frame()->isVisible());
              EXPECT_EQ(MainWindow->Caption(), "Tavo 编辑器");
              EXPECT_EQ(ModuleInit1() + ModuleInit2() + ModuleInit3() + ModuleInit4(), 0);
            }),
            0);
  EXPECT_TRUE(dialogs_.empty());
}

TEST_F(ProgramTest, TheLastWindowGoneEndsTheLoopAndCleansUpOnce) {
  RunProgram([] {
    FillGlobals();
    IsSaved = 1;
    EXPECT_TRUE(MainWindow->Close());
  });
  ExpectFreed();
  EXPECT_TRUE(endCodes_.empty());  // main returns; nothing ends the process early
  framework::EndProgram(0);        // a later end finds the clean-up done
  EXPECT_EQ(endCodes_, (std::vector<int>{0}));
}

// The clean-up runs before the process ends, although the loop never returns; a later end of
// any kind does not run it again.
TEST_F(ProgramTest, EndingItselfAndTheFatalStopCleanUpOnceBeforeTheProcessEnds) {
  struct End {
    const char* name;
    std::function<void()> end;
    int code;
  };
  const End ends[] = {
      {"unsaved text, window closed",
       [] {
         IsSaved = 0;
         EXPECT_FALSE(MainWindow->Close());
       },
       0},
      {"fatal stop", [] { framework::FatalStop("测试"); }, framework::kFatalStopExitCode},
  };
  for (const End& end : ends) {
    SCOPED_TRACE(end.name);
    endCodes_.clear();
    editorLeftAtEnd_ = true;
    RunProgram([&] {
      FillGlobals();
      end.end();
      EXPECT_EQ(endCodes_, (std::vector<int>{end.code}));
      EXPECT_FALSE(editorLeftAtEnd_);
      ExpectFreed();
      CompletionIndex = "kept";  // a second clean-up would free it
    });
    EXPECT_EQ(CompletionIndex, "kept");
    EXPECT_EQ(endCodes_.size(), 1u);
  }
}

TEST_F(ProgramTest, AWorkingFolderTheCodePageCannotHoldIsRefusedBeforeAnyWindow) {
  const std::string folder = PathOf("fa\xC3\xA7" "ade");  // "ç", which GBK lacks, as the file system spells it
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  EXPECT_EQ(framework::RunProgram(ProgramStart), 0);
  EXPECT_EQ(endCodes_, (std::vector<int>{framework::kFatalStopExitCode}));
  EXPECT_TRUE(framework::LiveWindows().empty());
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].nativePath, folder);
  EXPECT_TRUE(dialogs_[0].text.starts_with("启动Tavo的工作文件夹")) << dialogs_[0].text;
}

}  // namespace
