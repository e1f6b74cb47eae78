#include "platform/controls/control_util.h"

#include "platform/controls/dialog_keys.h"

namespace controls {

bool notify_parent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), HandleToLong(control));
    }
    return IsWindow(control) != FALSE;
}

HBRUSH default_colours(HDC hdc, UINT msg) {
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    case WM_CTLCOLORSCROLLBAR:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_SCROLLBAR);
    default:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
}

HBRUSH colours_from_parent(HWND control, HDC hdc, UINT msg) {
    HBRUSH fallback = default_colours(hdc, msg);
    HWND parent = GetParent(control);
    if (!parent) return fallback;
    LRESULT answer = SendMessageA(parent, msg, static_cast<WPARAM>(HandleToLong(hdc)), HandleToLong(control));
    HBRUSH brush = LongToHandle<HBRUSH>(answer);
    // A parent that ignores the message answers 0; anything that is not a live
    // brush is treated the same way rather than painting with garbage.
    if (!brush || GetObjectType(brush) != OBJ_BRUSH) return fallback;
    return brush;
}

HFONT font_or_default(HFONT font) {
    if (font && GetObjectType(font) == OBJ_FONT) return font;
    return HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

RECT client_rect(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return rc;
}

bool key_is_down(int vk) { return GetKeyState(vk) < 0; }

void repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

std::optional<LRESULT> font_and_enable_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HFONT& font) {
    switch (msg) {
    case WM_ENABLE: repaint(hwnd); return 0;
    case WM_SETFONT:
        font = LongToHandle<HFONT>(static_cast<LONG_PTR>(wp));
        if (lp) repaint(hwnd);
        return 0;
    case WM_GETFONT: return HandleToLong(font);
    default: return std::nullopt;
    }
}

std::optional<LRESULT> caption_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETTEXT) return std::nullopt;
    LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
    repaint(hwnd);
    return r;
}

std::string creation_text(LPARAM create_struct) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(create_struct);
    return cs && cs->lpszName ? std::string(cs->lpszName) : std::string();
}

bool forward_navigation_key(HWND control, int vk) {
    if (HWND dialog = dialog_ancestor(control)) return dialog_handle_key(dialog, control, vk);
    if (vk != VK_TAB) return false;
    HWND root = control;
    while ((GetWindowLongA(root, GWL_STYLE) & WS_CHILD) && GetParent(root)) root = GetParent(root);
    if (root == control) return false;
    SendMessageA(root, WM_NEXTDLGCTL, key_is_down(VK_SHIFT) ? 1 : 0, 0);
    return true;
}

int font_line_height(HFONT font) {
    HDC dc = CreateCompatibleDC(HDC());
    HGDIOBJ old = SelectObject(dc, font_or_default(font));
    TEXTMETRICA tm{};
    int height = GetTextMetricsA(dc, &tm) && tm.tmHeight > 0 ? tm.tmHeight : 16;
    SelectObject(dc, old);
    DeleteDC(dc);
    return height;
}

}  // namespace controls
