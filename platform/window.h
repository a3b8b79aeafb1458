// The window layer: every window or control is a QWidget known by a handle, with a window
// procedure that subclassing can replace. Qt's size, key, character, mouse-button, focus and
// context-menu events become WM_* messages that run through the window's procedure chain;
// when the chain ends in the class procedure (DefWindowProcA for most classes) the event goes
// back to Qt's own handling, so a procedure that returns without passing it on swallows it.
//
// Built-in window class: "static" (a plain frame). Other classes (the editor's "Scintilla")
// are registered by the code that brings them.
#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"

class QWidget;

namespace platform {

// Makes the widget of a new window of a class: parent is the parent's widget (or null).
// CreateWindowExA places it, shows it for WS_VISIBLE and keeps it hidden otherwise.
using WidgetFactory = std::function<QWidget*(QWidget* parent)>;

// Registers a window class (false for an empty or taken name). classProc is the procedure a new
// window of the class starts with; it is the last procedure of every chain and hands unhandled
// events back to Qt by calling DefWindowProcA.
bool RegisterWindowClass(const std::string& className, WNDPROC classProc, WidgetFactory factory);

HWND CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title,
                     std::uint32_t style, int x, int y, int width, int height, HWND parent,
                     HMENU menu, void* instance, void* param);
// Sends WM_DESTROY to the window and its descendant windows; their handles die at once, the
// widgets when control returns to the event loop.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// Gives a widget made elsewhere (by the framework) a handle, with DefWindowProcA as its class
// procedure and its events translated; the same widget always gets the same handle. The handle
// dies with the widget.
HWND WindowFromWidget(QWidget* widget);
QWidget* WidgetFromWindow(HWND window);  // null for an unknown or destroyed handle

// GWL_WNDPROC takes and returns a WNDPROC cast to std::intptr_t (a null one is refused);
// the frame bits of GWL_STYLE and GWL_EXSTYLE show on the widget at the next SetWindowPos with
// SWP_FRAMECHANGED, as on Windows, and WS_VISIBLE / WS_DISABLED read as the widget's state;
// GWL_USERDATA is free for the window's owner; GWL_ID is a child's control id.
std::intptr_t SetWindowLongA(HWND window, int index, std::intptr_t value);
std::intptr_t GetWindowLongA(HWND window, int index);

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Returns 0. Called for the message that a Qt event became, it lets that event go on to Qt.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the message through the window's current procedure at once; 0 for an unknown window.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queued: delivered through the window's procedure from the event loop, after the current
// message, in the order posted; dropped when the window is gone by then.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// While one lives, posted messages that come up in the event loop are kept back, in order;
// when the last one goes they are queued again, as if posted then.
class PostedMessageHold {
 public:
  PostedMessageHold();
  ~PostedMessageHold();
  PostedMessageHold(const PostedMessageHold&) = delete;
  PostedMessageHold& operator=(const PostedMessageHold&) = delete;
};

BOOL GetWindowRect(HWND window, RECT* rect);  // screen coordinates, outer frame
BOOL GetClientRect(HWND window, RECT* rect);  // left and top are 0
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
HWND GetParent(HWND window);
HWND SetParent(HWND window, HWND newParent);  // returns the previous parent
// Positions are in the parent's client area. A change of the client size reaches the window's
// procedure as exactly one WM_SIZE, whether or not the widget is shown yet.
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// insertAfter: the window goes right below that sibling, or HWND_TOP / HWND_BOTTOM.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL ShowWindow(HWND window, int command);  // SW_HIDE 0, SW_SHOW 5
BOOL IsWindowVisible(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL SetWindowTextA(HWND window, const std::string& text);  // 8-bit code-page text
std::string GetWindowTextA(HWND window);
HWND SetFocus(HWND window);
HWND GetFocus();

}  // namespace platform
