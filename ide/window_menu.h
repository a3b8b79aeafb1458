// WindowMenu: a window's menu bar built at run time, the window's menu messages delivered to
// one command callback, and the common menu operations over the window layer's menu calls.
// Optional arguments left out count as 0 unless an operation says otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/dynamic_library.h"
#include "platform/win_types.h"

// Receives the owner window's menu messages: kind 0 with WM_COMMAND's wParam (the command id in
// the low word, a control's notification code in the high word), kind 1 with WM_INITMENUPOPUP's
// wParam (the popup about to open).
using MenuCallbackRoutine = void (*)(int kind, int value);

// The state of the class, one set for the whole process.
extern platform::HMENU MenuBarHandle;
extern MenuCallbackRoutine MenuCommandCallback;
extern platform::WNDPROC MenuPrevWindowProc;

// The owner window's procedure once attached: hands menu messages to MenuCommandCallback, then
// passes every message on to MenuPrevWindowProc.
platform::LRESULT MenuWindowProc(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam);

class WindowMenu {
 public:
  // Does nothing: the menus and the subclass stay until the window goes.
  void DestroyWindowMenu();
  WindowMenu CopyWindowMenu() const;
  // The window's menu bar becomes MenuBarHandle (its current one when reuse is true and it has
  // one, else a new empty one), the window is subclassed with MenuWindowProc and the callback
  // is cleared. Returns the result of SetMenu.
  platform::BOOL AttachToWindow(platform::HWND window, bool reuse);
  bool SetCommandCallback(MenuCallbackRoutine routine);  // true when the routine is not null
  // A new popup appended to the menu bar; returns its handle.
  platform::HMENU AddPopupMenu(const std::string& caption, std::optional<platform::UINT> flags = std::nullopt,
                               std::optional<bool> redraw = std::nullopt);
  platform::BOOL AppendItem(platform::HMENU menu, std::optional<std::string> caption = std::nullopt,
                            std::optional<platform::UINT> flags = std::nullopt,
                            std::optional<std::uintptr_t> id = std::nullopt);
  platform::HMENU CreateBareMenu();
  platform::HMENU GetMenuHandle() const;
  // Both return the previous check state (-1 when the bar holds no such command); a radio
  // check that is set returns 0.
  int CheckItem(platform::UINT id, bool checked);
  int CheckRadioItem(platform::UINT id, bool checked);
  platform::BOOL RedrawMenuBar();
  // Mode 1 addresses the item by position; any other mode is passed on as the flags.
  platform::BOOL DeleteItem(platform::HMENU menu, platform::UINT item, int mode,
                            std::optional<bool> redraw = std::nullopt);
  int EnableItem(platform::HMENU menu, platform::UINT item, platform::UINT flags,
                 std::optional<bool> redraw = std::nullopt);
  platform::HMENU GetWindowMenu(platform::HWND window);
  platform::BOOL RemoveMenuBar();  // the detached menu stays, still MenuBarHandle
  platform::HMENU GetSubMenuAt(platform::HMENU menu, int position);
  platform::UINT GetItemState(platform::HMENU menu, platform::UINT item, int mode);
  int GetItemCount(platform::HMENU menu);
  std::string GetItemText(platform::UINT id);  // of that command anywhere in the menu bar
  platform::UINT GetItemId(platform::HMENU menu, int position);
  platform::RECT GetItemRect(platform::HMENU menu, platform::UINT item);  // all zero when not shown
  platform::HMENU GetWindowSystemMenu(bool revert);
  int GetCheckMarkSize();
  platform::BOOL IsMenuHandle(platform::HMENU handle);
  // Type 1 addresses by position, type 2 inserts a popup (newItem its handle) by command; any
  // other type is passed on as the flags.
  platform::BOOL InsertItem(platform::HMENU menu, const std::string& caption, std::uintptr_t newItem,
                            platform::UINT position, int type, std::optional<bool> redraw = std::nullopt);
  // A left-out module is the program's own. When no menu loads, the bar stays as it is.
  platform::HMENU LoadFromResource(std::optional<platform::HMODULE> module, const std::string& name);
  platform::BOOL ModifyItem(platform::HMENU menu, const std::string& caption, std::uintptr_t newItem,
                            platform::UINT position, int type, std::optional<bool> redraw = std::nullopt);
  // x, y in screen coordinates; the chosen command reaches the owner window as WM_COMMAND.
  platform::BOOL TrackPopup(platform::HMENU menu, int x, int y, platform::UINT flags);
  platform::BOOL HighlightItem(platform::HMENU menu, platform::UINT item, platform::UINT flags);
  // A left-out width or height is the system's check-mark size; a picture that cannot be loaded
  // leaves that state without one.
  platform::BOOL SetItemBitmapsFromResource(platform::HMENU menu, const std::string& uncheckedName,
                                            const std::string& checkedName, std::optional<int> width,
                                            std::optional<int> height, platform::UINT item, platform::UINT flags);
  platform::BOOL SetItemBitmapsFromFiles(platform::HMENU menu, const std::string& uncheckedFile,
                                         const std::string& checkedFile, std::optional<int> width,
                                         std::optional<int> height, platform::UINT item, platform::UINT flags);

 private:
  // The result of a change, once the menu bar has been redrawn when that was asked for.
  template <typename Result>
  Result Redrawn(Result result, std::optional<bool> redraw) {
    if (redraw.value_or(false)) RedrawMenuBar();
    return result;
  }

  platform::HWND OwnerWindow = nullptr;
};
