#include <unistd.h>

#include <QDir>

#include "framework/common_dialog.h"
#include "framework/message_box.h"
#include "framework_fixture.h"

namespace {

using framework::DialogKind;

TEST_F(FrameworkTest, MessageBoxesAreAnsweredThroughTheSeam) {
  framework::Form* owner = LoadSample();
  struct Case {
    std::string caption;
    platform::UINT style;
    int answer;
  };
  const std::vector<Case> cases = {
      {"Tavo询问", framework::MB_YESNO, framework::IDNO},
      {"", framework::MB_OK | framework::MB_ICONERROR, framework::IDOK},
      {"查找", framework::MB_YESNOCANCEL | framework::MB_ICONQUESTION, framework::IDCANCEL},
      {"", framework::MB_OKCANCEL, framework::IDYES},
  };
  for (const Case& c : cases) {
    reply_.button = c.answer;
    EXPECT_EQ(framework::MessageBox("您的当前内容需要保存吗？", c.caption, c.style, owner), c.answer);
  }
  ASSERT_EQ(requests_.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(requests_[i].kind, DialogKind::MessageBox);
    EXPECT_EQ(requests_[i].text, "您的当前内容需要保存吗？");
    EXPECT_EQ(requests_[i].style, cases[i].style);
    EXPECT_EQ(requests_[i].owner, owner->Frame());
  }
  EXPECT_EQ(requests_[0].caption, "Tavo询问");
  EXPECT_EQ(requests_[1].caption, "\xD0\xC5\xCF\xA2\xA3\xBA");  // "信息：" in GBK
  framework::MessageBox("x");
  EXPECT_EQ(requests_.back().owner, nullptr);
}

class CommonDialogTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    startDir_ = QDir::currentPath();
    dialog_ = LoadSample()->Find<framework::CommonDialog>("Files");
  }
  void TearDown() override {
    QDir::setCurrent(startDir_);
    FrameworkTest::TearDown();
  }

  QString startDir_;
  framework::CommonDialog* dialog_ = nullptr;
};

TEST_F(CommonDialogTest, RequestCarriesTheSettingsAndCancelKeepsTheName) {
  dialog_->SetDialogKind(framework::CommonDialog::Save);
  dialog_->SetFileName("draft.c");
  reply_.path.reset();
  EXPECT_FALSE(dialog_->Show());
  ASSERT_EQ(requests_.size(), 1u);
  const framework::DialogRequest& request = requests_[0];
  EXPECT_EQ(request.kind, DialogKind::SaveFile);
  EXPECT_EQ(request.caption, "Tavo选择器");
  EXPECT_EQ(request.filter, "C文件|*.c|所有文件|*.*");
  EXPECT_EQ(request.defaultExtension, "c");
  EXPECT_EQ(request.fileName, "draft.c");
  EXPECT_EQ(request.folder, "");
  EXPECT_NE(request.owner, nullptr);
  EXPECT_EQ(dialog_->FileName(), "draft.c");
  EXPECT_EQ(QDir::currentPath(), startDir_);
}

TEST_F(CommonDialogTest, ChoiceBecomesTheFileNameAndMovesTheCurrentDirectory) {
  char pattern[] = "/tmp/tavo-dialog-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string chosen = std::string(pattern) + "/" + "新.c";
  reply_.path = chosen;
  dialog_->SetDialogKind(framework::CommonDialog::Open);
  dialog_->SetFileName("");
  EXPECT_TRUE(dialog_->Show());
  EXPECT_EQ(requests_.back().kind, DialogKind::OpenFile);
  EXPECT_EQ(dialog_->FileName(), chosen);
  EXPECT_EQ(QDir::currentPath(), QString(pattern));
  QDir::setCurrent(startDir_);
  rmdir(pattern);
}

}  // namespace
