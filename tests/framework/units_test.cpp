#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>

#include "framework/label.h"
#include "framework/list_view.h"
#include "framework/page_control.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"
#include "framework_fixture.h"
#include "platform/code_page.h"
#include "platform/window.h"

namespace {

void ClickButton(framework::Toolbar& toolbar, int index) {
  auto* bar = static_cast<QToolBar*>(toolbar.Widget());
  QTest::mouseClick(bar->widgetForAction(bar->actions().at(index)), Qt::LeftButton);
}

class ToolbarTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    toolbar_ = LoadSample()->Find<framework::Toolbar>("Tools");
    toolbar_->OnButtonClick = [this](int index) { clicks_.push_back(index); };
  }

  framework::Toolbar* toolbar_ = nullptr;
  std::vector<int> clicks_;
};

TEST_F(ToolbarTest, ClickIndexCountsSeparators) {
  ClickButton(*toolbar_, 0);
  ClickButton(*toolbar_, 3);
  EXPECT_EQ(clicks_, (std::vector<int>{0, 3}));
}

TEST_F(ToolbarTest, CheckedStateChangesOnlyWhenSet) {
  EXPECT_TRUE(toolbar_->IsButtonChecked(2));
  ClickButton(*toolbar_, 2);
  EXPECT_TRUE(toolbar_->IsButtonChecked(2));
  toolbar_->SetButtonChecked(2, false);
  EXPECT_FALSE(toolbar_->IsButtonChecked(2));
  ClickButton(*toolbar_, 2);
  EXPECT_FALSE(toolbar_->IsButtonChecked(2));
  EXPECT_EQ(clicks_, (std::vector<int>{2, 2}));
}

TEST_F(ToolbarTest, DisabledButtonReportsNoClick) {
  toolbar_->SetButtonDisabled(3, true);
  EXPECT_TRUE(toolbar_->IsButtonDisabled(3));
  ClickButton(*toolbar_, 3);
  toolbar_->SetButtonDisabled(3, false);
  ClickButton(*toolbar_, 3);
  EXPECT_EQ(clicks_, (std::vector<int>{3}));
}

TEST_F(ToolbarTest, InsertAndDeleteShiftTheIndexes) {
  ASSERT_TRUE(toolbar_->DeleteButton(0));
  EXPECT_EQ(toolbar_->ButtonToolTip(2), "three");
  ASSERT_TRUE(toolbar_->InsertButton(0, framework::ToolbarButtonDefinition::Button(12, "Welcome")));
  EXPECT_EQ(toolbar_->ButtonCount(), 4);
  EXPECT_EQ(toolbar_->ButtonToolTip(0), "Welcome");
  EXPECT_EQ(toolbar_->ButtonToolTip(3), "three");
  EXPECT_TRUE(toolbar_->InsertButton(4, framework::ToolbarButtonDefinition::Separator()));
  EXPECT_FALSE(toolbar_->InsertButton(6, framework::ToolbarButtonDefinition::Separator()));
  EXPECT_FALSE(toolbar_->DeleteButton(5));
  ClickButton(*toolbar_, 0);
  ClickButton(*toolbar_, 3);
  EXPECT_EQ(clicks_, (std::vector<int>{0, 3}));
}

TEST_F(FrameworkTest, StatusBarPartsCountFromZero) {
  auto* status = LoadSample()->Find<framework::StatusBar>("Status");
  EXPECT_EQ(status->PartCount(), 3);
  EXPECT_EQ(status->PartText(0), "行");
  EXPECT_TRUE(status->SetPartText(2, "暂未保存"));
  EXPECT_EQ(status->PartText(2), "暂未保存");
  EXPECT_TRUE(status->SetPartText(1, "<b>12</b>"));  // shown as it stands
  EXPECT_EQ(status->PartText(1), "<b>12</b>");
  EXPECT_FALSE(status->SetPartText(3, "x"));
  EXPECT_EQ(status->PartText(-1), "");
}

// The definition gives the bar 20 pixels; a larger font gets the room it needs.
TEST_F(FrameworkTest, StatusBarPartsShowTheirTextWhole) {
  const QFont saved = QApplication::font();
  QFont large = saved;
  large.setPixelSize(24);
  QApplication::setFont(large);
  framework::Form* form = LoadSample();
  auto* status = form->Find<framework::StatusBar>("Status");
  QApplication::setFont(saved);
  const QList<QLabel*> parts = status->Widget()->findChildren<QLabel*>();
  ASSERT_EQ(parts.size(), status->PartCount());
  for (const QLabel* label : parts) EXPECT_GE(label->contentsRect().height(), label->fontMetrics().height());
}

