// "SysHeader32": a row of column captions. Items lie side by side from x = 0,
// each as wide as its width and as tall as the window.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/controls/classes.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_util.h"
#include "platform/controls/edit_text.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct HeaderItem {
    std::string text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM data = 0;
};

struct HeaderState {
    std::vector<HeaderItem> items;
    HFONT font;
    int pressed = -1;
    bool tracking = false;
};

WindowStates<HeaderState> g_headers;

bool valid(const HeaderState& s, WPARAM index) { return index < s.items.size(); }

RECT item_rect(HWND hwnd, const HeaderState& s, std::size_t index) {
    int left = 0;
    for (std::size_t i = 0; i < index; ++i) left += s.items[i].width;
    RECT client = client_rect(hwnd);
    return RECT{left, 0, left + s.items[index].width, client.bottom};
}

int item_at(HWND hwnd, const HeaderState& s, POINT pt) {
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        RECT rc = item_rect(hwnd, s, i);
        if (PtInRect(&rc, pt)) return static_cast<int>(i);
    }
    return -1;
}

void apply(HeaderItem& item, const HDITEMA& in) {
    if ((in.mask & HDI_TEXT) && in.pszText) item.text = in.pszText;
    if (in.mask & HDI_WIDTH) item.width = std::max(0, in.cxy);
    if (in.mask & HDI_FORMAT) item.format = in.fmt;
    if (in.mask & HDI_LPARAM) item.data = in.lParam;
}

void read(const HeaderItem& item, HDITEMA& out) {
    if (out.mask & HDI_WIDTH) out.cxy = item.width;
    if (out.mask & HDI_FORMAT) out.fmt = item.format;
    if (out.mask & HDI_LPARAM) out.lParam = item.data;
    if ((out.mask & HDI_TEXT) && out.pszText && out.cchTextMax > 0) {
        // At most cchTextMax - 1 bytes and the NUL, never cutting a character in two.
        std::size_t n = std::min<std::size_t>(item.text.size(), static_cast<std::size_t>(out.cchTextMax) - 1);
        n = edit_text::char_start(item.text, n);
        std::memcpy(out.pszText, item.text.data(), n);
        out.pszText[n] = '\0';
    }
}

void paint(HWND hwnd, const HeaderState& s) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client = client_rect(hwnd);
    fill_rect(hdc, client, COLOR_BTNFACE);
    COLORREF colour = GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    int right = 0;
    for (std::size_t i = 0; i < s.items.size(); ++i) {
        RECT rc = item_rect(hwnd, s, i);
        right = rc.right;
        if (rc.right <= rc.left) continue;
        bool pressed = static_cast<int>(i) == s.pressed;
        RECT inside = draw_bevel(hdc, rc, pressed ? Bevel::Pushed : Bevel::RaisedThin);
        InflateRect(&inside, -4, 0);
        if (pressed) OffsetRect(&inside, 1, 1);
        int align = s.items[i].format & 0x3;
        UINT format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS |
                      (align == HDF_CENTER ? DT_CENTER : align == HDF_RIGHT ? DT_RIGHT : DT_LEFT);
        draw_caption(hdc, s.items[i].text, inside, format, s.font, colour);
    }
    if (right < client.right) draw_bevel(hdc, RECT{right, 0, client.right, client.bottom}, Bevel::RaisedThin);
    EndPaint(hwnd, &ps);
}

LRESULT handle_header_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HeaderState& s) {
    if (auto answer = font_and_enable_message(hwnd, msg, wp, lp, s.font)) return *answer;
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, s); return 0;

    case HDM_GETITEMCOUNT: return static_cast<LRESULT>(s.items.size());
    case HDM_INSERTITEMA: {
        const auto* in = reinterpret_cast<const HDITEMA*>(lp);
        if (!in) return -1;
        std::size_t at = std::min<std::size_t>(wp, s.items.size());
        HeaderItem item;
        apply(item, *in);
        s.items.insert(s.items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
        repaint(hwnd);
        return static_cast<LRESULT>(at);
    }
    case HDM_DELETEITEM:
        if (!valid(s, wp)) return FALSE;
        s.items.erase(s.items.begin() + static_cast<std::ptrdiff_t>(wp));
        if (s.pressed >= static_cast<int>(s.items.size())) s.pressed = -1;
        repaint(hwnd);
        return TRUE;
    case HDM_GETITEMA: {
        auto* out = reinterpret_cast<HDITEMA*>(lp);
        if (!out || !valid(s, wp)) return FALSE;
        read(s.items[wp], *out);
        return TRUE;
    }
    case HDM_SETITEMA: {
        const auto* in = reinterpret_cast<const HDITEMA*>(lp);
        if (!in || !valid(s, wp)) return FALSE;
        apply(s.items[wp], *in);
        repaint(hwnd);
        return TRUE;
    }
    case HDM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lp);
        if (!out || !valid(s, wp)) return FALSE;
        *out = item_rect(hwnd, s, wp);
        return TRUE;
    }

    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!(GetWindowLongA(hwnd, GWL_STYLE) & HDS_BUTTONS)) return 0;
        int hit = item_at(hwnd, s, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (hit < 0) return 0;
        s.pressed = hit;
        s.tracking = true;
        SetCapture(hwnd);
        repaint(hwnd);
        return 0;
    }
    case WM_LBUTTONUP:
        if (s.tracking) {
            s.tracking = false;
            s.pressed = -1;
            ReleaseCapture();
            repaint(hwnd);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (s.tracking) {
            s.tracking = false;
            s.pressed = -1;
            repaint(hwnd);
        }
        return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT header_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_headers.dispatch(hwnd, msg, wp, lp, handle_header_message);
}

}  // namespace controls
