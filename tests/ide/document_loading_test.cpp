// What a user expects of every document put into the editor: undo stays within it, the keyboard
// goes to it, bytes a save would change are warned about, and a path the code page cannot hold
// opens or writes nothing.
#include <gtest/gtest.h>

#include <QToolBar>
#include <functional>

#include "document_fixture.h"
#include "ide/documents.h"
#include "platform/window.h"

namespace {

constexpr const char* kBytesWarning = "此文件中有系统编码无法表示的字节，保存时这些字节将被替换。";
constexpr const char* kPathRefused = "路径中有系统编码无法表示的字符，不能打开或保存这个文件：";

class DocumentLoadingTest : public DocumentTest {
 protected:
  static QWidget* EditorWidget() { return platform::WidgetFromWindow(Editor->GetEditorHandle()); }
  static bool EditorHasTheKeyboard() { return EditorWidget()->window()->focusWidget() == EditorWidget(); }
};

TEST_F(DocumentLoadingTest, EveryNewDocumentStartsItsOwnUndoAndTakesTheKeyboard) {
  WriteBaseFile("b.c", "int b;");
  struct Case {
    const char* what;
    std::function<void()> load;
    const char* text;
  };
  const Case cases[] = {
      {"opened", [&] { AnswerPath(PathOf("b.c")); OpenDocument(); }, "int b;"},
      {"new from the template", [] { NewDocument(); }, kNewDocumentTemplate},
      {"a dropped file", [&] { OnMainWindowDropTargetFileDropped(PathOf("b.c")); }, "int b;"},
      {"a dropped text", [] { OnMainWindowDropTargetTextDropped("dropped"); }, "dropped"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunProgram([&] {
      Editor->SetText("first");
      Editor->AppendText(" second", 7);
      IsSaved = 1;
      MainWindow->Frame()->findChild<QToolBar*>()->setFocus();
      c.load();
      EXPECT_TRUE(EditorHasTheKeyboard());
      for (int undo = 0; undo < 3; ++undo) Editor->Undo();
      EXPECT_EQ(EditorText(), c.text);
      EXPECT_FALSE(Editor->CanUndo());
    });
  }
}

TEST_F(DocumentLoadingTest, BytesASaveWouldChangeAreWarnedAboutAndStayUntilSaved) {
  struct Case {
    const char* what;
    std::string bytes;
    bool warned;
  };
  const Case cases[] = {
      {"UTF-8 with Chinese text", "/* \xE4\xB8\xAD\xE6\x96\x87 */", true},
      {"GBK with Chinese text", "/* 中文 */", false},
      {"plain ASCII", "int a;", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBaseFile("a.c", c.bytes);
    dialogs_.clear();
    RunProgram([&] {
      AnswerPath(PathOf("a.c"));
      OpenDocument();
      EXPECT_EQ(BaseFile("a.c"), c.bytes) << "opening writes nothing";
      Editor->AppendText(" ", 1);
      IsSaved = 0;
      EXPECT_TRUE(SaveDocument());
    });
    std::vector<std::string> shown{"[file dialog]"};
    if (c.warned) shown.push_back(kBytesWarning);
    EXPECT_EQ(DialogTexts(), shown);
    EXPECT_EQ(BaseFile("a.c") != c.bytes + " \r\n", c.warned) << "only the warned bytes change on saving";
  }
}

TEST_F(DocumentLoadingTest, APathTheCodePageCannotHoldFromTheDialogOpensAndWritesNothing) {
  const std::string native = PathOf("stra\xC3\x9F" "e.c");  // "straße.c" as the file system spells it
  struct Case {
    const char* what;
    std::function<void()> command;
  };
  const Case cases[] = {
      {"open", [] { OpenDocument(); }},
      {"save", [] { SaveDocument(); }},
      {"save as", [] { SaveDocumentAs(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dialogs_.clear();
    RunProgram([&] {
      TypeDocument("kept");
      AnswerNativePath(native);
      c.command();
      EXPECT_EQ(EditorText(), "kept");
      EXPECT_EQ(CurrentFilePath, "");
    });
    ASSERT_GE(dialogs_.size(), 2u);
    EXPECT_EQ(dialogs_[1].text, kPathRefused);
    EXPECT_EQ(dialogs_[1].nativePath, native);
    EXPECT_EQ(platform::FindFiles(PathOf("*.c")), std::vector<std::string>{}) << "no file under another name";
    EXPECT_FALSE(BaseFile("recent.txt").has_value());
  }
}

}  // namespace