// A part is at least as wide as defined, and wider where its text needs it.
TEST_F(FrameworkTest, StatusBarPartsGrowForTheirText) {
  auto* status = LoadSample()->Find<framework::StatusBar>("Status");
  const QList<QLabel*> parts = status->Widget()->findChildren<QLabel*>();
  ASSERT_GE(parts.size(), 2);
  QLabel* part = parts[1];
  status->Widget()->layout()->activate();
  const int defined = part->width();
  for (const char* text : {"1", "2147483647 2147483647"}) {
    ASSERT_TRUE(status->SetPartText(1, text));
    status->Widget()->layout()->activate();
    EXPECT_GE(part->width(), defined) << text;
    EXPECT_GE(part->contentsRect().width(), part->fontMetrics().horizontalAdvance(part->text())) << text;
  }
}

TEST_F(FrameworkTest, PageControlShowsHidesAndMoves) {
  framework::Form* form = LoadSample();
  auto* panel = form->Find<framework::PageControl>("Panel");
  auto* output = form->Find<framework::ListView>("Output");
  EXPECT_EQ(panel->PageCount(), 2);
  EXPECT_EQ(panel->PageCaption(1), "搜索表");
  EXPECT_EQ(panel->CurrentPage(), 0);
  EXPECT_FALSE(output->Widget()->isVisible());  // on the page behind
  panel->SetCurrentPage(1);
  EXPECT_TRUE(output->Widget()->isVisible());
  panel->SetCurrentPage(7);
  EXPECT_EQ(panel->CurrentPage(), 1);

  panel->SetVisible(false);
  EXPECT_FALSE(panel->Visible());
  EXPECT_FALSE(output->Widget()->isVisible());
  panel->SetVisible(true);
  EXPECT_TRUE(output->Widget()->isVisible());

  panel->SetTop(100);
  panel->SetWidth(300);
  EXPECT_EQ((std::vector<int>{panel->Left(), panel->Top(), panel->Width(), panel->Height()}),
            (std::vector<int>{1, 100, 300, 120}));
}

TEST_F(FrameworkTest, LabelFeedbackReachesItsHandler) {
  auto* label = LoadSample()->Find<framework::Label>("HotKeys");
  EXPECT_EQ(label->RaiseFeedback(33001), 0);  // no handler yet
  EXPECT_EQ(platform::SendMessageA(label->Handle(), framework::kLabelFeedbackMessage, 33001, 0), 0);
  std::vector<int> values;
  label->OnFeedback = [&](int value) {
    values.push_back(value);
    return 1;
  };
  EXPECT_EQ(label->RaiseFeedback(33004), 1);
  EXPECT_EQ(platform::SendMessageA(label->Handle(), framework::kLabelFeedbackMessage, 33006, 0), 1);
  platform::SendMessageA(label->Handle(), framework::kLabelFeedbackMessage + 1, 33002, 0);  // not feedback
  EXPECT_EQ(values, (std::vector<int>{33004, 33006}));
  EXPECT_EQ(label->Caption(), "hot");
}

TEST_F(FrameworkTest, LabelActsOnADoubleClickOnly) {
  auto* label = LoadSample(GroupedSampleWindow())->Find<framework::Label>("New");
  int doubleClicks = 0;
  label->OnDoubleClick = [&] { ++doubleClicks; };
  QTest::mouseClick(label->Widget(), Qt::LeftButton);
  EXPECT_EQ(doubleClicks, 0);
  QTest::mouseDClick(label->Widget(), Qt::LeftButton);
  EXPECT_EQ(doubleClicks, 1);
  QTest::mouseDClick(label->Widget(), Qt::RightButton);
  EXPECT_EQ(doubleClicks, 1);
}

QImage Rendered(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  widget.render(&image);
  return image;
}

// "新建(&O)" shows as "新建(O)" with the O underlined: the two renderings differ only in the
// line under the O, not by an "&" that would move the letters after it.
TEST_F(FrameworkTest, LabelShowsItsMnemonicUnderlinedInPlaceOfTheAmpersand) {
  framework::Form* form = LoadSample(GroupedSampleWindow());
  auto* label = form->Find<framework::Label>("New");
  EXPECT_EQ(label->Caption(), "新建(&O)");
  const QImage withMnemonic = Rendered(*label->Widget());
  label->SetCaption("新建(O)");
  const QImage plain = Rendered(*label->Widget());
  std::vector<int> differingRows;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) != withMnemonic.pixel(x, y)) {
        differingRows.push_back(y);
        break;
      }
    }
  }
  ASSERT_FALSE(differingRows.empty());
  EXPECT_LE(differingRows.back() - differingRows.front(), 2);
}

