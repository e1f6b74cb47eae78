#pragma once
// Putting text ink on a surface: solid fills for opaque backgrounds and
// underlines, coverage blending for glyphs. Everything is cut to a clip region
// (surface coordinates) and the damage is recorded on the surface once, when
// the painter is done.

#include <cstdint>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/text/font_engine.h"

namespace gdi::text {

// A colour pixel (0x00RRGGBB) covered to a / 255 by ink:
// round((ink * a + dst * (255 - a)) / 255) in each channel.
std::uint32_t blend_pixel(std::uint32_t dst, std::uint32_t ink, std::uint32_t a);

class GlyphPainter {
public:
    // clip is in surface coordinates and should already lie inside the surface.
    GlyphPainter(Surface& surface, const Region& clip);
    ~GlyphPainter();  // adds the damage
    GlyphPainter(const GlyphPainter&) = delete;
    GlyphPainter& operator=(const GlyphPainter&) = delete;

    void fill(const RECT& rect, COLORREF color);
    // The glyph with its pen at (pen_x, baseline), surface coordinates.
    void glyph(const Glyph& g, int pen_x, int baseline, COLORREF color);

    // Bounds of the clip: callers skip glyphs wholly outside it.
    const RECT& clip_bounds() const { return clip_bounds_; }

private:
    void touch(int left, int top, int right, int bottom);

    Surface& surface_;
    const Region& clip_;
    RECT clip_bounds_;
    RECT damage_{};
};

}  // namespace gdi::text
