#pragma once
// Shared test fixtures and pixel assertions.

#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"

namespace testsupport {

// Drawing-only tests: every GDI object a test creates must be gone at its end.
class GdiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    int gdi_at_start_ = 0;
};

// Window tests: the headless host is reset before the test; after it every
// window is destroyed and the GDI object count must be back where it started.
class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    int gdi_at_start_ = 0;
};

// "pixel (x, y) of <what> is 0x.., expected 0x.." on failure. Colours are COLORREFs.
::testing::AssertionResult PixelIs(HDC hdc, int x, int y, COLORREF expected);
::testing::AssertionResult ScreenPixelIs(HWND top_level, int x, int y, COLORREF expected);
COLORREF ScreenPixel(HWND top_level, int x, int y);

// Where tests may write PNG files for a person to look at (ZELVIO_TEST_OUT, else /tmp).
std::string output_path(const std::string& file_name);

}  // namespace testsupport
