// BitBlt, StretchBlt, PatBlt and AlphaBlend.
//
// Every operation runs the same way: open the destination (and source), turn
// the rectangles into surface coordinates, clip once (clip.h), then hand each
// row piece to one span routine picked before the loop.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/clip.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pixel/kernels.h"

namespace gdi {

namespace {

constexpr std::uint8_t kSrcCopy = 0xCC;

LONG saturate(std::int64_t v) { return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

// Where source pixels are read: the source surface itself, or a snapshot of
// the part a call reads when source and destination share a surface.
struct SourceView {
    const std::uint32_t* base = nullptr;
    int stride = 0;
    int x0 = 0, y0 = 0;
    const std::uint32_t* at(int x, int y) const {
        return base + static_cast<std::ptrdiff_t>(y - y0) * stride + (x - x0);
    }
};

SourceView view_of(const Surface& s) { return SourceView{s.pixels.data(), s.width, 0, 0}; }

SourceView snapshot(const Surface& s, const RECT& r, std::vector<std::uint32_t>& storage) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    storage.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        std::memcpy(storage.data() + static_cast<std::size_t>(y) * w, s.row(r.top + y) + r.left,
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
    return SourceView{storage.data(), w, r.left, r.top};
}

bool overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Depth conversion between source and destination, decided once per call.
struct SourceFormat {
    enum class Convert { None, ToMono, ToColor } convert = Convert::None;
    std::uint32_t key = 0;        // ToMono: the source DC's background colour becomes white
    std::uint32_t one = 0, zero = 0;  // ToColor: white and black become these

    const std::uint32_t* apply(const std::uint32_t* s, int n, std::uint32_t* scratch) const {
        switch (convert) {
            case Convert::ToMono: pixel::color_to_mono(scratch, s, n, key); return scratch;
            case Convert::ToColor: pixel::mono_to_color(scratch, s, n, one, zero); return scratch;
            default: return s;
        }
    }
};

SourceFormat format_between(const Target& src, const Target& dst) {
    SourceFormat f;
    if (!src.surface->monochrome && dst.surface->monochrome) {
        f.convert = SourceFormat::Convert::ToMono;
        f.key = pixel_from_colorref(src.dc->state.bk_color);
    } else if (src.surface->monochrome && !dst.surface->monochrome) {
        f.convert = SourceFormat::Convert::ToColor;
        f.one = pixel_from_colorref(dst.dc->state.bk_color);
        f.zero = pixel_from_colorref(dst.dc->state.text_color);
    }
    return f;
}

// What happens to each destination pixel once the source pixel is known.
struct Operation {
    bool blend = false;
    std::uint8_t rop = kSrcCopy;
    std::uint8_t alpha = 255;
    std::uint32_t pattern = 0;
    pixel::RopSpan span = nullptr;

    void run(std::uint32_t* d, const std::uint32_t* s, int n) const {
        if (blend)
            pixel::blend_span(d, s, n, alpha);
        else
            span(d, s, pattern, n, rop);
    }
    bool plain_copy() const { return !blend && rop == kSrcCopy; }
};

Operation rop_operation(std::uint8_t rop) {
    Operation op;
    op.rop = rop;
    op.span = pixel::rop_span_for(rop);
    return op;
}

// The pattern is the DC's brush; false when it has none (a hollow brush), and
// then nothing is drawn.
bool load_pattern(const Target& t, Operation* op) {
    if (!pixel::rop_uses_pattern(op->rop)) return true;
    COLORREF c;
    if (!brush_color(t.dc->state.brush, &c)) return false;
    op->pattern = pixel_for(*t.surface, c);
    return true;
}

void add_damage(const Target& t, const RECT& box) {
    if (box.left < box.right) t.surface->add_damage(box);
}

// Same-size copy from src to dst under op.
void copy_rect(const Target& dst, const Target& src, std::int64_t x, std::int64_t y, std::int64_t w,
               std::int64_t h, std::int64_t sx, std::int64_t sy, const Operation& op) {
    ClippedBlit cb;
    if (!clip_blit(x, y, w, h, dst.surface->width, dst.surface->height, sx, sy, src.surface->width,
                   src.surface->height, &cb))
        return;
    const int dx = cb.src.x - cb.dst.left, dy = cb.src.y - cb.dst.top;
    const SourceFormat format = format_between(src, dst);
    const Region& clip = dc_clip(dst.dc);
    // Whole rows of equally wide surfaces, unclipped: one block move (memmove
    // also gets an overlapping copy within one surface right). Composing in a
    // scratch bitmap and copying it back is exactly this case.
    const int width = dst.surface->width;
    if (op.plain_copy() && format.convert == SourceFormat::Convert::None && src.surface->width == width &&
        cb.dst.left == 0 && cb.dst.right == width && dx == 0 && clip.complexity() == SIMPLEREGION) {
        const RECT c = clip.bounds();
        if (c.left <= 0 && c.right >= width && c.top <= cb.dst.top && c.bottom >= cb.dst.bottom) {
            std::memmove(dst.surface->row(cb.dst.top), src.surface->row(cb.src.y),
                         static_cast<std::size_t>(cb.dst.bottom - cb.dst.top) * width * sizeof(std::uint32_t));
            add_damage(dst, cb.dst);
            return;
        }
    }
    const RECT src_rect{cb.src.x, cb.src.y, cb.src.x + (cb.dst.right - cb.dst.left),
                        cb.src.y + (cb.dst.bottom - cb.dst.top)};
    std::vector<std::uint32_t> copy;
    SourceView view = src.surface == dst.surface && overlaps(src_rect, cb.dst) ? snapshot(*src.surface, src_rect, copy)
                                                                             : view_of(*src.surface);
    static std::vector<std::uint32_t> scratch;  // reused: one thread, blits never nest
    if (format.convert != SourceFormat::Convert::None) scratch.resize(static_cast<std::size_t>(cb.dst.right - cb.dst.left));
    RECT box = for_each_span(clip, cb.dst, [&](int row, int x0, int x1, bool) {
        const int n = x1 - x0;
        op.run(dst.surface->row(row) + x0, format.apply(view.at(x0 + dx, row + dy), n, scratch.data()), n);
    });
    add_damage(dst, box);
}

// Nearest-neighbour map of one axis: destination pixel i of a run of d pixels
// samples source pixel floor((2i + 1) * s / (2d)). Fills map with the source
// index of each destination pixel of [first, last): the pixels of the run that
// lie on the destination surface and sample inside the source surface. The
// quotient is stepped, not divided, per pixel.
bool axis_map(std::int64_t dst_pos, std::int64_t d, int dst_size, std::int64_t src_pos, std::int64_t s,
              int src_size, int* first, int* last, std::vector<int>& map) {
    const std::int64_t lo = std::max<std::int64_t>(dst_pos, 0), hi = std::min<std::int64_t>(dst_pos + d, dst_size);
    map.clear();
    if (lo >= hi) return false;
    const std::int64_t den = 2 * d;
    const std::int64_t k0 = lo - dst_pos;  // 0 <= k0 < d < 2^31, so (2 k0 + 1) * s stays inside 63 bits
    std::int64_t q = (2 * k0 + 1) * s / den, r = (2 * k0 + 1) * s % den;
    const std::int64_t step_q = 2 * s / den, step_r = 2 * s % den;
    // The map only grows, so the samples inside the source form one run.
    for (std::int64_t i = lo; i < hi; ++i) {
        const std::int64_t v = src_pos + q;
        if (v >= src_size) break;
        if (v >= 0) {
            if (map.empty()) *first = static_cast<int>(i);
            map.push_back(static_cast<int>(v));
        }
        q += step_q;
        r += step_r;
        if (r >= den) r -= den, ++q;
    }
    if (map.empty()) return false;
    *last = *first + static_cast<int>(map.size());
    return true;
}

void stretch_rect(const Target& dst, const Target& src, std::int64_t x, std::int64_t y, std::int64_t w,
                  std::int64_t h, std::int64_t sx, std::int64_t sy, std::int64_t sw, std::int64_t sh,
                  const Operation& op) {
    // Reused between calls: everything runs on one thread and blits never nest.
    static std::vector<int> xmap, ymap;
    static std::vector<std::uint32_t> scratch;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    if (!axis_map(x, w, dst.surface->width, sx, sw, src.surface->width, &x0, &x1, xmap)) return;
    if (!axis_map(y, h, dst.surface->height, sy, sh, src.surface->height, &y0, &y1, ymap)) return;
    const RECT src_rect{xmap.front(), ymap.front(), xmap.back() + 1, ymap.back() + 1};
    const RECT r{x0, y0, x1, y1};
    std::vector<std::uint32_t> copy;
    SourceView view = src.surface == dst.surface && overlaps(src_rect, r) ? snapshot(*src.surface, src_rect, copy)
                                                                       : view_of(*src.surface);
    if (view.x0 != 0)
        for (int& m : xmap) m -= view.x0;

    const SourceFormat format = format_between(src, dst);
    const bool direct = op.plain_copy() && format.convert == SourceFormat::Convert::None;
    if (!direct) scratch.resize(xmap.size());
    RECT box = for_each_span(dc_clip(dst.dc), r, [&](int row, int a, int b, bool continues) {
        const int n = b - a;
        std::uint32_t* d = dst.surface->row(row) + a;
        const int source_row = ymap[static_cast<std::size_t>(row - y0)];
        const int* map = xmap.data() + (a - x0);
        const std::uint32_t* s = view.at(view.x0, source_row);
        if (direct) {
            // Rows that sample the same source row come out the same: copy the one above.
            if (continues && ymap[static_cast<std::size_t>(row - y0 - 1)] == source_row)
                std::memcpy(d, d - dst.surface->width, static_cast<std::size_t>(n) * sizeof *d);
            else
                pixel::stretch_span(d, s, map, n);
            return;
        }
        pixel::stretch_span(scratch.data(), s, map, n);
        op.run(d, format.apply(scratch.data(), n, scratch.data()), n);
    });
    add_damage(dst, box);
}

// The common body of BitBlt, StretchBlt and AlphaBlend.
BOOL blit(HDC hdst, int x, int y, int w, int h, HDC hsrc, int xs, int ys, int ws, int hs, Operation op) {
    Target dst;
    if (!open_target(hdst, &dst) || w <= 0 || h <= 0) return FALSE;
    if (!load_pattern(dst, &op)) return TRUE;
    const std::int64_t dx = std::int64_t{x} + dst.offset.x, dy = std::int64_t{y} + dst.offset.y;
    if (!op.blend && !pixel::rop_uses_source(op.rop)) {
        paint_rect(dst, RECT{saturate(dx), saturate(dy), saturate(dx + w), saturate(dy + h)}, op.rop, op.pattern);
        return TRUE;
    }
    Target src;
    if (!open_target(hsrc, &src) || ws <= 0 || hs <= 0) return FALSE;
    const std::int64_t sx = std::int64_t{xs} + src.offset.x, sy = std::int64_t{ys} + src.offset.y;
    if (ws == w && hs == h)
        copy_rect(dst, src, dx, dy, w, h, sx, sy, op);
    else
        stretch_rect(dst, src, dx, dy, w, h, sx, sy, ws, hs, op);
    return TRUE;
}

}  // namespace

}  // namespace gdi

using namespace gdi;

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop) {
    return blit(dst, x, y, cx, cy, src, x1, y1, cx, cy, rop_operation(static_cast<std::uint8_t>(rop >> 16)));
}

