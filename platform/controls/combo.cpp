// "ComboBox": CBS_SIMPLE (an edit field over a list that is always shown),
// CBS_DROPDOWN (an edit field and a drop button) and CBS_DROPDOWNLIST (a
// selection face and a drop button). The list is a "ComboLBox" window; see
// combo_list.cpp.

#include <algorithm>
#include <cstring>

#include "platform/controls/classes.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/combo_internal.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

inline constexpr int kEditId = 1001;
inline constexpr int kListId = 1000;
inline constexpr int kEdge = 2;
inline constexpr int kMaxDroppedItems = 8;

WindowStates<ComboState> g_combos;

DWORD combo_type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 0x3; }
bool has_button(HWND hwnd) { return (combo_type(hwnd) & CBS_DROPDOWN) != 0; }

int face_height(ComboState& s) { return combo_item_height(s) + 2 * kEdge + 2; }

RECT button_rect(HWND hwnd) {
    RECT rc = client_rect(hwnd);
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{std::max<LONG>(rc.left + kEdge, rc.right - kEdge - w), rc.top + kEdge, rc.right - kEdge,
                rc.bottom - kEdge};
}

RECT text_rect(HWND hwnd) {
    RECT rc = client_rect(hwnd);
    RECT button = button_rect(hwnd);
    return RECT{rc.left + kEdge, rc.top + kEdge, button.left, rc.bottom - kEdge};
}

void sync_edit_text(ComboState& s) {
    if (!s.edit) return;
    const ListItem* item = s.items.at(s.items.selected);
    // Our own change of the field is not the user editing it: no CBN_EDITCHANGE.
    s.filling_edit = true;
    SetWindowTextA(s.edit, item ? item->text.c_str() : "");
    SendMessageA(s.edit, EM_SETSEL, 0, -1);
    s.filling_edit = false;
}

LRESULT edit_child_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

void create_children(HWND hwnd, ComboState& s, const std::string& text) {
    RECT rc = client_rect(hwnd);
    const DWORD type = combo_type(hwnd);
    if (type == CBS_SIMPLE) {
        int fh = face_height(s);
        s.edit = CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER, 0, 0,
                                 rc.right, fh, hwnd, HMENU(static_cast<std::uint32_t>(kEditId)), HINSTANCE(), nullptr);
        s.list = CreateWindowExA(WS_EX_CLIENTEDGE, "ComboLBox", "", WS_CHILD | WS_VISIBLE, 0, fh, rc.right,
                                 std::max<LONG>(0, rc.bottom - fh), hwnd, HMENU(static_cast<std::uint32_t>(kListId)),
                                 HINSTANCE(), nullptr);
    } else if (type == CBS_DROPDOWN) {
        RECT tr = text_rect(hwnd);
        s.edit = CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, tr.left, tr.top,
                                 tr.right - tr.left, tr.bottom - tr.top, hwnd,
                                 HMENU(static_cast<std::uint32_t>(kEditId)), HINSTANCE(), nullptr);
    }
    if (s.edit) SetWindowLongA(s.edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&edit_child_proc));
}

void layout_children(HWND hwnd, ComboState& s) {
    RECT rc = client_rect(hwnd);
    if (combo_type(hwnd) == CBS_SIMPLE) {
        int fh = face_height(s);
        if (s.edit) MoveWindow(s.edit, 0, 0, rc.right, fh, TRUE);
        if (s.list) MoveWindow(s.list, 0, fh, rc.right, std::max<LONG>(0, rc.bottom - fh), TRUE);
    } else if (s.edit) {
        RECT tr = text_rect(hwnd);
        MoveWindow(s.edit, tr.left, tr.top, tr.right - tr.left, tr.bottom - tr.top, TRUE);
    }
}

void drop(HWND hwnd, ComboState& s) {
    if (s.dropped || !has_button(hwnd)) return;
    if (!notify_parent(hwnd, CBN_DROPDOWN)) return;
    if (!s.list || !IsWindow(s.list)) {
        s.list = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "ComboLBox", "", WS_POPUP | WS_CLIPSIBLINGS, 0, 0, 1, 1, hwnd, HMENU(),
                                 HINSTANCE(), nullptr);
        if (!s.list) return;
    }
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    int ih = combo_item_height(s);
    int rows = s.drop_height > 0 ? std::max(1, (s.drop_height - 2) / ih) : kMaxDroppedItems;
    rows = std::clamp(s.items.count(), 1, rows);
    s.dropped = true;
    s.hot = s.items.selected;
    if (s.hot >= 0) s.items.top = std::clamp(s.hot - rows + 1, 0, s.hot);
    s.items.top = std::clamp(s.items.top, 0, std::max(0, s.items.count() - rows));
    SetWindowPos(s.list, HWND_TOP, wr.left, wr.bottom, wr.right - wr.left, rows * ih + 2,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(s.list, nullptr, TRUE);
    SetCapture(s.list);
    repaint(hwnd);
}

