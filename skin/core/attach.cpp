// Attaching the skin: SkinForm prepares the engine once and attaches a form;
// SkinWindow subclasses one window (a container's descendants first).

#include "skin/core/family_state.h"
#include "skin/core/module_state.h"
#include "skin/core/properties.h"
#include "skin/mSkinner.h"

namespace mSkinner {

LONG SkinForm(HWND hWnd) {
    if (state::initialised == state::kFalse) {
        state::initialised = state::kTrue;
        state::trackLeaveUser32 = IsApiExported("TrackMouseEvent", "User32");
        BuildSkinImages();
    }
    return SkinWindow(hWnd);
}

LONG SkinWindow(HWND hWnd) {
    if (!hWnd) return 0;
    if (GetProp(hWnd, kProcAddr) != 0) return 0;
    // A handle that names no window cannot be subclassed; counting it would keep
    // the images alive for ever and report a failure as success.
    if (!IsWindow(hWnd)) return 0;

    const ControlFamily family = GetControlFamily(hWnd);
    if (family == ControlFamily::Container) {
        EnumChildWindows(hWnd, &EnumSkinChild, 0);
    } else if (!detail::PrepareFamilyState(hWnd, family)) {
        return 0;
    }

    const LONG_PTR previous = SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWindowProc));
    if (previous == 0) {
        // The router is not in place, so nothing would ever detach this window:
        // take back what was made for it. A container's descendants are attached
        // in their own right and stay so.
        detail::ReleaseFamilyState(hWnd, family);
        return 0;
    }
    state::attachedCount += 1;
    SetProp(hWnd, kProcAddr, previous);

    // The frame and the client area are repainted through the router at once.
    SendMessageA(hWnd, WM_NCPAINT, 1, 0);
    RedrawWindow(hWnd, nullptr, HRGN(), RDW_INVALIDATE | RDW_INTERNALPAINT);
    return 1;
}

BOOL EnumSkinChild(HWND hWnd, LPARAM) {
    SkinWindow(hWnd);
    return 1;
}

}  // namespace mSkinner
