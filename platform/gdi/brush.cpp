// Brushes and pens.

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

using namespace gdi;

HBRUSH CreateSolidBrush(COLORREF color) {
    auto b = std::make_unique<BrushObject>();
    b->color = color & 0xFFFFFF;
    return HBRUSH(add_object(std::move(b)));
}

HBRUSH GetSysColorBrush(int index) { return sys_color_brush(index); }

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_NULL) return HPEN();
    auto p = std::make_unique<PenObject>();
    p->style = style;
    p->width = width < 1 ? 1 : width;
    p->color = color & 0xFFFFFF;
    return HPEN(add_object(std::move(p)));
}
