// GetTickCount: the milliseconds since an arbitrary start, wrapping at 2^32, which seeds the
// random draws that must differ from one start to the next.
#pragma once

namespace platform {

unsigned GetTickCount();

}  // namespace platform
