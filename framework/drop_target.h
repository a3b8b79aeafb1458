// Drop target: once registered on a window, files and text dropped on it reach the handlers
// as 8-bit texts. Controls inside the window that take drops of their own (the editor) keep
// their text drops, but a file dropped on them reaches the target too. Not shown on the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

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
  bool Accepts(QObject* watched, const QMimeData* data) const;
  void Deliver(const QMimeData* data);

  QPointer<QWidget> window_;
  std::vector<QPointer<QWidget>> dropTakers_;
};

}  // namespace framework
