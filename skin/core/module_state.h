#pragma once
// The engine's module-wide state: one set for the whole program.

#include "platform/win32.h"

namespace mSkinner::state {

// Truth values are 16-bit: -1 true, 0 false.
inline constexpr SHORT kTrue = -1;
inline constexpr SHORT kFalse = 0;

extern SHORT initialised;        // set by SkinForm before it builds the images
extern SHORT trackLeaveUser32;   // user32 exports TrackMouseEvent
extern LONG attachedCount;       // windows attached and not yet detached

// The five skin images, indexed by SkinImageId.
extern HDC images[5];

}  // namespace mSkinner::state
