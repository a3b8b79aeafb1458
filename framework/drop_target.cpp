#include "framework/drop_target.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "framework/message_box.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/window.h"

namespace framework {

namespace {

QString FirstLocalFile(const QMimeData* data) {
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return QString();
}

}  // namespace

DropTarget::DropTarget(const ControlDefinition& definition) : Unit(definition.name) {}

bool DropTarget::Register(platform::HWND window) {
  QWidget* widget = platform::WidgetFromWindow(window);
  if (widget == nullptr) return false;
  if (window_) window_->removeEventFilter(this);
  for (const QPointer<QWidget>& taker : dropTakers_) {
    if (taker) taker->removeEventFilter(this);
  }
  dropTakers_.clear();
  window_ = widget;
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    if (!child->acceptDrops()) continue;
    dropTakers_.emplace_back(child);
    child->installEventFilter(this);
  }
  return true;
}

bool DropTarget::Accepts(QObject* watched, const QMimeData* data) const {
  if (data == nullptr) return false;
  if (!FirstLocalFile(data).isEmpty()) return true;
  return watched == window_ && data->hasText();
}

void DropTarget::Deliver(const QMimeData* data) {
  const QString file = FirstLocalFile(data);
  if (!file.isEmpty()) {
    const std::string nativePath = QFile::encodeName(file).toStdString();
    const std::optional<std::string> path = platform::PathFromNative(nativePath);
    if (!path) {
      ShowPathCannotBeUsed(nativePath);
    } else if (OnFileDropped) {
      OnFileDropped(*path);
    }
  } else if (OnTextDropped) {
    OnTextDropped(platform::QStringToAnsi(data->text()));
  }
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (!Accepts(watched, drag->mimeData())) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!Accepts(watched, drop->mimeData())) return false;
      drop->acceptProposedAction();
      Deliver(drop->mimeData());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace framework
