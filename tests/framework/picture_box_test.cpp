#include "framework/picture_box.h"

#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <QTest>

#include "framework_fixture.h"

namespace {

class PictureBoxTest : public FrameworkTest {
 protected:
  // Builds a window with a picture box for the file; returns the label that shows the picture.
  QLabel* BoxShowing(const std::string& file) {
    using framework::ControlDefinition;
    framework::Form* form = LoadSample(framework::WindowDefinition(
        "PictureWindow", "", {0, 0, 200, 100},
        {ControlDefinition(framework::ControlKind::PictureBox, "Banner", {5, 5, 100, 50}).WithPicture(file)}));
    return static_cast<QLabel*>(form->Find<framework::PictureBox>("Banner")->Widget());
  }
};

// The fixture's three frames carry no loop count, so by itself the GIF would play once.
TEST_F(PictureBoxTest, AnimatedGifKeepsLooping) {
  QLabel* box = BoxShowing(TAVO_TEST_FIXTURES "/three_frames.gif");
  QMovie* movie = box->movie();
  ASSERT_NE(movie, nullptr);
  EXPECT_EQ(movie->frameCount(), 3);
  int firstFramesShown = 0;
  QObject::connect(movie, &QMovie::frameChanged, [&](int frame) { firstFramesShown += frame == 0; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return firstFramesShown >= 3; }, 5000));
  EXPECT_EQ(movie->state(), QMovie::Running);
}

TEST_F(PictureBoxTest, PngShowsStillAndAnUnreadableFileShowsNothing) {
  QTemporaryDir folder;
  const QString png = folder.filePath("about.png");
  QImage picture(12, 8, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(png));

  const QLabel* still = BoxShowing(png.toStdString());
  EXPECT_EQ(still->movie(), nullptr);
  EXPECT_EQ(still->pixmap().size(), QSize(12, 8));

  for (const std::string& unreadable : {folder.filePath("missing.gif").toStdString(), std::string()}) {
    const QLabel* empty = BoxShowing(unreadable);
    EXPECT_EQ(empty->movie(), nullptr);
    EXPECT_TRUE(empty->pixmap().isNull());
  }
}

}  // namespace
