#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "framework/check_box.h"
#include "framework/colour_picker.h"
#include "framework/combo_box.h"
#include "framework/common_dialog.h"
#include "framework/page_control.h"
#include "framework_fixture.h"

namespace {

framework::WindowDefinition ChoiceWindow() {
  using framework::ControlDefinition;
  using framework::ControlKind;
  return framework::WindowDefinition(
      "ChoiceWindow", "", {40, 40, 493, 361},
      {ControlDefinition(ControlKind::TabControl, "Tabs", {8, 16, 472, 304}).WithPages({"智能提示", "语法高亮"}),
       ControlDefinition(ControlKind::CheckBox, "Whole", {16, 48, 120, 16}, "全字匹配").OnParent("Tabs", 0),
       ControlDefinition(ControlKind::ComboBox, "Type", {8, 264, 120, 20})
           .OnParent("Tabs", 0)
           .WithItems({"关键字", "命令", "常量"}),
       ControlDefinition(ControlKind::ColourPicker, "Comment", {104, 107, 72, 20}).OnParent("Tabs", 1),
       ControlDefinition(ControlKind::CommonDialog, "Fonts").ForFonts()});
}

class ChoiceUnitsTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form_ = LoadSample(ChoiceWindow());
    ASSERT_NE(form_, nullptr);
  }

  framework::Form* form_ = nullptr;
};

TEST_F(ChoiceUnitsTest, CheckMarkAndEnabledAreIndependent) {
  auto* box = form_->Find<framework::CheckBox>("Whole");
  EXPECT_EQ(box->Caption(), "全字匹配");
  int clicks = 0;
  box->OnClick = [&clicks] { ++clicks; };
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(4, box->Height() / 2));
  EXPECT_TRUE(box->Checked());
  box->SetEnabled(false);
  EXPECT_TRUE(box->Checked());
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(4, box->Height() / 2));
  EXPECT_TRUE(box->Checked());
  box->SetChecked(false);
  box->SetEnabled(true);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ChoiceUnitsTest, ComboBoxStartsWithoutSelectionAndKeepsItsItems) {
  auto* combo = form_->Find<framework::ComboBox>("Type");
  EXPECT_EQ(combo->Selection(), -1);
  ASSERT_EQ(combo->ItemCount(), 3);
  EXPECT_EQ(combo->ItemText(1), "命令");
  EXPECT_EQ(combo->ItemText(3), "");
  for (const int item : {2, 0}) {
    combo->SetSelection(item);
    EXPECT_EQ(combo->Selection(), item);
  }
  for (const int outside : {-1, 3, -5}) {
    combo->SetSelection(outside);
    EXPECT_EQ(combo->Selection(), -1) << outside;
  }
}

TEST_F(ChoiceUnitsTest, TabControlHoldsItsPages) {
  auto* tabs = form_->Find<framework::PageControl>("Tabs");
  ASSERT_EQ(tabs->PageCount(), 2);
  EXPECT_EQ(tabs->PageCaption(1), "语法高亮");
  EXPECT_EQ(form_->Find<framework::ColourPicker>("Comment")->Widget()->parentWidget(), tabs->Page(1));
}

TEST_F(ChoiceUnitsTest, ColourPickerShowsOnlyAChosenColour) {
  form_->Find<framework::PageControl>("Tabs")->SetCurrentPage(1);
  auto* picker = form_->Find<framework::ColourPicker>("Comment");
  int changes = 0;
  picker->OnColourChanged = [&changes] { ++changes; };
  picker->SetColour(255);
  reply_.colour = std::nullopt;
  QTest::mouseClick(picker->Widget(), Qt::LeftButton);
  EXPECT_EQ(picker->Colour(), 255);
  reply_.colour = 16711680;
  QTest::mouseClick(picker->Widget(), Qt::LeftButton);
  EXPECT_EQ(picker->Colour(), 16711680);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[0].kind, framework::DialogKind::Colour);
  EXPECT_EQ(requests_[0].colour, 255);
  EXPECT_EQ(requests_[0].owner, form_->Frame());
}

TEST_F(ChoiceUnitsTest, FontDialogStartsFromTheLastFontChosen) {
  auto* fonts = form_->Find<framework::CommonDialog>("Fonts");
  EXPECT_EQ(fonts->DialogKind(), framework::CommonDialog::Font);
  EXPECT_FALSE(fonts->Show());
  EXPECT_EQ(fonts->ChosenFont(), framework::FontChoice{});
  const framework::FontChoice mono{"DejaVu Sans Mono", 14};
  reply_.font = mono;
  EXPECT_TRUE(fonts->Show());
  EXPECT_EQ(fonts->ChosenFont(), mono);
  reply_.font = {};
  EXPECT_FALSE(fonts->Show());
  EXPECT_EQ(fonts->ChosenFont(), mono);
  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_EQ(requests_[0].kind, framework::DialogKind::Font);
  EXPECT_EQ(requests_[0].font, framework::FontChoice{});
  EXPECT_EQ(requests_[2].font, mono);
}

}  // namespace
