// Detaching the skin: the window gets its procedure, style and shape back, its
// properties go, and the last detach releases the skin images.

#include "skin/core/family_state.h"
#include "skin/core/module_state.h"
#include "skin/core/properties.h"
#include "skin/mSkinner.h"

namespace mSkinner {

LONG UnskinWindow(HWND hWnd) {
    if (!hWnd) return 0;
    const LONG_PTR previous = GetProp(hWnd, kProcAddr);
    if (previous == 0) return 0;

    const ControlFamily family = GetControlFamily(hWnd);
    if (family == ControlFamily::Container) {
        EnumChildWindows(hWnd, &EnumUnskinChild, 0);
    } else {
        detail::ReleaseFamilyState(hWnd, family);
    }

    RemovePropA(hWnd, kProcAddr);
    SetWindowLongA(hWnd, GWL_WNDPROC, previous);

    // Now the window's own procedure paints its frame and client area again.
    SendMessageA(hWnd, WM_NCPAINT, 1, 0);
    RedrawWindow(hWnd, nullptr, HRGN(), RDW_INVALIDATE | RDW_INTERNALPAINT);

    state::attachedCount -= 1;
    if (state::attachedCount <= 0) {
        state::attachedCount = 0;
        ReleaseSkinImages();
    }
    return 1;
}

BOOL EnumUnskinChild(HWND hWnd, LPARAM) {
    UnskinWindow(hWnd);
    return 1;
}

}  // namespace mSkinner