void toggle(HWND hwnd, ComboState& s) {
    if (s.dropped) combo_close(hwnd, true);
    else drop(hwnd, s);
}

void move_hot(HWND hwnd, ComboState& s, int index) {
    if (s.items.count() == 0) return;
    index = std::clamp(index, 0, s.items.count() - 1);
    s.hot = index;
    RECT lr = client_rect(s.list);
    int rows = std::max(1, static_cast<int>((lr.bottom - lr.top - 2) / combo_item_height(s)));
    if (index < s.items.top) s.items.top = index;
    if (index >= s.items.top + rows) s.items.top = index - rows + 1;
    repaint(s.list);
    (void)hwnd;
}

// Keys for the combo box, whether they reached it or its edit field.
// Returns true when the key was used.
bool combo_key(HWND hwnd, ComboState& s, UINT msg, int vk) {
    if (msg == WM_SYSKEYDOWN) {
        if (vk != VK_DOWN && vk != VK_UP) return false;
        toggle(hwnd, s);
        return true;
    }
    if (vk == VK_F4) {
        toggle(hwnd, s);
        return true;
    }
    if (s.dropped) {
        switch (vk) {
        case VK_UP: move_hot(hwnd, s, s.hot - 1); return true;
        case VK_DOWN: move_hot(hwnd, s, s.hot + 1); return true;
        case VK_HOME: move_hot(hwnd, s, 0); return true;
        case VK_END: move_hot(hwnd, s, s.items.count() - 1); return true;
        case VK_RETURN: combo_close(hwnd, true); return true;
        case VK_ESCAPE: combo_close(hwnd, false); return true;
        case VK_TAB:
            combo_close(hwnd, true);
            if (IsWindow(hwnd)) forward_navigation_key(hwnd, vk);
            return true;
        default: return false;
        }
    }
    switch (vk) {
    case VK_UP: combo_select_by_user(hwnd, std::max(0, s.items.selected - 1)); return true;
    case VK_DOWN: combo_select_by_user(hwnd, s.items.selected + 1); return true;
    case VK_HOME: combo_select_by_user(hwnd, 0); return true;
    case VK_END: combo_select_by_user(hwnd, s.items.count() - 1); return true;
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: forward_navigation_key(hwnd, vk); return true;
    default: return false;
    }
}

LRESULT edit_child_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
        HWND combo = GetParent(hwnd);
        std::shared_ptr<ComboState> s = combo_state(combo);
        int vk = static_cast<int>(wp);
        // The edit field keeps its own line keys; the rest belong to the box.
        bool for_box = msg == WM_SYSKEYDOWN || vk == VK_F4 || vk == VK_UP || vk == VK_DOWN || vk == VK_TAB ||
                       vk == VK_RETURN || vk == VK_ESCAPE || (s && s->dropped && (vk == VK_HOME || vk == VK_END));
        if (s && for_box && combo_key(combo, *s, msg, vk)) return 0;
    }
    if (msg == WM_KILLFOCUS) {
        HWND combo = GetParent(hwnd);
        std::shared_ptr<ComboState> s = combo_state(combo);
        if (s && LongToHandle<HWND>(static_cast<LONG_PTR>(wp)) != combo) {
            s->focused = false;
            combo_close(combo, false);
        }
        if (!IsWindow(hwnd)) return 0;
    }
    return CallWindowProcA(edit_proc, hwnd, msg, wp, lp);
}

