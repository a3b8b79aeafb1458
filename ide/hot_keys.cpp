#include "ide/hot_keys.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "framework/label.h"
#include "ide/app_globals.h"
#include "ide/commands.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "platform/hot_key.h"
#include "platform/window.h"
#include "platform/window_subclass.h"

using namespace platform;

namespace {

constexpr int kFirstHotKeyId = 33001;

// The window that the hot keys are registered on, with its procedure from before, and the ids
// handed out so far. A new window starts afresh: its keys are all that count.
struct HotKeyWindowState {
  HWND window = nullptr;
  WNDPROC previous = nullptr;
  int nextId = kFirstHotKeyId;
  std::vector<int> ids;
};

HotKeyWindowState HotKeyWindow;

// The keys in the order of their registration, which hands out the ids from 33001, and the
// global that keeps each key's id. What a key does is the command table's.
struct HotKeyRegistration {
  int virtualKey;
  int* id;
};
const HotKeyRegistration kRegistrations[] = {
    {VK_F5, &HotKeyIdCompileRun}, {VK_F3, &HotKeyIdSave},         {VK_F4, &HotKeyIdSearch},
    {VK_F2, &HotKeyIdComment},    {VK_F6, &HotKeyIdPrevBookmark}, {VK_F7, &HotKeyIdNextBookmark},
};

// Compared whole: cut to an int, a wider wParam could pass for a handed-out id.
bool IsHandedOut(WPARAM id) {
  return std::ranges::any_of(HotKeyWindow.ids, [id](int handedOut) { return static_cast<WPARAM>(handedOut) == id; });
}

// Hands each of the window's hot keys to the label, whose feedback runs its action. Once the main
// window has been destroyed its keys do nothing.
LRESULT HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY && IsHandedOut(wParam) && MainWindow != nullptr) {
    SendMessageA(MainWindow->Find<framework::Label>(kHotKeyLabel)->Handle(), framework::kLabelFeedbackMessage,
                 wParam, 0);
    return 0;
  }
  return CallWindowProcA(HotKeyWindow.previous, window, message, wParam, lParam);
}

// An earlier window that is still there gets its own procedure back, so that its messages never
// reach the procedure of the window that takes over.
void ReleaseEarlierWindow() { RemoveSubclass(HotKeyWindow.window, &HotKeyWindowProc, HotKeyWindow.previous); }

void SubclassOnce(HWND window) {
  if (HotKeyWindow.window == window && IsWindow(window)) return;
  ReleaseEarlierWindow();
  HotKeyWindow = HotKeyWindowState();
  HotKeyWindow.window = window;
  HotKeyWindow.previous = SubclassWindow(window, &HotKeyWindowProc);
}

}  // namespace

void ResetHotKeyWindow() { HotKeyWindow = {}; }

int RegisterWindowHotKey(HWND window, UINT virtualKey) {
  SubclassOnce(window);
  const int id = HotKeyWindow.nextId++;
  if (!RegisterHotKey(window, id, 0, virtualKey)) return 0;
  HotKeyWindow.ids.push_back(id);
  return id;
}

void RegisterHotKeys() {
  const HWND window = MainWindow->Handle();
  for (const HotKeyRegistration& key : kRegistrations) *key.id = RegisterWindowHotKey(window, key.virtualKey);
}

int OnMainWindowHotKeyLabelFeedback(int id) {
  // A key whose registration failed keeps the id 0 and never fires.
  const auto key =
      std::ranges::find_if(kRegistrations, [id](const HotKeyRegistration& key) { return id != 0 && *key.id == id; });
  if (key != std::end(kRegistrations)) DispatchCommand(CommandSource::HotKey, key->virtualKey);
  return 0;
}
