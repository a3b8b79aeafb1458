#include "ide/hot_keys.h"

#include <algorithm>
#include <vector>

#include "framework/dialog_seam.h"
#include "framework/label.h"
#include "ide/app_globals.h"
#include "ide/build_run.h"
#include "ide/documents.h"
#include "ide/main_menu.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/module_state.h"
#include "ide/search_window.h"
#include "platform/hot_key.h"
#include "platform/window.h"
#include "platform/window_subclass.h"

using namespace platform;

namespace {

// Compared whole: cut to an int, a wider wParam could pass for a handed-out id.
bool IsHandedOut(WPARAM id) {
  return std::ranges::any_of(HotKeyWindow.ids, [id](int handedOut) { return static_cast<WPARAM>(handedOut) == id; });
}

// Hands each of the window's hot keys to the label, whose feedback runs its action.
LRESULT HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY && IsHandedOut(wParam)) {
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

int RegisterWindowHotKey(HWND window, UINT virtualKey) {
  SubclassOnce(window);
  const int id = HotKeyWindow.nextId++;
  if (!RegisterHotKey(window, id, 0, virtualKey)) return 0;
  HotKeyWindow.ids.push_back(id);
  return id;
}

void RegisterHotKeys() {
  const HWND window = MainWindow->Handle();
  HotKeyIdCompileRun = RegisterWindowHotKey(window, VK_F5);
  HotKeyIdSave = RegisterWindowHotKey(window, VK_F3);
  HotKeyIdSearch = RegisterWindowHotKey(window, VK_F4);
  HotKeyIdComment = RegisterWindowHotKey(window, VK_F2);
  HotKeyIdPrevBookmark = RegisterWindowHotKey(window, VK_F6);
  HotKeyIdNextBookmark = RegisterWindowHotKey(window, VK_F7);
}

// A hot key waits for a modal box or dialog, as the menus and the toolbar do: behind the
// question whether to save, F3 would write what the user is about to decline.
int OnMainWindowHotKeyLabelFeedback(int id) {
  if (framework::ModalWindowIsOpen()) return 0;
  if (id == HotKeyIdComment) {
    ExecuteMenuCommand(0, MenuCommandComment);
  } else if (id == HotKeyIdCompileRun) {
    CompileAndRun();
  } else if (id == HotKeyIdSave) {
    SaveDocument();
  } else if (id == HotKeyIdSearch) {
    LoadSearchWindow();
  } else if (id == HotKeyIdPrevBookmark) {
    ExecuteMenuCommand(0, MenuCommandPrevBookmark);
  } else if (id == HotKeyIdNextBookmark) {
    ExecuteMenuCommand(0, MenuCommandNextBookmark);
  }
  return 0;
}
