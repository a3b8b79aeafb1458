// The window procedures that the windows of every editor object get: each finds its object
// in the window's user data and hands the message to that object's procedure.
#pragma once

#include "platform/win_types.h"

platform::LRESULT ContainerWindowRoute(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                       platform::LPARAM lParam);
platform::LRESULT EditorWindowRoute(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam);
