#include "ide/window_menu.h"

#include "platform/bitmap.h"
#include "platform/menu.h"
#include "platform/system_metrics.h"
#include "platform/window.h"
#include "platform/window_subclass.h"

using namespace platform;

HMENU MenuBarHandle = nullptr;
MenuCallbackRoutine MenuCommandCallback = nullptr;
WNDPROC MenuPrevWindowProc = nullptr;

namespace {

// The window whose procedure MenuPrevWindowProc is.
HWND SubclassedWindow = nullptr;

// A window attached again keeps its one subclass: subclassing it twice would make
// MenuWindowProc its own previous procedure. Attaching another window gives the first its own
// procedure back, so that its messages never reach the second window's.
void Subclass(HWND window) {
  if (window == SubclassedWindow && IsWindow(window)) return;
  RemoveSubclass(SubclassedWindow, &MenuWindowProc, MenuPrevWindowProc);
  MenuPrevWindowProc = SubclassWindow(window, &MenuWindowProc);
  SubclassedWindow = window;
}

UINT ModeFlags(int mode) { return mode == 1 ? MF_BYPOSITION : static_cast<UINT>(mode); }

UINT TypeFlags(int type) { return type == 2 ? MF_POPUP : ModeFlags(type); }

// Null: the program's own module.
BOOL SetItemPictures(HMENU menu, const std::string& unchecked, const std::string& checked, std::optional<int> width,
                     std::optional<int> height, UINT item, UINT flags, UINT loadFlags) {
  const int pictureWidth = width.value_or(GetSystemMetrics(SM_CXMENUCHECK));
  const int pictureHeight = height.value_or(GetSystemMetrics(SM_CYMENUCHECK));
  const auto load = [&](const std::string& name) {
    return LoadImageA(nullptr, name.c_str(), IMAGE_BITMAP, pictureWidth, pictureHeight, loadFlags);
  };
  return SetMenuItemBitmaps(menu, item, flags, load(unchecked), load(checked));
}

}  // namespace

LRESULT MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MenuCommandCallback != nullptr) {
    if (message == WM_COMMAND) {
      MenuCommandCallback(0, static_cast<int>(wParam));
    } else if (message == WM_INITMENUPOPUP) {
      MenuCommandCallback(1, static_cast<int>(wParam));
    }
  }
  return CallWindowProcA(MenuPrevWindowProc, window, message, wParam, lParam);
}

void WindowMenu::DestroyWindowMenu() {}

WindowMenu WindowMenu::CopyWindowMenu() const { return *this; }

BOOL WindowMenu::AttachToWindow(HWND window, bool reuse) {
  OwnerWindow = window;
  MenuBarHandle = GetMenu(window);
  if (!reuse || !IsMenu(MenuBarHandle)) MenuBarHandle = CreateMenu();
  MenuCommandCallback = nullptr;
  Subclass(window);
  return SetMenu(window, MenuBarHandle);
}

bool WindowMenu::SetCommandCallback(MenuCallbackRoutine routine) {
  MenuCommandCallback = routine;
  return routine != nullptr;
}

HMENU WindowMenu::AddPopupMenu(const std::string& caption, std::optional<UINT> flags, std::optional<bool> redraw) {
  const HMENU popup = CreatePopupMenu();
  AppendMenuA(MenuBarHandle, flags.value_or(0) | MF_POPUP, reinterpret_cast<std::uintptr_t>(popup), caption.c_str());
  return Redrawn(popup, redraw);
}

BOOL WindowMenu::AppendItem(HMENU menu, std::optional<std::string> caption, std::optional<UINT> flags,
                            std::optional<std::uintptr_t> id) {
  return AppendMenuA(menu, flags.value_or(0), id.value_or(0), caption ? caption->c_str() : nullptr);
}

HMENU WindowMenu::CreateBareMenu() { return CreateMenu(); }

HMENU WindowMenu::GetMenuHandle() const { return MenuBarHandle; }

