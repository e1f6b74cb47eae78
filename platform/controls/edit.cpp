// "Edit": single-line and multi-line text boxes. The caret and selection move
// by whole UTF-8 characters; typed bytes are assembled into characters before
// they are inserted; Ctrl+C, X and V go through the host's clipboard.

#include <algorithm>
#include <cstring>

#include "platform/controls/classes.h"
#include "platform/controls/control_util.h"
#include "platform/controls/dialog_keys.h"
#include "platform/controls/edit_state.h"
#include "platform/controls/window_state.h"
#include "platform/user/internal.h"

namespace controls {

namespace et = edit_text;

namespace edit_geometry {

bool is_multiline(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & ES_MULTILINE) != 0; }

bool is_password(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & (ES_PASSWORD | ES_MULTILINE)) == ES_PASSWORD;
}

RECT text_area(HWND hwnd) {
    RECT rc = client_rect(hwnd);
    rc.left += kMarginX;
    rc.right -= kMarginX;
    rc.top += kMarginTop;
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    return rc;
}

namespace {

// A memory DC holding the edit box's font, for measuring.
class MeasureDc {
public:
    explicit MeasureDc(HFONT font) : dc_(CreateCompatibleDC(HDC())) { old_ = SelectObject(dc_, font_or_default(font)); }
    ~MeasureDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    int width(std::string_view s) const {
        SIZE size{};
        if (!GetTextExtentPoint32A(dc_, s.data(), static_cast<int>(s.size()), &size)) return 0;
        return size.cx;
    }
    MeasureDc(const MeasureDc&) = delete;
    MeasureDc& operator=(const MeasureDc&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

int char_width(HWND hwnd, EditState& s, std::string_view text, std::size_t pos) {
    std::uint32_t cp = et::code_point_at(text, pos);
    if (is_password(hwnd)) {
        cp = static_cast<unsigned char>(kPasswordChar);
        text = std::string_view(&kPasswordChar, 1);
        pos = 0;
    }
    if (cp == '\r' || cp == '\n') return 0;
    auto it = s.char_widths.find(cp);
    if (it != s.char_widths.end()) return it->second;
    MeasureDc dc(s.font);
    int w = cp == '\t' ? 4 * dc.width(" ") : dc.width(text.substr(pos, et::next_char(text, pos) - pos));
    s.char_widths.emplace(cp, w);
    return w;
}

int text_width(HWND hwnd, EditState& s, std::size_t from, std::size_t to) {
    int w = 0;
    for (std::size_t p = from; p < to && p < s.text.size(); p = et::next_char(s.text, p))
        w += char_width(hwnd, s, s.text, p);
    return w;
}

void ensure_layout(HWND hwnd, EditState& s) {
    if (s.layout_valid) return;
    if (s.line_height <= 0) s.line_height = font_line_height(s.font);
    int wrap = 0;
    if (is_multiline(hwnd) && !(GetWindowLongA(hwnd, GWL_STYLE) & (ES_AUTOHSCROLL | WS_HSCROLL))) {
        RECT area = text_area(hwnd);
        wrap = std::max<int>(1, area.right - area.left);
    }
    if (is_multiline(hwnd)) {
        s.lines = et::layout_lines(s.text, wrap, [&](std::string_view t, std::size_t p) { return char_width(hwnd, s, t, p); });
    } else {
        s.lines.assign(1, et::Line{0, s.text.size(), s.text.size()});
    }
    s.layout_valid = true;
}

int line_of(const EditState& s, std::size_t pos) {
    int index = 0;
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
        if (s.lines[i].start <= pos) index = static_cast<int>(i);
        else break;
    }
    return index;
}

int visible_lines(HWND hwnd, const EditState& s) {
    RECT area = text_area(hwnd);
    int lh = s.line_height > 0 ? s.line_height : 16;
    return std::max(1, static_cast<int>((area.bottom - area.top) / lh));
}

}  // namespace edit_geometry

namespace {

using namespace edit_geometry;

WindowStates<EditState> g_edits;

bool is_readonly(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & ES_READONLY) != 0; }

void invalidate_layout(EditState& s) { s.layout_valid = false; }

// The text position nearest to x (client pixels) on line index.
std::size_t position_at_x(HWND hwnd, EditState& s, int line_index, int x) {
    const et::Line& line = s.lines[static_cast<std::size_t>(line_index)];
    int left = text_area(hwnd).left - s.scroll_x;
    std::size_t pos = line.start;
    while (pos < line.end) {
        int w = char_width(hwnd, s, s.text, pos);
        if (x < left + w / 2 + (w % 2)) break;
        left += w;
        pos = et::next_char(s.text, pos);
    }
    return pos;
}

std::size_t position_at_point(HWND hwnd, EditState& s, int x, int y) {
    ensure_layout(hwnd, s);
    RECT area = text_area(hwnd);
    int line = is_multiline(hwnd) ? s.first_line + (y - area.top) / std::max(1, s.line_height) : 0;
    if (y < area.top && is_multiline(hwnd)) line = s.first_line - 1;
    line = std::clamp(line, 0, static_cast<int>(s.lines.size()) - 1);
    return position_at_x(hwnd, s, line, x);
}

void update_scroll_bar(HWND hwnd, EditState& s) {
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL)) return;
    SCROLLINFO si{};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = static_cast<int>(s.lines.size()) - 1;
    si.nPage = static_cast<UINT>(visible_lines(hwnd, s));
    si.nPos = s.first_line;
    if (si.nMax == s.shown_scroll.nMax && si.nPage == s.shown_scroll.nPage && si.nPos == s.shown_scroll.nPos &&
        s.shown_scroll.fMask)
        return;
    s.shown_scroll = si;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

