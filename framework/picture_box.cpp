#include "framework/picture_box.h"

#include <QImageReader>
#include <QLabel>
#include <QMovie>

#include "framework/picture_file.h"

namespace framework {

namespace {

void ShowPicture(QLabel* box, const QString& path) {
  QImageReader reader(path);
  if (!reader.supportsAnimation() || reader.imageCount() < 2) {
    box->setPixmap(QPixmap(path));
    return;
  }
  auto* movie = new QMovie(path, QByteArray(), box);
  QObject::connect(movie, &QMovie::finished, movie, &QMovie::start);
  box->setMovie(movie);
  movie->start();
}

}  // namespace

PictureBox::PictureBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QLabel(parent)) {
  auto* box = static_cast<QLabel*>(Widget());
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (!definition.picture.empty()) ShowPicture(box, PictureFilePath(definition.picture));
}

}  // namespace framework