TEST_F(FrameworkTest, GroupBoxPlacesItsControlsRelativeToItself) {
  framework::Form* form = LoadSample(GroupedSampleWindow());
  const auto placement = [form](const char* name) {
    const QWidget* widget = form->Find<framework::WidgetUnit>(name)->Widget();
    return QRect(widget->mapTo(form->ClientArea(), QPoint(0, 0)), widget->size());
  };
  EXPECT_EQ(placement("Recent"), QRect(264, 98, 240, 232));
  EXPECT_EQ(placement("RecentList"), QRect(264 + 8, 98 + 16, 224, 176));
  EXPECT_EQ(placement("New"), QRect(264 + 14, 98 + 200, 64, 24));
  EXPECT_TRUE(form->Find<framework::WidgetUnit>("RecentList")->Widget()->isVisible());
}

class ListViewTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    framework::Form* form = LoadSample();
    form->Find<framework::PageControl>("Panel")->SetCurrentPage(1);
    list_ = form->Find<framework::ListView>("Output");
    list_->AddRow({"9:5:7", "错误", "12"}, 0);
    list_->AddRow({"9:5:8"});
    list_->AddRow({"9:5:9", "b", "c", "beyond the columns"});
  }

  QPoint RowCentre(int row) const {
    auto* tree = static_cast<QTreeView*>(list_->Widget());
    return tree->visualRect(tree->model()->index(row, 0)).center();
  }
  QWidget* Viewport() const { return static_cast<QTreeView*>(list_->Widget())->viewport(); }

  framework::ListView* list_ = nullptr;
};

TEST_F(ListViewTest, RowsHoldTheirCells) {
  EXPECT_EQ(list_->RowCount(), 3);
  EXPECT_EQ(list_->Cell(0, 1), "错误");
  EXPECT_EQ(list_->Cell(1, 2), "");
  EXPECT_EQ(list_->Cell(3, 0), "");
  EXPECT_EQ(list_->Cell(0, 3), "");
  list_->SetCell(1, 2, "34");
  EXPECT_EQ(list_->Cell(1, 2), "34");
  EXPECT_EQ(list_->ColumnWidth(2), 0);
  EXPECT_EQ(list_->SelectedRow(), -1);
  list_->SelectRow(2);
  EXPECT_EQ(list_->SelectedRow(), 2);
  list_->SelectRow(-1);
  EXPECT_EQ(list_->SelectedRow(), -1);
  list_->Clear();
  EXPECT_EQ(list_->RowCount(), 0);
}

// A cell that holds a line of the document with its line break shows on the row's one line;
// the cell itself keeps what it was given.
TEST_F(ListViewTest, ACellShowsOnOneLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"    printf(\"hello\");\r\n", "    printf(\"hello\");"},
      {"a\nb\r\nc\rd\n\n", "a b c d"},
      {"plain", "plain"},
  };
  auto* tree = static_cast<QTreeView*>(list_->Widget());
  for (const auto& [cell, shown] : cases) {
    list_->SetCell(0, 1, cell);
    EXPECT_EQ(list_->Cell(0, 1), cell);
    EXPECT_EQ(tree->model()->index(0, 1).data().toString(), platform::AnsiToQString(shown));
    EXPECT_EQ(tree->sizeHintForRow(0), tree->sizeHintForRow(1)) << cell;
  }
}

TEST_F(ListViewTest, MouseEventsCarryTheRowAlreadySelected) {
  std::vector<std::pair<std::string, int>> events;
  auto record = [&](const char* kind) {
    return [&events, kind, this](int row) {
      events.emplace_back(kind, row);
      EXPECT_EQ(list_->SelectedRow(), row);
    };
  };
  list_->OnClick = record("click");
  list_->OnRightClick = record("right");
  list_->OnDoubleClick = record("double");

  QTest::mouseClick(Viewport(), Qt::LeftButton, {}, RowCentre(1));
  QTest::mouseClick(Viewport(), Qt::RightButton, {}, RowCentre(2));
  // A real double click begins with a click, which selects the row.
  QTest::mouseClick(Viewport(), Qt::LeftButton, {}, RowCentre(0));
  QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, RowCentre(0));
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], std::make_pair(std::string("click"), 1));
  EXPECT_EQ(events[1], std::make_pair(std::string("right"), 2));
  EXPECT_EQ(std::count(events.begin(), events.end(), std::make_pair(std::string("double"), 0)), 1);

  events.clear();
  list_->Clear();
  list_->OnClick = [&](int row) { events.emplace_back("click", row); };
  QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(events, (std::vector<std::pair<std::string, int>>{{"click", -1}}));
}

}  // namespace
