#include "framework/list_box.h"

#include <QListWidget>
#include <QTest>

#include "framework_fixture.h"

namespace {

class ListBoxTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    list_ = LoadSample(GroupedSampleWindow())->Find<framework::ListBox>("RecentList");
    for (const char* row : {"b.c", "最近.c", "a.c", "b.c"}) list_->AddRow(row);
  }

  QListWidget* View() const { return static_cast<QListWidget*>(list_->Widget()); }
  QPoint RowCentre(int row) const { return View()->visualItemRect(View()->item(row)).center(); }

  framework::ListBox* list_ = nullptr;
};

TEST_F(ListBoxTest, RowsKeepTheOrderTheyWereAddedIn) {
  EXPECT_EQ(list_->RowCount(), 4);
  EXPECT_EQ(list_->AddRow("0.c"), 4);
  std::vector<std::string> rows;
  for (int row = 0; row <= list_->RowCount(); ++row) rows.push_back(list_->RowText(row));
  EXPECT_EQ(rows, (std::vector<std::string>{"b.c", "最近.c", "a.c", "b.c", "0.c", ""}));
  EXPECT_EQ(list_->RowText(-1), "");

  EXPECT_EQ(list_->SelectedRow(), -1);
  list_->SelectRow(3);
  EXPECT_EQ(list_->SelectedRow(), 3);
  list_->SelectRow(9);
  EXPECT_EQ(list_->SelectedRow(), -1);
  list_->SelectRow(1);
  list_->Clear();
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_EQ(list_->SelectedRow(), -1);
}

TEST_F(ListBoxTest, DoubleClickReportsTheRowUnderTheMouseAndNothingBesideTheRows) {
  std::vector<int> rows;
  list_->OnDoubleClick = [&](int row) {
    rows.push_back(row);
    EXPECT_EQ(list_->SelectedRow(), row);
  };
  // A real double click begins with a click, which selects the row.
  QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, RowCentre(2));
  QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, RowCentre(2));
  QTest::mouseDClick(View()->viewport(), Qt::RightButton, {}, RowCentre(1));
  const QPoint belowTheRows(RowCentre(3).x(), View()->viewport()->height() - 2);
  QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, belowTheRows);
  QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, belowTheRows);
  EXPECT_EQ(rows, std::vector<int>{2});
}

}  // namespace
