#include "ide/documents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fcntl.h>

#include <functional>

#include "commands_fixture.h"
#include "document_fixture.h"
#include "framework/common_dialog.h"
#include "ide/main_menu.h"
#include "tests/support/file_size_limit.h"

namespace {

using namespace std::string_literals;

constexpr const char* kAskToSave = "您的当前内容需要保存吗？";
constexpr const char* kSaveFailed = "保存失败";
constexpr const char* kSaveFirstFailed = "保存失败，请手动保存，以免保持代码丢失";

std::string ChangedOnDiskQuestion(const std::string& path) {
  return "“" + path + "”在Tavo打开或保存之后已被其他程序修改。\r\n要用当前内容替换它吗？";
}

class DocumentsTest : public DocumentTest {
 protected:
  // A saved document of a file below the base directory.
  void OpenBaseFile(const std::string& name, const std::string& bytes) {
    WriteBaseFile(name, bytes);
    LoadFileAsDocument(PathOf(name));
  }

  static void ExpectTemplateDocument() {
    EXPECT_EQ(Editor->GetTextRange(0, Editor->GetLength()), kNewDocumentTemplate);
    EXPECT_EQ(Editor->GetCurrentPos(), Editor->PositionFromLine(kNewDocumentCaretLine));
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(IsSaved, 0);
  }

  // The file's time of change a second later, its size and bytes the same.
  void TouchLater(const std::string& name) const {
    struct stat status {};
    ASSERT_EQ(stat(PathOf(name).c_str(), &status), 0);
    struct timespec times[2] = {status.st_atim, status.st_mtim};
    ++times[1].tv_sec;
    ASSERT_EQ(utimensat(AT_FDCWD, PathOf(name).c_str(), times, 0), 0);
  }

