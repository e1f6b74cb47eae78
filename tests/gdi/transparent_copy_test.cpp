// The seven-blit colour-keyed copy the skin draws its images with, written out
// call by call: key-coloured source pixels leave the destination alone.

#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;
using gditest::MemorySurface;

void transparent_copy(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, OLE_COLOR key_color) {
    HDC display = CreateDCA("DISPLAY", "", "", nullptr);
    HPALETTE pal = CreateHalftonePalette(display);
    COLORREF key = 0;
    OleTranslateColor(key_color, pal, &key);
    key &= 0xFFFFFF;

    HBITMAP image_bmp = CreateCompatibleBitmap(display, w, h);
    HDC image = CreateCompatibleDC(display);
    HGDIOBJ image_old = SelectObject(image, image_bmp);
    HPALETTE image_pal = SelectPalette(image, pal, TRUE);
    RealizePalette(image);
    BitBlt(image, 0, 0, w, h, dst, x, y, SRCCOPY);

    HBITMAP copy_bmp = CreateCompatibleBitmap(display, w, h);
    HBITMAP mask_bmp = CreateBitmap(w, h, 1, 1, nullptr);
    HDC copy = CreateCompatibleDC(display);
    HGDIOBJ copy_old = SelectObject(copy, copy_bmp);
    HPALETTE copy_pal = SelectPalette(copy, pal, TRUE);
    RealizePalette(copy);
    SetBkColor(copy, GetBkColor(src));
    SetTextColor(copy, GetTextColor(src));
    BitBlt(copy, 0, 0, w, h, src, sx, sy, SRCCOPY);

    HDC mask = CreateCompatibleDC(display);
    HGDIOBJ mask_old = SelectObject(mask, mask_bmp);

    SetBkColor(copy, key);
    SetTextColor(copy, RGB(255, 255, 255));
    BitBlt(mask, 0, 0, w, h, copy, 0, 0, SRCCOPY);
    SetTextColor(copy, 0);
    SetBkColor(copy, RGB(255, 255, 255));
    BitBlt(copy, 0, 0, w, h, mask, 0, 0, 0x00220326);
    BitBlt(image, 0, 0, w, h, mask, 0, 0, SRCAND);
    BitBlt(image, 0, 0, w, h, copy, 0, 0, SRCPAINT);
    BitBlt(dst, x, y, w, h, image, 0, 0, SRCCOPY);

    DeleteObject(SelectObject(copy, copy_old));
    SelectPalette(copy, copy_pal, TRUE);
    RealizePalette(copy);
    DeleteDC(copy);
    DeleteObject(SelectObject(image, image_old));
    SelectPalette(image, image_pal, FALSE);
    RealizePalette(image);
    DeleteDC(image);
    DeleteObject(SelectObject(mask, mask_old));
    DeleteDC(mask);
    DeleteObject(pal);
    DeleteDC(display);
}

using TransparentCopyTest = GdiTest;

TEST_F(TransparentCopyTest, KeyPixelsKeepTheDestinationAndOthersCopy) {
    const COLORREF key = RGB(255, 0, 255);
    MemorySurface src(12, 9), dst(20, 15);
    // Key pixels on a diagonal band and in one corner; everything else an image.
    auto is_key = [](int x, int y) { return (x + y) % 4 == 0 || (x < 3 && y < 2); };
    src.fill([&](int x, int y) { return is_key(x, y) ? key : gditest::pattern_color(x, y); });
    auto background = [](int x, int y) { return RGB(x * 11, 255 - y * 9, 40); };
    dst.fill(background);
    transparent_copy(dst.dc, 5, 4, 10, 8, src.dc, 1, 1, key);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) {
            const int sx = x - 5 + 1, sy = y - 4 + 1;
            const bool inside = x >= 5 && x < 15 && y >= 4 && y < 12;
            const COLORREF want = inside && !is_key(sx, sy) ? gditest::pattern_color(sx, sy) : background(x, y);
            ASSERT_TRUE(PixelIs(dst.dc, x, y, want));
        }
}

TEST_F(TransparentCopyTest, SystemColourKeyAndKeyThatDoesNotOccur) {
    MemorySurface src(4, 4), dst(4, 4);
    // A key given as a system-colour code matches the current button face.
    src.fill([](int x, int) { return x < 2 ? GetSysColor(COLOR_BTNFACE) : RGB(1, 2, 3); });
    dst.fill(RGB(50, 60, 70));
    transparent_copy(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 0x80000000u | COLOR_BTNFACE);
    EXPECT_TRUE(PixelIs(dst.dc, 1, 1, RGB(50, 60, 70)));
    EXPECT_TRUE(PixelIs(dst.dc, 2, 1, RGB(1, 2, 3)));
    // No pixel has the key: an opaque copy.
    transparent_copy(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, RGB(9, 9, 9));
    EXPECT_TRUE(PixelIs(dst.dc, 1, 1, GetSysColor(COLOR_BTNFACE)));
}

}  // namespace
