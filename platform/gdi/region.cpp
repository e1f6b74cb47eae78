#include "platform/gdi/region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/win32/gdi.h"

namespace gdi {

namespace {

using Spans = std::vector<Region::Span>;

// Combines two sorted span lists with a truth function of (in a, in b); the
// function must be false when both are false.
template <class Op>
void combine_spans(const Spans& a, const Spans& b, Op op, Spans& out) {
    out.clear();
    const std::size_t na = a.size() * 2, nb = b.size() * 2;
    auto edge = [](const Spans& s, std::size_t i) { return i % 2 == 0 ? s[i / 2].left : s[i / 2].right; };
    std::size_t ia = 0, ib = 0;
    bool in_a = false, in_b = false, inside = false;
    int start = 0;
    // Walk the edges of both lists in order; between edges membership is constant.
    while (ia < na || ib < nb) {
        int x = ib >= nb || (ia < na && edge(a, ia) <= edge(b, ib)) ? edge(a, ia) : edge(b, ib);
        while (ia < na && edge(a, ia) == x) in_a = (++ia % 2) == 1;
        while (ib < nb && edge(b, ib) == x) in_b = (++ib % 2) == 1;
        bool now = op(in_a, in_b);
        if (now && !inside) start = x;
        if (!now && inside) out.push_back({start, x});
        inside = now;
    }
}

template <class Op>
void combine(const std::vector<Region::Band>& a, const std::vector<Region::Band>& b, Op op,
             std::vector<Region::Band>& out) {
    std::vector<int> ys;
    ys.reserve((a.size() + b.size()) * 2);
    for (const auto& band : a) ys.insert(ys.end(), {band.top, band.bottom});
    for (const auto& band : b) ys.insert(ys.end(), {band.top, band.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    static const Spans kNone;
    Spans spans;
    std::size_t ia = 0, ib = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = ys[k], y1 = ys[k + 1];
        while (ia < a.size() && a[ia].bottom <= y0) ++ia;
        while (ib < b.size() && b[ib].bottom <= y0) ++ib;
        const Spans& sa = ia < a.size() && a[ia].top <= y0 ? a[ia].spans : kNone;
        const Spans& sb = ib < b.size() && b[ib].top <= y0 ? b[ib].spans : kNone;
        combine_spans(sa, sb, op, spans);
        if (spans.empty()) continue;
        if (!out.empty() && out.back().bottom == y0 && out.back().spans.size() == spans.size() &&
            std::equal(spans.begin(), spans.end(), out.back().spans.begin(),
                       [](const Region::Span& p, const Region::Span& q) {
                           return p.left == q.left && p.right == q.right;
                       })) {
            out.back().bottom = y1;
        } else {
            out.push_back({y0, y1, spans});
        }
    }
}

}  // namespace

Region::Region(const RECT& r) {
    if (r.left < r.right && r.top < r.bottom) bands_.push_back({r.top, r.bottom, {{r.left, r.right}}});
}

Region Region::rect(int left, int top, int right, int bottom) { return Region(RECT{left, top, right, bottom}); }

// Round rectangles are rasterised row by row on pixel centres. The region
// covers the pixels [left, right) x [top, bottom). Each corner holds a quarter
// of an ellipse centred in the w x h pixel box at that corner, with radii
// w / 2 - 1/4 and h / 2 - 1/4; a corner pixel is kept when its centre lies on
// or inside that ellipse. The quarter pixel taken off the radii makes the
// smallest rounding, w = h = 3, cut exactly the corner pixel: its centre lies
// (1, 1) from the ellipse's centre (1 + 1 > 1.25^2), while its two neighbours
// along the edges lie 1 away along one axis only. A full ellipse is the round
// rectangle whose corner ellipse is as large as the rectangle itself.
// w or h below 2 gives square corners; w and h are cut to the rectangle's size
// and to 65536 (far beyond any surface), so absurd sizes cost no more than that.
Region Region::round_rect(int left, int top, int right, int bottom, int w, int h) {
    if (left >= right || top >= bottom) return Region{};
    const std::int64_t width = std::int64_t{right} - left, height = std::int64_t{bottom} - top;
    constexpr std::int64_t kMaxCorner = 1 << 16;
    w = static_cast<int>(std::clamp<std::int64_t>(w, 0, std::min(width, kMaxCorner)));
    h = static_cast<int>(std::clamp<std::int64_t>(h, 0, std::min(height, kMaxCorner)));
    if (w < 2 || h < 2) return rect(left, top, right, bottom);

    const double ra = w / 2.0 - 0.25, rb = h / 2.0 - 0.25;
    // Pixels cut from each side in the row d rows in from the top or bottom edge.
    auto inset = [&](int d) {
        double dy = h / 2.0 - (d + 0.5);  // from the ellipse's centre to the row's pixel centres
        double t = dy / rb;
        double half_width = ra * std::sqrt(std::max(0.0, 1.0 - t * t));
        return std::max(0, static_cast<int>(std::ceil(w / 2.0 - 0.5 - half_width - 1e-9)));
    };
    Region out;
    auto add = [&](int y0, int y1, int in) {
        if (std::int64_t{left} + in >= std::int64_t{right} - in) return;  // the tip of a narrow ellipse
        auto& bands = out.bands_;
        if (!bands.empty() && bands.back().bottom == y0 && bands.back().spans[0].left == left + in)
            bands.back().bottom = y1;
        else
            bands.push_back({y0, y1, {{left + in, right - in}}});
    };
    const int zone = h / 2;  // rows whose pixel centres lie above the corner ellipse's centre
    for (int d = 0; d < zone; ++d) add(top + d, top + d + 1, inset(d));
    if (top + zone < bottom - zone) add(top + zone, bottom - zone, 0);
    for (int d = zone - 1; d >= 0; --d) add(bottom - 1 - d, bottom - d, inset(d));
    return out;
}

Region Region::ellipse(int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom) return Region{};
    std::int64_t w = std::int64_t{right} - left, h = std::int64_t{bottom} - top;
    return round_rect(left, top, right, bottom, static_cast<int>(std::min<std::int64_t>(w, INT32_MAX)),
                      static_cast<int>(std::min<std::int64_t>(h, INT32_MAX)));
}

bool Region::empty() const { return bands_.empty(); }

RECT Region::bounds() const {
    if (bands_.empty()) return RECT{};
    RECT r{bands_.front().spans.front().left, bands_.front().top, bands_.front().spans.back().right,
           bands_.back().bottom};
    for (const auto& band : bands_) {
        r.left = std::min(r.left, band.spans.front().left);
        r.right = std::max(r.right, band.spans.back().right);
    }
    return r;
}

bool Region::contains(int x, int y) const {
    auto it = std::upper_bound(bands_.begin(), bands_.end(), y, [](int v, const Band& b) { return v < b.bottom; });
    if (it == bands_.end() || it->top > y) return false;
    for (const auto& s : it->spans) {
        if (x < s.left) return false;
        if (x < s.right) return true;
    }
    return false;
}

bool Region::intersects(const RECT& r) const {
    if (r.left >= r.right || r.top >= r.bottom) return false;
    for (const auto& band : bands_) {
        if (band.bottom <= r.top) continue;
        if (band.top >= r.bottom) break;
        for (const auto& s : band.spans)
            if (s.left < r.right && s.right > r.left) return true;
    }
    return false;
}

int Region::complexity() const {
    if (bands_.empty()) return NULLREGION;
    return bands_.size() == 1 && bands_[0].spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

std::vector<RECT> Region::rects() const {
    std::vector<RECT> out;
    for (const auto& band : bands_)
        for (const auto& s : band.spans) out.push_back({s.left, band.top, s.right, band.bottom});
    return out;
}

Region Region::united(const Region& o) const {
    Region r;
    combine(bands_, o.bands_, [](bool a, bool b) { return a || b; }, r.bands_);
    return r;
}

Region Region::intersected(const Region& o) const {
    Region r;
    if (bands_.empty() || o.bands_.empty()) return r;
    if (complexity() == SIMPLEREGION && o.complexity() == SIMPLEREGION) {  // the common case: two rectangles
        const RECT a = bounds(), b = o.bounds();
        return Region(RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                           std::min(a.bottom, b.bottom)});
    }
    combine(bands_, o.bands_, [](bool a, bool b) { return a && b; }, r.bands_);
    return r;
}

Region Region::subtracted(const Region& o) const {
    if (o.bands_.empty()) return *this;
    Region r;
    combine(bands_, o.bands_, [](bool a, bool b) { return a && !b; }, r.bands_);
    return r;
}

Region Region::xored(const Region& o) const {
    Region r;
    combine(bands_, o.bands_, [](bool a, bool b) { return a != b; }, r.bands_);
    return r;
}

// Coordinates saturate at +-2^30 so that shifting a region far away never
// overflows; anything pushed past that edge is squeezed to nothing.
void Region::offset(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    static constexpr std::int64_t kLimit = std::int64_t{1} << 30;
    auto move = [](int v, int d) {
        return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{v} + d, -kLimit, kLimit));
    };
    std::vector<Band> moved;
    moved.reserve(bands_.size());
    for (const auto& band : bands_) {
        Band b{move(band.top, dy), move(band.bottom, dy), {}};
        if (b.top >= b.bottom) continue;
        for (const auto& s : band.spans) {
            Span m{move(s.left, dx), move(s.right, dx)};
            if (m.left >= m.right) continue;
            if (!b.spans.empty() && b.spans.back().right >= m.left)
                b.spans.back().right = std::max(b.spans.back().right, m.right);
            else
                b.spans.push_back(m);
        }
        if (b.spans.empty()) continue;
        moved.push_back(std::move(b));
    }
    bands_ = std::move(moved);
}

bool Region::operator==(const Region& o) const {
    if (bands_.size() != o.bands_.size()) return false;
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        const Band &a = bands_[i], &b = o.bands_[i];
        if (a.top != b.top || a.bottom != b.bottom || a.spans.size() != b.spans.size()) return false;
        for (std::size_t k = 0; k < a.spans.size(); ++k)
            if (a.spans[k].left != b.spans[k].left || a.spans[k].right != b.spans[k].right) return false;
    }
    return true;
}

}  // namespace gdi
