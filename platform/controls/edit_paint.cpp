// Painting of the edit box: background and colours from the parent, the
// visible lines, the selection in the highlight colours, and a steady caret
// (no blinking timer, so an idle box costs nothing).

#include <algorithm>

#include "platform/controls/control_util.h"
#include "platform/controls/edit_state.h"

namespace controls {

using namespace edit_geometry;

namespace {

struct Segment {
    std::size_t from, to;
    bool selected;
};

void draw_run(HDC hdc, HWND hwnd, EditState& s, const Segment& seg, int& x, int y, COLORREF normal_text) {
    if (seg.from >= seg.to) return;
    int w = text_width(hwnd, s, seg.from, seg.to);
    if (seg.selected) {
        RECT band{x, y, x + w, y + s.line_height};
        FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(hdc, normal_text);
    }
    if (is_password(hwnd)) {
        std::size_t chars = 0;
        for (std::size_t p = seg.from; p < seg.to; p = edit_text::next_char(s.text, p)) ++chars;
        std::string stars(chars, kPasswordChar);
        TextOutA(hdc, x, y, stars.data(), static_cast<int>(stars.size()));
    } else {
        TextOutA(hdc, x, y, s.text.data() + seg.from, static_cast<int>(seg.to - seg.from));
    }
    x += w;
}

}  // namespace

void paint_edit(HWND hwnd, EditState& s) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
    // A box the user cannot change sits on the parent's background, as static text does.
    UINT ask = (!enabled || (style & ES_READONLY)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH background = colours_from_parent(hwnd, hdc, ask);
    if (!IsWindow(hwnd)) {
        EndPaint(hwnd, &ps);
        return;
    }
    RECT client = client_rect(hwnd);
    FillRect(hdc, &client, background);
    ensure_layout(hwnd, s);

    const COLORREF text_colour = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
    const bool show_selection = s.has_selection() && (s.focused || (style & ES_NOHIDESEL));
    RECT area = text_area(hwnd);
    SaveDC(hdc);
    IntersectClipRect(hdc, area.left, client.top, area.right, client.bottom);
    HGDIOBJ old_font = SelectObject(hdc, font_or_default(s.font));
    SetBkMode(hdc, TRANSPARENT);

    const int first = static_cast<int>(style & ES_MULTILINE) ? s.first_line : 0;
    for (int i = first; i < static_cast<int>(s.lines.size()); ++i) {
        int y = area.top + (i - first) * s.line_height;
        if (y >= client.bottom) break;
        const edit_text::Line& line = s.lines[static_cast<std::size_t>(i)];
        std::size_t a = show_selection ? std::clamp(s.sel_min(), line.start, line.end) : line.end;
        std::size_t b = show_selection ? std::clamp(s.sel_max(), line.start, line.end) : line.end;
        int x = area.left - s.scroll_x;
        draw_run(hdc, hwnd, s, Segment{line.start, a, false}, x, y, text_colour);
        draw_run(hdc, hwnd, s, Segment{a, b, true}, x, y, text_colour);
        draw_run(hdc, hwnd, s, Segment{b, line.end, false}, x, y, text_colour);
    }

    if (s.focused) {
        int line_index = line_of(s, s.caret);
        if (line_index >= first) {
            const edit_text::Line& line = s.lines[static_cast<std::size_t>(line_index)];
            int x = area.left - s.scroll_x + text_width(hwnd, s, line.start, s.caret);
            int y = area.top + (line_index - first) * s.line_height;
            RECT caret{x, y, x + 1, y + s.line_height};
            FillRect(hdc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
    }
    SelectObject(hdc, old_font);
    RestoreDC(hdc, -1);
    EndPaint(hwnd, &ps);
}

}  // namespace controls
