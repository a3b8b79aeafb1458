#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "framework/button.h"
#include "framework/edit_box.h"
#include "framework_fixture.h"

namespace {

framework::WindowDefinition InputWindow() {
  using framework::ControlDefinition;
  using framework::ControlKind;
  return framework::WindowDefinition("InputWindow", "输入", {40, 40, 300, 200},
                                     {ControlDefinition(ControlKind::Button, "Find", {200, 10, 88, 32}, "查找（&S）"),
                                      ControlDefinition(ControlKind::EditBox, "Line", {8, 8, 180, 24}, "初始"),
                                      ControlDefinition(ControlKind::EditBox, "Secret", {8, 40, 180, 24}).Password(),
                                      ControlDefinition(ControlKind::EditBox, "Lines", {8, 72, 180, 80}).MultiLine()});
}

class InputUnitsTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form_ = LoadSample(InputWindow());
    ASSERT_NE(form_, nullptr);
  }

  framework::EditBox* Box(const char* name) const { return form_->Find<framework::EditBox>(name); }

  framework::Form* form_ = nullptr;
};

TEST_F(InputUnitsTest, ButtonClickRaisesItsEventOnlyWhileEnabled) {
  auto* button = form_->Find<framework::Button>("Find");
  EXPECT_EQ(button->Caption(), "查找（&S）");
  EXPECT_EQ(button->Width(), 88);
  int clicks = 0;
  button->OnClick = [&clicks] { ++clicks; };
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  button->SetEnabled(false);
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(InputUnitsTest, TextsRoundTripInEveryKindOfBox) {
  struct Case {
    const char* box;
    std::string text;
  };
  for (const Case& c :
       {Case{"Line", "printf 中文"}, Case{"Secret", "密码 pw"}, Case{"Lines", "一\r\ntwo\r\n"}, Case{"Line", ""}}) {
    Box(c.box)->SetText(c.text);
    EXPECT_EQ(Box(c.box)->Text(), c.text) << c.box;
  }
  EXPECT_EQ(Box("Line")->Text(), "");
}

TEST_F(InputUnitsTest, FirstTextComesFromTheCaption) { EXPECT_EQ(Box("Line")->Text(), "初始"); }

TEST_F(InputUnitsTest, PasswordBoxShowsStarsAndReadsAsTyped) {
  framework::EditBox* secret = Box("Secret");
  EXPECT_TRUE(secret->IsPassword());
  EXPECT_FALSE(Box("Line")->IsPassword());
  secret->Widget()->setFocus();
  QTest::keyClicks(secret->Widget(), "abc");
  EXPECT_EQ(secret->Text(), "abc");
  EXPECT_EQ(static_cast<QLineEdit*>(secret->Widget())->displayText(), "***");
}

TEST_F(InputUnitsTest, ContentChangedFollowsTypingAndSetting) {
  for (const char* name : {"Line", "Lines"}) {
    int changes = 0;
    Box(name)->OnChange = [&changes] { ++changes; };
    Box(name)->SetText("x");
    QTest::keyClicks(Box(name)->Widget(), "y");
    EXPECT_EQ(changes, 2) << name;
  }
}

TEST_F(InputUnitsTest, SeveralLinesBreakAtTheUsersReturn) {
  framework::EditBox* lines = Box("Lines");
  EXPECT_TRUE(lines->IsMultiLine());
  QTest::keyClicks(lines->Widget(), "a");
  QTest::keyClick(lines->Widget(), Qt::Key_Return);
  QTest::keyClicks(lines->Widget(), "b");
  EXPECT_EQ(lines->Text(), "a\r\nb");
}

}  // namespace
