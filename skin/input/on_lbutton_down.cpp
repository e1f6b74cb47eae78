// WM_LBUTTONDOWN: pressing shows the pressed look at once
// For now the control's own procedure handles it unchanged.

#include "skin/mSkinner.h"

namespace mSkinner {

LRESULT OnLButtonDown(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
