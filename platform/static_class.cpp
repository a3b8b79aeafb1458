#include "platform/static_class.h"

#include <QFrame>

namespace platform {

WindowClass StaticWindowClass() {
  return {&DefWindowProcA, [](QWidget* parent) -> QWidget* { return new QFrame(parent); }};
}

}  // namespace platform
