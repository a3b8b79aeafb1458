#include "framework/image_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>

#include "tests/support/temporary_folder.h"

namespace {

TEST(ImageList, PicturesThatCannotBeReadLeaveTheirIndexEmpty) {
  const std::string dir = MakeTemporaryFolder("tavo-images");
  ASSERT_FALSE(dir.empty());
  const std::string picture = dir + "/0.png";
  QImage image(24, 20, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QString(picture.c_str())));

  const framework::ImageList images({picture, dir + "/missing.png"});
  EXPECT_FALSE(images.Icon(0).isNull());
  EXPECT_TRUE(images.Icon(1).isNull());
  EXPECT_TRUE(images.Icon(2).isNull());
  EXPECT_TRUE(images.Icon(-1).isNull());
  EXPECT_EQ(images.PictureSize(), QSize(24, 20));
  EXPECT_EQ(framework::ImageList({}).PictureSize(), QSize(16, 16));

  unlink(picture.c_str());
  rmdir(dir.c_str());
}

}  // namespace
