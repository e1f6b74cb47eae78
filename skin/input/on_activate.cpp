// WM_ACTIVATE: dialogs and forms that become active get skinned
// For now the control's own procedure handles it unchanged.

#include "skin/mSkinner.h"

namespace mSkinner {

LRESULT OnActivate(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam) {
    return CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}

}  // namespace mSkinner