void paint(HWND hwnd, ComboState& s) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    HBRUSH background = colours_from_parent(hwnd, hdc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    if (!IsWindow(hwnd)) {
        EndPaint(hwnd, &ps);
        return;
    }
    RECT client = client_rect(hwnd);
    if (combo_type(hwnd) == CBS_SIMPLE) {
        fill_rect(hdc, client, COLOR_BTNFACE);
        EndPaint(hwnd, &ps);
        return;
    }
    FillRect(hdc, &client, background);
    draw_bevel(hdc, client, Bevel::Sunken);
    RECT button = button_rect(hwnd);
    fill_rect(hdc, button, COLOR_BTNFACE);
    RECT inside = draw_bevel(hdc, button, s.dropped ? Bevel::Pushed : Bevel::Raised);
    if (s.dropped) OffsetRect(&inside, 1, 1);
    draw_down_arrow(hdc, inside, !enabled);

    if (combo_type(hwnd) == CBS_DROPDOWNLIST) {
        RECT face = text_rect(hwnd);
        InflateRect(&face, -1, -1);
        const ListItem* item = s.items.at(s.items.selected);
        COLORREF colour = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
        if (s.focused && !s.dropped) {
            fill_rect(hdc, face, COLOR_HIGHLIGHT);
            colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        RECT text = face;
        text.left += 2;
        if (item) draw_caption(hdc, item->text, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, s.font, colour);
        if (s.focused && !s.dropped) draw_focus(hdc, face);
    }
    EndPaint(hwnd, &ps);
}

LRESULT copy_item_text(const ComboState& s, WPARAM index, LPARAM buffer) {
    const ListItem* item = s.items.at(static_cast<int>(static_cast<INT_PTR>(index)));
    char* out = reinterpret_cast<char*>(buffer);
    if (!item || !out) return CB_ERR;
    // The caller sized the buffer with CB_GETLBTEXTLEN, as with the original control.
    std::memcpy(out, item->text.c_str(), item->text.size() + 1);
    return static_cast<LRESULT>(item->text.size());
}

LRESULT window_text(ComboState& s, UINT msg, WPARAM wp, LPARAM lp) {
    if (s.edit) return SendMessageA(s.edit, msg, wp, lp);
    const ListItem* item = s.items.at(s.items.selected);
    std::string text = item ? item->text : std::string();
    if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
    if (msg == WM_SETTEXT) return CB_ERR;
    char* out = reinterpret_cast<char*>(lp);
    if (!out || wp == 0) return 0;
    std::size_t n = std::min<std::size_t>(text.size(), wp - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

void items_changed(HWND hwnd, ComboState& s) {
    if (s.list) repaint(s.list);
    repaint(hwnd);
}

}  // namespace

std::shared_ptr<ComboState> combo_state(HWND combo) { return g_combos.get(combo); }

int combo_item_height(ComboState& s) {
    if (s.item_height <= 0) s.item_height = list_item_height(s.font);
    return s.item_height;
}

void combo_close(HWND combo, bool choose) {
    std::shared_ptr<ComboState> state = g_combos.get(combo);
    if (!state || !state->dropped) return;
    ComboState& s = *state;
    s.dropped = false;
    const int before = s.items.selected;
    if (choose && s.items.valid(s.hot)) s.items.selected = s.hot;
    if (GetCapture() == s.list) ReleaseCapture();
    if (IsWindow(s.list)) ShowWindow(s.list, SW_HIDE);
    if (s.items.selected != before) sync_edit_text(s);
    repaint(combo);
    if (!notify_parent(combo, CBN_CLOSEUP)) return;
    if (s.items.selected != before) notify_parent(combo, CBN_SELCHANGE);
}

void combo_select_by_user(HWND combo, int index) {
    std::shared_ptr<ComboState> state = g_combos.get(combo);
    if (!state || state->items.count() == 0) return;
    ComboState& s = *state;
    index = std::clamp(index, 0, s.items.count() - 1);
    if (index == s.items.selected) return;
    s.items.selected = index;
    sync_edit_text(s);
    items_changed(combo, s);
    notify_parent(combo, CBN_SELCHANGE);
}

namespace {

LRESULT handle_combo_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, ComboState& s) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wp));

    switch (msg) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
        // As with the original control, a drop-down box made taller than its face
        // keeps the face height and gives the rest to its list.
        if (cs && has_button(hwnd) && cs->cy > 2 * face_height(s)) {
            s.drop_height = cs->cy - face_height(s);
            SetWindowPos(hwnd, HWND(), 0, 0, cs->cx, face_height(s), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        create_children(hwnd, s, creation_text(lp));
        return 0;
    }
    case WM_DESTROY:
        // Closing quietly: the parent is going away too, or destroyed us on purpose.
        s.dropped = false;
        if (s.list && GetCapture() == s.list) ReleaseCapture();
        if (s.list && IsWindow(s.list) && !(GetWindowLongA(s.list, GWL_STYLE) & WS_CHILD)) DestroyWindow(s.list);
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_SIZE: layout_children(hwnd, s); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, s); return 0;
    case WM_ENABLE:
        if (s.edit) EnableWindow(s.edit, wp != 0);
        if (!wp) combo_close(hwnd, false);
        repaint(hwnd);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        s.font = LongToHandle<HFONT>(static_cast<LONG_PTR>(wp));
        s.item_height = 0;
        if (s.edit) SendMessageA(s.edit, WM_SETFONT, wp, lp);
        layout_children(hwnd, s);
        if (lp) repaint(hwnd);
        return 0;
    case WM_GETFONT: return HandleToLong(s.font);
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return window_text(s, msg, wp, lp);

    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        // The list and the edit field take the colours the box's parent chooses.
        HWND parent = GetParent(hwnd);
        if (parent) return SendMessageA(parent, msg, wp, lp);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    case WM_COMMAND:
        if (s.edit && LongToHandle<HWND>(lp) == s.edit && HIWORD(wp) == EN_CHANGE && !s.filling_edit)
            notify_parent(hwnd, CBN_EDITCHANGE);
        return 0;

    case WM_SETFOCUS:
        s.focused = true;
        if (s.edit) SetFocus(s.edit);
        repaint(hwnd);
        notify_parent(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS: {
        HWND to = LongToHandle<HWND>(static_cast<LONG_PTR>(wp));
        if (s.edit && to == s.edit) return 0;  // the focus only moved into our edit field
        s.focused = false;
        combo_close(hwnd, false);
        if (IsWindow(hwnd)) repaint(hwnd);
        if (IsWindow(hwnd)) notify_parent(hwnd, CBN_KILLFOCUS);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != hwnd && (!s.edit || GetFocus() != s.edit)) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        RECT button = button_rect(hwnd);
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (combo_type(hwnd) == CBS_DROPDOWNLIST || PtInRect(&button, pt)) {
            if (s.dropped) combo_close(hwnd, false);
            else drop(hwnd, s);
        }
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (combo_key(hwnd, s, msg, static_cast<int>(wp))) return 0;
        return DefWindowProcA(hwnd, msg, wp, lp);

    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const char* text = reinterpret_cast<const char*>(lp);
        int at = msg == CB_INSERTSTRING ? index : -1;
        if (msg == CB_ADDSTRING && (GetWindowLongA(hwnd, GWL_STYLE) & CBS_SORT)) {
            at = 0;
            while (at < s.items.count() && std::strcmp(s.items.at(at)->text.c_str(), text ? text : "") <= 0) ++at;
        }
        if (msg == CB_INSERTSTRING && at > s.items.count()) return CB_ERR;
        int added = s.items.insert(at, text);
        items_changed(hwnd, s);
        return added;
    }
    case CB_DELETESTRING:
        if (!s.items.erase(index)) return CB_ERR;
        if (s.hot >= s.items.count()) s.hot = s.items.count() - 1;
        items_changed(hwnd, s);
        return s.items.count();
    case CB_RESETCONTENT:
        s.items.clear();
        s.hot = -1;
        sync_edit_text(s);
        items_changed(hwnd, s);
        return CB_OKAY;
    case CB_GETCOUNT: return s.items.count();
    case CB_SETCURSEL:
        if (!s.items.valid(index)) {
            s.items.selected = -1;
            sync_edit_text(s);
            items_changed(hwnd, s);
            return CB_ERR;
        }
        s.items.selected = index;
        s.hot = index;
        sync_edit_text(s);
        items_changed(hwnd, s);
        return index;
    case CB_GETCURSEL: return s.items.selected;
    case CB_GETLBTEXT: return copy_item_text(s, wp, lp);
    case CB_GETLBTEXTLEN: {
        const ListItem* item = s.items.at(index);
        return item ? static_cast<LRESULT>(item->text.size()) : CB_ERR;
    }
    case CB_GETITEMDATA: {
        const ListItem* item = s.items.at(index);
        return item ? item->data : CB_ERR;
    }
    case CB_SETITEMDATA: {
        ListItem* item = s.items.at(index);
        if (!item) return CB_ERR;
        item->data = lp;
        return CB_OKAY;
    }
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT: return s.items.find(reinterpret_cast<const char*>(lp), index, msg == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
        int found = s.items.find(reinterpret_cast<const char*>(lp), index, false);
        if (found < 0) return CB_ERR;
        s.items.selected = found;
        sync_edit_text(s);
        items_changed(hwnd, s);
        return found;
    }
    case CB_SHOWDROPDOWN:
        if (wp) drop(hwnd, s);
        else combo_close(hwnd, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* rc = reinterpret_cast<RECT*>(lp);
        if (!rc) return CB_ERR;
        GetWindowRect(hwnd, rc);
        rc->bottom += std::clamp(s.items.count(), 1, kMaxDroppedItems) * combo_item_height(s) + 2;
        return TRUE;
    }
    case CB_GETITEMHEIGHT: return combo_item_height(s);
    case CB_SETITEMHEIGHT:
        if (lp <= 0 || lp > 255) return CB_ERR;
        s.item_height = static_cast<int>(lp);
        items_changed(hwnd, s);
        return CB_OKAY;
    case CB_LIMITTEXT: return s.edit ? SendMessageA(s.edit, EM_LIMITTEXT, wp, 0), TRUE : CB_ERR;
    case CB_GETEDITSEL: return s.edit ? SendMessageA(s.edit, EM_GETSEL, wp, lp) : CB_ERR;
    case CB_SETEDITSEL:
        if (!s.edit) return CB_ERR;
        SendMessageA(s.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lp)))),
                     static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lp))));
        return TRUE;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT combo_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_combos.dispatch(hwnd, msg, wp, lp, handle_combo_message);
}

}  // namespace controls
