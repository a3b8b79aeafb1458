#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>

#include "framework/common_dialog.h"
#include "framework/message_box.h"
#include "platform/code_page.h"
#include "tests/support/when_shown.h"
#include "tests/support/temporary_folder.h"
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
  EXPECT_NE(request.owner, nullptr);
  EXPECT_EQ(dialog_->FileName(), "draft.c");
  EXPECT_EQ(QDir::currentPath(), startDir_);
}

TEST_F(CommonDialogTest, ChoiceBecomesTheFileNameAndMovesTheCurrentDirectory) {
  const std::string folder = MakeTemporaryFolder("tavo-dialog");
  ASSERT_FALSE(folder.empty());
  const std::string chosen = folder + "/" + "新.c";
  reply_.path = chosen;
  dialog_->SetDialogKind(framework::CommonDialog::Open);
  dialog_->SetFileName("");
  EXPECT_TRUE(dialog_->Show());
  EXPECT_EQ(requests_.back().kind, DialogKind::OpenFile);
  EXPECT_EQ(dialog_->FileName(), chosen);
  EXPECT_EQ(QDir::currentPath(), QString(folder.c_str()));
  QDir::setCurrent(startDir_);
  rmdir(folder.c_str());
}

TEST_F(CommonDialogTest, APathTheCodePageCannotHoldIsRefusedAndNamed) {
  const std::string native = "/tmp/stra\xC3\x9F" "e.c";  // "straße.c" as the file system spells it
  dialog_->SetDialogKind(framework::CommonDialog::Save);
  dialog_->SetFileName("");
  reply_.nativePath = native;
  EXPECT_FALSE(dialog_->Show());
  EXPECT_EQ(dialog_->FileName(), "");
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[1].kind, DialogKind::MessageBox);
  EXPECT_EQ(requests_[1].nativePath, native);
  EXPECT_EQ(QDir::currentPath(), startDir_);

  reply_.nativePath = "/tmp/\xE6\x96\xB0.c";  // "新.c" in UTF-8
  EXPECT_TRUE(dialog_->Show());
  EXPECT_EQ(dialog_->FileName(), "/tmp/新.c");
  QDir::setCurrent(startDir_);
}

// The real dialogs, driven from a timer while they wait for the user.
class SystemDialogTest : public FrameworkTest {
 protected:
  static QString Text(const char* ansi) { return platform::AnsiToQString(ansi); }
  static framework::DialogRequest Box(platform::UINT style) {
    framework::DialogRequest request;
    request.text = "您的当前内容需要保存吗？";
    request.style = style;
    return request;
  }
};

TEST_F(SystemDialogTest, AYesNoQuestionIsAnsweredOnlyByItsButtons) {
  struct Case {
    const char* what;
    platform::UINT style;
    bool escapeAnswers;
    int answerByEscapeOrClose;
    std::vector<const char*> buttons;
  };
  const Case cases[] = {
      {"Yes and No", framework::MB_YESNO, false, 0, {"是", "否"}},
      {"Yes, No and Cancel", framework::MB_YESNOCANCEL, true, framework::IDCANCEL, {"是", "否", "取消"}},
      {"OK and Cancel", framework::MB_OKCANCEL, true, framework::IDCANCEL, {"确定", "取消"}},
      {"OK", framework::MB_OK, true, framework::IDOK, {"确定"}},
  };
  for (const Case& c : cases) {
    for (const bool byEscape : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (byEscape ? ", Escape" : ", closed"));
      bool stayed = false;
      QStringList captions;
      WhenShown<QMessageBox>([&](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) captions << button->text();
        if (byEscape) {
          QTest::keyClick(box, Qt::Key_Escape);
        } else {
          box->close();
        }
        QApplication::processEvents();
        stayed = box->isVisible();
        if (stayed) box->button(QMessageBox::No)->click();
      });
      const int answer = framework::ShowSystemDialog(Box(c.style)).button;
      EXPECT_EQ(stayed, !c.escapeAnswers);
      EXPECT_EQ(answer, c.escapeAnswers ? c.answerByEscapeOrClose : framework::IDNO);
      QStringList expected;
      for (const char* caption : c.buttons) expected << Text(caption);
      std::sort(captions.begin(), captions.end());
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(captions, expected);
    }
  }
}

// A short text makes a narrow box: it is still wide enough for the window manager to show the
// whole caption beside its buttons.
TEST_F(SystemDialogTest, AShortBoxLeavesRoomForItsCaption) {
  for (const char* caption : {"查找", "信息：", "一个相当长的标题，比文字长得多"}) {
    SCOPED_TRACE(caption);
    int width = 0;
    QString title;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
      width = box->width();
      title = box->windowTitle();
      box->button(QMessageBox::Ok)->click();
    });
    framework::DialogRequest request = Box(framework::MB_OK);
    request.text = "查找完毕";
    request.caption = caption;
    framework::ShowSystemDialog(request);
    EXPECT_EQ(title, Text(caption));
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 100);
  }
}

TEST_F(SystemDialogTest, FileDialogsReadInChinese) {
  for (const DialogKind kind : {DialogKind::OpenFile, DialogKind::SaveFile}) {
    QString accept, reject;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
      accept = dialog->labelText(QFileDialog::Accept);
      reject = dialog->labelText(QFileDialog::Reject);
      dialog->reject();
    });
    framework::DialogRequest request;
    request.kind = kind;
    EXPECT_FALSE(framework::ShowSystemDialog(request).nativePath.has_value());
    EXPECT_EQ(accept, Text(kind == DialogKind::SaveFile ? "保存" : "打开"));
    EXPECT_EQ(reject, Text("取消"));
  }
}

}  // namespace
