#include "platform/hot_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/key_codes.h"
#include "platform/window.h"

namespace platform {
namespace {

struct HotKey {
  HWND window;
  int id;
  UINT modifiers;  // without MOD_NOREPEAT
  UINT virtualKey;
  bool repeats;
};

UINT ModifiersOf(const QKeyEvent* key) {
  const Qt::KeyboardModifiers held = key->modifiers();
  UINT modifiers = 0;
  if (held & Qt::AltModifier) modifiers |= MOD_ALT;
  if (held & Qt::ControlModifier) modifiers |= MOD_CONTROL;
  if (held & Qt::ShiftModifier) modifiers |= MOD_SHIFT;
  if (held & Qt::MetaModifier) modifiers |= MOD_WIN;
  return modifiers;
}

// Sees every key before any window of the program does. It takes the shortcut override too,
// so that no shortcut of the focus window claims a hot key before its key press arrives.
class HotKeyFilter final : public QObject {
 public:
  // Once the application exists.
  void Install() {
    if (installed_) return;
    QCoreApplication::instance()->installEventFilter(this);
    installed_ = true;
  }

  std::vector<HotKey>& Keys() {
    // Hot keys of destroyed windows are free again.
    std::erase_if(keys_, [](const HotKey& hotKey) { return !IsWindow(hotKey.window); });
    return keys_;
  }

  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const auto hotKey = Find(ModifiersOf(key), static_cast<UINT>(VirtualKeyFromQtKey(key->key())));
    if (!hotKey) return false;
    event->accept();
    if (type == QEvent::KeyPress && (hotKey->repeats || !key->isAutoRepeat())) {
      PostMessageA(hotKey->window, WM_HOTKEY, static_cast<WPARAM>(hotKey->id),
                   MAKELPARAM(static_cast<int>(hotKey->modifiers), static_cast<int>(hotKey->virtualKey)));
    }
    return true;
  }

  std::optional<HotKey> Find(UINT modifiers, UINT virtualKey) {
    const std::vector<HotKey>& keys = Keys();
    const auto found = std::find_if(keys.begin(), keys.end(), [&](const HotKey& hotKey) {
      return hotKey.modifiers == modifiers && hotKey.virtualKey == virtualKey;
    });
    return found == keys.end() ? std::nullopt : std::optional<HotKey>(*found);
  }

 private:
  std::vector<HotKey> keys_;
  bool installed_ = false;
};

HotKeyFilter& Filter() {
  static auto* const filter = new HotKeyFilter;
  return *filter;
}

}  // namespace

BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtualKey) {
  if (!IsWindow(window) || virtualKey == 0 || virtualKey > 255) return FALSE;
  const UINT held = modifiers & ~MOD_NOREPEAT;
  if (Filter().Find(held, virtualKey)) return FALSE;
  Filter().Install();
  Filter().Keys().push_back({window, id, held, virtualKey, (modifiers & MOD_NOREPEAT) == 0});
  return TRUE;
}

BOOL UnregisterHotKey(HWND window, int id) {
  const auto erased = std::erase_if(
      Filter().Keys(), [&](const HotKey& hotKey) { return hotKey.window == window && hotKey.id == id; });
  return erased > 0 ? TRUE : FALSE;
}

}  // namespace platform
