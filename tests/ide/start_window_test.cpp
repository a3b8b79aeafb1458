#include "ide/start_window.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <set>

#include "document_fixture.h"
#include "framework/label.h"
#include "framework/list_box.h"
#include "ide/documents.h"
#include "ide/recent_files.h"
#include "ide/start_window_definition.h"

namespace {

using namespace std::string_literals;

class StartWindowTest : public DocumentTest {
 protected:
  static framework::ListBox* StartList(const char* name) { return StartWindow->Find<framework::ListBox>(name); }
  static std::vector<std::string> Rows(const char* name) {
    std::vector<std::string> rows;
    for (int row = 0; row < StartList(name)->RowCount(); ++row) rows.push_back(StartList(name)->RowText(row));
    return rows;
  }
  static void DoubleClickLabel(const char* name) {
    QTest::mouseDClick(StartWindow->Find<framework::Label>(name)->Widget(), Qt::LeftButton);
  }
  static void DoubleClickRow(const char* name, int row) {
    auto* view = static_cast<QListWidget*>(StartList(name)->Widget());
    QCoreApplication::processEvents();  // the list lays its rows out on a later turn
    const QPoint centre = view->visualItemRect(view->item(row)).center();
    // A real double click begins with a click, which selects the row.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
  }
  static bool StartWindowOpen() { return StartWindow != nullptr; }
  void MakeFolder(const std::string& name) { ASSERT_EQ(mkdir(PathOf(name).c_str(), 0755), 0) << name; }
};

// Modeless and without an owner: it outlives the main window, which stays usable meanwhile.
TEST_F(StartWindowTest, AStartWithoutAFileShowsItBesideTheMainWindow) {
  RunProgram([] {
    ASSERT_TRUE(StartWindowOpen());
    EXPECT_EQ(StartWindow->Caption(), "开始");
    EXPECT_EQ(StartWindow->ClientWidth(), 511);
    EXPECT_EQ(StartWindow->ClientHeight(), 395);
    EXPECT_FALSE(StartWindow->Frame()->isModal());
    EXPECT_EQ(StartWindow->Find<framework::Label>(kNewLabel)->Caption(), "新建(&O)");
    EXPECT_EQ(StartWindow->Find<framework::Label>(kOpenLabel)->Caption(), "打开(&P)..");
    EXPECT_EQ(StartWindow->Find<framework::Label>(kClearLabel)->Caption(), "清除..");
    EXPECT_EQ(StartWindow->Find<framework::Label>(kSloganLabel)->Caption(), "做最适合C语言入门的IDE");
    EXPECT_NE(StartWindow->Find<framework::WidgetUnit>(kBannerPicture), nullptr);
    MainWindow->Destroy();
    EXPECT_TRUE(StartWindowOpen());
  });
}

TEST_F(StartWindowTest, AStartWithAFileShowsNoStartWindow) {
  SetCommandLineText("a.c");
  StartWindow = nullptr;
  RunProgram([] { EXPECT_EQ(StartWindow, nullptr); });
}

// Only the .c files (either case) of ProgramDir's Example folder, not folders, by bare name.
TEST_F(StartWindowTest, TheExampleListHoldsTheCFilesOfTheProgramFolder) {
  ASSERT_EQ(mkdir(ProgramPath("Example").c_str(), 0755), 0);
  for (const char* name : {"b.c", "a.c", "中文.c", "UPPER.C", "readme.txt", "a.c.bak"}) {
    WriteProgramFile("Example/"s + name, "int x;");
  }
  ASSERT_EQ(mkdir(ProgramPath("Example/folder.c").c_str(), 0755), 0);
  MakeFolder("Example");
  WriteBaseFile("Example/base.c", "not this one");
  RunProgram([this] {
    const std::vector<std::string> rows = Rows(kExampleList);
    EXPECT_EQ(rows, platform::FindFiles(ProgramPath("Example/*.c"))) << "in the order of the search";
    EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()),
              (std::set<std::string>{"a.c", "b.c", "中文.c", "UPPER.C"}));
  });
}

// Names the code page cannot hold (ß, bytes that are no UTF-8) would open another file.
TEST_F(StartWindowTest, AnExampleNameTheCodePageCannotHoldIsLeftOutAndNamed) {
  ASSERT_EQ(mkdir(ProgramPath("Example").c_str(), 0755), 0);
  const std::string examples = ProgramDir() + "/Example/";
  const std::set<std::string> refused = {examples + "stra\xC3\x9F" "e.c", examples + "bad\xFF.c"};
  for (const std::string& path : refused) {  // named as the file system spells them
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    close(fd);
  }
  WriteProgramFile("Example/a.c", "int a;");
  RunProgram([] { EXPECT_EQ(Rows(kExampleList), std::vector<std::string>{"a.c"}); });
  std::set<std::string> named;
  for (const framework::DialogRequest& request : dialogs_) named.insert(request.nativePath);
  EXPECT_EQ(named, refused);
}

