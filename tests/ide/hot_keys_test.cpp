#include "ide/hot_keys.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "commands_fixture.h"
#include "framework/message_box.h"
#include "ide/about_window.h"
#include "ide/documents.h"
#include "ide/search_window.h"
#include "platform/file_system.h"
#include "platform/hot_key.h"
#include "platform/window.h"
#include "program_fixture.h"
#include "tests/support/recording_subclass.h"

namespace {

using HotKeysTest = ProgramTest;

std::vector<int> HotKeyIds() {
  return {HotKeyIdCompileRun, HotKeyIdSave, HotKeyIdSearch, HotKeyIdComment, HotKeyIdPrevBookmark,
          HotKeyIdNextBookmark};
}

TEST_F(HotKeysTest, SixKeysGetTheIdsFrom33001InTheirOrder) {
  RunProgram([] { EXPECT_EQ(HotKeyIds(), (std::vector<int>{33001, 33002, 33003, 33004, 33005, 33006})); });
}

// A key that another window holds keeps the id 0, and the counter still moves on.
TEST_F(HotKeysTest, AKeyHeldElsewhereGetsIdZeroAndTheOthersStillWork) {
  QWidget other;
  ASSERT_TRUE(platform::RegisterHotKey(platform::WindowFromWidget(&other), 1, 0, platform::VK_F3));
  RunProgram([this] {
    EXPECT_EQ(HotKeyIds(), (std::vector<int>{33001, 0, 33003, 33004, 33005, 33006}));
    Editor->SetText("x");
    PressKey(Qt::Key_F2);
    EXPECT_EQ(EditorText(), "//x");
    // The id 0 is no key's: F3 does not save behind it (which would ask for a file).
    OnMainWindowHotKeyLabelFeedback(0);
    EXPECT_TRUE(dialogs_.empty());
  });
}

// F2 puts "//" at column 0, in front of the indentation, wherever the caret stands on the line,
// the first line too; every press adds one more.
TEST_F(HotKeysTest, F2CommentsTheCaretsLineAtColumnZero) {
  struct Case {
    int line;
    const char* once;
    const char* twice;
  };
  for (const Case c : {Case{1, "int a;\r\n//    x = 1;\r\n", "int a;\r\n////    x = 1;\r\n"},
                       Case{0, "//int a;\r\n    x = 1;\r\n", "////int a;\r\n    x = 1;\r\n"}}) {
    SCOPED_TRACE(c.line);
    RunProgram([&] {
      Editor->SetText("int a;\r\n    x = 1;\r\n");
      Editor->GotoPos(Editor->PositionFromLine(c.line) + 5);
      PressKey(Qt::Key_F2);
      EXPECT_EQ(EditorText(), c.once);
      PressKey(Qt::Key_F2);
      EXPECT_EQ(EditorText(), c.twice);
      EXPECT_EQ(Editor->GetCurrentLine(), c.line);
    });
  }
}

TEST_F(HotKeysTest, F6AndF7VisitTheBookmarksAndWrap) {
  struct Case {
    const char* name;
    Qt::Key key;
    int from;
    std::vector<int> bookmarks;
    int to;
  };
  const Case cases[] = {
      {"F6 from line 0 wraps to the last", Qt::Key_F6, 0, {2, 5}, 5},
      {"F6 from line 1 starts at the end", Qt::Key_F6, 1, {0, 5}, 5},
      {"F6 from line 1 reaches line 0 alone", Qt::Key_F6, 1, {0}, 0},
      {"F6 goes to the one above", Qt::Key_F6, 4, {2, 5}, 2},
      {"F6 above the first wraps", Qt::Key_F6, 2, {3, 6}, 6},
      {"F7 goes to the one below", Qt::Key_F7, 3, {2, 5}, 5},
      {"F7 from the last wraps to the first", Qt::Key_F7, 5, {2, 5}, 2},
      {"F6 without bookmarks stays", Qt::Key_F6, 3, {}, 3},
      {"F7 without bookmarks stays", Qt::Key_F7, 3, {}, 3},
  };
  RunProgram([&] {
    Editor->SetText("0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7");
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      Editor->MarkerDeleteAll(1);
      for (const int line : c.bookmarks) Editor->MarkerAdd(line, 1);
      Editor->GotoLine(c.from);
      PressKey(c.key);
      EXPECT_EQ(Editor->GetCurrentLine(), c.to);
    }
  });
}

