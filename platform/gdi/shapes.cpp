// Pixels, rectangles, focus rectangles, lines, simple filled shapes and region fills.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/gdi/clip.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/paint.h"

namespace gdi {
namespace {

constexpr std::uint8_t kPatCopy = 0xF0;
constexpr std::uint8_t kDstInvert = 0x55;

bool pen_pixel(const Target& t, std::uint32_t* pixel) {
    PenObject* pen = find<PenObject>(t.dc->state.pen.value);
    if (!pen || pen->style == PS_NULL) return false;
    *pixel = pixel_for(*t.surface, pen->color);
    return true;
}

bool brush_pixel(const Target& t, HBRUSH brush, std::uint32_t* pixel) {
    COLORREF c;
    if (!brush_color(brush, &c)) return false;
    *pixel = pixel_for(*t.surface, c);
    return true;
}

void fill(const Target& t, LONG left, LONG top, LONG right, LONG bottom, std::uint32_t pixel) {
    paint_rect(t, to_surface(t, left, top, right, bottom), kPatCopy, pixel);
}

LONG clamp_long(std::int64_t v) { return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

// A one-pixel line from (x0, y0) towards (x1, y1), the end point left out.
void draw_line(const Target& t, int x0, int y0, int x1, int y1, std::uint32_t pixel) {
    if (x0 == x1 && y0 == y1) return;
    const std::int64_t ax = x0, ay = y0, bx = x1, by = y1;
    if (y0 == y1) {
        fill(t, clamp_long(std::min(ax, bx + 1)), y0, clamp_long(std::max(ax + 1, bx)), clamp_long(ay + 1), pixel);
        return;
    }
    if (x0 == x1) {
        fill(t, x0, clamp_long(std::min(ay, by + 1)), clamp_long(ax + 1), clamp_long(std::max(ay + 1, by)), pixel);
        return;
    }
    // A slanted line that misses the surface draws nothing; one longer than any
    // surface's diagonal many times over is nonsense input and draws nothing either.
    const std::int64_t ox = t.offset.x, oy = t.offset.y;
    if (std::max(ax, bx) + ox < 0 || std::max(ay, by) + oy < 0 || std::min(ax, bx) + ox >= t.surface->width ||
        std::min(ay, by) + oy >= t.surface->height)
        return;
    if (std::llabs(bx - ax) > (1 << 18) || std::llabs(by - ay) > (1 << 18)) return;
    const Region& clip = dc_clip(t.dc);
    const std::int64_t dx = std::llabs(std::int64_t{x1} - x0), dy = -std::llabs(std::int64_t{y1} - y0);
    const int step_x = x0 < x1 ? 1 : -1, step_y = y0 < y1 ? 1 : -1;
    std::int64_t err = dx + dy;
    std::int64_t x = x0, y = y0;
    RECT box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    // Bresenham, every point checked against the surface and the clip.
    const std::int64_t limit = std::max<std::int64_t>(dx, -dy);
    for (std::int64_t i = 0; i < limit; ++i) {
        const std::int64_t sx = x + t.offset.x, sy = y + t.offset.y;
        if (sx >= 0 && sy >= 0 && sx < t.surface->width && sy < t.surface->height &&
            clip.contains(static_cast<int>(sx), static_cast<int>(sy))) {
            t.surface->row(static_cast<int>(sy))[sx] = pixel;
            box.left = std::min<LONG>(box.left, static_cast<LONG>(sx));
            box.top = std::min<LONG>(box.top, static_cast<LONG>(sy));
            box.right = std::max<LONG>(box.right, static_cast<LONG>(sx + 1));
            box.bottom = std::max<LONG>(box.bottom, static_cast<LONG>(sy + 1));
        }
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) err += dy, x += step_x;
        if (e2 <= dx) err += dx, y += step_y;
    }
    if (box.left < box.right) t.surface->add_damage(box);
}

// Keeps the pixels of r whose neighbours up to n steps away along one axis
// (both ways) are all in r. The window of 2n + 1 shifts is built by doubling,
// so a wide frame costs a few region operations, not one per pixel of width.
Region eroded_along(const Region& r, int n, bool horizontal) {
    if (n <= 0 || r.empty()) return r;
    auto shifted = [horizontal](Region q, std::int64_t k) {
        const int by = static_cast<int>(std::clamp<std::int64_t>(k, INT32_MIN, INT32_MAX));
        q.offset(horizontal ? by : 0, horizontal ? 0 : by);
        return q;
    };
    const std::int64_t window = 2 * std::int64_t{n} + 1;
    Region q = r;  // pixels p with p, p - 1, ..., p - (covered - 1) all in r
    std::int64_t covered = 1;
    while (covered * 2 <= window && !q.empty()) {
        q = q.intersected(shifted(q, covered));
        covered *= 2;
    }
    if (covered < window) q = q.intersected(shifted(q, window - covered));
    return shifted(q, -std::int64_t{n});
}

// The pixels of r with at least w pixels of r left and right of them and h
// above and below (a cross, not a box, so a one-pixel outline stays thin at
// diagonal steps).
Region eroded(const Region& r, int w, int h) {
    return eroded_along(r, w, true).intersected(eroded_along(r, h, false));
}

Region in_surface(const Target& t, Region r) {
    r.offset(t.offset.x, t.offset.y);
    return r;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Target t;
    if (!open_target(hdc, &t)) return CLR_INVALID;
    const std::int64_t sx = std::int64_t{x} + t.offset.x, sy = std::int64_t{y} + t.offset.y;
    if (sx < 0 || sy < 0 || sx >= t.surface->width || sy >= t.surface->height) return CLR_INVALID;
    if (!dc_clip(t.dc).contains(static_cast<int>(sx), static_cast<int>(sy))) return CLR_INVALID;
    const std::uint32_t p = pixel_for(*t.surface, color);
    t.surface->row(static_cast<int>(sy))[sx] = p;
    t.surface->add_damage(RECT{static_cast<LONG>(sx), static_cast<LONG>(sy), static_cast<LONG>(sx + 1),
                               static_cast<LONG>(sy + 1)});
    return colorref_from_pixel(p);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    Target t;
    if (!open_target(hdc, &t)) return CLR_INVALID;
    const std::int64_t sx = std::int64_t{x} + t.offset.x, sy = std::int64_t{y} + t.offset.y;
    if (sx < 0 || sy < 0 || sx >= t.surface->width || sy >= t.surface->height) return CLR_INVALID;
    if (!dc_clip(t.dc).contains(static_cast<int>(sx), static_cast<int>(sy))) return CLR_INVALID;
    return colorref_from_pixel(t.surface->row(static_cast<int>(sy))[sx] & 0xFFFFFF);
}

int FillRect(HDC hdc, const RECT* rc, HBRUSH brush) {
    Target t;
    std::uint32_t pixel;
    if (!rc || !open_target(hdc, &t) || !brush_pixel(t, brush, &pixel)) return 0;
    fill(t, rc->left, rc->top, rc->right, rc->bottom, pixel);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rc, HBRUSH brush) {
    Target t;
    std::uint32_t pixel;
    if (!rc || !open_target(hdc, &t) || !brush_pixel(t, brush, &pixel)) return 0;
    const RECT r = *rc;
    if (r.left >= r.right || r.top >= r.bottom) return 1;  // an empty rectangle has no frame
    fill(t, r.left, r.top, r.right, r.top + 1, pixel);
    fill(t, r.left, r.bottom - 1, r.right, r.bottom, pixel);
    fill(t, r.left, r.top, r.left + 1, r.bottom, pixel);
    fill(t, r.right - 1, r.top, r.right, r.bottom, pixel);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rc) {
    Target t;
    if (!rc || !open_target(hdc, &t)) return FALSE;
    paint_rect(t, to_surface(t, rc->left, rc->top, rc->right, rc->bottom), kDstInvert, 0);
    return TRUE;
}

// Every other pixel along the inside edge is inverted, starting with the
// top-left corner. Each edge pixel is visited once (the sides skip the corner
// rows), so a second call puts every pixel back.
BOOL DrawFocusRect(HDC hdc, const RECT* rc) {
    Target t;
    if (!rc || !open_target(hdc, &t)) return FALSE;
    const RECT r = to_surface(t, rc->left, rc->top, rc->right, rc->bottom);
    if (r.left >= r.right || r.top >= r.bottom) return TRUE;
    const Region& clip = dc_clip(t.dc);
    const RECT bounds{0, 0, t.surface->width, t.surface->height};
    RECT damage{};
    auto invert_dotted = [&](RECT edge) {
        edge.left = std::max(edge.left, bounds.left);
        edge.top = std::max(edge.top, bounds.top);
        edge.right = std::min(edge.right, bounds.right);
        edge.bottom = std::min(edge.bottom, bounds.bottom);
        if (edge.left >= edge.right || edge.top >= edge.bottom) return;
        RECT box = for_each_span(clip, edge, [&](int y, int x0, int x1, bool) {
            std::uint32_t* row = t.surface->row(y);
            const std::int64_t start = x0 + ((std::int64_t{x0} - r.left + y - r.top) & 1);
            for (std::int64_t x = start; x < x1; x += 2) row[x] = ~row[x] & 0xFFFFFF;
        });
        if (box.left < box.right) {
            t.surface->add_damage(box);
            damage = box;
        }
    };
    invert_dotted(RECT{r.left, r.top, r.right, r.top + 1});
    if (r.bottom - 1 > r.top) invert_dotted(RECT{r.left, r.bottom - 1, r.right, r.bottom});
    if (r.bottom - r.top > 2) {
        invert_dotted(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1});
        if (r.right - 1 > r.left) invert_dotted(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1});
    }
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* old) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return FALSE;
    if (old) *old = dc->state.position;
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return FALSE;
    const POINT from = dc->state.position;
    dc->state.position = POINT{x, y};
    Target t;
    std::uint32_t pixel;
    if (open_target(hdc, &t) && pen_pixel(t, &pixel)) draw_line(t, from.x, from.y, x, y, pixel);
    return TRUE;
}

