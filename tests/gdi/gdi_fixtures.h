#pragma once
// Small helpers for the drawing tests: a memory DC with its own bitmap and a
// colour pattern that shows a misplaced copy.

#include "platform/gdi/internal.h"
#include "tests/support/memory_surface.h"
#include "tests/support/test_support.h"

namespace gditest {

using testsupport::MemorySurface;

// A colour that differs at every pixel, so a misplaced copy shows.
inline COLORREF pattern_color(int x, int y) { return RGB(x * 7 + 1, y * 13 + 2, (x * y) & 0xFF); }

}  // namespace gditest