TEST_F(StartWindowTest, WithoutAnExampleFolderTheListIsEmpty) {
  RunProgram([] { EXPECT_EQ(StartList(kExampleList)->RowCount(), 0); });
}

// Every piece before a CR LF is an entry, an empty one too; the rest only when not empty. A
// lead byte takes the byte after it, so a CR right behind one is no separator.
TEST_F(StartWindowTest, TheRecentListSplitsTheFileOfTheProgramFolder) {
  struct Case {
    std::string file;
    std::vector<std::string> paths;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"", {}, {}},
      {"\r\n", {""}, {""}},
      {"/a/x.c\r\n/b/x.c\r\n/a/x.c\r\n", {"/a/x.c", "/b/x.c", "/a/x.c"}, {"x.c", "x.c", "x.c"}},
      {"/a/1.c\r\n/b/2.c", {"/a/1.c", "/b/2.c"}, {"1.c", "2.c"}},
      {"\r\n\r\n/a.c\r\n\r\n", {"", "", "/a.c", ""}, {"", "", "a.c", ""}},
      {"/例子/中文.c\r\nno-folder.c\r\n", {"/例子/中文.c", "no-folder.c"}, {"中文.c", "no-folder.c"}},
      {"/a/b\x81\r\n/c.c\r\n", {"/a/b\x81\r\n/c.c"}, {"c.c"}},
      {"/a/\x81/b.c\r\n/x\xFF", {"/a/\x81/b.c", "/x\xFF"}, {"\x81/b.c", "x\xFF"}},
      {"/a/1.c\r\n\0/b/2.c\r\n"s, {"/a/1.c"}, {"1.c"}},
  };
  WriteBaseFile("recent.txt", "/base/not-this-one.c\r\n");
  for (const Case& test : cases) {
    SCOPED_TRACE(testing::PrintToString(test.file));
    WriteProgramFile("recent.txt", test.file);
    RunProgram([&] {
      EXPECT_EQ(RecentPaths, test.paths);
      std::vector<std::string> names;
      for (const std::string& path : RecentPaths) names.push_back(RecentFileName(path));
      EXPECT_EQ(names, test.rows);
      // Rows hold what the list shows, so only valid code-page text comes back byte for byte.
      const bool valid = test.file.find_first_of("\x81\xFF") == std::string::npos;
      if (valid) {
        EXPECT_EQ(Rows(kRecentList), test.rows);
      }
      EXPECT_EQ(StartList(kRecentList)->RowCount(), static_cast<int>(test.rows.size()));
      StartList(kRecentList)->Clear();
      EXPECT_EQ(FillRecentList(), static_cast<int>(test.paths.size()));
    });
  }
}

TEST_F(StartWindowTest, TenThousandRecentEntriesFillTheList) {
  std::string file;
  for (int entry = 0; entry < 10000; ++entry) file += "/folder/file" + std::to_string(entry) + ".c\r\n";
  WriteProgramFile("recent.txt", file);
  RunProgram([] {
    ASSERT_EQ(RecentPaths.size(), 10000u);
    EXPECT_EQ(RecentPaths.back(), "/folder/file9999.c");
    ASSERT_EQ(StartList(kRecentList)->RowCount(), 10000);
    EXPECT_EQ(StartList(kRecentList)->RowText(9999), "file9999.c");
  });
}

// A new document as the menu makes it: unsaved text is asked about, No discards it, a failed
// save keeps it and the window.
TEST_F(StartWindowTest, TheNewLabelAsksAboutUnsavedTextAndPutsTheTemplateIn) {
  RunProgram([this] {
    CurrentFilePath = PathOf("no-folder/a.c");  // a save fails
    ShowDocumentPath(CurrentFilePath);
    TypeDocument("unsaved");
    QTest::mouseClick(StartWindow->Find<framework::Label>(kNewLabel)->Widget(), Qt::LeftButton);
    EXPECT_TRUE(StartWindowOpen()) << "a single click does nothing";
    EXPECT_EQ(EditorText(), "unsaved");

    AnswerButton(framework::IDYES);
    DoubleClickLabel(kNewLabel);
    EXPECT_TRUE(StartWindowOpen());
    EXPECT_EQ(EditorText(), "unsaved");
    EXPECT_EQ(dialogs_.back().text, "保存失败，请手动保存，以免保持代码丢失");

    AnswerButton(framework::IDNO);
    DoubleClickLabel(kNewLabel);
    EXPECT_FALSE(StartWindowOpen());
    EXPECT_EQ(dialogs_.back().text, "您的当前内容需要保存吗？");
    EXPECT_EQ(EditorText(), kNewDocumentTemplate);
    EXPECT_EQ(Editor->GetCurrentPos(), Editor->PositionFromLine(kNewDocumentCaretLine));
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(Part6(), "暂未保存");
  });
}