int max_first_line(HWND hwnd, const EditState& s) {
    return std::max(0, static_cast<int>(s.lines.size()) - visible_lines(hwnd, s));
}

void scroll_to_caret(HWND hwnd, EditState& s) {
    ensure_layout(hwnd, s);
    int line = line_of(s, s.caret);
    if (is_multiline(hwnd)) {
        int visible = visible_lines(hwnd, s);
        if (line < s.first_line) s.first_line = line;
        if (line >= s.first_line + visible) s.first_line = line - visible + 1;
        s.first_line = std::clamp(s.first_line, 0, max_first_line(hwnd, s));
    }
    RECT area = text_area(hwnd);
    int width = area.right - area.left;
    const et::Line& l = s.lines[static_cast<std::size_t>(line)];
    int x = text_width(hwnd, s, l.start, s.caret);
    if (x < s.scroll_x) s.scroll_x = std::max(0, x - width / 3);
    else if (x > s.scroll_x + width - 1) s.scroll_x = x - width + 1 + width / 3;
    if (s.scroll_x < 0) s.scroll_x = 0;
    update_scroll_bar(hwnd, s);
}

void changed_view(HWND hwnd, EditState& s) {
    scroll_to_caret(hwnd, s);
    repaint(hwnd);
}

void move_caret(HWND hwnd, EditState& s, std::size_t pos, bool extend) {
    s.caret = std::min(pos, s.text.size());
    if (!extend) s.anchor = s.caret;
    changed_view(hwnd, s);
}

// Would the text overflow a box that does not scroll?
bool overflows(HWND hwnd, EditState& s) {
    LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
    RECT area = text_area(hwnd);
    if (!(style & ES_MULTILINE)) {
        if (style & ES_AUTOHSCROLL) return false;
        return text_width(hwnd, s, 0, s.text.size()) > area.right - area.left;
    }
    if (style & (ES_AUTOVSCROLL | WS_VSCROLL)) return false;
    ensure_layout(hwnd, s);
    return static_cast<int>(s.lines.size()) > visible_lines(hwnd, s);
}

// Replaces the selection with insert; from_user edits are refused when the box
// is full and tell the parent with EN_CHANGE. Returns false if the window died.
bool replace_selection(HWND hwnd, EditState& s, std::string insert, bool from_user) {
    if (!is_multiline(hwnd) && from_user) insert = et::first_line(insert);
    std::size_t from = s.sel_min(), to = s.sel_max();
    std::size_t room = s.limit - std::min(s.limit, s.text.size() - (to - from));
    if (insert.size() > room) {
        insert.resize(room);
        insert.resize(et::char_start(insert, insert.size()));
    }
    if (from == to && insert.empty()) return true;
    std::string before = s.text;
    const std::size_t old_caret = s.caret, old_anchor = s.anchor;
    s.text.replace(from, to - from, insert);
    s.caret = s.anchor = from + insert.size();
    invalidate_layout(s);
    if (from_user && overflows(hwnd, s)) {
        // A box that does not scroll refuses what would not fit.
        s.text.swap(before);
        s.caret = old_caret;
        s.anchor = old_anchor;
        invalidate_layout(s);
        return true;
    }
    s.modified = true;
    changed_view(hwnd, s);
    if (!notify_parent(hwnd, EN_UPDATE)) return false;
    return notify_parent(hwnd, EN_CHANGE);
}

