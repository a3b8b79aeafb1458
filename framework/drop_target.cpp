#include "framework/drop_target.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/code_page.h"
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
  window_ = widget;
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
  return true;
}

bool DropTarget::Accepts(const QMimeData* data) {
  return data != nullptr && (!FirstLocalFile(data).isEmpty() || data->hasText());
}

void DropTarget::Deliver(const QMimeData* data) {
  const QString file = FirstLocalFile(data);
  if (!file.isEmpty()) {
    if (OnFileDropped) OnFileDropped(platform::QStringToAnsi(file));
  } else if (OnTextDropped) {
    OnTextDropped(platform::QStringToAnsi(data->text()));
  }
}

bool DropTarget::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (!Accepts(drag->mimeData())) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!Accepts(drop->mimeData())) return false;
      drop->acceptProposedAction();
      Deliver(drop->mimeData());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace framework
