// What shows in a menu item's check-mark place: a check, a radio mark or the item's pictures.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QImage>
#include <QMenu>
#include <QWidget>

#include "platform/bitmap.h"
#include "platform/bitmap_registry.h"
#include "platform/menu.h"
#include "platform/popup_menu_view.h"
#include "platform/window.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace platform;

class MenuItemMarks : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    for (const UINT id : {1u, 2u, 3u}) AppendMenuA(menu, MF_STRING, id, "");
  }
  void TearDown() override {
    DestroyMenu(menu);
    TempDirTest::TearDown();
  }

  // A picture file of one colour.
  std::string Picture(const std::string& name, QSize size, Qt::GlobalColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QString::fromStdString(PathOf(name)), "BMP"));
    return PathOf(name);
  }
  HBITMAP Load(const std::string& path, int width, int height) {
    return LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, width, height, LR_LOADFROMFILE);
  }
  // The view as it shows now: the action of the item at that position.
  QAction* Shown(int position) {
    FillMenuView(&view, menu, owner);
    return view.actions()[position];
  }

  HMENU menu = CreatePopupMenu();
  QWidget top;
  HWND owner = WindowFromWidget(&top);
  QMenu view;
};

TEST_F(MenuItemMarks, PicturesLoadFromFilesScaledToTheSizeAsked) {
  const std::string path = Picture("11.bmp", {40, 30}, Qt::red);
  struct Case {
    int width;
    int height;
    QSize loaded;
  };
  for (const Case& c : {Case{13, 13, {13, 13}}, Case{0, 0, {40, 30}}, Case{0, 10, {40, 10}}}) {
    const HBITMAP bitmap = Load(path, c.width, c.height);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(FindBitmap(bitmap).size(), c.loaded);
  }
  EXPECT_EQ(Load(PathOf("missing.bmp"), 13, 13), nullptr);
  EXPECT_EQ(Load(Dir(), 13, 13), nullptr);  // a folder is no picture
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), 1, 13, 13, LR_LOADFROMFILE), nullptr);  // an icon
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 13, 13, 0), nullptr);   // a resource
}

TEST_F(MenuItemMarks, TheUncheckedPictureIsTheIconAndTheCheckedOneShowsWhenChecked) {
  const HBITMAP red = Load(Picture("red.bmp", {20, 20}, Qt::red), 13, 13);
  const HBITMAP blue = Load(Picture("blue.bmp", {20, 20}, Qt::blue), 13, 13);
  ASSERT_TRUE(SetMenuItemBitmaps(menu, 1, MF_BYCOMMAND, red, blue));
  ASSERT_TRUE(SetMenuItemBitmaps(menu, 1, MF_BYPOSITION, red, nullptr));
  const auto colour = [](const QAction* action) {
    return action->icon().pixmap(13, 13).toImage().pixelColor(6, 6);
  };
  EXPECT_FALSE(Shown(0)->isCheckable());  // the picture takes the check mark's place
  EXPECT_EQ(colour(Shown(0)), QColor(Qt::red));
  EXPECT_EQ(Shown(0)->icon().actualSize(QSize(64, 64)), QSize(13, 13));
  CheckMenuItem(menu, 1, MF_CHECKED);
  EXPECT_EQ(colour(Shown(0)), QColor(Qt::blue));
  CheckMenuItem(menu, 2, MF_CHECKED);
  EXPECT_TRUE(Shown(1)->icon().isNull());  // no checked picture: nothing
  EXPECT_FALSE(Shown(1)->isChecked());
  ModifyMenuA(menu, 1, MF_BYCOMMAND | MF_STRING, 1, "新");  // the pictures stay
  EXPECT_EQ(colour(Shown(0)), QColor(Qt::red));
  SetMenuItemBitmaps(menu, 1, MF_BYCOMMAND, nullptr, nullptr);
  CheckMenuItem(menu, 1, MF_CHECKED);
  EXPECT_TRUE(Shown(0)->icon().isNull());
  EXPECT_TRUE(Shown(0)->isChecked());
  EXPECT_FALSE(SetMenuItemBitmaps(menu, 9, MF_BYCOMMAND, red, blue));
}

TEST_F(MenuItemMarks, ARadioCheckShowsAsARadioMark) {
  CheckMenuItem(menu, 1, MF_CHECKED);
  const QAction* plain = Shown(0);
  EXPECT_TRUE(plain->isChecked());
  EXPECT_EQ(plain->actionGroup(), nullptr);
  CheckMenuRadioItem(menu, 1, 3, 2, MF_BYCOMMAND);
  EXPECT_FALSE(Shown(0)->isChecked());
  const QAction* radio = Shown(1);
  EXPECT_TRUE(radio->isChecked());
  ASSERT_NE(radio->actionGroup(), nullptr);
  EXPECT_TRUE(radio->actionGroup()->isExclusive());
  EXPECT_LE(view.findChildren<QActionGroup*>().size(), 1);  // earlier fillings' groups go
}

}  // namespace
