#include "skin/core/module_state.h"

#include "skin/mSkinner.h"

namespace mSkinner {

namespace state {
SHORT initialised = kFalse;
SHORT trackLeaveUser32 = kFalse;
LONG attachedCount = 0;
HDC images[5] = {};
}  // namespace state

LONG SkinnedWindowCount() { return state::attachedCount; }
bool IsSkinInitialised() { return state::initialised != state::kFalse; }
bool UsesUser32LeaveTracking() { return state::trackLeaveUser32 != state::kFalse; }

HDC SkinImage(SkinImageId which) {
    const int index = static_cast<int>(which);
    if (index < 0 || index >= 5) return HDC();
    return state::images[index];
}

}  // namespace mSkinner
