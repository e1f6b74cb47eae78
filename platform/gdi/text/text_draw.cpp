#include "platform/gdi/text/text_draw.h"

#include <algorithm>
#include <climits>

#include "platform/gdi/text/glyph_painter.h"

namespace gdi::text {

namespace {

int clamp_int(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2)); }

RECT clamped_rect(long long left, long long top, long long right, long long bottom) {
    return RECT{clamp_int(left), clamp_int(top), clamp_int(right), clamp_int(bottom)};
}

}  // namespace

void draw_layout(const DcTextState& st, Font& font, const TextLayout& layout, const TextPlacement& where) {
    if (!st.surface || layout.lines.empty()) return;
    Surface& surface = *st.surface;

    // Everything below works in surface coordinates.
    const long long ox = st.origin.x;
    const long long oy = st.origin.y;
    // The DC's clip should already lie on the surface; cut it anyway when it
    // does not, so a bad clip can never write outside the pixels.
    Region clip = st.clip;
    if (const RECT b = clip.bounds(); b.left < 0 || b.top < 0 || b.right > surface.width || b.bottom > surface.height) {
        clip = clip.intersected(Region::rect(0, 0, surface.width, surface.height));
    }
    if (where.clip) {
        if (where.clip->left >= where.clip->right || where.clip->top >= where.clip->bottom) return;
        clip = clip.intersected(Region(clamped_rect(where.clip->left + ox, where.clip->top + oy,
                                                    where.clip->right + ox, where.clip->bottom + oy)));
    }
    if (clip.empty()) return;

    GlyphPainter painter(surface, clip);
    const RECT bounds = painter.clip_bounds();
    const Font::Metrics& m = font.metrics();
    const int line_height = layout.line_height;
    // Glyphs may reach past their advance (italics, wide bearings): this much
    // slack keeps such ink from being skipped.
    const long long slack = m.pixel_size + 2;
    const int dot_advance = font.advance(U'.');

    for (std::size_t n = 0; n < layout.lines.size(); ++n) {
        const LaidLine& line = layout.lines[n];
        const long long top = where.top + oy + static_cast<long long>(n) * line_height;
        if (top >= bounds.bottom) break;
        if (top + line_height <= bounds.top) continue;
        long long x = where.left;
        if (where.align & DT_CENTER) {
            x = where.left + (where.right - where.left - line.width) / 2;
        } else if (where.align & DT_RIGHT) {
            x = where.right - line.width;
        }
        x += ox;
        const long long baseline = top + m.ascent;

        if (st.bk_mode == OPAQUE) painter.fill(clamped_rect(x, top, x + line.width, top + line_height), st.bk_color);

        auto draw_char = [&](char32_t cp, long long pen) {
            painter.glyph(font.rendered_glyph(cp), clamp_int(pen), clamp_int(baseline), st.text_color);
        };
        for (std::size_t i = line.begin; i < line.end; ++i) {
            const LaidChar& c = layout.chars[i];
            const long long pen = x + c.x;
            if (pen > bounds.right + slack) break;  // the rest of the line is further right
            if (pen + c.advance + slack < bounds.left) continue;
            draw_char(c.cp, pen);
            if (c.prefixed && where.underline_prefixes) {
                const long long y = baseline + m.underline_offset;
                painter.fill(clamped_rect(pen, y, pen + c.advance, y + m.underline_thickness), st.text_color);
            }
        }
        if (line.ellipsis) {
            for (int k = 0; k < 3; ++k) draw_char(U'.', x + line.ellipsis_x + static_cast<long long>(k) * dot_advance);
        }
        if (m.underline) {
            const long long y = baseline + m.underline_offset;
            painter.fill(clamped_rect(x, y, x + line.width, y + m.underline_thickness), st.text_color);
        }
        if (m.strikeout) {
            const long long y = baseline - m.strikeout_offset;
            painter.fill(clamped_rect(x, y, x + line.width, y + m.underline_thickness), st.text_color);
        }
    }
}

}  // namespace gdi::text