// Only the ids handed out count, whole: one that only its low 32 bits make a handed-out id is
// another. The label's feedback with any other id does nothing.
TEST_F(HotKeysTest, OtherHotKeysAndFeedbackIdsDoNothing) {
  RunProgram([this] {
    Editor->SetText("x");
    for (const platform::WPARAM id : {platform::WPARAM{33007}, (platform::WPARAM{1} << 32) + HotKeyIdComment})
      platform::PostMessageA(MainWindow->Handle(), platform::WM_HOTKEY, id, 0);
    QCoreApplication::sendPostedEvents();
    for (const int id : {0, 1, 33000, 33007}) OnMainWindowHotKeyLabelFeedback(id);
    EXPECT_EQ(EditorText(), "x");
    EXPECT_TRUE(dialogs_.empty());
  });
}

// While a box asks whether to save, or a window is shown modal, F2 to F7 do nothing: F3 would
// write the text the user is about to decline, F5 build behind the box.
TEST_F(HotKeysTest, TheKeysWaitWhileABoxOrAModalWindowIsOpen) {
  WriteBaseFile("a.c", "int x;\r\n");
  ASSERT_EQ(mkdir(PathOf("Debug").c_str(), 0755), 0);
  ASSERT_EQ(symlink(TAVO_DIST_DIR "/liblinker.so", ProgramPath("liblinker.so").c_str()), 0);
  SetCommandLineText("a.c");
  const auto pressEveryKey = [] {
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) PressKey(key);
  };
  // Pressed behind the first box only: a key that got through asks something of its own.
  framework::SetDialogAnswerer([&](const framework::DialogRequest& request) {
    dialogs_.push_back(request);
    if (dialogs_.size() == 1) pressEveryKey();
    framework::DialogReply reply;
    reply.button = framework::IDNO;
    return reply;
  });
  RunProgram([&] {
    Editor->InsertText("//", 0);
    ClickToolbarButton(kNewButton);
    EXPECT_EQ(platform::ReadWholeFile(PathOf("a.c")), "int x;\r\n");
    EXPECT_EQ(EditorText(), kNewDocumentTemplate);
    ASSERT_EQ(dialogs_.size(), 1u) << "a key behind the box asked something of its own";
    EXPECT_EQ(dialogs_[0].text, "您的当前内容需要保存吗？");

    QTimer::singleShot(0, [&] {
      pressEveryKey();
      AboutWindow->Close();
    });
    ShowAboutWindowModal();
    EXPECT_EQ(EditorText(), kNewDocumentTemplate);
    EXPECT_EQ(SearchWindow, nullptr);
  });
  EXPECT_TRUE(std::filesystem::is_empty(PathOf("Debug")));
}

// The messages that reach a window's own procedure, whichever window they are for.
std::vector<platform::HWND> secondProcedureWindows;

platform::LRESULT SecondWindowProcedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                        platform::LPARAM lParam) {
  secondProcedureWindows.push_back(window);
  return platform::DefWindowProcA(window, message, wParam, lParam);
}

// Registering on a second window gives the first, while it lives, its own procedure back, so
// that its messages never pass through the second window's, and a later registration on the
// first subclasses it afresh.
TEST(HotKeyWindowTest, ASecondWindowGivesTheFirstItsProcedureBack) {
  QWidget first;
  QWidget second;
  const platform::HWND firstWindow = platform::WindowFromWidget(&first);
  const platform::HWND secondWindow = platform::WindowFromWidget(&second);
  test::RecordingSubclass firstEarlier{firstWindow};
  const std::intptr_t firstProcedure = platform::GetWindowLongA(firstWindow, platform::GWL_WNDPROC);
  platform::SetWindowLongA(secondWindow, platform::GWL_WNDPROC,
                           reinterpret_cast<std::intptr_t>(&SecondWindowProcedure));
  secondProcedureWindows.clear();

  EXPECT_NE(RegisterWindowHotKey(firstWindow, platform::VK_F1 + 8), 0);
  EXPECT_NE(RegisterWindowHotKey(secondWindow, platform::VK_F1 + 9), 0);
  EXPECT_EQ(platform::GetWindowLongA(firstWindow, platform::GWL_WNDPROC), firstProcedure);
  platform::SendMessageA(firstWindow, platform::WM_COMMAND, 5, 0);
  EXPECT_EQ(firstEarlier.Received(platform::WM_COMMAND).size(), 1u);
  EXPECT_EQ(secondProcedureWindows, std::vector<platform::HWND>{});

  // Back to the first: subclassed over its own procedure, not over itself, it does not recurse.
  EXPECT_NE(RegisterWindowHotKey(firstWindow, platform::VK_F1 + 10), 0);
  platform::SendMessageA(firstWindow, platform::WM_COMMAND, 5, 0);
  EXPECT_EQ(firstEarlier.Received(platform::WM_COMMAND).size(), 2u);
}

}  // namespace
