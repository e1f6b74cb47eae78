// The form window: a top-level window on the button-face background that turns
// its controls' BN_CLICKED into click events, moves the focus by tab index, and
// tells the runtime when it is gone.

#include "platform/forms/forms_internal.h"

namespace forms {

LRESULT form_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Runtime& runtime = Runtime::instance();
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && lp != 0) runtime.clicked(hwnd, LongToHandle<HWND>(lp));
        return 0;
    case WM_NEXTDLGCTL:
        runtime.move_focus(hwnd, wp != 0);
        return 0;
    case WM_ACTIVATE:
        runtime.activated(hwnd, LOWORD(wp) != WA_INACTIVE);
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_SETFOCUS:
        runtime.activated(hwnd, true);
        return 0;
    case WM_DESTROY:
        runtime.form_destroyed(hwnd);
        return DefWindowProcA(hwnd, msg, wp, lp);
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace forms
