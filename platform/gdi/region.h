#pragma once
// Regions as y-bands of sorted, non-overlapping x-spans (right and bottom
// exclusive). Used for HRGN objects, DC clipping and the window manager's
// visible and update regions.

#include <vector>

#include "platform/win32/types.h"

namespace gdi {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& r);
    static Region rect(int left, int top, int right, int bottom);
    // Round rectangle with a corner ellipse of w x h (see region.cpp for the rasterisation).
    static Region round_rect(int left, int top, int right, int bottom, int w, int h);
    static Region ellipse(int left, int top, int right, int bottom);

    bool empty() const;
    RECT bounds() const;  // all zero when empty
    bool contains(int x, int y) const;
    bool intersects(const RECT& r) const;
    int complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
    std::vector<RECT> rects() const;  // top to bottom, left to right

    Region united(const Region& o) const;
    Region intersected(const Region& o) const;
    Region subtracted(const Region& o) const;
    Region xored(const Region& o) const;
    void offset(int dx, int dy);
    bool operator==(const Region& o) const;

    struct Span {
        int left, right;
    };
    struct Band {
        int top, bottom;
        std::vector<Span> spans;
    };
    const std::vector<Band>& bands() const { return bands_; }

private:
    std::vector<Band> bands_;
};

}  // namespace gdi