// The figure covers (left, top) to (right - 1, bottom - 1): the outline takes
// the pen, the inside the brush. Without a pen the filled area is one pixel
// smaller each way, as on the original platform.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Target t;
    if (!open_target(hdc, &t)) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return TRUE;
    std::uint32_t brush, pen;
    const bool has_brush = brush_pixel(t, t.dc->state.brush, &brush);
    if (pen_pixel(t, &pen)) {
        if (has_brush) fill(t, left + 1, top + 1, right - 1, bottom - 1, brush);
        fill(t, left, top, right, top + 1, pen);
        fill(t, left, bottom - 1, right, bottom, pen);
        fill(t, left, top, left + 1, bottom, pen);
        fill(t, right - 1, top, right, bottom, pen);
    } else if (has_brush) {
        fill(t, left, top, right - 1, bottom - 1, brush);
    }
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    Target t;
    if (!open_target(hdc, &t)) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const Region shape = in_surface(t, Region::ellipse(left, top, right, bottom));
    std::uint32_t brush, pen;
    const bool has_pen = pen_pixel(t, &pen);
    const Region inside = has_pen ? eroded(shape, 1, 1) : shape;
    if (brush_pixel(t, t.dc->state.brush, &brush)) paint_area(t, inside, kPatCopy, brush);
    if (has_pen) paint_area(t, shape.subtracted(inside), kPatCopy, pen);
    return TRUE;
}

