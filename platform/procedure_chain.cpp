#include "platform/procedure_chain.h"

#include <vector>

#include "platform/window.h"
#include "platform/window_registry.h"

namespace platform {
namespace {

struct MessageInFlight {
  HWND window;
  UINT message;
  bool passedOn;
};

std::vector<MessageInFlight>& InFlight() {
  static auto* levels = new std::vector<MessageInFlight>;
  return *levels;
}

class InFlightLevel {
 public:
  InFlightLevel(HWND window, UINT message) { InFlight().push_back({window, message, false}); }
  ~InFlightLevel() { InFlight().pop_back(); }
  InFlightLevel(const InFlightLevel&) = delete;
  InFlightLevel& operator=(const InFlightLevel&) = delete;

  bool passedOn() const { return InFlight().back().passedOn; }
};

}  // namespace

ChainResult RunProcedureChain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || record->procedure == nullptr) return {};
  const WNDPROC procedure = record->procedure;
  InFlightLevel level(window, message);
  const LRESULT result = procedure(window, message, wParam, lParam);
  return {result, level.passedOn(), true};
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunProcedureChain(window, message, wParam, lParam).result;
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
  auto& levels = InFlight();
  if (!levels.empty() && levels.back().window == window && levels.back().message == message) {
    levels.back().passedOn = true;
  }
  return 0;
}

}  // namespace platform
