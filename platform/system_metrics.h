// System sizes as the Windows call reports them, taken from the application's Qt style.
#pragma once

namespace platform {

constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;

// The menu check mark's width and height are those of Qt's check indicator. 0 for any other
// index, as for one that Windows does not know, and before the application exists.
int GetSystemMetrics(int index);

}  // namespace platform
