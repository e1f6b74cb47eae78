// Palettes. Every surface is 32-bit colour, so a palette changes no pixel; the
// objects are still real, counted and selectable, as the engine's code expects.

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

using namespace gdi;

HPALETTE CreateHalftonePalette(HDC hdc) {
    if (!find_dc(hdc)) return HPALETTE();
    auto p = std::make_unique<PaletteObject>();
    p->entries = 256;
    return HPALETTE(add_object(std::move(p)));
}

// force_background only matters on palette devices; it is accepted and has no effect here.
HPALETTE SelectPalette(HDC hdc, HPALETTE pal, BOOL) {
    DcObject* dc = find_dc(hdc);
    if (!dc || !find<PaletteObject>(pal.value)) return HPALETTE();
    HPALETTE previous = dc->state.palette;
    select_into(dc->state, dc, Kind::Palette, pal.value);
    return previous;
}

// No palette device: nothing in the system palette changes.
UINT RealizePalette(HDC hdc) { return find_dc(hdc) ? 0 : GDI_ERROR; }
