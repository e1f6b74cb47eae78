#pragma once
// What the rest of platform/ (the window manager, the controls, the hosts) may
// use of the drawing services beyond win32.h. The skin and the app never include it.

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace gdi {

// A DC that draws into a window's top-level screen surface. origin is where the
// DC's (0, 0) lies on the surface; visible is the part of the surface it may
// touch (surface coordinates), already cut to what of the window shows.
// Released with DeleteDC (ReleaseDC of the window manager calls it). Counted.
HDC create_window_dc(SurfacePtr surface, POINT origin, const Region& visible, HWND owner);
// Moves a window DC (the window moved or the visible part changed).
void update_window_dc(HDC hdc, POINT origin, const Region& visible);
// The owner given at creation, or 0 for any other DC.
HWND window_dc_owner(HDC hdc);

// The surface a DC draws into (null for a DC with no bitmap or a dead handle).
SurfacePtr dc_surface(HDC hdc);
// A DC's origin on its surface (0, 0 for memory DCs).
POINT dc_origin(HDC hdc);
SurfacePtr bitmap_surface(HBITMAP bitmap);

// Region objects: make one from a Region, read or replace what a handle holds.
HRGN create_region_object(const Region& region);
const Region* region_of(HRGN rgn);  // null for a dead handle
bool set_region(HRGN rgn, const Region& region);

// The live-object count behind headless::gdi_object_count().
int live_object_count();

// ---- For the text engine (platform/gdi/text/) ----
// The stock fonts SYSTEM_FONT (selected into every new DC) and DEFAULT_GUI_FONT
// are "WenQuanYi Micro Hei" at lfHeight -12 (12-pixel characters), FW_NORMAL.
struct DcTextState {
    SurfacePtr surface;  // null: there is nothing to draw into
    POINT origin{};      // where the DC's (0, 0) lies on the surface
    Region clip;         // surface coordinates, already cut to the surface and the DC's clip
    LOGFONTA font;       // the selected font
    COLORREF text_color = 0x000000;
    COLORREF bk_color = 0xFFFFFF;
    int bk_mode = OPAQUE;
};
bool dc_text_state(HDC hdc, DcTextState* out);
bool font_logfont(HFONT font, LOGFONTA* out);

}  // namespace gdi