TEST_F(StartWindowTest, TheOpenLabelClosesWhetherOrNotAFileWasOpened) {
  WriteBaseFile("a.c", "int a;");
  for (const bool choose : {false, true}) {
    SCOPED_TRACE(choose ? "chosen" : "cancelled");
    if (choose) AnswerPath(PathOf("a.c"));
    RunProgram([&] {
      DoubleClickLabel(kOpenLabel);
      EXPECT_FALSE(StartWindowOpen());
      EXPECT_EQ(dialogs_.back().kind, framework::DialogKind::OpenFile);
      EXPECT_EQ(EditorText(), choose ? "int a;" : "");
    });
  }
  EXPECT_EQ(BaseFile("recent.txt"), PathOf("a.c") + "\r\n");
}

// The window stays; the paths behind the rows stay until the next fill.
TEST_F(StartWindowTest, TheClearLabelEmptiesTheRecentFileAndList) {
  WriteProgramFile("recent.txt", "/a/1.c\r\n/b/2.c\r\n");
  RunProgram([] {
    DoubleClickLabel(kClearLabel);
    EXPECT_TRUE(StartWindowOpen());
    EXPECT_EQ(StartList(kRecentList)->RowCount(), 0);
    EXPECT_EQ(RecentPaths.size(), 2u);
  });
  EXPECT_EQ(platform::ReadWholeFile(ProgramPath("recent.txt")), "");
}

// Two rows of one name each open their own path; a file that is gone opens empty under its
// path. Nothing is added to the recent list.
TEST_F(StartWindowTest, ARecentRowOpensItsOwnPath) {
  MakeFolder("one");
  MakeFolder("two");
  WriteBaseFile("one/x.c", "int one;");
  WriteBaseFile("two/x.c", "int two;");
  const std::string recent = PathOf("one/x.c") + "\r\n" + PathOf("two/x.c") + "\r\n" + PathOf("gone.c") + "\r\n";
  WriteProgramFile("recent.txt", recent);
  const std::pair<int, std::string> cases[] = {{0, "int one;"}, {1, "int two;"}, {2, ""}};
  const std::string paths[] = {PathOf("one/x.c"), PathOf("two/x.c"), PathOf("gone.c")};
  for (const auto& [row, text] : cases) {
    SCOPED_TRACE(row);
    RunProgram([&] {
      DoubleClickRow(kRecentList, row);
      EXPECT_FALSE(StartWindowOpen());
      EXPECT_EQ(EditorText(), text);
      EXPECT_EQ(CurrentFilePath, paths[row]);
      EXPECT_EQ(Part6(), paths[row]);
      EXPECT_EQ(IsSaved, 1);
    });
  }
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_EQ(platform::ReadWholeFile(ProgramPath("recent.txt")), recent);
  EXPECT_FALSE(BaseFile("recent.txt").has_value());
}

