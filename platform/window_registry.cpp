#include "platform/window_registry.h"

#include <QHash>
#include <unordered_map>

#include "platform/handle_id.h"

namespace platform {
namespace {

struct Entry {
  WindowRecord record;
  const QWidget* key;  // the widget as registered, still known once its QPointer is cleared
};

struct Registry {
  std::unordered_map<std::uintptr_t, Entry> records;
  QHash<const QWidget*, std::uintptr_t> handles;
};

// Never destroyed: widgets can outlive static destruction order.
Registry& TheRegistry() {
  static auto* registry = new Registry;
  return *registry;
}

}  // namespace

HWND RegisterWindow(QWidget* widget, WNDPROC classProcedure) {
  const std::uintptr_t id = NewHandleId();
  WindowRecord record;
  record.widget = widget;
  record.procedure = classProcedure;
  record.classProcedure = classProcedure;
  TheRegistry().records.emplace(id, Entry{std::move(record), widget});
  TheRegistry().handles.insert(widget, id);
  const HWND window = HandleFromId<HWND>(id);
  QObject::connect(widget, &QObject::destroyed, [window] { DropWindow(window); });
  return window;
}

void DropWindow(HWND window) {
  Registry& registry = TheRegistry();
  const auto found = registry.records.find(IdOfHandle(window));
  if (found == registry.records.end()) return;
  registry.handles.remove(found->second.key);
  registry.records.erase(found);
}

WindowRecord* FindWindowRecord(HWND window) {
  auto& records = TheRegistry().records;
  const auto found = records.find(IdOfHandle(window));
  if (found == records.end() || found->second.record.widget.isNull()) return nullptr;
  return &found->second.record;
}

HWND FindWindowHandle(const QWidget* widget) {
  const auto& handles = TheRegistry().handles;
  const auto found = handles.find(widget);
  return found == handles.end() ? nullptr : HandleFromId<HWND>(found.value());
}

HWND FindOwningWindow(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (const HWND window = FindWindowHandle(widget)) return window;
  }
  return nullptr;
}

}  // namespace platform
