#include "framework/image_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>

namespace {

TEST(ImageList, PicturesThatCannotBeReadLeaveTheirIndexEmpty) {
  char dir[] = "/tmp/tavo-images-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string picture = std::string(dir) + "/0.png";
  QImage image(24, 20, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QString(picture.c_str())));

  const framework::ImageList images({picture, std::string(dir) + "/missing.png"});
  EXPECT_FALSE(images.Icon(0).isNull());
  EXPECT_TRUE(images.Icon(1).isNull());
  EXPECT_TRUE(images.Icon(2).isNull());
  EXPECT_TRUE(images.Icon(-1).isNull());
  EXPECT_EQ(images.PictureSize(), QSize(24, 20));
  EXPECT_EQ(framework::ImageList({}).PictureSize(), QSize(16, 16));

  unlink(picture.c_str());
  rmdir(dir);
}

}  // namespace
