#include "framework/drop_target.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "framework_fixture.h"
#include "platform/code_page.h"

namespace {

// Stands for the editor: a control that takes every drop itself.
class DropTaker : public QWidget {
 public:
  explicit DropTaker(QWidget* parent) : QWidget(parent) { setAcceptDrops(true); }
  int drops = 0;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
  void dropEvent(QDropEvent* event) override {
    ++drops;
    event->acceptProposedAction();
  }
};

class DropTargetTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form_ = LoadSample();
    target_ = form_->Find<framework::DropTarget>("Drops");
    target_->OnFileDropped = [this](const std::string& path) { files_.push_back(path); };
    target_->OnTextDropped = [this](const std::string& text) { texts_.push_back(text); };
  }

  // Drags the data onto the widget (the window when none is given) and drops it; returns
  // whether it was taken.
  bool Drop(const QMimeData& data, QWidget* onto = nullptr) {
    if (onto == nullptr) onto = form_->ClientArea();
    QDragEnterEvent enter(QPoint(20, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(onto, &enter);
    QDropEvent drop(QPointF(20, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(onto, &drop);
    return enter.isAccepted() && drop.isAccepted();
  }

  framework::Form* form_ = nullptr;
  framework::DropTarget* target_ = nullptr;
  std::vector<std::string> files_;
  std::vector<std::string> texts_;
};

TEST_F(DropTargetTest, DroppedFilesAndTextReachTheirHandlers) {
  ASSERT_TRUE(target_->Register(form_->Handle()));
  QMimeData files;
  files.setUrls({QUrl("http://example.invalid/page"), QUrl::fromLocalFile(platform::AnsiToQString("/tmp/a b/例子.c")),
                 QUrl::fromLocalFile("/tmp/second.c")});
  EXPECT_TRUE(Drop(files));
  QMimeData text;
  text.setText(platform::AnsiToQString("int main() { return 0; }\n// 中文"));
  EXPECT_TRUE(Drop(text));

  EXPECT_EQ(files_, (std::vector<std::string>{"/tmp/a b/例子.c"}));
  EXPECT_EQ(texts_, (std::vector<std::string>{"int main() { return 0; }\n// 中文"}));
}

TEST_F(DropTargetTest, NothingIsTakenBeforeRegistrationOrWithoutFilesOrText) {
  QMimeData text;
  text.setText("early");
  Drop(text);
  EXPECT_TRUE(texts_.empty());
  EXPECT_FALSE(target_->Register(nullptr));

  ASSERT_TRUE(target_->Register(form_->Handle()));
  QMimeData picture;
  picture.setData("image/png", QByteArray("\x89PNG"));
  EXPECT_FALSE(Drop(picture));
  EXPECT_TRUE(files_.empty() && texts_.empty());
}

TEST_F(DropTargetTest, ControlsTakingDropsKeepTheirTextButPassFilesOn) {
  auto* editor = new DropTaker(form_->ClientArea());
  ASSERT_TRUE(target_->Register(form_->Handle()));
  QMimeData text;
  text.setText("moved within the editor");
  EXPECT_TRUE(Drop(text, editor));
  EXPECT_EQ(editor->drops, 1);
  QMimeData file;
  file.setUrls({QUrl::fromLocalFile("/tmp/dropped.c")});
  EXPECT_TRUE(Drop(file, editor));
  EXPECT_EQ(editor->drops, 1);
  EXPECT_TRUE(texts_.empty());
  EXPECT_EQ(files_, (std::vector<std::string>{"/tmp/dropped.c"}));
}

}  // namespace
