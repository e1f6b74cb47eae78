#include <cstdio>
#include <cstdlib>

#include "platform/gdi/internal.h"
#include "tests/support/test_support.h"

namespace testsupport {

void GdiTest::SetUp() { gdi_at_start_ = gdi::live_object_count(); }

void GdiTest::TearDown() {
    EXPECT_EQ(gdi::live_object_count(), gdi_at_start_) << "GDI objects leaked by this test";
}

::testing::AssertionResult PixelIs(HDC hdc, int x, int y, COLORREF expected) {
    COLORREF actual = GetPixel(hdc, x, y);
    if (actual == expected) return ::testing::AssertionSuccess();
    char buf[96];
    std::snprintf(buf, sizeof buf, "pixel (%d, %d) is 0x%06X, expected 0x%06X", x, y, actual, expected);
    return ::testing::AssertionFailure() << buf;
}

std::string output_path(const std::string& file_name) {
    const char* dir = std::getenv("ZELVIO_TEST_OUT");
    std::string base = dir && *dir ? dir : "/tmp";
    std::string cmd = "mkdir -p '" + base + "'";
    if (std::system(cmd.c_str()) != 0) base = "/tmp";
    return base + "/" + file_name;
}

}  // namespace testsupport
