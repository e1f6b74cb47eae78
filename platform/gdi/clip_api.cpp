// A DC's user clip region. It is kept in device coordinates (relative to the
// DC's origin, before the viewport origin), as the original platform keeps it;
// the rectangle calls take logical coordinates and move them by the viewport.

#include <cstdint>

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

namespace gdi {
namespace {

// Stands for "no clip" when a clip has to be combined with something.
Region everything() {
    constexpr int kFar = 1 << 30;
    return Region::rect(-kFar, -kFar, kFar, kFar);
}

int result_of(DcObject* dc) {
    mark_clip_stale(dc);
    return dc_clip(dc).complexity();
}

Region logical_rect(DcObject* dc, int left, int top, int right, int bottom) {
    Region r = Region::rect(left, top, right, bottom);
    r.offset(dc->state.viewport.x, dc->state.viewport.y);
    return r;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

int SelectClipRgn(HDC hdc, HRGN rgn) { return ExtSelectClipRgn(hdc, rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return RGN_ERROR;
    if (!rgn) {
        // Only a copy of "nothing" is meaningful: it removes the clip.
        if (mode != RGN_COPY) return RGN_ERROR;
        dc->state.clip.reset();
        return result_of(dc);
    }
    const Region* r = region_of(rgn);
    if (!r) return RGN_ERROR;
    const Region current = dc->state.clip ? *dc->state.clip : everything();
    switch (mode) {
        case RGN_COPY: dc->state.clip = *r; break;
        case RGN_AND: dc->state.clip = current.intersected(*r); break;
        case RGN_OR: if (dc->state.clip) dc->state.clip = current.united(*r); break;
        case RGN_XOR: dc->state.clip = current.xored(*r); break;
        case RGN_DIFF: dc->state.clip = current.subtracted(*r); break;
        default: return RGN_ERROR;
    }
    return result_of(dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return RGN_ERROR;
    Region rect = logical_rect(dc, left, top, right, bottom);
    dc->state.clip = dc->state.clip ? dc->state.clip->intersected(rect) : rect;
    return result_of(dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return RGN_ERROR;
    Region rect = logical_rect(dc, left, top, right, bottom);
    dc->state.clip = (dc->state.clip ? *dc->state.clip : everything()).subtracted(rect);
    return result_of(dc);
}

int GetClipBox(HDC hdc, RECT* rc) {
    DcObject* dc = find_dc(hdc);
    if (!dc || !rc) return RGN_ERROR;
    Region area;
    if (dc_target(dc)) {
        area = dc_clip(dc);
    } else {
        // Nothing to draw into: the display's or the stock bitmap's bounds, cut by the clip.
        area = dc->dc_kind == DcKind::Display ? Region::rect(0, 0, 1920, 1080) : Region::rect(0, 0, 1, 1);
        if (dc->state.clip) area = area.intersected(*dc->state.clip);
    }
    POINT off = dc_offset(dc);
    area.offset(-off.x, -off.y);
    *rc = area.bounds();
    return area.complexity();
}

// 1 and the clip copied into rgn, 0 when the DC has no clip, -1 on error.
int GetClipRgn(HDC hdc, HRGN rgn) {
    DcObject* dc = find_dc(hdc);
    if (!dc || !region_of(rgn)) return -1;
    if (!dc->state.clip) return 0;
    set_region(rgn, *dc->state.clip);
    return 1;
}
