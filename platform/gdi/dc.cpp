// Device contexts: display, memory and window DCs, their attributes, SaveDC /
// RestoreDC, and the hooks the window manager and the text engine use.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <cstring>

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

namespace gdi {

namespace {

constexpr Kind kSlotKinds[] = {Kind::Bitmap, Kind::Brush, Kind::Pen, Kind::Font, Kind::Palette};

HDC new_dc(DcKind kind) {
    auto dc = std::make_unique<DcObject>();
    dc->dc_kind = kind;
    DcObject* raw = dc.get();
    std::uint32_t h = add_object(std::move(dc));
    if (!h) return HDC();
    // Every new DC starts with the stock objects, as on the original platform.
    select_into(raw->state, raw, Kind::Bitmap, stock_bitmap().value);
    select_into(raw->state, raw, Kind::Brush, stock_object(WHITE_BRUSH).value);
    select_into(raw->state, raw, Kind::Pen, stock_object(BLACK_PEN).value);
    select_into(raw->state, raw, Kind::Font, stock_object(SYSTEM_FONT).value);
    select_into(raw->state, raw, Kind::Palette, stock_object(DEFAULT_PALETTE).value);
    return HDC(h);
}

std::uint32_t default_for(Kind kind) {
    switch (kind) {
        case Kind::Bitmap: return stock_bitmap().value;
        case Kind::Brush: return stock_object(WHITE_BRUSH).value;
        case Kind::Pen: return stock_object(BLACK_PEN).value;
        case Kind::Font: return stock_object(SYSTEM_FONT).value;
        default: return stock_object(DEFAULT_PALETTE).value;
    }
}

bool equals_ignoring_case(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

}  // namespace

Surface* dc_target(DcObject* dc) {
    if (!dc) return nullptr;
    switch (dc->dc_kind) {
        case DcKind::Window: return dc->window_surface.get();
        case DcKind::Memory: {
            BitmapObject* b = find<BitmapObject>(dc->state.bitmap.value);
            return b && !b->stock ? b->surface.get() : nullptr;
        }
        default: return nullptr;
    }
}

const Region& dc_clip(DcObject* dc) {
    static const Region kNothing;
    Surface* s = dc_target(dc);
    if (!s) return kNothing;
    if (dc->clip_stale) {
        Region r = Region::rect(0, 0, s->width, s->height);
        if (dc->dc_kind == DcKind::Window) r = r.intersected(dc->visible);
        if (dc->state.clip) {
            Region user = *dc->state.clip;
            user.offset(dc->origin.x, dc->origin.y);
            r = r.intersected(user);
        }
        dc->effective_clip = std::move(r);
        dc->clip_stale = false;
    }
    return dc->effective_clip;
}

// Kept within +-2^30, like region coordinates, so that an absurd viewport origin
// cannot overflow anything computed from it.
POINT dc_offset(const DcObject* dc) {
    static constexpr std::int64_t kFar = std::int64_t{1} << 30;
    auto sum = [](LONG a, LONG b) {
        return static_cast<LONG>(std::clamp<std::int64_t>(std::int64_t{a} + b, -kFar, kFar));
    };
    return POINT{sum(dc->origin.x, dc->state.viewport.x), sum(dc->origin.y, dc->state.viewport.y)};
}

HDC create_window_dc(SurfacePtr surface, POINT origin, const Region& visible, HWND owner) {
    if (!surface) return HDC();
    HDC hdc = new_dc(DcKind::Window);
    if (DcObject* dc = find_dc(hdc)) {
        dc->window_surface = std::move(surface);
        dc->origin = origin;
        dc->visible = visible;
        dc->owner = owner;
    }
    return hdc;
}

void update_window_dc(HDC hdc, POINT origin, const Region& visible) {
    DcObject* dc = find_dc(hdc);
    if (!dc || dc->dc_kind != DcKind::Window) return;
    dc->origin = origin;
    dc->visible = visible;
    mark_clip_stale(dc);
}

HWND window_dc_owner(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc && dc->dc_kind == DcKind::Window ? dc->owner : HWND();
}

SurfacePtr dc_surface(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return nullptr;
    if (dc->dc_kind == DcKind::Window) return dc->window_surface;
    if (dc->dc_kind == DcKind::Memory) {
        BitmapObject* b = find<BitmapObject>(dc->state.bitmap.value);
        if (b && !b->stock) return b->surface;
    }
    return nullptr;
}

POINT dc_origin(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc ? dc->origin : POINT{};
}

SurfacePtr bitmap_surface(HBITMAP bitmap) {
    BitmapObject* b = find<BitmapObject>(bitmap.value);
    return b ? b->surface : nullptr;
}

bool dc_text_state(HDC hdc, DcTextState* out) {
    DcObject* dc = find_dc(hdc);
    if (!dc || !out) return false;
    out->surface = dc_surface(hdc);
    out->origin = dc_offset(dc);
    out->clip = dc_clip(dc);
    if (!font_logfont(dc->state.font, &out->font)) font_logfont(HFONT(stock_object(SYSTEM_FONT)), &out->font);
    out->text_color = dc->state.text_color;
    out->bk_color = dc->state.bk_color;
    out->bk_mode = dc->state.bk_mode;
    return true;
}

}  // namespace gdi

using namespace gdi;

HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR, const void*) {
    // Only the display driver exists; its one device may be named or left out.
    if (!driver || !equals_ignoring_case(driver, "DISPLAY")) return HDC();
    if (device && *device && !equals_ignoring_case(device, "DISPLAY") &&
        !equals_ignoring_case(device, "\\\\.\\DISPLAY1"))
        return HDC();
    return new_dc(DcKind::Display);
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !find_dc(hdc)) return HDC();
    return new_dc(DcKind::Memory);
}

