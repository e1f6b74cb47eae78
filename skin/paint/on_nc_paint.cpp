// WM_NCPAINT: flat frames for client edges and whole progress bars
// For now the control's own procedure handles it unchanged.

#include "skin/mSkinner.h"

namespace mSkinner {

LRESULT OnNcPaint(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
