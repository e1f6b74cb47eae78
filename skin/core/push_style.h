#pragma once
// Which "push buttons" by class really are push buttons. The system's button
// class also serves check boxes, radio buttons, group boxes and owner-draw
// buttons; those have bit 1 or bit 2 of the type set and keep their own
// painting. Types 0, 1, 8 and 9 pass.

#include "platform/win32.h"

namespace mSkinner {

inline constexpr LONG_PTR kNonPushTypeBits = 6;

inline bool IsPlainPushStyle(LONG_PTR style) { return (style & kNonPushTypeBits) == 0; }

}  // namespace mSkinner