// Filled by the even-odd rule on pixel centres, then outlined with the pen.
BOOL Polygon(HDC hdc, const POINT* points, int count) {
    Target t;
    if (!points || count < 2 || !open_target(hdc, &t)) return FALSE;
    std::uint32_t brush, pen;
    if (brush_pixel(t, t.dc->state.brush, &brush)) {
        LONG top = points[0].y, bottom = points[0].y;
        for (int i = 1; i < count; ++i) top = std::min(top, points[i].y), bottom = std::max(bottom, points[i].y);
        // Only rows that can reach the surface are scanned.
        const std::int64_t first = std::max<std::int64_t>(top, -std::int64_t{t.offset.y});
        const std::int64_t last = std::min<std::int64_t>(bottom, std::int64_t{t.surface->height} - t.offset.y);
        std::vector<double> crossings;
        for (std::int64_t y = first; y < last; ++y) {
            const double cy = static_cast<double>(y) + 0.5;
            crossings.clear();
            for (int i = 0; i < count; ++i) {
                const POINT& a = points[i];
                const POINT& b = points[(i + 1) % count];
                if ((a.y <= cy) == (b.y <= cy)) continue;
                crossings.push_back(a.x + (cy - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
                const double x0 = std::ceil(crossings[k] - 0.5), x1 = std::ceil(crossings[k + 1] - 0.5);
                const double lo = -static_cast<double>(t.offset.x), hi = static_cast<double>(t.surface->width) - t.offset.x;
                const double a = std::max(x0, lo), b = std::min(x1, hi);
                if (a < b)
                    fill(t, static_cast<LONG>(a), static_cast<LONG>(y), static_cast<LONG>(b), static_cast<LONG>(y + 1),
                         brush);
            }
        }
    }
    if (pen_pixel(t, &pen))
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            draw_line(t, a.x, a.y, b.x, b.y, pen);
        }
    return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN rgn, HBRUSH brush) {
    Target t;
    const Region* r = region_of(rgn);
    std::uint32_t pixel;
    if (!r || !open_target(hdc, &t) || !brush_pixel(t, brush, &pixel)) return FALSE;
    paint_area(t, in_surface(t, *r), kPatCopy, pixel);
    return TRUE;
}

// The pixels of the region within w columns or h rows of its outside.
BOOL FrameRgn(HDC hdc, HRGN rgn, HBRUSH brush, int w, int h) {
    Target t;
    const Region* r = region_of(rgn);
    std::uint32_t pixel;
    if (!r || w <= 0 || h <= 0 || !open_target(hdc, &t) || !brush_pixel(t, brush, &pixel)) return FALSE;
    // Wider than the region itself: the whole region is frame.
    const RECT b = r->bounds();
    w = static_cast<int>(std::min<std::int64_t>(w, std::int64_t{b.right} - b.left));
    h = static_cast<int>(std::min<std::int64_t>(h, std::int64_t{b.bottom} - b.top));
    paint_area(t, in_surface(t, r->subtracted(eroded(*r, w, h))), kPatCopy, pixel);
    return TRUE;
}
