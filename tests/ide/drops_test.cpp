#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "document_fixture.h"
#include "ide/documents.h"
#include "platform/code_page.h"

namespace {

using namespace std::string_literals;

// Drops onto the main window as a user would, through its drop target.
class DropsTest : public DocumentTest {
 protected:
  static void Drop(const QMimeData& data) {
    QWidget* window = MainWindow->ClientArea();
    QDragEnterEvent enter(QPoint(400, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(400, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
  }
  static void DropText(const std::string& text) {
    QMimeData data;
    data.setText(platform::AnsiToQString(text));
    Drop(data);
  }
  void DropFiles(const std::vector<std::string>& names) {
    QList<QUrl> urls;
    for (const std::string& name : names) urls << QUrl::fromLocalFile(platform::AnsiToQString(PathOf(name)));
    QMimeData data;
    data.setUrls(urls);
    Drop(data);
  }
};

// The drop replaces the template at once; a 10 MB text arrives whole.
TEST_F(DropsTest, ADroppedTextBecomesAnUntitledUnsavedDocument) {
  const std::string large = std::string(10 * 1024 * 1024, 'x') + "中文";
  RunProgram([&] {
    LoadFileAsDocument(PathOf("a.c"));
    DropText("int 中文;");
    EXPECT_EQ(EditorText(), "int 中文;");
    EXPECT_EQ(IsSaved, 0);
    EXPECT_EQ(CurrentFilePath, "");
    EXPECT_EQ(Part6(), "暂未保存");
    EXPECT_TRUE(dialogs_.empty()) << "the saved document needed no question";

    AnswerButton(framework::IDNO);
    DropText(large);
    EXPECT_EQ(Editor->GetLength(), static_cast<int>(large.size()) + 2) << "two more bytes in UTF-8";
    EXPECT_EQ(dialogs_.size(), 1u);
  });
}

// The first of several files opens; a folder is a file that cannot be read. Dropped files are
// not remembered.
TEST_F(DropsTest, ADroppedFileOpensAsASavedDocument) {
  WriteBaseFile("a.c", "int a;\0rest"s);
  WriteBaseFile("b.c", "int b;");
  ASSERT_EQ(mkdir(PathOf("folder").c_str(), 0755), 0);
  RunProgram([this] {
    DropFiles({"a.c", "b.c"});
    EXPECT_EQ(EditorText(), "int a;");
    EXPECT_EQ(IsSaved, 1);
    EXPECT_EQ(CurrentFilePath, PathOf("a.c"));
    EXPECT_EQ(Part6(), PathOf("a.c"));

    DropFiles({"folder"});
    EXPECT_EQ(EditorText(), "");
    EXPECT_EQ(IsSaved, 1);
    EXPECT_EQ(CurrentFilePath, PathOf("folder"));
    ASSERT_EQ(dialogs_.size(), 1u) << "only the NUL byte is warned about";
    EXPECT_EQ(dialogs_[0].text, "此文件中有空字符（NUL），只载入了它之前的内容；保存时其后的内容将丢失。");
  });
  EXPECT_FALSE(BaseFile("recent.txt").has_value());
}

TEST_F(DropsTest, ADropIsRefusedWhenTheAskedForSaveFails) {
  WriteBaseFile("b.c", "int b;");
  RunProgram([this] {
    TypeDocument("unsaved");
    for (const bool file : {true, false}) {
      AnswerButton(framework::IDYES);
      if (file) {
        DropFiles({"b.c"});
      } else {
        DropText("dropped");
      }
      EXPECT_EQ(EditorText(), "unsaved");
      EXPECT_EQ(IsSaved, 0);
      EXPECT_EQ(dialogs_.back().text, "保存失败，请手动保存，以免保持代码丢失");
    }
  });
}

}  // namespace
