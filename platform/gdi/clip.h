#pragma once
// The clipping prologue every blit goes through: translate, intersect with both
// surfaces, return early when empty, then walk the destination clip one span
// per row. Private to platform/gdi/ (and its tests).

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/gdi/region.h"

namespace gdi {

struct ClippedBlit {
    RECT dst;   // destination-surface coordinates, never empty
    POINT src;  // source-surface position of dst's top-left corner
};

// A w x h copy from (sx, sy) on a src_w x src_h surface to (dx, dy) on a
// dst_w x dst_h surface (positions already translated to surface coordinates),
// cut to both surfaces. False when nothing is left.
inline bool clip_blit(std::int64_t dx, std::int64_t dy, std::int64_t w, std::int64_t h, int dst_w, int dst_h,
                      std::int64_t sx, std::int64_t sy, int src_w, int src_h, ClippedBlit* out) {
    if (w <= 0 || h <= 0) return false;
    // Clip the left and top edges against both surfaces, moving the other side along.
    std::int64_t skip_x = std::max<std::int64_t>({0, -dx, -sx});
    std::int64_t skip_y = std::max<std::int64_t>({0, -dy, -sy});
    dx += skip_x, sx += skip_x, w -= skip_x;
    dy += skip_y, sy += skip_y, h -= skip_y;
    w = std::min<std::int64_t>({w, dst_w - dx, src_w - sx});
    h = std::min<std::int64_t>({h, dst_h - dy, src_h - sy});
    if (w <= 0 || h <= 0) return false;
    out->dst = RECT{static_cast<LONG>(dx), static_cast<LONG>(dy), static_cast<LONG>(dx + w), static_cast<LONG>(dy + h)};
    out->src = POINT{static_cast<LONG>(sx), static_cast<LONG>(sy)};
    return true;
}

// Calls fn(y, x0, x1, continues) for every row piece of clip ∩ r, top to
// bottom, left to right. continues is true when the row above was visited with
// the same spans (same band of the clip), so a row may be copied from it.
// Returns the bounding box of what was visited (empty when nothing was).
template <class Fn>
RECT for_each_span(const Region& clip, const RECT& r, Fn&& fn) {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Region::Band& band : clip.bands()) {
        if (band.bottom <= r.top) continue;
        if (band.top >= r.bottom) break;
        const int y0 = std::max<int>(band.top, r.top), y1 = std::min<int>(band.bottom, r.bottom);
        bool any = false;
        for (int y = y0; y < y1; ++y) {
            for (const Region::Span& s : band.spans) {
                if (s.right <= r.left) continue;
                if (s.left >= r.right) break;
                const int x0 = std::max<int>(s.left, r.left), x1 = std::min<int>(s.right, r.right);
                fn(y, x0, x1, y > y0);
                if (y == y0) {
                    box.left = std::min<LONG>(box.left, x0);
                    box.right = std::max<LONG>(box.right, x1);
                    any = true;
                }
            }
        }
        if (any) {
            box.top = std::min<LONG>(box.top, y0);
            box.bottom = std::max<LONG>(box.bottom, y1);
        }
    }
    if (box.left >= box.right) return RECT{};
    return box;
}

}  // namespace gdi
