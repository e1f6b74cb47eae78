#pragma once
// The GDI object table: every DC, bitmap, brush, pen, font, region and palette
// lives in one handle table with its kind stored next to it, so a handle of one
// kind is never taken for another. Private to platform/gdi/.

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/common/handle_table.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace gdi {

enum class Kind : std::uint8_t { Dc, Bitmap, Brush, Pen, Font, Region, Palette };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    const Kind kind;
    bool stock = false;
    int selected = 0;  // how many DCs hold it selected (stock objects are not tracked)
};

struct BitmapObject : Object {
    BitmapObject() : Object(Kind::Bitmap) {}
    SurfacePtr surface;
};

struct BrushObject : Object {
    BrushObject() : Object(Kind::Brush) {}
    COLORREF color = 0;
    bool hollow = false;
    int sys_index = -1;  // a system-colour brush follows SetSysColors
};

struct PenObject : Object {
    PenObject() : Object(Kind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct FontObject : Object {
    FontObject() : Object(Kind::Font) {}
    LOGFONTA logfont;
};

struct RegionObject : Object {
    RegionObject() : Object(Kind::Region) {}
    Region region;
};

struct PaletteObject : Object {
    PaletteObject() : Object(Kind::Palette) {}
    int entries = 0;
};

enum class DcKind : std::uint8_t { Display, Memory, Window };

// Everything SaveDC keeps and RestoreDC brings back.
struct DcState {
    HBITMAP bitmap;
    HBRUSH brush;
    HPEN pen;
    HFONT font;
    HPALETTE palette;
    COLORREF text_color = 0x000000;
    COLORREF bk_color = 0xFFFFFF;
    int bk_mode = OPAQUE;
    int stretch_mode = BLACKONWHITE;
    POINT viewport{};
    POINT brush_origin{};
    POINT position{};             // MoveToEx / LineTo
    std::optional<Region> clip;  // device coordinates (relative to the DC's origin)
};

// The handle a DC state holds for one kind of selectable object (a palette for
// any kind that is not selected into a DC). Writable through a mutable state.
template <class State>
    requires std::same_as<std::remove_const_t<State>, DcState>
auto& selected_handle(State& s, Kind kind) {
    switch (kind) {
        case Kind::Bitmap: return s.bitmap.value;
        case Kind::Brush: return s.brush.value;
        case Kind::Pen: return s.pen.value;
        case Kind::Font: return s.font.value;
        default: return s.palette.value;
    }
}

struct DcObject : Object {
    DcObject() : Object(Kind::Dc) {}
    DcKind dc_kind = DcKind::Memory;
    DcState state;
    std::vector<DcState> saved;
    // Window DCs: the top-level's surface, where the DC's (0, 0) lies on it and
    // what of the surface the window may touch.
    SurfacePtr window_surface;
    POINT origin{};
    Region visible;
    HWND owner;
    // Surface bounds ∩ visible ∩ user clip, in surface coordinates; rebuilt when stale.
    Region effective_clip;
    bool clip_stale = true;
};

using ObjectTable = common::HandleTable<Object>;
ObjectTable& objects();

template <class T>
constexpr Kind kind_of();
template <> constexpr Kind kind_of<DcObject>() { return Kind::Dc; }
template <> constexpr Kind kind_of<BitmapObject>() { return Kind::Bitmap; }
template <> constexpr Kind kind_of<BrushObject>() { return Kind::Brush; }
template <> constexpr Kind kind_of<PenObject>() { return Kind::Pen; }
template <> constexpr Kind kind_of<FontObject>() { return Kind::Font; }
template <> constexpr Kind kind_of<RegionObject>() { return Kind::Region; }
template <> constexpr Kind kind_of<PaletteObject>() { return Kind::Palette; }

// The object behind a handle when it is alive and of kind T, else null.
template <class T>
T* find(std::uint32_t handle) {
    Object* o = objects().find(handle);
    return o && o->kind == kind_of<T>() ? static_cast<T*>(o) : nullptr;
}
inline DcObject* find_dc(HDC hdc) { return find<DcObject>(hdc.value); }

// Puts a new object in the table; 0 when the table is full.
std::uint32_t add_object(std::unique_ptr<Object> object);
// Removes an object from the table (no checks).
void remove_object(std::uint32_t handle);

// Stock objects, made on first use. The 1 x 1 monochrome bitmap every new
// memory DC holds is one of them.
HGDIOBJ stock_object(int index);
HBITMAP stock_bitmap();
HBRUSH sys_color_brush(int index);

// Colour of a brush handle at this moment: a brush object, or HBRUSH(COLOR_xxx + 1)
// for a system colour. False for a hollow brush or a handle that names nothing.
bool brush_color(HBRUSH brush, COLORREF* color);

// The surface a DC draws into and the effective clip (surface coordinates).
// Null when the DC is dead, a display DC, or a memory DC holding its stock bitmap.
Surface* dc_target(DcObject* dc);
const Region& dc_clip(DcObject* dc);
inline void mark_clip_stale(DcObject* dc) { dc->clip_stale = true; }
// Logical (0, 0) on the surface: window origin plus viewport origin.
POINT dc_offset(const DcObject* dc);

// Selects obj into the DC's state slot, keeping selection counts right.
void select_into(DcState& state, DcObject* dc, Kind kind, std::uint32_t handle);

}  // namespace gdi
