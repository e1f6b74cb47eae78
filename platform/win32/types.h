#pragma once
// Basic types, handles and records of our window manager and drawing services.
// Names and values follow the documented Windows ones so that code written for
// those services reads the same here; everything is declared by us.

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using CHAR = char;
using BOOL = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using DWORD_PTR = ULONG_PTR;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using COLORREF = DWORD;
using ATOM = WORD;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Handles are 32-bit values, nonzero while the object lives, never reused for a
// long while after release, so a stale handle is simply not found. Each kind of
// handle is its own type: an HDC cannot be passed where an HBITMAP is wanted.
template <class Tag>
struct Handle {
    std::uint32_t value = 0;
    constexpr Handle() = default;
    constexpr Handle(std::nullptr_t) {}
    constexpr explicit Handle(std::uint32_t v) : value(v) {}
    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr bool operator==(Handle h, std::nullptr_t) { return h.value == 0; }
};

struct GdiObjectTag;
using HGDIOBJ = Handle<GdiObjectTag>;

// Objects that SelectObject and DeleteObject take convert to HGDIOBJ implicitly;
// the way back is explicit, as a cast is on the original platform.
template <class Tag>
struct GdiHandle : Handle<Tag> {
    using Handle<Tag>::Handle;
    constexpr GdiHandle() = default;
    constexpr explicit GdiHandle(HGDIOBJ o) : Handle<Tag>(o.value) {}
    constexpr operator HGDIOBJ() const { return HGDIOBJ(this->value); }
};

using HWND = Handle<struct WindowTag>;
using HDC = Handle<struct DeviceContextTag>;
using HMODULE = Handle<struct ModuleTag>;
using HINSTANCE = HMODULE;
using HICON = Handle<struct IconTag>;
using HCURSOR = Handle<struct CursorTag>;
using HMENU = Handle<struct MenuTag>;
using HBITMAP = GdiHandle<struct BitmapTag>;
using HBRUSH = GdiHandle<struct BrushTag>;
using HFONT = GdiHandle<struct FontTag>;
using HRGN = GdiHandle<struct RegionTag>;
using HPALETTE = GdiHandle<struct PaletteTag>;
using HPEN = GdiHandle<struct PenTag>;

// Handles travel in message parameters, properties and window longs as integers.
template <class H>
constexpr LONG_PTR HandleToLong(H h) { return static_cast<LONG_PTR>(h.value); }
template <class H>
constexpr H LongToHandle(LONG_PTR v) { return H(static_cast<std::uint32_t>(v)); }

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPRECT = RECT*;
using LPPOINT = POINT*;

constexpr WORD LOWORD(DWORD_PTR v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(DWORD_PTR v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<DWORD>((static_cast<DWORD>(lo) & 0xFFFF) |
                                                  ((static_cast<DWORD>(hi) & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return static_cast<WPARAM>(static_cast<DWORD>(MAKELPARAM(lo, hi))); }
constexpr LRESULT MAKELRESULT(int lo, int hi) { return MAKELPARAM(lo, hi); }
// Signed client coordinates in a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lp))); }

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