int WindowMenu::CheckItem(UINT id, bool checked) {
  return CheckMenuItem(MenuBarHandle, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int WindowMenu::CheckRadioItem(UINT id, bool checked) {
  if (!checked) return CheckMenuItem(MenuBarHandle, id, MF_BYCOMMAND | MF_UNCHECKED);
  CheckMenuRadioItem(MenuBarHandle, id, id, id, MF_BYCOMMAND);
  return 0;
}

BOOL WindowMenu::RedrawMenuBar() { return DrawMenuBar(OwnerWindow); }

BOOL WindowMenu::DeleteItem(HMENU menu, UINT item, int mode, std::optional<bool> redraw) {
  return Redrawn(DeleteMenu(menu, item, ModeFlags(mode)), redraw);
}

int WindowMenu::EnableItem(HMENU menu, UINT item, UINT flags, std::optional<bool> redraw) {
  return Redrawn(EnableMenuItem(menu, item, flags), redraw);
}

HMENU WindowMenu::GetWindowMenu(HWND window) { return GetMenu(window); }

BOOL WindowMenu::RemoveMenuBar() { return SetMenu(OwnerWindow, nullptr); }

HMENU WindowMenu::GetSubMenuAt(HMENU menu, int position) { return GetSubMenu(menu, position); }

UINT WindowMenu::GetItemState(HMENU menu, UINT item, int mode) { return GetMenuState(menu, item, ModeFlags(mode)); }

int WindowMenu::GetItemCount(HMENU menu) { return GetMenuItemCount(menu); }

std::string WindowMenu::GetItemText(UINT id) {
  const int length = GetMenuStringA(MenuBarHandle, id, nullptr, 0, MF_BYCOMMAND);
  std::string text(static_cast<std::size_t>(length) + 1, ' ');
  text.resize(static_cast<std::size_t>(GetMenuStringA(MenuBarHandle, id, text.data(), length + 1, MF_BYCOMMAND)));
  return text;
}

UINT WindowMenu::GetItemId(HMENU menu, int position) { return GetMenuItemID(menu, position); }

RECT WindowMenu::GetItemRect(HMENU menu, UINT item) {
  RECT rect;
  if (!GetMenuItemRect(OwnerWindow, menu, item, &rect)) rect = RECT{};
  return rect;
}

HMENU WindowMenu::GetWindowSystemMenu(bool revert) { return GetSystemMenu(OwnerWindow, revert ? TRUE : FALSE); }

int WindowMenu::GetCheckMarkSize() { return GetMenuCheckMarkDimensions(); }

BOOL WindowMenu::IsMenuHandle(HMENU handle) { return IsMenu(handle); }

BOOL WindowMenu::InsertItem(HMENU menu, const std::string& caption, std::uintptr_t newItem, UINT position, int type,
                            std::optional<bool> redraw) {
  return Redrawn(InsertMenuA(menu, position, TypeFlags(type), newItem, caption.c_str()), redraw);
}

// A failed load leaves the bar and MenuBarHandle as they are rather than taking the bar away.
HMENU WindowMenu::LoadFromResource(std::optional<HMODULE> module, const std::string& name) {
  const HMENU loaded = LoadMenuA(module.value_or(nullptr), name.c_str());
  if (loaded == nullptr) return nullptr;
  MenuBarHandle = loaded;
  SetMenu(OwnerWindow, MenuBarHandle);
  return MenuBarHandle;
}

BOOL WindowMenu::ModifyItem(HMENU menu, const std::string& caption, std::uintptr_t newItem, UINT position, int type,
                            std::optional<bool> redraw) {
  return Redrawn(ModifyMenuA(menu, position, TypeFlags(type), newItem, caption.c_str()), redraw);
}

BOOL WindowMenu::TrackPopup(HMENU menu, int x, int y, UINT flags) {
  return TrackPopupMenu(menu, flags, x, y, 0, OwnerWindow, nullptr);
}

BOOL WindowMenu::HighlightItem(HMENU menu, UINT item, UINT flags) {
  return HiliteMenuItem(OwnerWindow, menu, item, flags);
}

BOOL WindowMenu::SetItemBitmapsFromResource(HMENU menu, const std::string& uncheckedName,
                                            const std::string& checkedName, std::optional<int> width,
                                            std::optional<int> height, UINT item, UINT flags) {
  return SetItemPictures(menu, uncheckedName, checkedName, width, height, item, flags, 0);
}

BOOL WindowMenu::SetItemBitmapsFromFiles(HMENU menu, const std::string& uncheckedFile, const std::string& checkedFile,
                                         std::optional<int> width, std::optional<int> height, UINT item, UINT flags) {
  return SetItemPictures(menu, uncheckedFile, checkedFile, width, height, item, flags, LR_LOADFROMFILE);
}
