// The built-in class "static": a plain frame whose border styles show as frame lines.
#pragma once

#include "platform/window_class.h"

namespace platform {

WindowClass StaticWindowClass();

}  // namespace platform
