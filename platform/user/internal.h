#pragma once
// What hosts, controls and the forms runtime may use of the window manager
// beyond win32.h. The skin and the app never include it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace user {

// ---- Input path: hosts call these with screen coordinates ----
// button: 0 left, 1 right, 2 middle. Modifier state comes from key().
void input_mouse_move(POINT screen);
void input_mouse_button(POINT screen, int button, bool down);
void input_key(int vk, bool down);
// Committed text (typed characters, an input method's commit): one WM_CHAR per UTF-8 byte.
// Hosts send printable characters (space included) only this way: TranslateMessage
// makes WM_CHAR only for Backspace, Tab, Enter and Escape.
void input_text(const std::string& utf8);
// The cursor left every window of ours (pointer left the host window).
void input_mouse_left();

// ---- What a host shows ----
gdi::SurfacePtr top_level_surface(HWND top_level);
struct TopLevelInfo {
    RECT rect{};  // screen coordinates; for a top-level window this is its client area
    bool visible = false;
    HWND owner;            // the owner of a pop-up (show it above, as a transient window)
    DWORD style = 0;       // WS_POPUP without WS_CAPTION: no decorations of the desktop's
    DWORD ex_style = 0;    // WS_EX_NOACTIVATE: never give it the keyboard
    std::string caption;
    int icon_width = 0, icon_height = 0;
    std::vector<std::uint32_t> icon_pixels;  // 0x00RRGGBB, row-major; empty for none
};
bool top_level_info(HWND top_level, TopLevelInfo* out);
// A top-level window's icon (24-bit colour pixels, 0x00RRGGBB).
void set_window_icon(HWND top_level, int width, int height, std::vector<std::uint32_t> pixels);

// The host's window manager moved, resized, activated or closed a window: call
// SetWindowPos (SWP_NOZORDER | SWP_NOACTIVATE) with the new client rectangle,
// SetActiveWindow, or post WM_CLOSE.

// ---- Queue ----
// Delivers everything due now; returns false when WM_QUIT was seen (its code in *exit_code).
bool pump_due(int* exit_code = nullptr);
// Milliseconds until the next timer falls due, or -1 when none runs.
std::int64_t next_timer_due_in();

// True while the message being delivered came from the queue (DispatchMessageA)
// rather than from SendMessageA or the window manager itself.
bool current_message_posted();

// ---- Clipboard (through the current host) ----
std::string clipboard_text();
void set_clipboard_text(const std::string& utf8);

}  // namespace user
