// Handle, message and parameter types of the window layer, with the numeric values the
// IDE code relies on. Handles are opaque ids, never raw pointers: a stale or invalid
// handle is looked up, found missing, and the call fails harmlessly.
#pragma once

#include <cstdint>

namespace platform {

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
using COLORREF = std::uint32_t;  // blue-green-red: red is 0x0000FF
constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>(red | green << 8 | blue << 16);
}

struct HWND__;
struct HMENU__;
struct HANDLE__;
struct HBITMAP__;
using HWND = HWND__*;
using HMENU = HMENU__*;
using HANDLE = HANDLE__*;
using HBITMAP = HBITMAP__*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
  int x = 0;
  int y = 0;
};

struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The header of every WM_NOTIFY record.
struct NMHDR {
  HWND hwndFrom = nullptr;
  std::uintptr_t idFrom = 0;
  UINT code = 0;
};

constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int LOWORD(std::intptr_t v) { return static_cast<int>(v & 0xFFFF); }
constexpr int HIWORD(std::intptr_t v) { return static_cast<int>((v >> 16) & 0xFFFF); }
// Signed coordinates packed in an lParam (mouse positions).
constexpr int GET_X_LPARAM(LPARAM v) { return static_cast<short>(v & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM v) { return static_cast<short>((v >> 16) & 0xFFFF); }

// Window messages.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_HOTKEY = 0x0312;
constexpr UINT WM_USER = 0x0400;

// Mouse-message key flags (wParam).
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Show modes (ShowWindow, a started process's window, ShellExecuteEx).
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Window styles.
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_STATICEDGE = 0x00020000;

// SetWindowLongA / GetWindowLongA indexes.
constexpr int GWL_WNDPROC = -4;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_USERDATA = -21;
constexpr int GWL_ID = -12;

// SetWindowPos flags.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

// SetWindowPos insert-after values that are not windows.
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);

// WM_SIZE wParam.
constexpr WPARAM SIZE_RESTORED = 0;

// Menu flags.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_UNHILITE = 0x0000;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT TPM_RETURNCMD = 0x0100;

// RegisterHotKey modifiers; a WM_HOTKEY lParam carries them in its low word.
constexpr UINT MOD_ALT = 0x0001;
constexpr UINT MOD_CONTROL = 0x0002;
constexpr UINT MOD_SHIFT = 0x0004;
constexpr UINT MOD_WIN = 0x0008;
constexpr UINT MOD_NOREPEAT = 0x4000;

// Virtual-key codes.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_F1 = 0x70;  // VK_F2 .. VK_F12 follow in order
constexpr int VK_F2 = VK_F1 + 1;
constexpr int VK_F3 = VK_F1 + 2;
constexpr int VK_F4 = VK_F1 + 3;
constexpr int VK_F5 = VK_F1 + 4;
constexpr int VK_F6 = VK_F1 + 5;
constexpr int VK_F7 = VK_F1 + 6;
// The punctuation keys of a US keyboard, by the character each types without Shift.
constexpr int VK_OEM_1 = 0xBA;       // ;
constexpr int VK_OEM_PLUS = 0xBB;    // =
constexpr int VK_OEM_COMMA = 0xBC;   // ,
constexpr int VK_OEM_MINUS = 0xBD;   // -
constexpr int VK_OEM_PERIOD = 0xBE;  // .
constexpr int VK_OEM_2 = 0xBF;       // /
constexpr int VK_OEM_3 = 0xC0;       // `
constexpr int VK_OEM_4 = 0xDB;       // [
constexpr int VK_OEM_5 = 0xDC;       // backslash
constexpr int VK_OEM_6 = 0xDD;       // ]
constexpr int VK_OEM_7 = 0xDE;       // '

}  // namespace platform
