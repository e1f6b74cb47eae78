// WM_PAINT. A plain push button is painted entirely from its cached face; every
// other control paints itself (the skin's drawing over them comes with their
// renderers).

#include "skin/core/properties.h"
#include "skin/core/push_style.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

LRESULT PaintPushButton(HWND hWnd) {
    // A repaint shows the target face at once: any fade in progress ends here.
    StopSkinTimer(hWnd);
    SetPropA(hWnd, kAlphaLevel, 255);
    PAINTSTRUCT ps;
    BeginPaint(hWnd, &ps);
    DrawPushButton(hWnd, ps.hdc);
    EndPaint(hWnd, &ps);
    return 0;
}

}  // namespace

LRESULT OnPaint(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    if (GetControlFamily(hWnd) == ControlFamily::PushButton &&
        IsPlainPushStyle(GetPropA(hWnd, kOldStyle))) {
        return PaintPushButton(hWnd);
    }
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
