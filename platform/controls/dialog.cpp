// "#32770", the dialog box: created from a table of items, run modelessly or
// in a modal loop of its own that disables the owner and sends it
// WM_ENTERIDLE whenever the queue is empty; Tab, Shift+Tab, Enter and Escape.

#include <algorithm>
#include <vector>

#include "platform/controls/classes.h"
#include "platform/controls/control_util.h"
#include "platform/controls/dialog_keys.h"
#include "platform/controls/modal_idle.h"
#include "platform/controls/window_state.h"
#include "platform/user/internal.h"

namespace controls {

namespace {

struct DialogState {
    DLGPROC proc = nullptr;
    std::vector<HWND> items;  // in template order: the tab order
    int default_id = IDOK;
    HWND initial_focus;
    HWND saved_focus;  // the item that had the focus when the dialog was last deactivated
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};

struct DialogCreation {
    DLGPROC proc;
};

WindowStates<DialogState> g_dialogs;

bool is_dialog_class(HWND hwnd) {
    char name[16] = {};
    return GetClassNameA(hwnd, name, sizeof name) > 0 && std::string_view(name) == "#32770";
}

// The child of dialog that holds hwnd (hwnd itself when it is one), else 0.
HWND item_holding(HWND dialog, HWND hwnd) {
    while (hwnd && GetParent(hwnd) != dialog) {
        if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return HWND();
        hwnd = GetParent(hwnd);
    }
    return hwnd;
}

std::vector<HWND> tab_candidates(HWND dialog) {
    std::vector<HWND> order;
    if (auto s = g_dialogs.get(dialog)) {
        for (HWND h : s->items)
            if (IsWindow(h)) order.push_back(h);
    }
    for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (std::find(order.begin(), order.end(), h) == order.end()) order.push_back(h);
    return order;
}

bool can_take_tab(HWND h) {
    return (GetWindowLongA(h, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(h) && IsWindowEnabled(h);
}

// Messages whose answer is the dialog procedure's own return value, not DWL_MSGRESULT.
bool answers_directly(UINT msg) {
    return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

void press(HWND dialog, int id, HWND button) {
    if (button && !IsWindowEnabled(button)) return;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), HandleToLong(button));
}

LRESULT default_processing(HWND hwnd, DialogState* s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: {
        HDC hdc = LongToHandle<HDC>(static_cast<LONG_PTR>(wp));
        HBRUSH brush = default_colours(hdc, WM_CTLCOLORDLG);
        if (s && s->proc) {
            HBRUSH chosen = LongToHandle<HBRUSH>(s->proc(hwnd, WM_CTLCOLORDLG, wp, HandleToLong(hwnd)));
            if (chosen && GetObjectType(chosen) == OBJ_BRUSH) brush = chosen;
        }
        RECT rc = client_rect(hwnd);
        FillRect(hdc, &rc, brush);
        return 1;
    }
    case WM_CLOSE: press(hwnd, IDCANCEL, GetDlgItem(hwnd, IDCANCEL)); return 0;
    case WM_NEXTDLGCTL: {
        HWND target;
        if (LOWORD(static_cast<DWORD_PTR>(lp))) target = LongToHandle<HWND>(static_cast<LONG_PTR>(wp));
        else target = GetNextDlgTabItem(hwnd, item_holding(hwnd, GetFocus()), wp != 0);
        if (target) focus_dialog_item(target);
        return 0;
    }
    case DM_GETDEFID: return s ? MAKELRESULT(s->default_id, static_cast<int>(DC_HASDEFID)) : 0;
    case DM_SETDEFID:
        if (s) s->default_id = static_cast<int>(wp);
        return TRUE;
    case WM_ACTIVATE:
        // Coming back (from a message box, say) the focus returns to where it was.
        if (s && LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) s->saved_focus = focus;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_SETFOCUS:
        if (s) {
            HWND target = s->saved_focus && IsWindow(s->saved_focus) ? s->saved_focus : s->initial_focus;
            if (!target || !IsWindow(target)) target = GetNextDlgTabItem(hwnd, HWND(), FALSE);
            if (target) focus_dialog_item(target);
        }
        return 0;
    case WM_COMMAND:
        // A dialog without a procedure of its own still closes from OK and Cancel.
        if (s && !s->proc && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) EndDialog(hwnd, LOWORD(wp));
        return 0;
    case WM_NCDESTROY:
        g_dialogs.erase(hwnd);
        return DefWindowProcA(hwnd, msg, wp, lp);
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

POINT dialog_origin(const DLGTEMPLATEA& t, HWND owner) {
    RECT base{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &base);
    if (t.style & DS_CENTER)
        return POINT{base.left + ((base.right - base.left) - t.cx) / 2, base.top + ((base.bottom - base.top) - t.cy) / 2};
    return POINT{base.left + t.x, base.top + t.y};
}

HWND top_level_of(HWND hwnd) {
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && GetParent(hwnd)) hwnd = GetParent(hwnd);
    return hwnd;
}

}  // namespace

HWND dialog_ancestor(HWND hwnd) {
    for (HWND h = hwnd; h; h = GetParent(h)) {
        if (is_dialog_class(h)) return h;
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
    }
    return HWND();
}

void focus_dialog_item(HWND item) {
    SetFocus(item);
    if (IsWindow(item) && (SendMessageA(item, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageA(item, EM_SETSEL, 0, -1);
}

bool dialog_handle_key(HWND dialog, HWND from, int vk) {
    HWND item = item_holding(dialog, from);
    switch (vk) {
    case VK_TAB: {
        HWND next = GetNextDlgTabItem(dialog, item, key_is_down(VK_SHIFT));
        if (next) focus_dialog_item(next);
        return true;
    }
    case VK_RETURN: {
        LRESULT code = item ? SendMessageA(item, WM_GETDLGCODE, 0, 0) : 0;
        if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
            press(dialog, GetDlgCtrlID(item), item);
            return true;
        }
        LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        int id = HIWORD(static_cast<DWORD_PTR>(def)) == DC_HASDEFID ? LOWORD(static_cast<DWORD_PTR>(def)) : IDOK;
        press(dialog, id, GetDlgItem(dialog, id));
        return true;
    }
    case VK_ESCAPE: press(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL)); return true;
    default: return false;
    }
}

LRESULT dialog_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefDlgProcA(hwnd, msg, wp, lp); }

}  // namespace controls

using namespace controls;

LRESULT DefDlgProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto state = g_dialogs.create(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
        if (cs && cs->lpCreateParams) state->proc = static_cast<const DialogCreation*>(cs->lpCreateParams)->proc;
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    std::shared_ptr<DialogState> state = g_dialogs.get(hwnd);
    if (state && state->proc && msg != WM_NCDESTROY) {
        SetWindowLongA(hwnd, DWL_MSGRESULT, 0);
        INT_PTR handled = state->proc(hwnd, msg, wp, lp);
        if (handled) return answers_directly(msg) ? handled : GetWindowLongA(hwnd, DWL_MSGRESULT);
        if (!IsWindow(hwnd)) return 0;
    }
    return default_processing(hwnd, state.get(), msg, wp, lp);
}

HWND CreateDialogIndirectParamA(HINSTANCE inst, const DLGTEMPLATEA* tmpl, HWND owner, DLGPROC proc, LPARAM init) {
    if (!tmpl || tmpl->itemCount < 0 || (tmpl->itemCount > 0 && !tmpl->items)) return HWND();
    if (owner && !IsWindow(owner)) return HWND();
    DWORD style = tmpl->style & ~WS_VISIBLE;
    if (!(style & WS_CHILD)) style |= WS_POPUP;
    POINT at = dialog_origin(*tmpl, owner);
    DialogCreation creation{proc};
    HWND dialog = CreateWindowExA(tmpl->exStyle | WS_EX_CONTROLPARENT, "#32770", tmpl->caption ? tmpl->caption : "",
                                  style, at.x, at.y, std::max(0, tmpl->cx), std::max(0, tmpl->cy), owner, HMENU(), inst,
                                  &creation);
    if (!dialog) return HWND();
    std::shared_ptr<DialogState> state = g_dialogs.get(dialog);
    HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(dialog, WM_SETFONT, static_cast<WPARAM>(HandleToLong(font)), FALSE);
    bool have_default = false;
    for (int i = 0; i < tmpl->itemCount; ++i) {
        const DLGITEMTEMPLATEA& item = tmpl->items[i];
        HWND control = CreateWindowExA(item.exStyle, item.className ? item.className : "Static", item.text ? item.text : "",
                                       item.style | WS_CHILD | WS_VISIBLE, item.x, item.y, item.cx, item.cy, dialog,
                                       HMENU(static_cast<std::uint32_t>(item.id)), inst, nullptr);
        if (!control || !IsWindow(dialog)) {
            // A dialog whose controls cannot all be made is not made at all.
            if (IsWindow(dialog)) DestroyWindow(dialog);
            return HWND();
        }
        SendMessageA(control, WM_SETFONT, static_cast<WPARAM>(HandleToLong(font)), FALSE);
        if (state) state->items.push_back(control);
        if (state && !have_default && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            state->default_id = item.id;
            have_default = true;
        }
    }
    HWND first = GetNextDlgTabItem(dialog, HWND(), FALSE);
    LRESULT set_focus = SendMessageA(dialog, WM_INITDIALOG, static_cast<WPARAM>(HandleToLong(first)), init);
    if (!IsWindow(dialog)) return HWND();
    if (state) state->initial_focus = set_focus ? first : HWND();
    if (tmpl->style & WS_VISIBLE) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        if (set_focus && first && IsWindow(first)) focus_dialog_item(first);
    }
    return dialog;
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE inst, const DLGTEMPLATEA* tmpl, HWND owner, DLGPROC proc, LPARAM init) {
    if (owner && !IsWindow(owner)) return -1;
    DLGTEMPLATEA hidden = tmpl ? *tmpl : DLGTEMPLATEA{};
    hidden.style &= ~WS_VISIBLE;
    HWND dialog = tmpl ? CreateDialogIndirectParamA(inst, &hidden, owner, proc, init) : HWND();
    if (!dialog) return -1;
    std::shared_ptr<DialogState> state = g_dialogs.get(dialog);
    state->modal = true;

    // Disabling the owner takes the focus from it; it gets it back when the dialog ends.
    HWND owner_focus = GetFocus();
    if (owner_focus && owner_focus != owner && !IsChild(owner, owner_focus)) owner_focus = HWND();
    const bool disabled_owner = owner && IsWindowEnabled(owner);
    if (disabled_owner) EnableWindow(owner, FALSE);
    if (IsWindow(dialog) && !state->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        if (state->initial_focus && IsWindow(state->initial_focus)) focus_dialog_item(state->initial_focus);
    }

    auto finished = [&] { return state->ended || !IsWindow(dialog); };
    auto queued = [] {
        MSG peek{};
        return PeekMessageA(&peek, HWND(), 0, 0, PM_NOREMOVE) != FALSE;
    };
    while (!finished()) {
        MSG msg{};
        if (PeekMessageA(&msg, HWND(), 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
                break;
            }
            if (!IsDialogMessageA(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            continue;
        }
        int quit_code = 0;
        if (!user::pump_due(&quit_code)) {
            PostQuitMessage(quit_code);
            break;
        }
        if (finished() || queued()) continue;
        if (owner && IsWindow(owner))
            SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, HandleToLong(dialog));
        if (finished() || queued()) continue;
        if (wait_for_work() == IdleOutcome::NothingLeft) {
            // Headless only: nothing can ever press a button now.
            state->ended = true;
            state->result = IDCANCEL;
        }
    }

    INT_PTR result = state->ended ? state->result : IDCANCEL;
    // The owner is enabled again before the dialog goes, so that it takes the activation back.
    if (disabled_owner && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    if (owner && IsWindow(owner) && !GetActiveWindow()) SetActiveWindow(top_level_of(owner));
    if (owner_focus && IsWindow(owner_focus) && IsWindowEnabled(owner_focus)) SetFocus(owner_focus);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    std::shared_ptr<DialogState> state = g_dialogs.get(dialog);
    if (!state || !IsWindow(dialog)) return FALSE;
    state->ended = true;
    state->result = result;
    if (state->modal) PostMessageA(dialog, WM_NULL, 0, 0);  // wakes a loop that waits for input
    else ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
    if (!msg || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN) {
        int vk = static_cast<int>(msg->wParam);
        LRESULT code = SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        bool wanted = (vk == VK_TAB && (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) == DLGC_WANTTAB) ||
                      ((vk == VK_RETURN || vk == VK_ESCAPE) && (code & DLGC_WANTALLKEYS));
        if ((vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE) && !wanted) {
            dialog_handle_key(dialog, msg->hwnd, vk);
            return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND ctl, BOOL previous) {
    if (!IsWindow(dialog)) return HWND();
    std::vector<HWND> order = tab_candidates(dialog);
    if (order.empty()) return HWND();
    const int n = static_cast<int>(order.size());
    auto at = std::find(order.begin(), order.end(), ctl);
    int start = at == order.end() ? (previous ? 0 : n - 1) : static_cast<int>(at - order.begin());
    for (int step = 1; step <= n; ++step) {
        int i = previous ? ((start - step) % n + n) % n : (start + step) % n;
        if (can_take_tab(order[static_cast<std::size_t>(i)])) return order[static_cast<std::size_t>(i)];
    }
    return at == order.end() ? HWND() : ctl;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wp, LPARAM lp) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, msg, wp, lp) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextA(item, text) : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && size > 0) buffer[0] = '\0';
        return 0;
    }
    int n = GetWindowTextA(item, buffer, size);
    return n > 0 ? static_cast<UINT>(n) : 0;
}
