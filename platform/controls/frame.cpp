// The frame container: an etched box with its caption set into the top edge,
// holding child controls. It passes its children's notifications on to its own
// parent, so a form hears the clicks of the buttons inside its frames.

#include <string>

#include "platform/controls/button_look.h"
#include "platform/controls/classes.h"
#include "platform/controls/control_util.h"
#include "platform/controls/window_state.h"

namespace controls {

namespace {

struct FrameState {
    HFONT font;
};

WindowStates<FrameState> g_frames;

void paint(HWND hwnd, const FrameState& state) {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(hwnd, &ps);
    if (!hdc) return;
    RECT client = client_rect(hwnd);
    HBRUSH background = colours_from_parent(hwnd, hdc, WM_CTLCOLORSTATIC);
    if (IsWindow(hwnd)) {
        FillRect(hdc, &client, background);
        ButtonLook look;
        look.type = BS_GROUPBOX;
        look.disabled = !IsWindowEnabled(hwnd);
        look.font = state.font;
        int length = GetWindowTextLengthA(hwnd);
        look.text.assign(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        int copied = GetWindowTextA(hwnd, look.text.data(), static_cast<int>(look.text.size()));
        look.text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        paint_button(hdc, client, look, background);
    }
    EndPaint(hwnd, &ps);
}

LRESULT pass_to_parent(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND parent = GetParent(hwnd);
    if (parent && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return SendMessageA(parent, msg, wp, lp);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT handle_frame_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, FrameState& state) {
    if (auto answer = caption_message(hwnd, msg, wp, lp)) return *answer;
    if (auto answer = font_and_enable_message(hwnd, msg, wp, lp, state.font)) return *answer;
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(hwnd, state); return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_NEXTDLGCTL:
        return pass_to_parent(hwnd, msg, wp, lp);
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

LRESULT frame_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_frames.dispatch(hwnd, msg, wp, lp, handle_frame_message);
}

}  // namespace controls
