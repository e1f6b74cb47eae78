// Region objects (HRGN).

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

namespace gdi {

HRGN create_region_object(const Region& region) {
    auto r = std::make_unique<RegionObject>();
    r->region = region;
    return HRGN(add_object(std::move(r)));
}

const Region* region_of(HRGN rgn) {
    RegionObject* r = find<RegionObject>(rgn.value);
    return r ? &r->region : nullptr;
}

bool set_region(HRGN rgn, const Region& region) {
    RegionObject* r = find<RegionObject>(rgn.value);
    if (!r) return false;
    r->region = region;
    return true;
}

namespace {
// The original platform orders the corners of a rectangle it is given.
RECT ordered(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}
}  // namespace

}  // namespace gdi

using namespace gdi;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return create_region_object(Region(ordered(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rc) {
    if (!rc) return HRGN();
    return CreateRectRgn(rc->left, rc->top, rc->right, rc->bottom);
}

// As on the original platform, the right and bottom coordinates of a round or
// elliptic region lie one pixel outside the shape: (0, 0, W + 1, H + 1) gives
// a shape that exactly covers a W x H window.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
    RECT r = ordered(left, top, right, bottom);
    if (r.left == r.right || r.top == r.bottom) return create_region_object(Region{});
    auto size = [](int v) { return v == INT32_MIN ? INT32_MAX : std::abs(v); };
    return create_region_object(Region::round_rect(r.left, r.top, r.right - 1, r.bottom - 1, size(w), size(h)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    RECT r = ordered(left, top, right, bottom);
    if (r.left == r.right || r.top == r.bottom) return create_region_object(Region{});
    return create_region_object(Region::ellipse(r.left, r.top, r.right - 1, r.bottom - 1));
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    return set_region(rgn, Region(ordered(left, top, right, bottom))) ? TRUE : FALSE;
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
    const Region* a = region_of(src1);
    if (!region_of(dst) || !a) return RGN_ERROR;
    if (mode == RGN_COPY) {
        Region copy = *a;
        set_region(dst, copy);
        return copy.complexity();
    }
    const Region* b = region_of(src2);
    if (!b) return RGN_ERROR;
    Region result;
    switch (mode) {
        case RGN_AND: result = a->intersected(*b); break;
        case RGN_OR: result = a->united(*b); break;
        case RGN_XOR: result = a->xored(*b); break;
        case RGN_DIFF: result = a->subtracted(*b); break;
        default: return RGN_ERROR;
    }
    set_region(dst, result);  // dst may be src1 or src2: the result is computed first
    return result.complexity();
}

int OffsetRgn(HRGN rgn, int x, int y) {
    RegionObject* r = find<RegionObject>(rgn.value);
    if (!r) return RGN_ERROR;
    r->region.offset(x, y);
    return r->region.complexity();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
    const Region* r = region_of(rgn);
    return r && r->contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const RECT* rc) {
    const Region* r = region_of(rgn);
    if (!r || !rc) return FALSE;
    return r->intersects(ordered(rc->left, rc->top, rc->right, rc->bottom)) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const Region* ra = region_of(a);
    const Region* rb = region_of(b);
    return ra && rb && *ra == *rb ? TRUE : FALSE;
}

int GetRgnBox(HRGN rgn, RECT* rc) {
    const Region* r = region_of(rgn);
    if (!r || !rc) return RGN_ERROR;
    *rc = r->bounds();
    return r->complexity();
}
