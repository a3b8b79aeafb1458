#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "framework/message_box.h"
#include "ide/documents.h"
#include "ide/main_menu.h"
#include "platform/file_system.h"
#include "program_fixture.h"

namespace {

class DocumentCommandsTest : public ProgramTest {
 protected:
  // Answers every message box with the button; file dialogs are cancelled.
  void AnswerBoxesWith(int button) {
    framework::SetDialogAnswerer([this, button](const framework::DialogRequest& request) {
      dialogs_.push_back(request);
      framework::DialogReply reply;
      if (request.kind == framework::DialogKind::MessageBox) reply.button = button;
      return reply;
    });
  }

  std::string FileBytes(const std::string& name) const {
    return platform::ReadWholeFile(PathOf(name)).value_or("(missing)");
  }
};

TEST_F(DocumentCommandsTest, TheMenusSaveF3AndButton4AllSave) {
  struct Way {
    const char* name;
    std::function<void()> save;
  };
  const Way ways[] = {
      {"menu", [] { ChooseFromMenuBar(0, 2); }},
      {"F3", [] { PressKey(Qt::Key_F3); }},
      {"button 4", [] { ClickToolbarButton(4); }},
  };
  RunProgram([&] {
    for (const Way& way : ways) {
      SCOPED_TRACE(way.name);
      const std::string file = std::string(way.name) + ".c";
      CurrentFilePath = PathOf(file);
      Editor->SetText(way.name);
      IsSaved = 0;
      way.save();
      EXPECT_EQ(FileBytes(file), std::string(way.name) + "\r\n");
      EXPECT_EQ(IsSaved, 1);
    }
  });
  EXPECT_TRUE(dialogs_.empty());
}

// A comment made with F2 on a loaded file is saved by F3 like typed text.
TEST_F(DocumentCommandsTest, ACommentIsSavedLikeTypedText) {
  WriteBaseFile("a.c", "int x;");
  SetCommandLineText("a.c");
  RunProgram([this] {
    PressKey(Qt::Key_F2);
    PressKey(Qt::Key_F3);
    EXPECT_EQ(FileBytes("a.c"), "//int x;\r\n");
  });
}

TEST_F(DocumentCommandsTest, ExitWithUnsavedTextAnsweredNoEndsTheProgram) {
  AnswerBoxesWith(framework::IDNO);
  RunProgram([this] {
    Editor->SetText("typed");
    ChooseFromMenuBar(0, 5);
    EXPECT_EQ(endCodes_, (std::vector<int>{0}));
    EXPECT_EQ(Editor, nullptr);  // the exit clean-up ran first
  });
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].text, "您的当前内容需要保存吗？");
}

TEST_F(DocumentCommandsTest, ExitWithAFailingSaveKeepsTheProgramAndTheText) {
  AnswerBoxesWith(framework::IDYES);
  RunProgram([this] {
    Editor->SetText("typed");
    CurrentFilePath = PathOf("missing/a.c");
    ExecuteMenuCommand(0, MenuCommandExit);
    EXPECT_TRUE(endCodes_.empty());
    EXPECT_EQ(EditorText(), "typed");
    EXPECT_EQ(CurrentFilePath, PathOf("missing/a.c"));
  });
  ASSERT_FALSE(dialogs_.empty());
  EXPECT_EQ(dialogs_.back().text, "保存失败，请手动保存，以免保持代码丢失");
}

// Both ask about the unsaved text; only the menu item puts the template in before the Open
// dialog, which is cancelled here.
TEST_F(DocumentCommandsTest, OpenFromTheMenuStartsFromTheTemplateButton3KeepsTheText) {
  struct Way {
    const char* name;
    std::function<void()> open;
    std::string left;
  };
  const Way ways[] = {
      {"menu item 2", [] { ExecuteMenuCommand(0, MenuCommandOpen); }, kNewDocumentTemplate},
      {"button 3", [] { ClickToolbarButton(3); }, "old text"},
  };
  AnswerBoxesWith(framework::IDNO);
  RunProgram([&] {
    for (const Way& way : ways) {
      SCOPED_TRACE(way.name);
      dialogs_.clear();
      Editor->SetText("old text");
      IsSaved = 0;
      way.open();
      EXPECT_EQ(EditorText(), way.left);
      ASSERT_EQ(dialogs_.size(), 2u);
      EXPECT_EQ(dialogs_[0].text, "您的当前内容需要保存吗？");
      EXPECT_EQ(dialogs_[1].kind, framework::DialogKind::OpenFile);
    }
  });
}

// Button 3 answered Yes saves first; when that fails it stops with the message and opens nothing.
TEST_F(DocumentCommandsTest, Button3StopsWhenTheSaveItAskedForFails) {
  AnswerBoxesWith(framework::IDYES);
  RunProgram([this] {
    Editor->SetText("old text");
    CurrentFilePath = PathOf("missing/a.c");
    ClickToolbarButton(3);
    EXPECT_EQ(EditorText(), "old text");
  });
  ASSERT_FALSE(dialogs_.empty());
  EXPECT_EQ(dialogs_.back().text, "保存失败，请手动保存，以免保持代码丢失");
  for (const framework::DialogRequest& request : dialogs_) EXPECT_NE(request.kind, framework::DialogKind::OpenFile);
}

}  // namespace