  void ExpectFileDialog(const framework::DialogRequest& request, framework::DialogKind kind) {
    EXPECT_EQ(request.kind, kind);
    EXPECT_EQ(request.caption, "Tavo选择器");
    EXPECT_EQ(request.filter, "C文件|*.c|txt文件|*.txt|所有文件|*.*");
    EXPECT_EQ(request.defaultExtension, "c");
    EXPECT_EQ(request.fileName, "") << "a name left from an earlier use is cleared";
    EXPECT_EQ(request.owner, MainWindow->Frame());
  }
};

TEST_F(DocumentsTest, TheTemplateIsSixLinesOf61Bytes) {
  EXPECT_EQ(std::string(kNewDocumentTemplate).size(), 61u);
  EXPECT_EQ(std::string(kNewDocumentTemplate), "#include<stdio.h>\r\nint main()\r\n   {\r\n\t\t\r\n   \t\treturn 0;\r\n   }");
}

// A saved document and an empty editor have nothing to lose: no question.
TEST_F(DocumentsTest, NewDocumentWithNothingToLoseStartsTheTemplateAtOnce) {
  RunProgram([this] {
    for (const bool saved : {true, false}) {
      SCOPED_TRACE(saved ? "saved" : "empty");
      if (saved) OpenBaseFile("a.c", "int x;");
      ShowDocumentPath("before");
      EXPECT_TRUE(NewDocument());
      ExpectTemplateDocument();
      EXPECT_EQ(Part6(), "暂未保存");
      Editor->ClearAll();
      IsSaved = 0;
    }
    EXPECT_TRUE(dialogs_.empty());
  });
}

// Even the untouched template counts as text to lose.
TEST_F(DocumentsTest, NewDocumentAsksAndNoDiscardsTheText) {
  RunProgram([this] {
    ASSERT_TRUE(NewDocument());
    AnswerButton(framework::IDNO);
    EXPECT_TRUE(NewDocument());
    ASSERT_EQ(dialogs_.size(), 1u);
    const framework::DialogRequest& ask = dialogs_[0];
    EXPECT_EQ(ask.text, kAskToSave);
    EXPECT_EQ(ask.caption, "Tavo询问");
    EXPECT_EQ(ask.style, framework::MB_YESNO);
    EXPECT_EQ(ask.owner, MainWindow->Frame());
    ExpectTemplateDocument();
  });
}

TEST_F(DocumentsTest, YesWithASuccessfulSaveLeavesTheEditorEmpty) {
  RunProgram([this] {
    OpenBaseFile("a.c", "old");
    TypeDocument("new text");
    AnswerButton(framework::IDYES);
    EXPECT_TRUE(NewDocument());
    EXPECT_EQ(BaseFile("a.c"), "new text\r\n");
    EXPECT_EQ(EditorText(), "");
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(Part6(), "暂未保存");
    EXPECT_EQ(DialogTexts(), std::vector<std::string>{kAskToSave});
  });
}

// A cancelled Save dialog and a failing write both keep the document as it was.
TEST_F(DocumentsTest, YesWithAFailingSaveKeepsTheDocument) {
  RunProgram([this] {
    TypeDocument("untitled text");
    AnswerButton(framework::IDYES);
    EXPECT_FALSE(NewDocument());
    EXPECT_EQ(DialogTexts(), (std::vector<std::string>{kAskToSave, "[file dialog]", kSaveFirstFailed}));
    ExpectFileDialog(dialogs_[1], framework::DialogKind::SaveFile);
    EXPECT_EQ(dialogs_[2].caption, "信息：");
    EXPECT_EQ(dialogs_[2].style, framework::MB_ICONERROR);
    EXPECT_EQ(dialogs_[2].owner, nullptr);
    EXPECT_EQ(EditorText(), "untitled text");
    EXPECT_EQ(CurrentFilePath, "");

    dialogs_.clear();
    CurrentFilePath = PathOf("no-folder/a.c");
    AnswerButton(framework::IDYES);
    EXPECT_FALSE(NewDocument());
    EXPECT_EQ(DialogTexts(), (std::vector<std::string>{kAskToSave, kSaveFailed, kSaveFirstFailed}));
    EXPECT_EQ(dialogs_[1].style, framework::MB_ICONERROR);
    EXPECT_EQ(EditorText(), "untitled text");
    EXPECT_EQ(CurrentFilePath, PathOf("no-folder/a.c"));
    EXPECT_EQ(IsSaved, 0);
  });
}

// A second save without typing writes nothing.
TEST_F(DocumentsTest, SaveWritesOnlyWhenUnsaved) {
  RunProgram([this] {
    OpenBaseFile("a.c", "int x;");
    ShowDocumentPath("untouched");
    EXPECT_EQ(SaveDocument(), SaveResult::Saved);
    EXPECT_EQ(Part6(), "untouched");
    EXPECT_EQ(BaseFile("a.c"), "int x;");

    IsSaved = 0;
    EXPECT_EQ(SaveDocument(), SaveResult::Saved);
    EXPECT_EQ(IsSaved, 1);
    EXPECT_EQ(Part6(), PathOf("a.c"));

    WriteBaseFile("a.c", "changed outside");
    EXPECT_EQ(SaveDocument(), SaveResult::Saved);
    EXPECT_EQ(BaseFile("a.c"), "changed outside");
    EXPECT_TRUE(dialogs_.empty());
  });
}

// Opened, edited back to the same text and saved, twice: CR LF is added only where the last
// line has no line break of any kind, so the file never grows. An empty text stays empty.
TEST_F(DocumentsTest, SavingEndsTheLastLineOnceHoweverOftenItIsSaved) {
  struct Case {
    const char* what;
    std::string opened;
    std::string saved;
  };
  const Case cases[] = {
      {"CR LF", "int x;\r\n}\r\n", "int x;\r\n}\r\n"},
      {"LF", "int x;\n}\n", "int x;\n}\n"},
      {"CR", "int x;\r}\r", "int x;\r}\r"},
      {"blank lines", "}\r\n\r\n", "}\r\n\r\n"},
      {"none", "int x;\r\n}", "int x;\r\n}\r\n"},
      {"none after Chinese", "// 中文", "// 中文\r\n"},
      {"empty", "", ""},
  };
  RunProgram([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      OpenBaseFile("a.c", c.opened);
      for (int save = 0; save < 2; ++save) {
        TypeDocument(EditorText());
        EXPECT_EQ(SaveDocument(), SaveResult::Saved);
        EXPECT_EQ(BaseFile("a.c"), c.saved);
      }
    }
    EXPECT_TRUE(dialogs_.empty());
  });
}

