// WM_MOUSEMOVE: controls light up under the mouse
// For now the control's own procedure handles it unchanged.

#include "skin/mSkinner.h"

namespace mSkinner {

LRESULT OnMouseMove(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
