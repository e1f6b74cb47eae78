// "Button": push buttons, check boxes, option buttons, group boxes and
// owner-drawn buttons. Input decides the state (pushed, checked, focused);
// painting maps the state to the classic look (button_paint.cpp) or asks the
// parent with WM_DRAWITEM.

#include <vector>

#include "platform/controls/button_look.h"
#include "platform/controls/classes.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct ButtonState {
    int check = 0;
    bool pushed = false;
    bool focused = false;
    bool tracking = false;  // the mouse is down on us and we hold the capture
    bool space_down = false;
    HFONT font;
};

WindowStates<ButtonState> g_buttons;

DWORD button_type(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

bool is_check_type(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

std::string window_text(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

// The option buttons of hwnd's group: from the nearest sibling at or before it
// that has WS_GROUP up to (not including) the next one that has it.
std::vector<HWND> radio_group(HWND hwnd) {
    HWND first = hwnd;
    while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
        HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    std::vector<HWND> group;
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && (GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
        group.push_back(h);
    }
    return group;
}

void check_in_group(HWND hwnd) {
    for (HWND sibling : radio_group(hwnd)) {
        if (sibling == hwnd) continue;
        // Only automatic option buttons are unchecked; ask the window rather than
        // its class, since subclassed and superclassed buttons answer the same.
        if ((SendMessageA(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
            (static_cast<DWORD>(GetWindowLongA(sibling, GWL_STYLE)) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

// A completed press: automatic types change their check first, then the parent hears BN_CLICKED.
void clicked(HWND hwnd, ButtonState& state) {
    switch (button_type(hwnd)) {
    case BS_AUTOCHECKBOX: state.check = state.check ? 0 : 1; break;
    case BS_AUTO3STATE: state.check = (state.check + 1) % 3; break;
    case BS_AUTORADIOBUTTON: check_in_group(hwnd); break;
    default: break;
    }
    repaint(hwnd);
    notify_parent(hwnd, BN_CLICKED);
}

void set_pushed(HWND hwnd, ButtonState& state, bool pushed) {
    if (state.pushed == pushed) return;
    state.pushed = pushed;
    repaint(hwnd);
}

bool point_inside(HWND hwnd, LPARAM lp) {
    RECT rc = client_rect(hwnd);
    return PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != FALSE;
}

void paint(HWND hwnd, const ButtonState& state) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client = client_rect(hwnd);
    DWORD type = button_type(hwnd);
    bool disabled = !IsWindowEnabled(hwnd);
    if (type == BS_OWNERDRAW) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (state.pushed ? ODS_SELECTED : 0) | (state.focused ? ODS_FOCUS : 0) |
                        (disabled ? ODS_DISABLED : 0);
        dis.hwndItem = hwnd;
        dis.hDC = hdc;
        dis.rcItem = client;
        if (HWND parent = GetParent(hwnd))
            SendMessageA(parent, WM_DRAWITEM, static_cast<WPARAM>(dis.CtlID), reinterpret_cast<LPARAM>(&dis));
    } else {
        ButtonLook look;
        look.type = type;
        look.check = state.check;
        look.pushed = state.pushed;
        look.focused = state.focused;
        look.disabled = disabled;
        look.left_text = (GetWindowLongA(hwnd, GWL_STYLE) & BS_LEFTTEXT) != 0;
        look.text = window_text(hwnd);
        look.font = state.font;
        // Push buttons ask with WM_CTLCOLORBTN; the boxes and group frames sit on
        // their parent's background and ask with WM_CTLCOLORSTATIC.
        UINT ask = is_check_type(type) || type == BS_GROUPBOX ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN;
        HBRUSH background = colours_from_parent(hwnd, hdc, ask);
        if (IsWindow(hwnd)) paint_button(hdc, client, look, background);
    }
    EndPaint(hwnd, &ps);
}

LRESULT dialog_code(HWND hwnd) {
    switch (button_type(hwnd)) {
    case BS_PUSHBUTTON:
    case BS_OWNERDRAW:
    case BS_USERBUTTON:
    case BS_PUSHBOX: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

LRESULT handle_button_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, ButtonState& s) {
    if (auto answer = caption_message(hwnd, msg, wp, lp)) return *answer;
    if (auto answer = font_and_enable_message(hwnd, msg, wp, lp, s.font)) return *answer;
    switch (msg) {
    case WM_NCHITTEST:
        // Group boxes let clicks through to whatever lies under their frame.
        if (button_type(hwnd) == BS_GROUPBOX) return HTTRANSPARENT;
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
    case WM_PAINT: paint(hwnd, s); return 0;
    case WM_GETDLGCODE: return dialog_code(hwnd);

    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double-click presses again
        if (button_type(hwnd) == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        SetCapture(hwnd);
        s.tracking = true;
        set_pushed(hwnd, s, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking) set_pushed(hwnd, s, point_inside(hwnd, lp));
        return 0;
    case WM_LBUTTONUP: {
        if (!s.tracking) return 0;
        bool inside = point_inside(hwnd, lp);
        s.tracking = false;
        set_pushed(hwnd, s, false);
        ReleaseCapture();
        if (inside && IsWindow(hwnd)) clicked(hwnd, s);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (s.tracking) {
            s.tracking = false;
            set_pushed(hwnd, s, false);
        }
        return 0;

    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            if (!s.space_down && button_type(hwnd) != BS_GROUPBOX) {
                s.space_down = true;
                set_pushed(hwnd, s, true);
            }
            return 0;
        }
        if (wp == VK_TAB || wp == VK_RETURN || wp == VK_ESCAPE) {
            forward_navigation_key(hwnd, static_cast<int>(wp));
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_KEYUP:
        if (wp == VK_SPACE && s.space_down) {
            s.space_down = false;
            bool was_pushed = s.pushed;
            set_pushed(hwnd, s, false);
            if (was_pushed) clicked(hwnd, s);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_CHAR: return 0;

    case WM_SETFOCUS:
        s.focused = true;
        repaint(hwnd);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        if (s.space_down) {
            s.space_down = false;
            set_pushed(hwnd, s, false);
        }
        if (s.tracking && GetCapture() == hwnd) ReleaseCapture();
        repaint(hwnd);
        return 0;

    case BM_GETCHECK: return is_check_type(button_type(hwnd)) ? s.check : BST_UNCHECKED;
    case BM_SETCHECK: {
        DWORD type = button_type(hwnd);
        if (!is_check_type(type)) return 0;
        int check = static_cast<int>(wp);
        if (check < 0 || check > 2) check = 0;
        if (check == 2 && type != BS_3STATE && type != BS_AUTO3STATE) check = 1;
        if (s.check != check) {
            s.check = check;
            repaint(hwnd);
        }
        return 0;
    }
    case BM_GETSTATE:
        return (is_check_type(button_type(hwnd)) ? s.check : 0) | (s.pushed ? BST_PUSHED : 0) |
               (s.focused ? BST_FOCUS : 0);
    case BM_SETSTATE: set_pushed(hwnd, s, wp != 0); return 0;
    case BM_SETSTYLE: {
        LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
        style = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | static_cast<LONG_PTR>(wp & BS_TYPEMASK);
        SetWindowLongA(hwnd, GWL_STYLE, style);
        if (lp) repaint(hwnd);
        return 0;
    }
    case BM_CLICK:
        // Like a real click: down and up over the button, so subclassers see both.
        if (!IsWindowEnabled(hwnd)) return 0;
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        if (IsWindow(hwnd)) SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_buttons.dispatch(hwnd, msg, wp, lp, handle_button_message);
}

}  // namespace controls
