#include <cstdio>

#include "platform/gdi/internal.h"
#include "platform/headless.h"
#include "platform/user/internal.h"
#include "tests/support/test_support.h"

namespace testsupport {

void PlatformTest::SetUp() {
    headless::reset();
    gdi_at_start_ = headless::gdi_object_count();
}

void PlatformTest::TearDown() {
    headless::reset();
    EXPECT_EQ(headless::window_count(), 0);
    EXPECT_EQ(headless::gdi_object_count(), gdi_at_start_) << "GDI objects leaked by this test";
}

COLORREF ScreenPixel(HWND top_level, int x, int y) {
    gdi::SurfacePtr s = user::top_level_surface(top_level);
    if (!s || x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
    return gdi::colorref_from_pixel(s->row(y)[x] & 0xFFFFFF);
}

::testing::AssertionResult ScreenPixelIs(HWND top_level, int x, int y, COLORREF expected) {
    COLORREF actual = ScreenPixel(top_level, x, y);
    if (actual == expected) return ::testing::AssertionSuccess();
    char buf[112];
    std::snprintf(buf, sizeof buf, "screen pixel (%d, %d) is 0x%06X, expected 0x%06X", x, y, actual, expected);
    return ::testing::AssertionFailure() << buf;
}

}  // namespace testsupport
