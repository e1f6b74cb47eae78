// WM_KILLFOCUS: push buttons re-render their faces without the focus mark
// For now the control's own procedure handles it unchanged.

#include "skin/mSkinner.h"

namespace mSkinner {

LRESULT OnKillFocus(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