BOOL DeleteDC(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return FALSE;
    // What the DC holds stays alive; it is only no longer selected here.
    for (Kind k : kSlotKinds) select_into(dc->state, dc, k, 0);
    remove_object(hdc.value);
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!find_dc(hdc)) return 0;
    switch (index) {
        case HORZRES: return 1920;
        case VERTRES: return 1080;
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case RASTERCAPS: return 0x0001 | 0x0008 | 0x0080 | 0x0200 | 0x0800 | 0x2000;  // blits, stretches, DIBs
        case LOGPIXELSX:
        case LOGPIXELSY: return 96;
        default: return 0;
    }
}

int SetBkMode(HDC hdc, int mode) {
    DcObject* dc = find_dc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int old = dc->state.bk_mode;
    dc->state.bk_mode = mode;
    return old;
}

int GetBkMode(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc ? dc->state.bk_mode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->state.bk_color;
    dc->state.bk_color = color & 0xFFFFFF;
    return old;
}

COLORREF GetBkColor(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc ? dc->state.bk_color : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->state.text_color;
    dc->state.text_color = color & 0xFFFFFF;
    return old;
}

COLORREF GetTextColor(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc ? dc->state.text_color : CLR_INVALID;
}

int SetStretchBltMode(HDC hdc, int mode) {
    DcObject* dc = find_dc(hdc);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int old = dc->state.stretch_mode;
    dc->state.stretch_mode = mode;
    return old;
}

int GetStretchBltMode(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    return dc ? dc->state.stretch_mode : 0;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* old) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return FALSE;
    if (old) *old = dc->state.viewport;
    dc->state.viewport = POINT{x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    DcObject* dc = find_dc(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->state.viewport;
    return TRUE;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* old) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return FALSE;
    if (old) *old = dc->state.brush_origin;
    dc->state.brush_origin = POINT{x, y};
    return TRUE;
}

int SaveDC(HDC hdc) {
    DcObject* dc = find_dc(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

// saved > 0 names a level SaveDC returned; saved < 0 counts back from the
// latest (-1 is the latest). The levels above the one restored are dropped.
BOOL RestoreDC(HDC hdc, int saved) {
    DcObject* dc = find_dc(hdc);
    if (!dc || saved == 0) return FALSE;
    long long count = static_cast<long long>(dc->saved.size());
    long long index = saved > 0 ? saved - 1LL : count + saved;
    if (index < 0 || index >= count) return FALSE;
    DcState next = std::move(dc->saved[static_cast<std::size_t>(index)]);
    dc->saved.resize(static_cast<std::size_t>(index));

    std::uint32_t wanted[std::size(kSlotKinds)];
    for (std::size_t i = 0; i < std::size(kSlotKinds); ++i) {
        Kind k = kSlotKinds[i];
        std::uint32_t h = selected_handle(next, k);
        Object* o = objects().find(h);
        // An object deleted since SaveDC (or a bitmap now in another DC) is replaced by the stock one.
        bool usable = o && o->kind == k &&
                      !(k == Kind::Bitmap && !o->stock && o->selected > 0 && h != dc->state.bitmap.value);
        wanted[i] = usable ? h : default_for(k);
    }
    next.bitmap = dc->state.bitmap;
    next.brush = dc->state.brush;
    next.pen = dc->state.pen;
    next.font = dc->state.font;
    next.palette = dc->state.palette;
    dc->state = std::move(next);
    for (std::size_t i = 0; i < std::size(kSlotKinds); ++i) select_into(dc->state, dc, kSlotKinds[i], wanted[i]);
    mark_clip_stale(dc);
    return TRUE;
}
