// "ListBox": a single-selection list with keyboard and mouse selection and a
// vertical scroll bar when the window has WS_VSCROLL.

#include <algorithm>
#include <cstring>

#include "platform/controls/classes.h"
#include "platform/controls/control_util.h"
#include "platform/controls/list_items.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct ListBoxState {
    ListItems items;
    HFONT font;
    int item_height = 0;
    bool focused = false;
    bool tracking = false;
    int selection_at_press = -1;
    SCROLLINFO shown_scroll{};
};

WindowStates<ListBoxState> g_lists;

int item_height(ListBoxState& s) {
    if (s.item_height <= 0) s.item_height = list_item_height(s.font);
    return s.item_height;
}

int visible_items(HWND hwnd, ListBoxState& s) {
    RECT rc = client_rect(hwnd);
    return std::max(1, static_cast<int>((rc.bottom - rc.top) / item_height(s)));
}

int max_top(HWND hwnd, ListBoxState& s) { return std::max(0, s.items.count() - visible_items(hwnd, s)); }

void update_scroll_bar(HWND hwnd, ListBoxState& s) {
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL)) return;
    SCROLLINFO si{};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = std::max(0, s.items.count() - 1);
    si.nPage = static_cast<UINT>(visible_items(hwnd, s));
    si.nPos = s.items.top;
    if (s.shown_scroll.fMask && si.nMax == s.shown_scroll.nMax && si.nPage == s.shown_scroll.nPage &&
        si.nPos == s.shown_scroll.nPos)
        return;
    s.shown_scroll = si;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void set_top(HWND hwnd, ListBoxState& s, int top) {
    top = std::clamp(top, 0, max_top(hwnd, s));
    if (top != s.items.top) {
        s.items.top = top;
        repaint(hwnd);
    }
    update_scroll_bar(hwnd, s);
}

void ensure_visible(HWND hwnd, ListBoxState& s, int index) {
    if (!s.items.valid(index)) return;
    int visible = visible_items(hwnd, s);
    if (index < s.items.top) set_top(hwnd, s, index);
    else if (index >= s.items.top + visible) set_top(hwnd, s, index - visible + 1);
}

// Selection from the user: the parent hears LBN_SELCHANGE when it asked for notifications.
void select_by_user(HWND hwnd, ListBoxState& s, int index) {
    index = s.items.count() == 0 ? -1 : std::clamp(index, 0, s.items.count() - 1);
    ensure_visible(hwnd, s, index);
    if (index == s.items.selected) return;
    s.items.selected = index;
    repaint(hwnd);
    if (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY) notify_parent(hwnd, LBN_SELCHANGE);
}

int sorted_position(const ListItems& items, const char* text) {
    int i = 0;
    while (i < items.count() && std::strcmp(items.at(i)->text.c_str(), text) <= 0) ++i;
    return i;
}

void paint(HWND hwnd, ListBoxState& s) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    HBRUSH background = colours_from_parent(hwnd, hdc, WM_CTLCOLORLISTBOX);
    if (IsWindow(hwnd)) {
        ListPaint how;
        how.item_height = item_height(s);
        how.highlighted = s.items.selected;
        how.focus_index = s.focused ? std::max(0, s.items.selected) : -1;
        if (!s.items.valid(how.focus_index)) how.focus_index = -1;
        how.font = s.font;
        how.background = background;
        how.text_colour = IsWindowEnabled(hwnd) ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
        paint_list(hdc, client_rect(hwnd), s.items, how);
    }
    EndPaint(hwnd, &ps);
}

LRESULT copy_text(const ListItems& items, WPARAM index, LPARAM buffer) {
    const ListItem* item = items.at(static_cast<int>(index));
    char* out = reinterpret_cast<char*>(buffer);
    if (!item || !out) return LB_ERR;
    // The caller sized the buffer with LB_GETTEXTLEN, as with the original control.
    std::memcpy(out, item->text.c_str(), item->text.size() + 1);
    return static_cast<LRESULT>(item->text.size());
}

void key_down(HWND hwnd, ListBoxState& s, int vk) {
    int page = visible_items(hwnd, s);
    int sel = s.items.selected;
    switch (vk) {
    case VK_UP: select_by_user(hwnd, s, sel < 0 ? 0 : sel - 1); break;
    case VK_DOWN: select_by_user(hwnd, s, sel + 1); break;
    case VK_HOME: select_by_user(hwnd, s, 0); break;
    case VK_END: select_by_user(hwnd, s, s.items.count() - 1); break;
    case VK_PRIOR: select_by_user(hwnd, s, sel - page + 1); break;
    case VK_NEXT: select_by_user(hwnd, s, sel + page - 1); break;
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: forward_navigation_key(hwnd, vk); break;
    default: break;
    }
}