std::string selected_text(const EditState& s) { return s.text.substr(s.sel_min(), s.sel_max() - s.sel_min()); }

// A password box keeps its text off the clipboard.
void copy(HWND hwnd, const EditState& s) {
    if (s.has_selection() && !is_password(hwnd)) user::set_clipboard_text(selected_text(s));
}

void cut(HWND hwnd, EditState& s) {
    if (!s.has_selection() || is_readonly(hwnd) || is_password(hwnd)) return;
    copy(hwnd, s);
    replace_selection(hwnd, s, std::string(), true);
}

void paste(HWND hwnd, EditState& s) {
    if (is_readonly(hwnd)) return;
    std::string text = user::clipboard_text();
    if (is_multiline(hwnd)) text = et::normalise_line_breaks(text);
    replace_selection(hwnd, s, text, true);
}

void set_text(HWND hwnd, EditState& s, const char* text) {
    s.text = text ? text : "";
    s.caret = s.anchor = 0;
    s.first_line = 0;
    s.scroll_x = 0;
    s.modified = false;
    s.typing.clear();
    invalidate_layout(s);
    changed_view(hwnd, s);
}

void set_selection(HWND hwnd, EditState& s, LONG_PTR start, LONG_PTR end) {
    const auto size = static_cast<LONG_PTR>(s.text.size());
    if (start == -1) {
        s.anchor = s.caret;  // deselect, the caret stays
    } else {
        if (end < 0 || end > size) end = size;
        if (start < 0 || start > size) start = size;
        s.anchor = et::char_start(s.text, static_cast<std::size_t>(start));
        s.caret = et::char_start(s.text, static_cast<std::size_t>(end));
    }
    changed_view(hwnd, s);
}

// Up and down keep the caret's x as near as the other line allows.
std::size_t vertical_move(HWND hwnd, EditState& s, int lines) {
    ensure_layout(hwnd, s);
    int line = line_of(s, s.caret);
    int target = std::clamp(line + lines, 0, static_cast<int>(s.lines.size()) - 1);
    if (target == line) return lines < 0 ? s.lines[static_cast<std::size_t>(line)].start : s.lines[static_cast<std::size_t>(line)].end;
    const et::Line& l = s.lines[static_cast<std::size_t>(line)];
    int x = text_area(hwnd).left - s.scroll_x + text_width(hwnd, s, l.start, s.caret);
    return position_at_x(hwnd, s, target, x);
}

void key_down(HWND hwnd, EditState& s, int vk) {
    const bool shift = key_is_down(VK_SHIFT);
    const bool ctrl = key_is_down(VK_CONTROL);
    const bool multiline = is_multiline(hwnd);
    ensure_layout(hwnd, s);
    const et::Line& line = s.lines[static_cast<std::size_t>(line_of(s, s.caret))];
    switch (vk) {
    case VK_LEFT:
        if (s.has_selection() && !shift) move_caret(hwnd, s, s.sel_min(), false);
        else move_caret(hwnd, s, ctrl ? et::word_start(s.text, et::prev_char(s.text, s.caret)) : et::prev_char(s.text, s.caret), shift);
        break;
    case VK_RIGHT:
        if (s.has_selection() && !shift) move_caret(hwnd, s, s.sel_max(), false);
        else move_caret(hwnd, s, ctrl ? et::word_end(s.text, et::next_char(s.text, s.caret)) : et::next_char(s.text, s.caret), shift);
        break;
    case VK_UP:
        move_caret(hwnd, s, multiline ? vertical_move(hwnd, s, -1) : et::prev_char(s.text, s.caret), shift);
        break;
    case VK_DOWN:
        move_caret(hwnd, s, multiline ? vertical_move(hwnd, s, 1) : et::next_char(s.text, s.caret), shift);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (multiline) {
            int page = visible_lines(hwnd, s);
            move_caret(hwnd, s, vertical_move(hwnd, s, vk == VK_PRIOR ? -page : page), shift);
        }
        break;
    case VK_HOME: move_caret(hwnd, s, ctrl ? 0 : line.start, shift); break;
    case VK_END: move_caret(hwnd, s, ctrl ? s.text.size() : line.end, shift); break;
    case VK_BACK:
        if (is_readonly(hwnd)) break;
        if (!s.has_selection()) s.anchor = et::prev_char(s.text, s.caret);
        replace_selection(hwnd, s, std::string(), true);
        break;
    case VK_DELETE:
        if (shift) {
            cut(hwnd, s);
            break;
        }
        if (is_readonly(hwnd)) break;
        if (!s.has_selection()) s.anchor = et::next_char(s.text, s.caret);
        replace_selection(hwnd, s, std::string(), true);
        break;
    case VK_INSERT:
        if (ctrl) copy(hwnd, s);
        else if (shift) paste(hwnd, s);
        break;
    case VK_RETURN:
        // A multi-line box takes Enter as a new line unless it sits in a dialog
        // box without ES_WANTRETURN, where Enter belongs to the default button.
        if (multiline && ((GetWindowLongA(hwnd, GWL_STYLE) & ES_WANTRETURN) || !dialog_ancestor(hwnd))) {
            if (!is_readonly(hwnd)) replace_selection(hwnd, s, "\r\n", true);
        } else {
            forward_navigation_key(hwnd, vk);
        }
        break;
    case VK_TAB:
    case VK_ESCAPE: forward_navigation_key(hwnd, vk); break;
    default:
        if (!ctrl) break;
        if (vk == 'A') {
            s.anchor = 0;
            move_caret(hwnd, s, s.text.size(), true);
        } else if (vk == 'C') {
            copy(hwnd, s);
        } else if (vk == 'X') {
            cut(hwnd, s);
        } else if (vk == 'V') {
            paste(hwnd, s);
        }
        break;
    }
}

