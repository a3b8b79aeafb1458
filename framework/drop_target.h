// Drop target: once registered on a window, files and text dropped on it reach the handlers
// as 8-bit texts. Not shown on the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

class QDropEvent;
class QMimeData;

namespace framework {

class DropTarget : public Unit, private QObject {
 public:
  explicit DropTarget(const ControlDefinition& definition);

  // False for a handle that names no window. A second registration moves the target.
  bool Register(platform::HWND window);

  // A drop of several files hands over the first of them.
  std::function<void(const std::string& path)> OnFileDropped;
  std::function<void(const std::string& text)> OnTextDropped;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  static bool Accepts(const QMimeData* data);
  void Deliver(const QMimeData* data);

  QPointer<QWidget> window_;
};

}  // namespace framework