LRESULT handle_listbox_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, ListBoxState& s) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wp));

    switch (msg) {
    case WM_CREATE: update_scroll_bar(hwnd, s); return 0;
    case WM_SIZE: set_top(hwnd, s, s.items.top); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, s); return 0;
    case WM_ENABLE: repaint(hwnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        s.font = LongToHandle<HFONT>(static_cast<LONG_PTR>(wp));
        s.item_height = 0;
        update_scroll_bar(hwnd, s);
        if (lp) repaint(hwnd);
        return 0;
    case WM_GETFONT: return HandleToLong(s.font);

    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const char* text = reinterpret_cast<const char*>(lp);
        int at = msg == LB_INSERTSTRING ? index
                 : (GetWindowLongA(hwnd, GWL_STYLE) & LBS_SORT) ? sorted_position(s.items, text ? text : "")
                                                                 : -1;
        if (msg == LB_INSERTSTRING && at > s.items.count()) return LB_ERR;
        int added = s.items.insert(at, text);
        update_scroll_bar(hwnd, s);
        repaint(hwnd);
        return added;
    }
    case LB_DELETESTRING:
        if (!s.items.erase(index)) return LB_ERR;
        set_top(hwnd, s, s.items.top);
        repaint(hwnd);
        return s.items.count();
    case LB_RESETCONTENT:
        s.items.clear();
        update_scroll_bar(hwnd, s);
        repaint(hwnd);
        return 0;
    case LB_GETCOUNT: return s.items.count();
    case LB_SETCURSEL:
        if (!s.items.valid(index)) {
            s.items.selected = -1;
            repaint(hwnd);
            return LB_ERR;  // also for -1, which only clears the selection
        }
        s.items.selected = index;
        ensure_visible(hwnd, s, index);
        repaint(hwnd);
        return index;
    case LB_GETCURSEL: return s.items.selected;
    case LB_GETSEL: return s.items.valid(index) ? (index == s.items.selected ? 1 : 0) : LB_ERR;
    case LB_GETTEXT: return copy_text(s.items, wp, lp);
    case LB_GETTEXTLEN: {
        const ListItem* item = s.items.at(index);
        return item ? static_cast<LRESULT>(item->text.size()) : LB_ERR;
    }
    case LB_GETITEMDATA: {
        const ListItem* item = s.items.at(index);
        return item ? item->data : LB_ERR;
    }
    case LB_SETITEMDATA: {
        ListItem* item = s.items.at(index);
        if (!item) return LB_ERR;
        item->data = lp;
        return 0;
    }
    case LB_GETTOPINDEX: return s.items.top;
    case LB_SETTOPINDEX:
        if (!s.items.valid(index) && !(index == 0 && s.items.count() == 0)) return LB_ERR;
        set_top(hwnd, s, index);
        return 0;
    case LB_GETITEMHEIGHT: return item_height(s);
    case LB_SETITEMHEIGHT:
        if (LOWORD(static_cast<DWORD_PTR>(lp)) == 0 || LOWORD(static_cast<DWORD_PTR>(lp)) > 255) return LB_ERR;
        s.item_height = LOWORD(static_cast<DWORD_PTR>(lp));
        update_scroll_bar(hwnd, s);
        repaint(hwnd);
        return 0;
    case LB_GETITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lp);
        if (!rc || !s.items.valid(index)) return LB_ERR;
        RECT client = client_rect(hwnd);
        int y = (index - s.items.top) * item_height(s);
        *rc = RECT{client.left, y, client.right, y + item_height(s)};
        return 1;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return s.items.find(reinterpret_cast<const char*>(lp), index, msg == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
        int found = s.items.find(reinterpret_cast<const char*>(lp), index, false);
        if (found < 0) return LB_ERR;
        s.items.selected = found;
        ensure_visible(hwnd, s, found);
        repaint(hwnd);
        return found;
    }

    case WM_SETFOCUS:
        s.focused = true;
        repaint(hwnd);
        if (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY) notify_parent(hwnd, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        repaint(hwnd);
        if (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY) notify_parent(hwnd, LBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        int hit = list_item_at(client_rect(hwnd), s.items, item_height(s), GET_Y_LPARAM(lp));
        s.selection_at_press = s.items.selected;
        if (hit >= 0) {
            s.items.selected = hit;
            repaint(hwnd);
        }
        s.tracking = true;
        SetCapture(hwnd);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s.tracking) {
            RECT client = client_rect(hwnd);
            int y = std::clamp<int>(GET_Y_LPARAM(lp), client.top, client.bottom - 1);
            int hit = list_item_at(client, s.items, item_height(s), y);
            if (GET_Y_LPARAM(lp) < client.top) hit = s.items.top - 1;
            if (GET_Y_LPARAM(lp) >= client.bottom) hit = s.items.top + visible_items(hwnd, s);
            if (s.items.count() > 0) {
                hit = std::clamp(hit, 0, s.items.count() - 1);
                ensure_visible(hwnd, s, hit);
                if (hit != s.items.selected) {
                    s.items.selected = hit;
                    repaint(hwnd);
                }
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (s.tracking) {
            s.tracking = false;
            ReleaseCapture();
            if (IsWindow(hwnd) && s.items.selected != s.selection_at_press &&
                (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY))
                notify_parent(hwnd, LBN_SELCHANGE);
        }
        return 0;
    case WM_CAPTURECHANGED: s.tracking = false; return 0;
    case WM_LBUTTONDBLCLK:
        if (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY) notify_parent(hwnd, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN: key_down(hwnd, s, static_cast<int>(wp)); return 0;
    case WM_VSCROLL: {
        int page = visible_items(hwnd, s);
        switch (static_cast<int>(LOWORD(wp))) {
        case SB_LINEUP: set_top(hwnd, s, s.items.top - 1); break;
        case SB_LINEDOWN: set_top(hwnd, s, s.items.top + 1); break;
        case SB_PAGEUP: set_top(hwnd, s, s.items.top - page); break;
        case SB_PAGEDOWN: set_top(hwnd, s, s.items.top + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: set_top(hwnd, s, static_cast<int>(HIWORD(wp))); break;
        case SB_TOP: set_top(hwnd, s, 0); break;
        case SB_BOTTOM: set_top(hwnd, s, max_top(hwnd, s)); break;
        default: break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL: set_top(hwnd, s, s.items.top - static_cast<SHORT>(HIWORD(wp)) / 120 * 3); return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT listbox_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_lists.dispatch(hwnd, msg, wp, lp, handle_listbox_message);
}

}  // namespace controls
