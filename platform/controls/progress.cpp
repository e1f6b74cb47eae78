// "msctls_progress32": a position within a range, shown as a bar that grows
// from the left (from the bottom with PBS_VERTICAL), in blocks unless PBS_SMOOTH.

#include <algorithm>

#include "platform/controls/classes.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct ProgressState {
    int low = 0;
    int high = 100;
    int pos = 0;
    int step = 10;
};

WindowStates<ProgressState> g_bars;

void set_position(HWND hwnd, ProgressState& s, long long pos) {
    int clamped = static_cast<int>(std::clamp<long long>(pos, s.low, s.high));
    if (clamped != s.pos) {
        s.pos = clamped;
        repaint(hwnd);
    }
}

LRESULT set_range(HWND hwnd, ProgressState& s, int low, int high) {
    LRESULT previous = MAKELRESULT(s.low, s.high);
    s.low = low;
    s.high = high > low ? high : low;  // an empty or reversed range holds one value
    set_position(hwnd, s, s.pos);
    repaint(hwnd);
    return previous;
}

void paint(HWND hwnd, const ProgressState& s) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client = client_rect(hwnd);
    fill_rect(hdc, client, COLOR_BTNFACE);
    const LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
    const bool vertical = (style & PBS_VERTICAL) != 0;
    RECT area = client;
    InflateRect(&area, -1, -1);
    const int length = vertical ? area.bottom - area.top : area.right - area.left;
    const int thickness = vertical ? area.right - area.left : area.bottom - area.top;
    const long long span = static_cast<long long>(s.high) - s.low;
    int filled = span > 0 ? static_cast<int>((static_cast<long long>(s.pos) - s.low) * length / span) : 0;
    if (length > 0 && filled > 0) {
        const int block = (style & PBS_SMOOTH) ? length : std::max(2, thickness * 2 / 3);
        const int gap = (style & PBS_SMOOTH) ? 0 : 2;
        for (int at = 0; at < filled; at += block + gap) {
            int end = std::min(filled, at + block);
            RECT piece = vertical ? RECT{area.left, area.bottom - end, area.right, area.bottom - at}
                                  : RECT{area.left + at, area.top, area.left + end, area.bottom};
            fill_rect(hdc, piece, COLOR_HIGHLIGHT);
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT handle_progress_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, ProgressState& s) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, s); return 0;
    case PBM_SETRANGE:
        return set_range(hwnd, s, static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lp))),
                         static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lp))));
    case PBM_SETRANGE32: return set_range(hwnd, s, static_cast<int>(wp), static_cast<int>(lp));
    case PBM_GETRANGE: return wp ? s.low : s.high;
    case PBM_SETPOS: {
        int previous = s.pos;
        set_position(hwnd, s, static_cast<int>(wp));
        return previous;
    }
    case PBM_DELTAPOS: {
        int previous = s.pos;
        set_position(hwnd, s, static_cast<long long>(s.pos) + static_cast<int>(wp));
        return previous;
    }
    case PBM_SETSTEP: {
        int previous = s.step;
        s.step = static_cast<int>(wp);
        return previous;
    }
    case PBM_STEPIT: {
        // Past the end the bar starts over from the bottom of the range.
        int previous = s.pos;
        long long next = static_cast<long long>(s.pos) + s.step;
        if (next > s.high) next = s.low + (next - s.high);
        if (next < s.low) next = s.high - (s.low - next);
        set_position(hwnd, s, next);
        return previous;
    }
    case PBM_GETPOS: return s.pos;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT progress_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_bars.dispatch(hwnd, msg, wp, lp, handle_progress_message);
}

}  // namespace controls