// Nearest neighbour at every stretch mode. Mirroring by negative sizes is not
// supported: a zero or negative size draws nothing.
BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int xs, int ys, int ws, int hs, DWORD rop) {
    const auto code = static_cast<std::uint8_t>(rop >> 16);
    if (pixel::rop_uses_source(code) && (ws <= 0 || hs <= 0)) return FALSE;
    return blit(dst, x, y, w, h, src, xs, ys, ws, hs, rop_operation(code));
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    const auto code = static_cast<std::uint8_t>(rop >> 16);
    if (pixel::rop_uses_source(code)) return FALSE;
    return blit(hdc, x, y, w, h, HDC(), 0, 0, w, h, rop_operation(code));
}

// Constant alpha only: the surfaces carry no alpha channel of their own.
BOOL AlphaBlend(HDC dst, int xd, int yd, int wd, int hd, HDC src, int xs, int ys, int ws, int hs,
                BLENDFUNCTION blend) {
    if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 || blend.AlphaFormat != 0) return FALSE;
    Target d, s;
    if (!open_target(dst, &d) || !open_target(src, &s)) return FALSE;
    if (d.surface->monochrome || s.surface->monochrome) return FALSE;
    if (wd <= 0 || hd <= 0 || ws <= 0 || hs <= 0) return FALSE;
    if (blend.SourceConstantAlpha == 0) return TRUE;  // leaves the destination exactly as it is
    Operation op = rop_operation(kSrcCopy);
    if (blend.SourceConstantAlpha != 255) {  // 255 is an exact copy
        op.blend = true;
        op.alpha = blend.SourceConstantAlpha;
    }
    return blit(dst, xd, yd, wd, hd, src, xs, ys, ws, hs, op);
}
