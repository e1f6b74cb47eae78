// Rectangle helpers. Right and bottom are exclusive; a rectangle with
// right <= left or bottom <= top is empty.

#include <algorithm>
#include <cstdint>

#include "platform/win32.h"

namespace {

bool empty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// Offsets wrap as 32-bit integers, as the original platform's do, instead of overflowing.
LONG add(LONG a, LONG b) { return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)); }
LONG sub(LONG a, LONG b) { return static_cast<LONG>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }

}  // namespace

BOOL SetRect(RECT* rc, int left, int top, int right, int bottom) {
    if (!rc) return FALSE;
    *rc = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rc) {
    if (!rc) return FALSE;
    *rc = RECT{};
    return TRUE;
}

BOOL CopyRect(RECT* dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rc) { return !rc || empty(*rc) ? TRUE : FALSE; }

BOOL EqualRect(const RECT* a, const RECT* b) {
    if (!a || !b) return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rc, POINT pt) {
    if (!rc) return FALSE;
    return pt.x >= rc->left && pt.x < rc->right && pt.y >= rc->top && pt.y < rc->bottom ? TRUE : FALSE;
}

BOOL OffsetRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left = add(rc->left, dx);
    rc->right = add(rc->right, dx);
    rc->top = add(rc->top, dy);
    rc->bottom = add(rc->bottom, dy);
    return TRUE;
}

BOOL InflateRect(RECT* rc, int dx, int dy) {
    if (!rc) return FALSE;
    rc->left = sub(rc->left, dx);
    rc->right = add(rc->right, dx);
    rc->top = sub(rc->top, dy);
    rc->bottom = add(rc->bottom, dy);
    return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (empty(r)) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (empty(*a) && empty(*b)) {
        *dst = RECT{};
        return FALSE;
    }
    if (empty(*a)) {
        *dst = *b;
        return TRUE;
    }
    if (empty(*b)) {
        *dst = *a;
        return TRUE;
    }
    *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
    return TRUE;
}

// a minus b, when what remains is still a rectangle; otherwise a itself.
BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r = *a;
    RECT cut;
    if (IntersectRect(&cut, a, b)) {
        if (cut.top == r.top && cut.bottom == r.bottom) {
            if (cut.left == r.left) r.left = cut.right;
            else if (cut.right == r.right) r.right = cut.left;
        } else if (cut.left == r.left && cut.right == r.right) {
            if (cut.top == r.top) r.top = cut.bottom;
            else if (cut.bottom == r.bottom) r.bottom = cut.top;
        }
    }
    if (empty(r)) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}
