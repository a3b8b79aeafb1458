// The units that take some of their window's messages before the window's own procedure does:
// each unit by its window, with the procedure it passes the other messages on to.
#pragma once

#include <optional>
#include <unordered_map>

#include "platform/window.h"
#include "platform/window_subclass.h"

namespace framework {

// Take gives a message's result when the unit takes the message, nothing when it passes it on.
template <typename Unit, std::optional<platform::LRESULT> (*Take)(Unit&, platform::UINT, platform::WPARAM)>
class UnitSubclass {
 public:
  static void Add(Unit* unit, platform::HWND window) {
    Windows()[window] = {unit, platform::SubclassWindow(window, &Procedure)};
  }

  // The window may be gone already; its handle is never reused.
  static void Remove(const Unit* unit) {
    std::erase_if(Windows(), [unit](const auto& entry) { return entry.second.unit == unit; });
  }

 private:
  struct Entry {
    Unit* unit;
    platform::WNDPROC previous;
  };

  static std::unordered_map<platform::HWND, Entry>& Windows() {
    static auto* const windows = new std::unordered_map<platform::HWND, Entry>;
    return *windows;
  }

  static platform::LRESULT Procedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                     platform::LPARAM lParam) {
    const auto found = Windows().find(window);
    if (found == Windows().end()) return platform::DefWindowProcA(window, message, wParam, lParam);
    if (const auto result = Take(*found->second.unit, message, wParam)) return *result;
    return platform::CallWindowProcA(found->second.previous, window, message, wParam, lParam);
  }
};

}  // namespace framework
