// What a user expects of every document put into the editor: undo stays within it, the keyboard
// goes to it, bytes a save would change are warned about, and a path the code page cannot hold
// opens or writes nothing.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QToolBar>
#include <functional>

#include "document_fixture.h"
#include "ide/documents.h"
#include "platform/window.h"

namespace {

using namespace std::string_literals;

constexpr const char* kBytesWarning = "此文件中有系统编码无法表示的字节，保存时这些字节将被替换。";
constexpr const char* kNulWarning = "此文件中有空字符（NUL），只载入了它之前的内容；保存时其后的内容将丢失。";
constexpr const char* kPathRefused = "路径中有系统编码无法表示的字符，不能打开或保存这个文件：";

std::string LackingWarning(int line, const std::string& character) {
  return "第 " + std::to_string(line) + " 行有系统编码无法表示的字符 " + character +
         "，保存时它和其他这样的字符都将变成“?”。\r\n仍要保存吗？";
}

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

// Bytes the code page turns into other characters are warned about at the open and, as the
// characters they became, at the save; a NUL byte ends the text, which a save would cut there.
TEST_F(DocumentLoadingTest, BytesASaveWouldChangeAreWarnedAboutAndStayUntilSaved) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> warnings;
  };
  const Case cases[] = {
      {"UTF-8 with Chinese text", "/* \xE4\xB8\xAD\xE6\x96\x87 */", {kBytesWarning, LackingWarning(1, "U+FFFD")}},
      {"a NUL byte", "int a;\0rest"s, {kNulWarning}},
      {"GBK with Chinese text", "/* 中文 */", {}},
      {"plain ASCII", "int a;", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBaseFile("a.c", c.bytes);
    dialogs_.clear();
    AnswerPath(PathOf("a.c"));
    for (std::size_t i = 0; i < c.warnings.size(); ++i) AnswerButton(framework::IDOK);
    RunProgram([&] {
      OpenDocument();
      EXPECT_EQ(BaseFile("a.c"), c.bytes) << "opening writes nothing";
      Editor->AppendText(" ", 1);
      IsSaved = 0;
      EXPECT_EQ(SaveDocument(), SaveResult::Saved);
    });
    std::vector<std::string> shown{"[file dialog]"};
    shown.insert(shown.end(), c.warnings.begin(), c.warnings.end());
    EXPECT_EQ(DialogTexts(), shown);
    EXPECT_EQ(BaseFile("a.c") != c.bytes + " \r\n", !c.warnings.empty()) << "only the warned bytes change on saving";
  }
}

// Pasted characters GBK lacks look right in the editor but would reach the file as "?": the
// first is named with its line, and Cancel keeps the file as it was.
TEST_F(DocumentLoadingTest, SavingCharactersTheCodePageLacksAsksFirst) {
  struct Case {
    const char* what;
    const char* pasted;  // UTF-8
    const char* named;
  };
  const Case cases[] = {
      {"non-breaking space", "int\xC2\xA0x;", "U+00A0"},
      {"check mark after Chinese", "/* \xE4\xB8\xAD \xE2\x9C\x93 \xF0\x9F\x98\x80 */", "U+2713"},
      {"emoji", "/* \xF0\x9F\x98\x80 */", "U+1F600"},
  };
  const std::pair<const char*, std::function<void()>> saves[] = {
      {"save", [] { SaveDocument(); }},
      {"save as", [this] { AnswerPath(PathOf("a.c")); AnswerButton(framework::IDYES); SaveDocumentAs(); }},
  };
  for (const Case& c : cases) {
    for (const auto& [how, save] : saves) {
      SCOPED_TRACE(std::string(c.what) + ", " + how);
      WriteBaseFile("a.c", "kept");
      for (const int answer : {framework::IDCANCEL, framework::IDOK}) {
        dialogs_.clear();
        answers_.clear();
        RunProgram([&] {
          LoadFileAsDocument(PathOf("a.c"));
          Editor->GotoPos(Editor->GetLength());
          QGuiApplication::clipboard()->setText("\r\n\r\n" + QString::fromUtf8(c.pasted));
          Editor->Paste();
          IsSaved = 0;
          AnswerButton(answer);
          save();
          EXPECT_EQ(IsSaved == 1, answer == framework::IDOK && how == "save"s);
        });
        ASSERT_FALSE(dialogs_.empty());
        EXPECT_EQ(dialogs_[0].text, LackingWarning(3, c.named));
        EXPECT_EQ(dialogs_[0].style, framework::MB_OKCANCEL | framework::MB_ICONWARNING);
        const std::string saved = BaseFile("a.c").value_or("");
        if (answer == framework::IDCANCEL) {
          EXPECT_EQ(saved, "kept");
          EXPECT_EQ(dialogs_.size(), 1u) << "no Save dialog after Cancel";
        } else {
          EXPECT_TRUE(saved.starts_with("kept\r\n\r\n")) << saved;
          EXPECT_NE(saved.find('?'), std::string::npos) << saved;
        }
      }
    }
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