// Another program rewrote the file after it was opened or saved here: the save asks first. No
// keeps the file and the text and says the save did not happen; Yes replaces the file, and the
// save after that asks nothing. A file that has gone since is written anew without a question.
TEST_F(DocumentsTest, ASaveAsksBeforeReplacingAFileAnotherProgramChanged) {
  const std::string question = ChangedOnDiskQuestion(PathOf("a.c"));
  struct Case {
    const char* what;
    const char* opened;  // nullptr: missing
    bool savedFirst;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"rewritten after opening", "int x;", false, [this] { WriteBaseFile("a.c", "their longer text"); }},
      {"rewritten after a save", "int x;", true, [this] { WriteBaseFile("a.c", "their text"); }},
      {"the same size, later", "int x;", true, [this] { TouchLater("a.c"); }},
      {"made where there was none", nullptr, false, [this] { WriteBaseFile("a.c", "theirs"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    unlink(PathOf("a.c").c_str());
    dialogs_.clear();
    RunProgram([&] {
      if (c.opened) WriteBaseFile("a.c", c.opened);
      LoadFileAsDocument(PathOf("a.c"));
      if (c.savedFirst) {
        TypeDocument("saved once");
        ASSERT_EQ(SaveDocument(), SaveResult::Saved);
      }
      c.change();
      const std::optional<std::string> theirs = BaseFile("a.c");
      TypeDocument("mine");
      AnswerButton(framework::IDNO);
      EXPECT_EQ(SaveDocument(), SaveResult::Declined);
      EXPECT_EQ(BaseFile("a.c"), theirs);
      EXPECT_EQ(EditorText(), "mine");
      EXPECT_EQ(IsSaved, 0);
      ASSERT_EQ(DialogTexts(), std::vector<std::string>{question});
      EXPECT_EQ(dialogs_[0].caption, "Tavo询问");
      EXPECT_EQ(dialogs_[0].style, framework::MB_YESNO | framework::MB_ICONWARNING);
      EXPECT_EQ(dialogs_[0].owner, MainWindow->Frame());

      AnswerButton(framework::IDYES);
      EXPECT_EQ(SaveDocument(), SaveResult::Saved);
      EXPECT_EQ(BaseFile("a.c"), "mine\r\n");
      TypeDocument("mine again");
      EXPECT_EQ(SaveDocument(), SaveResult::Saved);
      EXPECT_EQ(BaseFile("a.c"), "mine again\r\n");
      EXPECT_EQ(dialogs_.size(), 2u);

      ASSERT_EQ(unlink(PathOf("a.c").c_str()), 0);
      TypeDocument("once more");
      EXPECT_EQ(SaveDocument(), SaveResult::Saved);
      EXPECT_EQ(BaseFile("a.c"), "once more\r\n");
      EXPECT_EQ(dialogs_.size(), 2u) << "a file that has gone is not asked about";
    });
  }
}

// Every road that saves on the user's Yes passes the same check, and a No to replacing a file
// (one another program changed, or an existing one chosen for an untitled text) is no failure:
// the road stops without a word and the document stays as it was.
TEST_F(DocumentsTest, ANoToReplacingAFileStopsTheRoadThatAskedForTheSaveQuietly) {
  struct Road {
    const char* what;
    std::function<void()> take;
  };
  const Road roads[] = {
      {"F3", [] { PressKey(Qt::Key_F3); }},
      {"menu 保存", [] { ChooseFromMenuBar(0, 2); }},
      {"toolbar 保存", [] { ClickToolbarButton(kSaveButton); }},
      {"新建", [] { ExecuteMenuCommand(0, MenuCommandNew); }},
      {"打开", [] { ExecuteMenuCommand(0, MenuCommandOpen); }},
      {"toolbar 打开", [] { ClickToolbarButton(kOpenButton); }},
      {"退出", [] { ExecuteMenuCommand(0, MenuCommandExit); }},
      {"closing the main window", [] { MainWindow->Close(); }},
      {"a dropped text", [] { OnMainWindowDropTargetTextDropped("dropped"); }},
  };
  const std::string changed = ChangedOnDiskQuestion(PathOf("a.c"));
  const std::string exists = "“" + PathOf("taken.c") + "”已存在。\r\n要替换它吗？";
  for (const Road& road : roads) {
    const bool asksToSave = !std::string(road.what).starts_with("F3") && !std::string(road.what).ends_with("保存");
    for (const bool untitled : {false, true}) {
      SCOPED_TRACE(std::string(road.what) + (untitled ? ", untitled" : ", changed on disk"));
      dialogs_.clear();
      WriteBaseFile("a.c", "int x;");
      WriteBaseFile("taken.c", "taken");
      RunProgram([&] {
        if (!untitled) LoadFileAsDocument(PathOf("a.c"));
        WriteBaseFile("a.c", "their text");
        TypeDocument("mine");
        if (asksToSave) AnswerButton(framework::IDYES);
        if (untitled) AnswerPath(PathOf("taken.c"));
        AnswerButton(framework::IDNO);
        road.take();
        EXPECT_NE(MainWindow, nullptr);
        EXPECT_EQ(EditorText(), "mine");
        EXPECT_EQ(IsSaved, 0);
        EXPECT_EQ(CurrentFilePath, untitled ? "" : PathOf("a.c"));
      });
      EXPECT_TRUE(endCodes_.empty());
      EXPECT_EQ(BaseFile("a.c"), "their text");
      EXPECT_EQ(BaseFile("taken.c"), "taken");
      std::vector<std::string> asked;
      if (asksToSave) asked.push_back(kAskToSave);
      if (untitled) asked.push_back("[file dialog]");
      asked.push_back(untitled ? exists : changed);
      EXPECT_EQ(DialogTexts(), asked) << "nothing more: no failure, no Open dialog";
    }
  }
}

TEST_F(DocumentsTest, SavingAnUntitledDocumentAsksForAFile) {
  RunProgram([this] {
    TypeDocument("中文 text");
    ShowDocumentPath("暂未保存");
    EXPECT_EQ(SaveDocument(), SaveResult::Failed) << "cancelled";
    EXPECT_EQ(Part6(), "") << "a cancelled dialog blanks part 6";
    EXPECT_EQ(IsSaved, 0);

    AnswerPath(PathOf("no-folder/a.c"));
    EXPECT_EQ(SaveDocument(), SaveResult::Failed);
    EXPECT_EQ(DialogTexts().size(), 2u) << "a failing write after the dialog shows no message";
    EXPECT_EQ(CurrentFilePath, "");

    WriteBaseFile("taken.c", "taken");
    AnswerPath(PathOf("taken.c"));
    AnswerButton(framework::IDNO);
    EXPECT_EQ(SaveDocument(), SaveResult::Declined) << "an existing file is kept unless the user says to replace it";
    EXPECT_EQ(BaseFile("taken.c"), "taken");
    EXPECT_EQ(CurrentFilePath, "");

    AnswerPath(PathOf("new.c"));
    EXPECT_EQ(SaveDocument(), SaveResult::Saved);
    EXPECT_EQ(BaseFile("new.c"), "中文 text\r\n");
    EXPECT_EQ(CurrentFilePath, PathOf("new.c"));
    EXPECT_EQ(IsSaved, 1);
    EXPECT_EQ(Part6(), PathOf("new.c"));
    ExpectFileDialog(dialogs_.back(), framework::DialogKind::SaveFile);
  });
  EXPECT_FALSE(BaseFile("recent.txt").has_value());
}

// The write fails part-way (as on a full disk): the message shows, the file on disk and the
// text in the editor both survive, and nothing is left beside the file.
TEST_F(DocumentsTest, ASaveThatCannotWriteLosesNothing) {
  const std::string old(1000, 'o');
  const std::string typed(100000, 't');
  RunProgram([&] {
    OpenBaseFile("a.c", old);
    TypeDocument(typed);
    {
      const FileSizeLimit limit(4096);
      EXPECT_EQ(SaveDocument(), SaveResult::Failed);
    }
    EXPECT_EQ(DialogTexts(), std::vector<std::string>{kSaveFailed});
    EXPECT_EQ(dialogs_[0].style, framework::MB_ICONERROR);
    EXPECT_EQ(dialogs_[0].caption, "信息：");
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(EditorText(), typed);
    EXPECT_EQ(BaseFile("a.c"), old);
    EXPECT_EQ(platform::FindFiles(PathOf("*")), (std::vector<std::string>{"a.c"}));
  });
}

TEST_F(DocumentsTest, ASaveKeepsPermissionsAndWritesThroughALink) {
  ASSERT_EQ(mkdir(PathOf("real").c_str(), 0755), 0);
  WriteBaseFile("real/a.c", "old");
  ASSERT_EQ(chmod(PathOf("real/a.c").c_str(), 0600), 0);
  ASSERT_EQ(symlink("real/a.c", PathOf("link.c").c_str()), 0);
  RunProgram([this] {
    LoadFileAsDocument(PathOf("link.c"));
    TypeDocument("new");
    EXPECT_EQ(SaveDocument(), SaveResult::Saved);
  });
  struct stat status {};
  ASSERT_EQ(lstat(PathOf("link.c").c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  ASSERT_EQ(stat(PathOf("real/a.c").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  EXPECT_EQ(BaseFile("real/a.c"), "new\r\n");
}

// An existing file is replaced only when the user says so; IsSaved stays as it was.
TEST_F(DocumentsTest, SaveAsWritesTheChosenFileAndRemembersIt) {
  WriteBaseFile("other.c", "existing");
  WriteBaseFile("recent.txt", "/x/old.c\r\n");
  RunProgram([this] {
    TypeDocument("text");
    SaveDocumentAs();
    EXPECT_EQ(CurrentFilePath, "") << "cancelled";

    for (const int answer : {framework::IDNO, framework::IDYES}) {
      AnswerPath(PathOf("other.c"));
      AnswerButton(answer);
      SaveDocumentAs();
      EXPECT_EQ(dialogs_.back().text, "“" + PathOf("other.c") + "”已存在。\r\n要替换它吗？");
      EXPECT_EQ(dialogs_.back().style, framework::MB_YESNO | framework::MB_ICONWARNING);
      ExpectFileDialog(dialogs_[dialogs_.size() - 2], framework::DialogKind::SaveFile);
    }
    EXPECT_EQ(BaseFile("other.c"), "text\r\n");
    EXPECT_EQ(CurrentFilePath, PathOf("other.c"));
    EXPECT_EQ(Part6(), PathOf("other.c"));
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(dialogs_.size(), 5u);

    AnswerPath(PathOf("no-folder/a.c"));
    SaveDocumentAs();
    EXPECT_EQ(dialogs_.back().text, kSaveFailed);
    EXPECT_EQ(dialogs_.back().style, 0u) << "no icon";
    EXPECT_EQ(CurrentFilePath, PathOf("other.c"));
  });
  EXPECT_EQ(BaseFile("recent.txt"), "/x/old.c\r\n" + PathOf("other.c") + "\r\n");
}

// The text stops at the first NUL byte; every open is remembered, repeats included; a file
// that cannot be read opens empty under its name and is remembered too.
TEST_F(DocumentsTest, OpenLoadsTheChosenFileAndRemembersIt) {
  WriteBaseFile("a.c", "int a;\0rest"s);
  ASSERT_EQ(mkdir(PathOf("folder.c").c_str(), 0755), 0);
  RunProgram([this] {
    TypeDocument("kept");
    OpenDocument();
    EXPECT_EQ(EditorText(), "kept") << "cancelled";
    EXPECT_EQ(IsSaved, 0);
    ExpectFileDialog(dialogs_.back(), framework::DialogKind::OpenFile);

    for (int time = 0; time < 3; ++time) {
      AnswerPath(PathOf("a.c"));
      OpenDocument();
    }
    EXPECT_EQ(EditorText(), "int a;");
    EXPECT_EQ(IsSaved, 1);
    EXPECT_EQ(CurrentFilePath, PathOf("a.c"));
    EXPECT_EQ(Part6(), PathOf("a.c"));

    for (const char* unreadable : {"missing.c", "folder.c"}) {
      SCOPED_TRACE(unreadable);
      AnswerPath(PathOf(unreadable));
      OpenDocument();
      EXPECT_EQ(EditorText(), "");
      EXPECT_EQ(IsSaved, 1);
      EXPECT_EQ(CurrentFilePath, PathOf(unreadable));
    }
  });
  const std::string a = PathOf("a.c") + "\r\n";
  EXPECT_EQ(BaseFile("recent.txt"), a + a + a + PathOf("missing.c") + "\r\n" + PathOf("folder.c") + "\r\n");
}

}  // namespace
