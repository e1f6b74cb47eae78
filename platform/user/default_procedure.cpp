// DefWindowProcA and CallWindowProcA.

#include <algorithm>
#include <cstring>

#include "platform/host/host.h"
#include "platform/user/wm_state.h"

using namespace user;

namespace {

// Copies text into a buffer of size bytes, never cutting a UTF-8 character in two.
LRESULT copy_text(const std::string& text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return 0;
    std::size_t n = std::min(text.size(), size - 1);
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

HBRUSH class_brush(const Window* w) {
    HBRUSH b = w->cls->background;
    if (b.value != 0 && b.value <= COLOR_MENUBAR + 1) return GetSysColorBrush(static_cast<int>(b.value) - 1);
    return b;
}

LRESULT control_colour(HDC hdc, UINT msg) {
    const bool window_coloured = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(window_coloured ? COLOR_WINDOW : COLOR_BTNFACE));
    HBRUSH brush = GetSysColorBrush(window_coloured ? COLOR_WINDOW : COLOR_BTNFACE);
    return static_cast<LRESULT>(brush.value);
}

}  // namespace

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!proc) return 0;
    return proc(hwnd, msg, wp, lp);
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = find_window(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
        if (cs && cs->lpszName) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        if (!lp) return 0;
        RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
        *r = nonclient_client_rect(w, *r);
        return 0;
    }
    case WM_NCPAINT: {
        if (!has_own_frame(w)) return 0;
        HDC hdc = GetWindowDC(hwnd);
        if (!hdc) return 0;
        if ((w = find_window(hwnd))) paint_nonclient(w, hdc);
        ReleaseDC(hwnd, hdc);
        return 0;
    }
    case WM_NCHITTEST: return nonclient_hit_test(w, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_NCACTIVATE: return TRUE;
    case WM_ERASEBKGND: {
        HBRUSH brush = class_brush(w);
        if (!brush || !wp) return 0;
        RECT rc{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
        FillRect(LongToHandle<HDC>(static_cast<LONG_PTR>(wp)), &rc, brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT: {
        auto* text = reinterpret_cast<const char*>(lp);
        w->text = text ? text : "";
        if (!w->parent) host::current().top_level_changed(hwnd);
        return TRUE;
    }
    case WM_GETTEXT: return copy_text(w->text, reinterpret_cast<char*>(lp), static_cast<std::size_t>(wp));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SETREDRAW:
        // Turning redraw off hides the window from painting without hiding it
        // from anything else: only the visibility bit changes.
        if (wp) {
            w->style |= WS_VISIBLE;
        } else {
            w->style &= ~WS_VISIBLE;
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (!pos) return 0;
        UINT flags = pos->flags;
        if (!(flags & SWP_NOMOVE)) {
            SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        }
        if (!(flags & SWP_NOSIZE) && (w = find_window(hwnd))) {
            SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                         MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != hwnd && !IsChild(hwnd, focus)) SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        // A child lets its parent decide first.
        if (w->is_child()) {
            if (LRESULT r = SendMessageA(w->parent, WM_MOUSEACTIVATE, wp, lp)) return r;
        }
        return MA_ACTIVATE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return control_colour(LongToHandle<HDC>(static_cast<LONG_PTR>(wp)), msg);
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the top-level window.
        if (wp == static_cast<WPARAM>(VK_F4)) {
            if (Window* top = top_level_of(w)) PostMessageA(top->self, WM_CLOSE, 0, 0);
        }
        return 0;
    default: return 0;
    }
}
