// MessageBoxA: a modal dialog box with the text, and OK, OK and Cancel, or
// Yes and No, sized to its text and centred on its owner.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls/control_util.h"
#include "platform/controls/dialog_keys.h"
#include "platform/win32.h"

namespace {

struct MessageBoxButton {
    int id;
    const char* caption;
};

struct MessageBoxSetup {
    std::vector<MessageBoxButton> buttons;
    int default_index = 0;
};

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 400;
constexpr int kTextId = 0xFFFF;

MessageBoxSetup setup_for(UINT type) {
    MessageBoxSetup setup;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: setup.buttons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}; break;
    case MB_YESNO: setup.buttons = {{IDYES, "&Yes"}, {IDNO, "&No"}}; break;
    default: setup.buttons = {{IDOK, "OK"}}; break;
    }
    if ((type & MB_DEFBUTTON2) && setup.buttons.size() > 1) setup.default_index = 1;
    return setup;
}

SIZE measure_text(const char* text) {
    HDC dc = CreateCompatibleDC(HDC());
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT rc{0, 0, kMaxTextWidth, 0};
    DrawTextA(dc, text, -1, &rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, old);
    DeleteDC(dc);
    return SIZE{std::max<LONG>(rc.right - rc.left, 0), std::max<LONG>(rc.bottom - rc.top, 16)};
}

bool has_button(const MessageBoxSetup& setup, int id) {
    return std::any_of(setup.buttons.begin(), setup.buttons.end(), [id](const MessageBoxButton& b) { return b.id == id; });
}

INT_PTR message_box_proc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* setup = reinterpret_cast<const MessageBoxSetup*>(GetPropA(dialog, "ZelvioMessageBox"));
    switch (msg) {
    case WM_INITDIALOG:
        SetPropA(dialog, "ZelvioMessageBox", lp);
        setup = reinterpret_cast<const MessageBoxSetup*>(lp);
        if (setup && setup->default_index > 0) {
            controls::focus_dialog_item(GetDlgItem(dialog, setup->buttons[static_cast<std::size_t>(setup->default_index)].id));
            return FALSE;
        }
        return TRUE;
    case WM_COMMAND: {
        if (!setup) return FALSE;
        int id = LOWORD(wp);
        if (has_button(*setup, id)) {
            EndDialog(dialog, id);
        } else if (id == IDCANCEL && setup->buttons.size() == 1) {
            EndDialog(dialog, setup->buttons[0].id);  // Escape closes a box that has only OK
        }
        return TRUE;
    }
    case WM_DESTROY: RemovePropA(dialog, "ZelvioMessageBox"); return FALSE;
    default: return FALSE;
    }
}

HWND top_level_of(HWND hwnd) {
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && GetParent(hwnd)) hwnd = GetParent(hwnd);
    return hwnd;
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (owner && !IsWindow(owner)) owner = HWND();
    owner = top_level_of(owner);
    const char* body = text ? text : "";
    MessageBoxSetup setup = setup_for(type);

    SIZE text_size = measure_text(body);
    const int n = static_cast<int>(setup.buttons.size());
    const int buttons_width = n * kButtonWidth + (n - 1) * kButtonGap;
    const int width = std::max<int>({static_cast<int>(text_size.cx), buttons_width, 160}) + 2 * kMargin;
    const int height = kMargin + text_size.cy + kMargin + kButtonHeight + kMargin;

    std::vector<DLGITEMTEMPLATEA> items;
    DLGITEMTEMPLATEA label;
    label.className = "Static";
    label.text = body;
    label.style = SS_LEFT | SS_NOPREFIX;
    label.x = kMargin;
    label.y = kMargin;
    label.cx = width - 2 * kMargin;
    label.cy = text_size.cy;
    label.id = kTextId;
    items.push_back(label);
    int x = (width - buttons_width) / 2;
    for (int i = 0; i < n; ++i) {
        DLGITEMTEMPLATEA button;
        button.className = "Button";
        button.text = setup.buttons[static_cast<std::size_t>(i)].caption;
        button.style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (i == setup.default_index ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        button.x = x;
        button.y = height - kMargin - kButtonHeight;
        button.cx = kButtonWidth;
        button.cy = kButtonHeight;
        button.id = setup.buttons[static_cast<std::size_t>(i)].id;
        items.push_back(button);
        x += kButtonWidth + kButtonGap;
    }

    DLGTEMPLATEA tmpl;
    tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    tmpl.caption = caption ? caption : "Error";
    tmpl.cx = width;
    tmpl.cy = height;
    tmpl.items = items.data();
    tmpl.itemCount = static_cast<int>(items.size());
    INT_PTR result = DialogBoxIndirectParamA(HINSTANCE(), &tmpl, owner, message_box_proc, reinterpret_cast<LPARAM>(&setup));
    return result < 0 ? 0 : static_cast<int>(result);
}