void typed_byte(HWND hwnd, EditState& s, unsigned char byte) {
    std::string ch = s.typing.feed(byte);
    if (ch.empty()) return;
    unsigned char first = static_cast<unsigned char>(ch[0]);
    // Control characters (Backspace, Enter, Tab, Ctrl+letters) are handled as keys.
    if (ch.size() == 1 && (first < 0x20 || first == 0x7F)) return;
    const LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
    if (style & ES_READONLY) return;
    if ((style & ES_NUMBER) && !(first >= '0' && first <= '9')) return;
    if ((style & ES_UPPERCASE) && first >= 'a' && first <= 'z') ch[0] = static_cast<char>(first - 'a' + 'A');
    if ((style & ES_LOWERCASE) && first >= 'A' && first <= 'Z') ch[0] = static_cast<char>(first - 'A' + 'a');
    replace_selection(hwnd, s, ch, true);
}

void scroll_lines(HWND hwnd, EditState& s, int first) {
    ensure_layout(hwnd, s);
    first = std::clamp(first, 0, max_first_line(hwnd, s));
    if (first == s.first_line) return;
    s.first_line = first;
    update_scroll_bar(hwnd, s);
    repaint(hwnd);
}

void vertical_scroll(HWND hwnd, EditState& s, WPARAM wp) {
    ensure_layout(hwnd, s);
    int page = visible_lines(hwnd, s);
    switch (static_cast<int>(LOWORD(wp))) {
    case SB_LINEUP: scroll_lines(hwnd, s, s.first_line - 1); break;
    case SB_LINEDOWN: scroll_lines(hwnd, s, s.first_line + 1); break;
    case SB_PAGEUP: scroll_lines(hwnd, s, s.first_line - page); break;
    case SB_PAGEDOWN: scroll_lines(hwnd, s, s.first_line + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scroll_lines(hwnd, s, static_cast<int>(HIWORD(wp))); break;
    case SB_TOP: scroll_lines(hwnd, s, 0); break;
    case SB_BOTTOM: scroll_lines(hwnd, s, max_first_line(hwnd, s)); break;
    default: break;
    }
}

LRESULT get_text(const EditState& s, WPARAM size, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(s.text.size(), size - 1);
    n = et::char_start(s.text, n);
    std::memcpy(out, s.text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT dialog_code(HWND hwnd) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (is_multiline(hwnd)) code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT handle_edit_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, EditState& s) {
    switch (msg) {
    case WM_CREATE: {
        std::string text = creation_text(lp);
        set_text(hwnd, s, text.c_str());
        return 0;
    }
    case WM_SIZE:
        invalidate_layout(s);
        changed_view(hwnd, s);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint_edit(hwnd, s); return 0;
    case WM_ENABLE: repaint(hwnd); return 0;
    case WM_GETDLGCODE: return dialog_code(hwnd);
    case WM_SETFONT:
        s.font = LongToHandle<HFONT>(static_cast<LONG_PTR>(wp));
        s.char_widths.clear();
        s.line_height = 0;
        invalidate_layout(s);
        scroll_to_caret(hwnd, s);
        if (lp) repaint(hwnd);
        return 0;
    case WM_GETFONT: return HandleToLong(s.font);

    case WM_SETTEXT:
        set_text(hwnd, s, reinterpret_cast<const char*>(lp));
        if (IsWindow(hwnd)) notify_parent(hwnd, EN_CHANGE);
        return TRUE;
    case WM_GETTEXT: return get_text(s, wp, lp);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(s.text.size());

    case EM_GETSEL: {
        auto start = static_cast<DWORD>(s.sel_min()), end = static_cast<DWORD>(s.sel_max());
        if (auto* p = reinterpret_cast<DWORD*>(wp)) *p = start;
        if (auto* p = reinterpret_cast<DWORD*>(lp)) *p = end;
        if (start > 0xFFFF || end > 0xFFFF) return -1;
        return MAKELRESULT(static_cast<int>(start), static_cast<int>(end));
    }
    case EM_SETSEL: set_selection(hwnd, s, static_cast<LONG_PTR>(static_cast<INT_PTR>(wp)), lp); return 0;
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(lp);
        replace_selection(hwnd, s, text ? text : "", false);
        return 0;
    }
    case EM_SETREADONLY: {
        LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE, wp ? (style | ES_READONLY) : (style & ~static_cast<LONG_PTR>(ES_READONLY)));
        repaint(hwnd);
        return TRUE;
    }
    case EM_GETMODIFY: return s.modified;
    case EM_SETMODIFY: s.modified = wp != 0; return 0;
    case EM_LIMITTEXT: s.limit = wp == 0 ? 0x7FFFFFFE : static_cast<std::size_t>(wp); return 0;
    case EM_GETLINECOUNT: ensure_layout(hwnd, s); return static_cast<LRESULT>(s.lines.size());
    case EM_GETFIRSTVISIBLELINE: return s.first_line;
    case EM_SCROLLCARET: scroll_to_caret(hwnd, s); repaint(hwnd); return TRUE;
    case EM_LINEFROMCHAR: {
        ensure_layout(hwnd, s);
        std::size_t pos = static_cast<INT_PTR>(wp) < 0 ? s.caret : std::min<std::size_t>(wp, s.text.size());
        return line_of(s, pos);
    }
    case EM_LINEINDEX: {
        ensure_layout(hwnd, s);
        INT_PTR line = static_cast<INT_PTR>(wp) < 0 ? line_of(s, s.caret) : static_cast<INT_PTR>(wp);
        if (line >= static_cast<INT_PTR>(s.lines.size())) return -1;
        return static_cast<LRESULT>(s.lines[static_cast<std::size_t>(line)].start);
    }

    case WM_CUT: cut(hwnd, s); return 0;
    case WM_COPY: copy(hwnd, s); return 0;
    case WM_PASTE: paste(hwnd, s); return 0;
    case WM_CLEAR:
        if (!is_readonly(hwnd)) replace_selection(hwnd, s, std::string(), true);
        return 0;

    case WM_SETFOCUS:
        s.focused = true;
        repaint(hwnd);
        notify_parent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        s.typing.clear();
        repaint(hwnd);
        notify_parent(hwnd, EN_KILLFOCUS);
        return 0;

    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        std::size_t pos = position_at_point(hwnd, s, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        move_caret(hwnd, s, pos, (wp & MK_SHIFT) != 0);
        s.dragging = true;
        SetCapture(hwnd);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        std::size_t pos = position_at_point(hwnd, s, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        s.anchor = et::word_start(s.text, pos);
        move_caret(hwnd, s, et::word_end(s.text, pos), true);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s.dragging) move_caret(hwnd, s, position_at_point(hwnd, s, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)), true);
        return 0;
    case WM_LBUTTONUP:
        if (s.dragging) {
            s.dragging = false;
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED: s.dragging = false; return 0;

    case WM_KEYDOWN: key_down(hwnd, s, static_cast<int>(wp)); return 0;
    case WM_CHAR: typed_byte(hwnd, s, static_cast<unsigned char>(wp & 0xFF)); return 0;
    case WM_VSCROLL: vertical_scroll(hwnd, s, wp); return 0;
    case WM_MOUSEWHEEL: {
        int delta = static_cast<SHORT>(HIWORD(wp));
        scroll_lines(hwnd, s, s.first_line - delta / 120 * 3);
        return 0;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_edits.dispatch(hwnd, msg, wp, lp, handle_edit_message);
}

}  // namespace controls
