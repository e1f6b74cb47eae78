#pragma once
// The program's own 24 x 24 icon: a blue handset with "3G" on its screen.

#include "platform/forms/forms.h"

namespace app {

// 24-bit colour pixels, 0x00RRGGBB. Corners outside the handset are 0xFF00FF,
// the mask colour the desktop shows as transparent.
forms::Icon ProgramIcon();

}  // namespace app
