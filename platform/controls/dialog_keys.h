#pragma once
// The dialog box's keyboard handling, shared by IsDialogMessageA and by the
// controls that pass on keys they do not use (see forward_navigation_key).

#include "platform/win32.h"

namespace controls {

// The nearest ancestor (or the window itself) of class "#32770", else 0.
HWND dialog_ancestor(HWND hwnd);

// Tab / Shift+Tab move the focus between WS_TABSTOP items, Enter presses the
// focused push button or the default button, Escape sends IDCANCEL.
// Returns true when the key was used.
bool dialog_handle_key(HWND dialog, HWND from, int vk);

// Moves the focus to item (selecting all of an edit box's text, as tabbing does).
void focus_dialog_item(HWND item);

}  // namespace controls
