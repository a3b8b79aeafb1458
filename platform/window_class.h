// The registered window classes, looked up by name without regard to letter case as Windows
// does. The built-in class "static" is there from the first lookup on; others are registered.
#pragma once

#include <string>

#include "platform/window.h"

namespace platform {

struct WindowClass {
  WNDPROC procedure = nullptr;
  WidgetFactory factory;
};

const WindowClass* FindWindowClass(const std::string& className);  // null when unknown

}  // namespace platform
