#pragma once
// What the drawing calls share: the surface a DC draws into, colour to pixel
// conversion, and filling clipped areas. Private to platform/gdi/.

#include <cstdint>

#include "platform/gdi/objects.h"

namespace gdi {

// A DC that can be drawn into: its surface and where logical (0, 0) lies on it.
struct Target {
    DcObject* dc = nullptr;
    Surface* surface = nullptr;
    POINT offset{};
};
// False for a dead DC or one with nothing to draw into.
bool open_target(HDC hdc, Target* out);

// A colour as a pixel of the surface: on a monochrome surface the nearer of
// black and white (by luminance).
std::uint32_t pixel_for(const Surface& surface, COLORREF color);

// Applies a raster operation that reads no source to every pixel of r (surface
// coordinates) that lies inside the DC's clip, and records the damage.
void paint_rect(const Target& t, const RECT& r, std::uint8_t rop, std::uint32_t pattern);
// The same over an area given in surface coordinates.
void paint_area(const Target& t, const Region& area, std::uint8_t rop, std::uint32_t pattern);

// Logical rectangle to surface rectangle, saturating instead of overflowing.
RECT to_surface(const Target& t, LONG left, LONG top, LONG right, LONG bottom);

}  // namespace gdi
