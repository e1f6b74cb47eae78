// SetWindowRgn and GetWindowRgn: a window shows, and is hit, only inside its
// region (window coordinates). The window owns the region object.

#include <memory>

#include "platform/gdi/internal.h"
#include "platform/user/wm_state.h"

using namespace user;

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
    Window* w = find_window(hwnd);
    const gdi::Region* shape = rgn ? gdi::region_of(rgn) : nullptr;
    if (!w || (rgn && !shape)) {
        // The region was handed over; nobody else will free it.
        if (rgn && shape) DeleteObject(rgn);
        return 0;
    }
    const bool visible = is_really_visible(w);
    gdi::Region old_area;
    if (visible) {
        RECT wr = window_rect_on_screen(w);
        old_area = gdi::Region(wr);
        if (w->shape) {
            gdi::Region s = *w->shape;
            s.offset(wr.left, wr.top);
            old_area = old_area.intersected(s);
        }
    }
    if (w->region_object && w->region_object != rgn) DeleteObject(w->region_object);
    w->region_object = rgn;
    w->shape = shape ? std::make_unique<gdi::Region>(*shape) : nullptr;
    if (redraw && visible) {
        if (Window* p = find_window(w->parent)) invalidate_screen_area(p, old_area);
        invalidate_window(w, nullptr, true, true, true);
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
    Window* w = find_window(hwnd);
    if (!w || !w->shape || !rgn) return RGN_ERROR;
    if (!gdi::set_region(rgn, *w->shape)) return RGN_ERROR;
    return w->shape->complexity();
}
