// Object handles, kinds, selection and deletion rules, stock objects, counting.

#include "platform/gdi/internal.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using ObjectTest = GdiTest;

TEST_F(ObjectTest, NewMemoryDcHoldsMonochromeStockBitmapAndStockObjects) {
    HDC dc = CreateCompatibleDC(HDC());
    ASSERT_TRUE(dc);
    HBITMAP first(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP bm;
    ASSERT_EQ(GetObjectA(first, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(GetObjectType(HGDIOBJ(dc.value)), OBJ_MEMDC);
    // Nothing to draw into while the stock bitmap is selected.
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ObjectTest, SelectObjectReturnsWhatItReplaced) {
    HDC dc = CreateCompatibleDC(HDC());
    HBITMAP a = CreateCompatibleBitmap(dc, 4, 4), b = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ stock = SelectObject(dc, a);
    EXPECT_EQ(GetObjectType(stock), OBJ_BITMAP);
    EXPECT_EQ(SelectObject(dc, b), HGDIOBJ(a));
    EXPECT_EQ(SelectObject(dc, stock), HGDIOBJ(b));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), HGDIOBJ(brush));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ObjectTest, DeleteIsRefusedWhileSelectedAndDeleteDcLeavesObjectsAlive) {
    HDC dc = CreateCompatibleDC(HDC());
    HDC other = CreateCompatibleDC(HDC());
    HBITMAP bmp = CreateCompatibleBitmap(dc, 2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    SelectObject(dc, bmp);
    SelectObject(dc, brush);
    SelectObject(other, brush);  // a brush may sit in several DCs
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_FALSE(DeleteObject(brush));
    // A bitmap sits in one DC at a time.
    EXPECT_FALSE(SelectObject(other, bmp));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(GetObjectType(bmp), OBJ_BITMAP) << "DeleteDC must not free the selected bitmap";
    EXPECT_FALSE(DeleteObject(brush)) << "still selected into the other DC";
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bmp));
    EXPECT_EQ(GetObjectType(bmp), 0u);
    EXPECT_FALSE(DeleteObject(bmp)) << "a dead handle";
}

TEST_F(ObjectTest, HandleKindsAreNeverConfused) {
    HDC dc = CreateCompatibleDC(HDC());
    HBRUSH brush = CreateSolidBrush(0);
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    // A DC's handle value is no bitmap, a brush's is no DC, a region's is no brush.
    EXPECT_FALSE(SelectObject(dc, HGDIOBJ(dc.value)));
    EXPECT_FALSE(DeleteObject(HGDIOBJ(dc.value)));
    EXPECT_FALSE(DeleteDC(HDC(brush.value)));
    EXPECT_EQ(FillRect(dc, nullptr, HBRUSH(rgn.value)), 0);
    EXPECT_FALSE(bool(gdi::bitmap_surface(HBITMAP(brush.value))));
    EXPECT_EQ(gdi::region_of(HRGN(brush.value)), nullptr);
    EXPECT_TRUE(DeleteObject(rgn));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc)) << "a dead DC";
}

TEST_F(ObjectTest, StockObjectsDoNotCountAndSurviveDeleteObject) {
    const int before = gdi::live_object_count();
    for (int index : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN,
                      BLACK_PEN, NULL_PEN, OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT,
                      DEVICE_DEFAULT_FONT, DEFAULT_PALETTE, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ o = GetStockObject(index);
        ASSERT_TRUE(o) << index;
        EXPECT_EQ(GetStockObject(index), o) << "the same object every time";
        EXPECT_TRUE(DeleteObject(o));
        EXPECT_NE(GetObjectType(o), 0u) << index;
    }
    EXPECT_FALSE(GetStockObject(9));
    EXPECT_FALSE(GetStockObject(-1));
    EXPECT_FALSE(GetStockObject(1000));
    EXPECT_EQ(gdi::live_object_count(), before);
}

TEST_F(ObjectTest, CountCoversEveryKindOfObject) {
    const int before = gdi::live_object_count();
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HDC mem = CreateCompatibleDC(display);
    HBITMAP bmp = CreateCompatibleBitmap(display, 3, 3);
    HBRUSH brush = CreateSolidBrush(0);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Sans");
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    HPALETTE pal = CreateHalftonePalette(display);
    EXPECT_EQ(gdi::live_object_count(), before + 8);
    for (HGDIOBJ o : {HGDIOBJ(bmp), HGDIOBJ(brush), HGDIOBJ(pen), HGDIOBJ(font), HGDIOBJ(rgn), HGDIOBJ(pal)})
        EXPECT_TRUE(DeleteObject(o));
    EXPECT_TRUE(DeleteDC(mem));
    EXPECT_TRUE(DeleteDC(display));
    EXPECT_EQ(gdi::live_object_count(), before);
}

