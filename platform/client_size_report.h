// WM_SIZE goes out once per change of a window's client size, whether the change arrives as
// Qt's resize event (a shown widget) or only later (a hidden one, whose resize event waits
// until it is shown): whoever sees the new size first reports it.
#pragma once

#include "platform/procedure_chain.h"

namespace platform {

// Sends WM_SIZE (lParam width | height << 16) when the client size differs from the last one
// reported; nothing ran otherwise.
ChainResult ReportClientSize(HWND window);

}  // namespace platform
