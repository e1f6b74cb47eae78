// "ComboLBox": the list of a combo box. For a drop-down combo box it is an
// owned pop-up shown under the box while the list is dropped, holding the
// mouse capture so that a click anywhere else closes it. Before every paint it
// asks its combo box for colours with WM_CTLCOLORLISTBOX.

#include <algorithm>

#include "platform/controls/classes.h"
#include "platform/controls/classic_look.h"
#include "platform/controls/combo_internal.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct ComboListState {
    HWND combo;
};

WindowStates<ComboListState> g_combo_lists;

bool is_popup(HWND list) { return (GetWindowLongA(list, GWL_STYLE) & WS_CHILD) == 0; }

RECT items_area(HWND list) {
    RECT rc = client_rect(list);
    if (is_popup(list)) InflateRect(&rc, -1, -1);  // inside the list's black border
    return rc;
}

void paint(HWND list, const ComboListState& ls) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(list, &ps);
    if (!hdc) return;
    HBRUSH fallback = default_colours(hdc, WM_CTLCOLORLISTBOX);
    HBRUSH brush = fallback;
    if (IsWindow(ls.combo)) {
        LRESULT answer = SendMessageA(ls.combo, WM_CTLCOLORLISTBOX, static_cast<WPARAM>(HandleToLong(hdc)),
                                      HandleToLong(list));
        brush = LongToHandle<HBRUSH>(answer);
        if (!brush || GetObjectType(brush) != OBJ_BRUSH) brush = fallback;
    }
    std::shared_ptr<ComboState> combo = combo_state(ls.combo);
    if (IsWindow(list)) {
        RECT client = client_rect(list);
        if (is_popup(list)) frame_rect_color(hdc, client, GetSysColor(COLOR_WINDOWFRAME));
        if (combo) {
            ListPaint how;
            how.item_height = combo_item_height(*combo);
            how.highlighted = combo->dropped ? combo->hot : combo->items.selected;
            how.font = combo->font;
            how.background = brush;
            how.text_colour = GetTextColor(hdc);
            paint_list(hdc, items_area(list), combo->items, how);
        } else {
            RECT inside = items_area(list);
            FillRect(hdc, &inside, brush);
        }
    }
    EndPaint(list, &ps);
}

int item_at(HWND list, ComboState& combo, LPARAM lp) {
    RECT area = items_area(list);
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (!PtInRect(&area, pt)) return -1;
    return list_item_at(area, combo.items, combo_item_height(combo), pt.y);
}

bool inside(HWND list, LPARAM lp) {
    RECT rc = client_rect(list);
    return PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
}

void light(HWND list, ComboState& combo, int index) {
    if (index < 0 || index == combo.hot) return;
    combo.hot = index;
    repaint(list);
}

LRESULT handle_combo_list_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, ComboListState& state) {
    std::shared_ptr<ComboState> combo = combo_state(state.combo);

    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, state); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;  // the form keeps the activation and its focus
    case WM_MOUSEMOVE:
        if (combo && combo->dropped) light(hwnd, *combo, item_at(hwnd, *combo, lp));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!combo) return 0;
        if (combo->dropped) {
            if (!inside(hwnd, lp)) combo_close(state.combo, false);  // a click elsewhere
            else light(hwnd, *combo, item_at(hwnd, *combo, lp));
        } else if (!is_popup(hwnd)) {
            int hit = item_at(hwnd, *combo, lp);
            if (hit >= 0) combo_select_by_user(state.combo, hit);
        }
        return 0;
    case WM_LBUTTONUP:
        // The release of the click that opened the list lands outside it: the list stays.
        if (combo && combo->dropped && item_at(hwnd, *combo, lp) >= 0) {
            light(hwnd, *combo, item_at(hwnd, *combo, lp));
            combo_close(state.combo, true);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (combo && combo->dropped) combo_close(state.combo, false);
        return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT combo_list_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_combo_lists.dispatch(hwnd, msg, wp, lp, handle_combo_list_message,
                                  [](ComboListState& state, const CREATESTRUCTA* cs) {
                                      if (cs) state.combo = cs->hwndParent;
                                  });
}

}  // namespace controls