TEST_F(ObjectTest, DisplayDcMakesColourBitmapsAndDrawsNothing) {
    EXPECT_FALSE(CreateDCA("PRINTER", nullptr, nullptr, nullptr));
    EXPECT_FALSE(CreateDCA(nullptr, nullptr, nullptr, nullptr));
    HDC display = CreateDCA("DISPLAY", "", "", nullptr);
    ASSERT_TRUE(display);
    EXPECT_EQ(GetObjectType(HGDIOBJ(display.value)), OBJ_DC);
    EXPECT_EQ(GetDeviceCaps(display, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(display, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(display, HORZRES), 1920);
    EXPECT_EQ(GetDeviceCaps(display, VERTRES), 1080);
    EXPECT_EQ(GetDeviceCaps(HDC(), BITSPIXEL), 0);
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(FillRect(display, &r, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_EQ(GetPixel(display, 0, 0), CLR_INVALID);
    // A bitmap cannot go into a display DC.
    HBITMAP bmp = CreateCompatibleBitmap(display, 2, 2);
    EXPECT_FALSE(SelectObject(display, bmp));
    EXPECT_TRUE(DeleteObject(bmp));
    EXPECT_TRUE(DeleteDC(display));
}

TEST_F(ObjectTest, CompatibleBitmapsAreColourEvenFromAMonochromeDc) {
    gditest::MemorySurface mono(4, 4, true);
    ASSERT_TRUE(mono.surface().monochrome);
    HBITMAP bmp = CreateCompatibleBitmap(mono.dc, 5, 6);
    ASSERT_TRUE(bmp);
    EXPECT_FALSE(gdi::bitmap_surface(bmp)->monochrome);
    EXPECT_EQ(gdi::bitmap_surface(bmp)->width, 5);
    EXPECT_TRUE(DeleteObject(bmp));
}

TEST_F(ObjectTest, BadSizesAndFormatsMakeNoObject) {
    HDC dc = CreateCompatibleDC(HDC());
    struct Case {
        int w, h;
    } sizes[] = {{0, 5}, {5, 0}, {-1, 5}, {5, -1}, {-100, -100}, {1 << 30, 1 << 30}, {INT32_MAX, 1}};
    for (auto c : sizes) {
        EXPECT_FALSE(CreateCompatibleBitmap(dc, c.w, c.h)) << c.w << " x " << c.h;
        EXPECT_FALSE(CreateBitmap(c.w, c.h, 1, 1, nullptr)) << c.w << " x " << c.h;
    }
    EXPECT_FALSE(CreateBitmap(4, 4, 2, 1, nullptr)) << "two planes";
    EXPECT_FALSE(CreateBitmap(4, 4, 1, 8, nullptr)) << "8 bits per pixel";
    EXPECT_FALSE(CreateCompatibleBitmap(HDC(0x00ABCDEF), 4, 4)) << "dead DC";
    EXPECT_FALSE(CreateCompatibleDC(HDC(0x00ABCDEF)));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ObjectTest, CreateBitmapReadsRowsPaddedToSixteenBits) {
    // 10 x 2 monochrome: 10 bits per row, padded to 16, so each row takes 2 bytes.
    const unsigned char bits[] = {0b10100000, 0b01000000, 0b00000001, 0b10000000};
    HBITMAP bmp = CreateBitmap(10, 2, 1, 1, bits);
    ASSERT_TRUE(bmp);
    const gdi::Surface& s = *gdi::bitmap_surface(bmp);
    auto white = [&](int x, int y) { return s.row(y)[x] == 0xFFFFFFu; };
    EXPECT_TRUE(white(0, 0));
    EXPECT_FALSE(white(1, 0));
    EXPECT_TRUE(white(2, 0));
    EXPECT_TRUE(white(9, 0));
    EXPECT_TRUE(white(7, 1));
    EXPECT_TRUE(white(8, 1));
    EXPECT_FALSE(white(0, 1));
    EXPECT_TRUE(DeleteObject(bmp));
}

TEST_F(ObjectTest, FontsKeepTheirLogfontAndStockFontsAreTheCjkFace) {
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_STREQ(lf.lfFaceName, "WenQuanYi Micro Hei");
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    ASSERT_TRUE(gdi::font_logfont(HFONT(GetStockObject(SYSTEM_FONT)), &lf));
    EXPECT_STREQ(lf.lfFaceName, "WenQuanYi Micro Hei");

    std::string long_face(200, 'x');
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_BOLD, 1, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, long_face.c_str());
    ASSERT_TRUE(font);
    ASSERT_TRUE(gdi::font_logfont(font, &lf));
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(LF_FACESIZE - 1, 'x'));
    EXPECT_EQ(GetObjectA(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(CreateFontIndirectA(nullptr));
    EXPECT_FALSE(gdi::font_logfont(font, &lf));
}

TEST_F(ObjectTest, PalettesAreRealSelectableObjects) {
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HDC mem = CreateCompatibleDC(display);
    HPALETTE pal = CreateHalftonePalette(display);
    ASSERT_TRUE(pal);
    EXPECT_EQ(GetObjectType(pal), OBJ_PAL);
    EXPECT_FALSE(CreateHalftonePalette(HDC()));
    HPALETTE old = SelectPalette(mem, pal, TRUE);
    EXPECT_EQ(HGDIOBJ(old), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(mem), 0u);
    EXPECT_EQ(RealizePalette(HDC()), GDI_ERROR);
    EXPECT_FALSE(DeleteObject(pal)) << "selected";
    EXPECT_EQ(SelectPalette(mem, old, FALSE), pal);
    EXPECT_TRUE(DeleteObject(pal));
    EXPECT_FALSE(SelectPalette(mem, pal, FALSE)) << "dead palette";
    EXPECT_TRUE(DeleteDC(mem));
    EXPECT_TRUE(DeleteDC(display));
}

}  // namespace

namespace {

// Every call given handle 0, a dead handle, or a null pointer answers with its
// failure value and touches nothing.
TEST_F(ObjectTest, EveryCallSurvivesZeroDeadAndNullArguments) {
    HDC made = CreateCompatibleDC(HDC());
    DeleteDC(made);
    for (HDC dc : {HDC(), made, HDC(0x7FFFFFFF)}) {
        RECT r{0, 0, 5, 5};
        POINT p;
        const POINT pts[] = {{0, 0}, {3, 0}, {0, 3}};
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), HGDIOBJ());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), HGDIOBJ());
        EXPECT_FALSE(DeleteDC(dc));
        EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
        EXPECT_FALSE(PatBlt(dc, 0, 0, 5, 5, PATCOPY));
        EXPECT_EQ(FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_EQ(FrameRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
        EXPECT_FALSE(InvertRect(dc, &r));
        EXPECT_FALSE(DrawFocusRect(dc, &r));
        EXPECT_FALSE(MoveToEx(dc, 0, 0, &p));
        EXPECT_FALSE(LineTo(dc, 3, 3));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 3, 3));
        EXPECT_FALSE(Ellipse(dc, 0, 0, 3, 3));
        EXPECT_FALSE(Polygon(dc, pts, 3));
        EXPECT_EQ(SaveDC(dc), 0);
        EXPECT_FALSE(RestoreDC(dc, -1));
        EXPECT_EQ(GetClipBox(dc, &r), RGN_ERROR);
        EXPECT_EQ(IntersectClipRect(dc, 0, 0, 1, 1), RGN_ERROR);
        EXPECT_EQ(ExcludeClipRect(dc, 0, 0, 1, 1), RGN_ERROR);
        EXPECT_EQ(SelectClipRgn(dc, HRGN()), RGN_ERROR);
        EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), 0);
        EXPECT_FALSE(SetBrushOrgEx(dc, 0, 0, nullptr));
        EXPECT_FALSE(SelectPalette(dc, HPALETTE(GetStockObject(DEFAULT_PALETTE)), FALSE));
        EXPECT_FALSE(CreateHalftonePalette(dc));
        EXPECT_FALSE(gdi::dc_surface(dc));
        EXPECT_FALSE(gdi::window_dc_owner(dc));
        gdi::update_window_dc(dc, POINT{}, gdi::Region());  // nothing to move
    }
    for (HGDIOBJ o : {HGDIOBJ(), HGDIOBJ(0x7FFFFFFF)}) {
        EXPECT_EQ(GetObjectType(o), 0u);
        EXPECT_FALSE(DeleteObject(o));
        LOGFONTA lf;
        EXPECT_EQ(GetObjectA(o, sizeof lf, &lf), 0);
    }
    // Null out-pointers and negative sizes on live objects.
    gditest::MemorySurface s(2, 2);
    EXPECT_FALSE(GetViewportOrgEx(s.dc, nullptr));
    EXPECT_EQ(GetClipBox(s.dc, nullptr), RGN_ERROR);
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), -1, nullptr), 0);
    EXPECT_EQ(FillRect(s.dc, nullptr, HBRUSH(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_FALSE(InvertRect(s.dc, nullptr));
    EXPECT_FALSE(CreatePen(77, 1, 0));
}

}  // namespace
