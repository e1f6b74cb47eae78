#pragma once
// GTK input on a top-level window's surface view, turned into the window
// manager's input path (screen coordinates, virtual keys, committed text).

#include "platform/host/desktop/gtk.h"

#include "platform/win32.h"

namespace desktop {

// Connects pointer, key, focus and text-input controllers to view, which shows
// top_level's surface at the view's origin. A view that takes_focus takes the
// keyboard when it is pressed.
void connect_input(GtkWidget* view, HWND top_level, bool takes_focus);

}  // namespace desktop
