// The fade timer: one per window, identifier 1, a tick every 15 ms. Its id lives
// in "TIMERID", so a running timer is never started twice; an event that changes
// the target face while a fade runs simply redirects that fade.

#include "skin/core/properties.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {
constexpr UINT_PTR kFadeTimerId = 1;
constexpr UINT kFadeTickMs = 15;
}  // namespace

LONG StartSkinTimer(HWND hWnd) {
    // Without a window there would be nowhere to keep the id, and the timer could never be stopped.
    if (!hWnd) return 0;
    if (GetProp(hWnd, kTimerId) != 0) return 0;
    const UINT_PTR id = SetTimer(hWnd, kFadeTimerId, kFadeTickMs, nullptr);
    SetProp(hWnd, kTimerId, static_cast<LONG_PTR>(id));
    return static_cast<LONG>(id);
}

LONG StopSkinTimer(HWND hWnd) {
    const LONG_PTR id = GetProp(hWnd, kTimerId);
    if (id == 0) return 0;
    const BOOL result = KillTimer(hWnd, static_cast<UINT_PTR>(id));
    // Whatever KillTimer says, this window has no fade timer any more.
    SetProp(hWnd, kTimerId, 0);
    return result;
}

}  // namespace mSkinner
