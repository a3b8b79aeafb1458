#include "platform/window_class.h"

#include <algorithm>
#include <map>

#include "platform/ansi_text.h"
#include "platform/static_class.h"

namespace platform {
namespace {

std::string ClassKey(std::string className) {
  std::transform(className.begin(), className.end(), className.begin(), AsciiLower);
  return className;
}

std::map<std::string, WindowClass>& Classes() {
  static auto* classes = new std::map<std::string, WindowClass>{
      {ClassKey("static"), StaticWindowClass()},
  };
  return *classes;
}

}  // namespace

bool RegisterWindowClass(const std::string& className, WNDPROC classProc, WidgetFactory factory) {
  if (className.empty() || classProc == nullptr || !factory) return false;
  return Classes().emplace(ClassKey(className), WindowClass{classProc, std::move(factory)}).second;
}

const WindowClass* FindWindowClass(const std::string& className) {
  const auto found = Classes().find(ClassKey(className));
  return found == Classes().end() ? nullptr : &found->second;
}

}  // namespace platform