// What the editor holds before a recent file or an example opens: asked about only when it is
// unsaved text; a failed save asked for keeps the text and the start window.
TEST_F(StartWindowTest, OpeningFromTheListsAsksOnlyAboutUnsavedText) {
  struct Case {
    const char* name;
    std::string text;
    int saved;
    std::vector<framework::DialogReply> answers;
    std::size_t dialogs;
    bool opens;
  };
  const Case cases[] = {
      {"empty editor", "", 0, {}, 0, true},
      {"saved text", "saved", 1, {}, 0, true},
      {"unsaved, No", "unsaved", 0, {{framework::IDNO, std::nullopt, std::nullopt}}, 1, true},
      {"unsaved, Yes", "unsaved", 0, {{framework::IDYES, std::nullopt, std::nullopt}, {0, PathOf("saved.c"), std::nullopt}}, 2, true},
      {"unsaved, Yes, save fails", "unsaved", 0, {{framework::IDYES, std::nullopt, std::nullopt}}, 3, false},
  };
  ASSERT_EQ(mkdir(ProgramPath("Example").c_str(), 0755), 0);
  WriteProgramFile("Example/hello.c", "int hello;");
  MakeFolder("Example");
  WriteBaseFile("Example/hello.c", "int hello;");
  WriteBaseFile("recent.c", "int recent;");
  WriteProgramFile("recent.txt", PathOf("recent.c") + "\r\n");
  std::vector<std::string> savedTexts;
  for (const char* list : {kRecentList, kExampleList}) {
    for (const Case& test : cases) {
      SCOPED_TRACE(std::string(list) + ": " + test.name);
      dialogs_.clear();
      answers_.assign(test.answers.begin(), test.answers.end());
      RunProgram([&] {
        Editor->SetText(test.text);
        IsSaved = test.saved;
        CurrentFilePath.clear();
        DoubleClickRow(list, 0);
        EXPECT_EQ(dialogs_.size(), test.dialogs);
        EXPECT_EQ(StartWindowOpen(), !test.opens);
        EXPECT_EQ(EditorText(), test.opens ? (list == kRecentList ? "int recent;" : "int hello;") : test.text);
        EXPECT_EQ(IsSaved, test.opens ? 1 : 0);
      });
      // Gone before the next case, whose save would otherwise ask to replace it.
      if (const auto saved = BaseFile("saved.c")) savedTexts.push_back(*saved);
      platform::DeleteFile(PathOf("saved.c"));
    }
  }
  EXPECT_EQ(savedTexts, (std::vector<std::string>{"unsaved\r\n", "unsaved\r\n"}));
}

// An Open in another folder moves the working directory; the example still opens from the
// folder its list came from and joins the recent list of the base folder, and nothing is made
// in the other folder. A missing example opens empty and marked saved.
TEST_F(StartWindowTest, AnExampleOpensFromTheProgramFolderAfterAnOpenElsewhere) {
  ASSERT_EQ(mkdir(ProgramPath("Example").c_str(), 0755), 0);
  WriteProgramFile("Example/hello.c", "int hello;\r\n");
  WriteProgramFile("Example/gone.c", "");
  MakeFolder("elsewhere");
  MakeFolder("elsewhere/Example");
  WriteBaseFile("elsewhere/Example/hello.c", "not this one");
  WriteBaseFile("elsewhere/other.c", "int other;");
  const std::string other = PathOf("elsewhere/other.c");
  std::string recent;
  for (const char* name : {"hello.c", "gone.c"}) {
    SCOPED_TRACE(name);
    RunProgram([&] {
      AnswerPath(other);
      OpenDocument();
      ASSERT_EQ(platform::WorkingDirectory(), PathOf("elsewhere")) << "the dialog moves the working directory";
      if (name == "gone.c"s) {
        ASSERT_TRUE(platform::DeleteFile(ProgramPath("Example/gone.c")));
      }
      const std::vector<std::string> rows = Rows(kExampleList);
      DoubleClickRow(kExampleList, static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin()));
      EXPECT_FALSE(StartWindowOpen());
      EXPECT_EQ(CurrentFilePath, ProgramDir() + "/Example/" + name);
      EXPECT_EQ(Part6(), CurrentFilePath);
      EXPECT_EQ(EditorText(), name == "hello.c"s ? "int hello;\r\n" : "");
      EXPECT_EQ(IsSaved, 1);
      ASSERT_EQ(chdir(Dir().c_str()), 0);  // where the next start begins
    });
    recent += other + "\r\n" + ProgramDir() + "/Example/" + name + "\r\n";
  }
  EXPECT_EQ(BaseFile("recent.txt"), recent);
  EXPECT_FALSE(platform::PathExists(PathOf("elsewhere/recent.txt")));
  EXPECT_FALSE(platform::PathExists(ProgramPath("recent.txt")));
}

// Once the main window is gone there is no editor to open into: the start window goes too,
// which ends the program.
TEST_F(StartWindowTest, AfterTheMainWindowHasClosedTheListsOpenNothing) {
  WriteBaseFile("recent.c", "int recent;");
  WriteProgramFile("recent.txt", PathOf("recent.c") + "\r\n");
  RunProgram([] {
    IsSaved = 1;
    ASSERT_TRUE(MainWindow->Close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DoubleClickRow(kRecentList, 0);
    EXPECT_FALSE(StartWindowOpen());
    EXPECT_EQ(CurrentFilePath, "");
  });
}

}  // namespace
