// The object table, stock objects, and the calls that work on any kind of
// object: SelectObject, DeleteObject, GetObjectType, GetCurrentObject, GetObjectA.

#include "platform/gdi/objects.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/internal.h"

namespace gdi {

namespace {

int& stock_count() {
    static int count = 0;
    return count;
}

struct Stock {
    std::uint32_t by_index[DEFAULT_GUI_FONT + 1] = {};
    std::uint32_t bitmap = 0;
    std::uint32_t sys_brushes[COLOR_MENUBAR + 1] = {};
};

std::uint32_t add_stock(std::unique_ptr<Object> o) {
    o->stock = true;
    std::uint32_t h = objects().insert(std::move(o));
    if (h) ++stock_count();
    return h;
}

std::uint32_t stock_brush(COLORREF color, bool hollow = false) {
    auto b = std::make_unique<BrushObject>();
    b->color = color;
    b->hollow = hollow;
    return add_stock(std::move(b));
}

std::uint32_t stock_pen(COLORREF color, int style) {
    auto p = std::make_unique<PenObject>();
    p->color = color;
    p->style = style;
    return add_stock(std::move(p));
}

std::uint32_t stock_font(const char* face, bool fixed) {
    auto f = std::make_unique<FontObject>();
    f->logfont.lfHeight = -12;
    f->logfont.lfWeight = FW_NORMAL;
    f->logfont.lfCharSet = DEFAULT_CHARSET;
    f->logfont.lfPitchAndFamily = fixed ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS);
    std::strncpy(f->logfont.lfFaceName, face, LF_FACESIZE - 1);
    return add_stock(std::move(f));
}

const Stock& stock() {
    static const Stock s = [] {
        Stock s;
        s.by_index[WHITE_BRUSH] = stock_brush(RGB(255, 255, 255));
        s.by_index[LTGRAY_BRUSH] = stock_brush(RGB(192, 192, 192));
        s.by_index[GRAY_BRUSH] = stock_brush(RGB(128, 128, 128));
        s.by_index[DKGRAY_BRUSH] = stock_brush(RGB(64, 64, 64));
        s.by_index[BLACK_BRUSH] = stock_brush(RGB(0, 0, 0));
        s.by_index[NULL_BRUSH] = stock_brush(0, true);
        s.by_index[WHITE_PEN] = stock_pen(RGB(255, 255, 255), PS_SOLID);
        s.by_index[BLACK_PEN] = stock_pen(RGB(0, 0, 0), PS_SOLID);
        s.by_index[NULL_PEN] = stock_pen(0, PS_NULL);
        const char* sans = "WenQuanYi Micro Hei";
        const char* mono = "WenQuanYi Micro Hei Mono";
        s.by_index[OEM_FIXED_FONT] = stock_font(mono, true);
        s.by_index[ANSI_FIXED_FONT] = stock_font(mono, true);
        s.by_index[ANSI_VAR_FONT] = stock_font(sans, false);
        s.by_index[SYSTEM_FONT] = stock_font(sans, false);
        s.by_index[DEVICE_DEFAULT_FONT] = stock_font(sans, false);
        s.by_index[SYSTEM_FIXED_FONT] = stock_font(mono, true);
        s.by_index[DEFAULT_GUI_FONT] = stock_font(sans, false);
        auto pal = std::make_unique<PaletteObject>();
        pal->entries = 20;  // the static colours
        s.by_index[DEFAULT_PALETTE] = add_stock(std::move(pal));
        auto bmp = std::make_unique<BitmapObject>();
        bmp->surface = make_surface(1, 1, true);
        s.bitmap = add_stock(std::move(bmp));
        for (int i = 0; i <= COLOR_MENUBAR; ++i) {
            auto b = std::make_unique<BrushObject>();
            b->sys_index = i;
            s.sys_brushes[i] = add_stock(std::move(b));
        }
        return s;
    }();
    return s;
}

Kind slot_kind_of(UINT type, bool* ok) {
    *ok = true;
    switch (type) {
        case OBJ_PEN: return Kind::Pen;
        case OBJ_BRUSH: return Kind::Brush;
        case OBJ_PAL: return Kind::Palette;
        case OBJ_FONT: return Kind::Font;
        case OBJ_BITMAP: return Kind::Bitmap;
        default: *ok = false; return Kind::Dc;
    }
}

}  // namespace

ObjectTable& objects() {
    static ObjectTable table;
    return table;
}

std::uint32_t add_object(std::unique_ptr<Object> object) {
    stock();  // stock objects first, so their handles are the oldest
    return objects().insert(std::move(object));
}

void remove_object(std::uint32_t handle) { objects().erase(handle); }

HGDIOBJ stock_object(int index) {
    if (index < 0 || index > DEFAULT_GUI_FONT) return HGDIOBJ();
    return HGDIOBJ(stock().by_index[index]);
}

HBITMAP stock_bitmap() { return HBITMAP(stock().bitmap); }

HBRUSH sys_color_brush(int index) {
    if (index < 0 || index > COLOR_MENUBAR) return HBRUSH();
    return HBRUSH(stock().sys_brushes[index]);
}

