// The question about unsaved text, shown as the real box: Escape and the window's close button
// answer nothing, so neither closing the main window, 新建 nor 退出 can throw the text away.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <functional>

#include "tests/support/when_shown.h"
#include "document_fixture.h"
#include "framework/message_box.h"
#include "ide/main_menu.h"

namespace {

class UnsavedQuestionTest : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    // Yes/No questions reach the real box; every other dialog is answered as cancelled.
    framework::SetDialogAnswerer([this](const framework::DialogRequest& request) {
      dialogs_.push_back(request);
      const bool question = request.kind == framework::DialogKind::MessageBox &&
                            (request.style & framework::MB_TYPEMASK) == framework::MB_YESNO;
      return question ? framework::ShowSystemDialog(request) : framework::DialogReply{};
    });
  }
};

TEST_F(UnsavedQuestionTest, EscapeAndTheCloseButtonLeaveTheQuestionAndTheText) {
  struct Case {
    const char* what;
    std::function<void()> action;
  };
  const Case cases[] = {
      {"closing the main window", [] { MainWindow->Close(); }},
      {"新建", [] { ExecuteMenuCommand(0, MenuCommandNew); }},
      {"退出", [] { ExecuteMenuCommand(0, MenuCommandExit); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool asked = false;
    bool stillAsking = false;
    std::string textWhileAsked;
    RunProgram([&] {
      TypeDocument("unsaved text");
      WhenShown<QMessageBox>([&](QMessageBox* box) {
        asked = true;
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        QCoreApplication::processEvents();
        stillAsking = box->isVisible();
        textWhileAsked = EditorText();
        // Yes, then a cancelled Save dialog: the save fails and the text stays.
        box->button(QMessageBox::Yes)->click();
      });
      c.action();
      EXPECT_EQ(EditorText(), "unsaved text");
      EXPECT_NE(MainWindow, nullptr);
    });
    EXPECT_TRUE(asked);
    EXPECT_TRUE(stillAsking);
    EXPECT_EQ(textWhileAsked, "unsaved text");
    EXPECT_TRUE(endCodes_.empty());
  }
}

}  // namespace
