// The helpers every drawing call shares: opening a DC for drawing, colours as
// pixels, and filling clipped rectangles and areas.

#include <algorithm>

#include "platform/gdi/clip.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pixel/kernels.h"

namespace gdi {

namespace {

LONG saturate(std::int64_t v) { return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

void add_damage(const Target& t, const RECT& box) {
    if (box.left < box.right) t.surface->add_damage(box);
}

}  // namespace

bool open_target(HDC hdc, Target* out) {
    DcObject* dc = find_dc(hdc);
    Surface* s = dc_target(dc);
    if (!s) return false;
    *out = Target{dc, s, dc_offset(dc)};
    return true;
}

std::uint32_t pixel_for(const Surface& surface, COLORREF color) {
    if (!surface.monochrome) return pixel_from_colorref(color);
    const unsigned luma = GetRValue(color) * 299u + GetGValue(color) * 587u + GetBValue(color) * 114u;
    return luma >= 127500u ? 0xFFFFFFu : 0u;
}

RECT to_surface(const Target& t, LONG left, LONG top, LONG right, LONG bottom) {
    return RECT{saturate(std::int64_t{left} + t.offset.x), saturate(std::int64_t{top} + t.offset.y),
                saturate(std::int64_t{right} + t.offset.x), saturate(std::int64_t{bottom} + t.offset.y)};
}

void paint_rect(const Target& t, const RECT& r, std::uint8_t rop, std::uint32_t pattern) {
    const RECT in{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, t.surface->width),
                  std::min<LONG>(r.bottom, t.surface->height)};
    if (in.left >= in.right || in.top >= in.bottom) return;
    const pixel::RopSpan span = pixel::rop_span_for(rop);
    RECT box = for_each_span(dc_clip(t.dc), in, [&](int row, int x0, int x1, bool) {
        span(t.surface->row(row) + x0, nullptr, pattern, x1 - x0, rop);
    });
    add_damage(t, box);
}

void paint_area(const Target& t, const Region& area, std::uint8_t rop, std::uint32_t pattern) {
    const Region visible = dc_clip(t.dc).intersected(area);
    const pixel::RopSpan span = pixel::rop_span_for(rop);
    RECT box = for_each_span(visible, visible.bounds(), [&](int row, int x0, int x1, bool) {
        span(t.surface->row(row) + x0, nullptr, pattern, x1 - x0, rop);
    });
    add_damage(t, box);
}

}  // namespace gdi
