// The one window procedure of every attached window. It keeps nothing between
// calls: the previous procedure comes from "PROCADDR" on each message, and a
// handler owns its message completely (it calls the previous procedure itself).

#include "skin/core/properties.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

using Handler = LRESULT (*)(WNDPROC&, HWND&, UINT&, WPARAM&, LPARAM&);

Handler HandlerFor(UINT msg) {
    switch (msg) {
    case WM_SIZE: return &OnSize;
    case WM_ACTIVATE: return &OnActivate;
    case WM_SETFOCUS: return &OnSetFocus;
    case WM_KILLFOCUS: return &OnKillFocus;
    case WM_ENABLE: return &OnEnable;
    case WM_PAINT: return &OnPaint;
    case WM_WINDOWPOSCHANGING: return &OnWindowPosChanging;
    case WM_NCPAINT: return &OnNcPaint;
    case WM_KEYDOWN: return &OnKeyDown;
    case WM_KEYUP: return &OnKeyUp;
    case WM_TIMER: return &OnTimer;
    case WM_MOUSEMOVE: return &OnMouseMove;
    case WM_LBUTTONDOWN: return &OnLButtonDown;
    case WM_LBUTTONUP: return &OnLButtonUp;
    case WM_LBUTTONDBLCLK: return &OnLButtonDblClk;
    case WM_MOUSELEAVE: return &OnMouseLeave;
    default: return nullptr;
    }
}

}  // namespace

LRESULT SkinWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!hWnd) return 0;
    WNDPROC oldProc = GetPreviousProc(hWnd);
    // Detached while messages were still on the way: the previous procedure is
    // no longer known, so the window gets default processing.
    if (!oldProc) return DefWindowProcA(hWnd, msg, wParam, lParam);

    switch (msg) {
    case WM_DESTROY:
        // Detach first, so that the window's own procedure sees its destruction
        // with everything of the skin already gone.
        UnskinWindow(hWnd);
        return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);

    case WM_ENTERIDLE:        // lParam: the dialog box waiting in its modal loop
    case WM_CTLCOLORLISTBOX: {  // lParam: the list about to be painted (a combo box's drop-down)
        const LRESULT result = CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
        if (lParam != 0) SkinWindow(LongToHandle<HWND>(lParam));
        return result;
    }

    case WM_LBUTTONUP: {
        const LRESULT result = OnLButtonUp(oldProc, hWnd, msg, wParam, lParam);
        // An option group shows its new selection at once: repaint the check
        // boxes and option buttons among the clicked window's siblings.
        HWND parent = GetParent(hWnd);
        EnumChildWindows(parent ? parent : hWnd, &RefreshOptionSibling, 0);
        return result;
    }

    default:
        break;
    }

    if (Handler handler = HandlerFor(msg)) return handler(oldProc, hWnd, msg, wParam, lParam);
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
