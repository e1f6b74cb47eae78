// "Static": a line or block of text, left, centred or right, on the parent's
// background (asked with WM_CTLCOLORSTATIC); or an etched frame.

#include <string>

#include "platform/controls/classes.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct StaticState {
    HFONT font;
};

WindowStates<StaticState> g_statics;

std::string text_of(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

UINT text_format(DWORD style) {
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT: return format | DT_RIGHT | DT_WORDBREAK;
    case SS_SIMPLE: return format | DT_LEFT | DT_SINGLELINE;
    case SS_LEFTNOWORDWRAP: return format | DT_LEFT;
    default: return format | DT_LEFT | DT_WORDBREAK;
    }
}

void paint(HWND hwnd, const StaticState& state) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client = client_rect(hwnd);
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    HBRUSH background = colours_from_parent(hwnd, hdc, WM_CTLCOLORSTATIC);
    if (IsWindow(hwnd)) {
        if ((style & SS_TYPEMASK) == SS_ETCHEDFRAME) {
            draw_bevel(hdc, client, Bevel::Etched);
        } else {
            FillRect(hdc, &client, background);
            COLORREF colour = IsWindowEnabled(hwnd) ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
            draw_caption(hdc, text_of(hwnd), client, text_format(style), state.font, colour);
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT handle_static_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, StaticState& state) {
    if (auto answer = caption_message(hwnd, msg, wp, lp)) return *answer;
    if (auto answer = font_and_enable_message(hwnd, msg, wp, lp, state.font)) return *answer;
    switch (msg) {
    case WM_NCHITTEST:
        if (!(GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY)) return HTTRANSPARENT;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, state); return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT static_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_statics.dispatch(hwnd, msg, wp, lp, handle_static_message);
}

}  // namespace controls
