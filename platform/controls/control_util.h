#pragma once
// Small services every standard control uses: notifications to the parent,
// colours from the parent, the control's font, and keyboard navigation.

#include <optional>
#include <string>

#include "platform/win32.h"

namespace controls {

// WM_COMMAND (id, code) with the control in lParam, to the control's parent.
// Returns false when the control no longer exists afterwards.
bool notify_parent(HWND control, WORD code);

// Asks the parent for the brush and colours with msg (a WM_CTLCOLOR* message,
// wParam the DC, lParam the control) after setting the defaults for that kind
// of control into the DC. Falls back to the default brush when the parent
// answers 0. The brush is never one the caller must delete.
HBRUSH colours_from_parent(HWND control, HDC hdc, UINT msg);
// The defaults the window manager would give: text colour, background colour
// and brush for a WM_CTLCOLOR* message.
HBRUSH default_colours(HDC hdc, UINT msg);

// The font set with WM_SETFONT, or the stock GUI font when none was set.
HFONT font_or_default(HFONT font);

// The answers of a control that draws with the font it is given and greys out
// when disabled: WM_SETFONT keeps the font in `font` (repainting when lParam
// asks), WM_GETFONT hands it back, WM_ENABLE repaints. Nothing for any other
// message.
std::optional<LRESULT> font_and_enable_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HFONT& font);
// WM_SETTEXT of a control that shows its caption: the default processing keeps
// the text, then the control repaints. Nothing for any other message.
std::optional<LRESULT> caption_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

RECT client_rect(HWND hwnd);
bool key_is_down(int vk);
void repaint(HWND hwnd);

// The window text given at creation (NULL reads as empty).
std::string creation_text(LPARAM create_struct);

// Tab, Shift+Tab, Enter and Escape that a control does not use itself: inside a
// dialog box they go to the dialog's keyboard handling; elsewhere Tab and
// Shift+Tab ask the top-level window to move the focus with WM_NEXTDLGCTL
// (the forms runtime answers it). Returns true when someone acted on the key.
bool forward_navigation_key(HWND control, int vk);

// The text height of a font, for line and item heights.
int font_line_height(HFONT font);

}  // namespace controls