bool brush_color(HBRUSH brush, COLORREF* color) {
    // HBRUSH(COLOR_xxx + 1): handles never fall this low, so these values are free.
    if (brush.value >= 1 && brush.value <= COLOR_MENUBAR + 1) {
        *color = GetSysColor(static_cast<int>(brush.value) - 1);
        return true;
    }
    BrushObject* b = find<BrushObject>(brush.value);
    if (!b || b->hollow) return false;
    *color = b->sys_index >= 0 ? GetSysColor(b->sys_index) : b->color;
    return true;
}

void select_into(DcState& state, DcObject* dc, Kind kind, std::uint32_t handle) {
    std::uint32_t& s = selected_handle(state, kind);
    if (s == handle) return;
    if (Object* old = objects().find(s); old && !old->stock && old->selected > 0) --old->selected;
    if (Object* now = objects().find(handle); now && !now->stock) ++now->selected;
    s = handle;
    if (kind == Kind::Bitmap) mark_clip_stale(dc);
}

int live_object_count() {
    stock();
    return static_cast<int>(objects().size()) - stock_count();
}

}  // namespace gdi

using namespace gdi;

HGDIOBJ GetStockObject(int index) { return stock_object(index); }

DWORD GetObjectType(HGDIOBJ obj) {
    Object* o = objects().find(obj.value);
    if (!o) return 0;
    switch (o->kind) {
        case Kind::Dc: return static_cast<DcObject*>(o)->dc_kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
        case Kind::Bitmap: return OBJ_BITMAP;
        case Kind::Brush: return OBJ_BRUSH;
        case Kind::Pen: return OBJ_PEN;
        case Kind::Font: return OBJ_FONT;
        case Kind::Region: return OBJ_REGION;
        case Kind::Palette: return OBJ_PAL;
    }
    return 0;
}

BOOL DeleteObject(HGDIOBJ obj) {
    Object* o = objects().find(obj.value);
    if (!o || o->kind == Kind::Dc) return FALSE;
    if (o->stock) return TRUE;  // deleting a stock object is allowed and changes nothing
    if (o->selected > 0) return FALSE;
    remove_object(obj.value);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    DcObject* dc = find_dc(hdc);
    Object* o = objects().find(obj.value);
    if (!dc || !o) return HGDIOBJ();
    switch (o->kind) {
        case Kind::Dc:
        case Kind::Palette:  // palettes go through SelectPalette
            return HGDIOBJ();
        case Kind::Region:
            // Selecting a region sets the clip; the answer is the region's type.
            return HGDIOBJ(static_cast<std::uint32_t>(SelectClipRgn(hdc, HRGN(obj))));
        case Kind::Bitmap:
            // Only memory DCs hold bitmaps, and a bitmap sits in one DC at a time.
            if (dc->dc_kind != DcKind::Memory) return HGDIOBJ();
            if (!o->stock && o->selected > 0 && dc->state.bitmap.value != obj.value) return HGDIOBJ();
            break;
        default:
            break;
    }
    std::uint32_t previous = selected_handle(dc->state, o->kind);
    select_into(dc->state, dc, o->kind, obj.value);
    return HGDIOBJ(previous);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DcObject* dc = find_dc(hdc);
    bool ok = false;
    Kind kind = slot_kind_of(type, &ok);
    if (!dc || !ok) return HGDIOBJ();
    return HGDIOBJ(selected_handle(dc->state, kind));
}

int GetObjectA(HGDIOBJ obj, int size, void* out) {
    Object* o = objects().find(obj.value);
    if (!o || size < 0) return 0;
    auto copy = [&](const void* record, int record_size) {
        if (!out) return record_size;
        int n = std::min(size, record_size);
        std::memcpy(out, record, static_cast<std::size_t>(n));
        return n;
    };
    switch (o->kind) {
        case Kind::Font:
            return copy(&static_cast<FontObject*>(o)->logfont, static_cast<int>(sizeof(LOGFONTA)));
        case Kind::Bitmap: {
            const Surface& s = *static_cast<BitmapObject*>(o)->surface;
            BITMAP bm;
            bm.bmWidth = s.width;
            bm.bmHeight = s.height;
            bm.bmBitsPixel = s.monochrome ? 1 : 32;
            bm.bmWidthBytes = s.monochrome ? ((s.width + 15) / 16) * 2 : s.width * 4;
            return copy(&bm, static_cast<int>(sizeof(BITMAP)));
        }
        case Kind::Brush: {
            LOGBRUSH lb;
            COLORREF c = 0;
            bool solid = brush_color(HBRUSH(obj.value), &c);
            lb.lbStyle = solid ? BS_SOLID : BS_NULL;
            lb.lbColor = c;
            return copy(&lb, static_cast<int>(sizeof(LOGBRUSH)));
        }
        case Kind::Pen: {
            auto* p = static_cast<PenObject*>(o);
            LOGPEN lp;
            lp.lopnStyle = static_cast<UINT>(p->style);
            lp.lopnWidth = POINT{p->width, 0};
            lp.lopnColor = p->color;
            return copy(&lp, static_cast<int>(sizeof(LOGPEN)));
        }
        case Kind::Palette: {
            WORD entries = static_cast<WORD>(static_cast<PaletteObject*>(o)->entries);
            return copy(&entries, static_cast<int>(sizeof(WORD)));
        }
        default:
            return 0;
    }
}
