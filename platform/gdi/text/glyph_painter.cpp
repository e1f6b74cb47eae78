#include "platform/gdi/text/glyph_painter.h"

#include <algorithm>
#include <cstdint>

namespace gdi::text {

namespace {

// Calls f(top, bottom, left, right) for each piece of rect that lies in clip.
template <class F>
void for_each_clipped(const Region& clip, const RECT& rect, F&& f) {
    if (rect.left >= rect.right || rect.top >= rect.bottom) return;
    const auto& bands = clip.bands();
    auto band = std::upper_bound(bands.begin(), bands.end(), rect.top,
                                 [](int y, const Region::Band& b) { return y < b.bottom; });
    for (; band != bands.end() && band->top < rect.bottom; ++band) {
        const int top = std::max<int>(band->top, rect.top);
        const int bottom = std::min<int>(band->bottom, rect.bottom);
        if (top >= bottom) continue;
        for (const auto& span : band->spans) {
            if (span.left >= rect.right) break;
            const int left = std::max<int>(span.left, rect.left);
            const int right = std::min<int>(span.right, rect.right);
            if (left < right) f(top, bottom, left, right);
        }
    }
}

// A monochrome surface holds only black and white: the ink is whichever is
// nearer the colour, and a pixel is inked when at least half covered.
std::uint32_t mono_pixel(COLORREF c) {
    const int luminance = (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
    return luminance >= 128 ? 0xFFFFFFu : 0u;
}

}  // namespace

std::uint32_t blend_pixel(std::uint32_t dst, std::uint32_t ink, std::uint32_t a) {
    // Red and blue ride in one word, 16 bits apart: no lane can carry into the
    // next, since c * a + d * (255 - a) + 128 + its high byte stays below 65536.
    // (t + (t >> 8)) >> 8 with t = x + 128 is round(x / 255) for every x here.
    const std::uint32_t na = 255 - a;
    std::uint32_t rb = (ink & 0xFF00FF) * a + (dst & 0xFF00FF) * na + 0x800080;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    std::uint32_t g = ((ink >> 8) & 0xFF) * a + ((dst >> 8) & 0xFF) * na + 0x80;
    g = ((g + (g >> 8)) >> 8) & 0xFF;
    return rb | (g << 8);
}

GlyphPainter::GlyphPainter(Surface& surface, const Region& clip)
    : surface_(surface), clip_(clip), clip_bounds_(clip.bounds()) {
    damage_ = RECT{0, 0, 0, 0};
}

GlyphPainter::~GlyphPainter() {
    if (damage_.left < damage_.right && damage_.top < damage_.bottom) surface_.add_damage(damage_);
}

void GlyphPainter::touch(int left, int top, int right, int bottom) {
    if (damage_.left >= damage_.right) {
        damage_ = RECT{left, top, right, bottom};
        return;
    }
    damage_.left = std::min<int>(damage_.left, left);
    damage_.top = std::min<int>(damage_.top, top);
    damage_.right = std::max<int>(damage_.right, right);
    damage_.bottom = std::max<int>(damage_.bottom, bottom);
}

void GlyphPainter::fill(const RECT& rect, COLORREF color) {
    const std::uint32_t pixel = surface_.monochrome ? mono_pixel(color) : pixel_from_colorref(color & 0xFFFFFF);
    for_each_clipped(clip_, rect, [&](int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y) std::fill(surface_.row(y) + left, surface_.row(y) + right, pixel);
        touch(left, top, right, bottom);
    });
}

void GlyphPainter::glyph(const Glyph& g, int pen_x, int baseline, COLORREF color) {
    if (g.width <= 0 || g.rows <= 0) return;
    const int gx = pen_x + g.left;
    const int gy = baseline - g.top;
    const RECT box{gx, gy, gx + g.width, gy + g.rows};
    const bool mono = surface_.monochrome;
    const std::uint32_t ink = mono ? mono_pixel(color) : pixel_from_colorref(color & 0xFFFFFF);
    for_each_clipped(clip_, box, [&](int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y) {
            const std::uint8_t* cov = g.coverage.data() + static_cast<std::size_t>(y - gy) * g.width + (left - gx);
            std::uint32_t* px = surface_.row(y) + left;
            for (int x = left; x < right; ++x, ++cov, ++px) {
                const std::uint32_t a = *cov;
                if (a == 0) continue;
                if (mono) {
                    if (a >= 128) *px = ink;
                } else {
                    *px = a == 255 ? ink : blend_pixel(*px, ink, a);
                }
            }
        }
        touch(left, top, right, bottom);
    });
}

}  // namespace gdi::text
