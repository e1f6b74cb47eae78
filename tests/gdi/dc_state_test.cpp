// DC attributes, SaveDC / RestoreDC, viewport origin, clipping, window DCs and
// what the text engine reads from a DC.

#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;
using gditest::MemorySurface;
using DcStateTest = GdiTest;

TEST_F(DcStateTest, DefaultsAndSettersReturnThePreviousValue) {
    MemorySurface s(2, 2);
    EXPECT_EQ(GetTextColor(s.dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(s.dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(s.dc), OPAQUE);
    EXPECT_EQ(GetStretchBltMode(s.dc), BLACKONWHITE);
    EXPECT_EQ(SetTextColor(s.dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(s.dc, RGB(4, 5, 6)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkMode(s.dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(s.dc, 77), 0) << "unknown mode refused";
    EXPECT_EQ(SetStretchBltMode(s.dc, COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(GetTextColor(s.dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(s.dc), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(s.dc), TRANSPARENT);
    const HDC dead(0x00ABCDEF);
    EXPECT_EQ(SetTextColor(dead, 0), CLR_INVALID);
    EXPECT_EQ(GetBkColor(dead), CLR_INVALID);
    EXPECT_EQ(SetBkMode(dead, OPAQUE), 0);
    EXPECT_FALSE(SetViewportOrgEx(dead, 0, 0, nullptr));
}

TEST_F(DcStateTest, SaveAndRestoreBringBackAttributesObjectsAndClip) {
    MemorySurface s(8, 8);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    EXPECT_EQ(SaveDC(s.dc), 1);
    SetTextColor(s.dc, RGB(1, 1, 1));
    SelectObject(s.dc, brush);
    IntersectClipRect(s.dc, 0, 0, 2, 2);
    SetViewportOrgEx(s.dc, 3, 3, nullptr);
    EXPECT_EQ(SaveDC(s.dc), 2);
    SetTextColor(s.dc, RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(s.dc, -1));
    EXPECT_EQ(GetTextColor(s.dc), RGB(1, 1, 1));
    EXPECT_TRUE(RestoreDC(s.dc, 1));
    EXPECT_EQ(GetTextColor(s.dc), RGB(0, 0, 0));
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BITMAP), HGDIOBJ(s.bitmap));
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 8) << "the clip is gone again";
    POINT org;
    GetViewportOrgEx(s.dc, &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_FALSE(RestoreDC(s.dc, -1)) << "nothing saved any more";
    EXPECT_FALSE(RestoreDC(s.dc, 5));
    EXPECT_FALSE(RestoreDC(s.dc, 0));
    EXPECT_TRUE(DeleteObject(brush)) << "restoring released the brush";
}

TEST_F(DcStateTest, RestoreAfterTheSavedObjectWasDeletedFallsBackToStock) {
    MemorySurface s(2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    HGDIOBJ old = SelectObject(s.dc, brush);
    SaveDC(s.dc);
    SelectObject(s.dc, old);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(RestoreDC(s.dc, -1));
    EXPECT_EQ(GetCurrentObject(s.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

TEST_F(DcStateTest, ViewportOriginMovesDrawing) {
    MemorySurface s(6, 6);
    s.fill(RGB(255, 255, 255));
    POINT old{-1, -1};
    EXPECT_TRUE(SetViewportOrgEx(s.dc, 2, 3, &old));
    EXPECT_EQ(old.x, 0);
    SetPixel(s.dc, 0, 0, RGB(1, 2, 3));
    EXPECT_EQ(s.at(2, 3), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(s.dc, 0, 0), RGB(1, 2, 3));
    RECT r{-2, -3, 0, -2};
    FillRect(s.dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(s.at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.at(2, 0), RGB(255, 255, 255));
    // A clip rectangle is logical and moves with the viewport; a clip region is
    // in device coordinates and stays where it is.
    IntersectClipRect(s.dc, 0, 0, 1, 1);
    RECT box;
    GetClipBox(s.dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 1);
    EXPECT_EQ(GetPixel(s.dc, 0, 0), RGB(1, 2, 3)) << "device (2, 3)";
    HRGN device = CreateRectRgn(0, 0, 1, 1);
    SelectClipRgn(s.dc, device);
    EXPECT_EQ(GetPixel(s.dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc, -2, -3), RGB(0, 0, 0)) << "device (0, 0)";
    DeleteObject(device);
    // Absurd origins draw nothing and overflow nothing.
    for (int far : {INT32_MAX, INT32_MIN}) {
        SetViewportOrgEx(s.dc, far, far, nullptr);
        RECT all{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
        FillRect(s.dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
        GetClipBox(s.dc, &box);
        IntersectClipRect(s.dc, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
        SetPixel(s.dc, 0, 0, 0);
    }
    EXPECT_EQ(s.at(2, 3), RGB(1, 2, 3));
}

TEST_F(DcStateTest, ClipCallsCombineAndEveryDrawingCallHonoursThem) {
    MemorySurface s(10, 10);
    s.fill(RGB(255, 255, 255));
    EXPECT_EQ(IntersectClipRect(s.dc, 2, 2, 8, 8), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(s.dc, 4, 4, 6, 6), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(GetClipBox(s.dc, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 8);
    RECT all{0, 0, 10, 10};
    FillRect(s.dc, &all, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(s.at(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(s.at(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(s.at(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(s.at(8, 8), RGB(255, 255, 255));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(s.dc, copy), 1);
    EXPECT_TRUE(PtInRegion(copy, 2, 2));
    EXPECT_FALSE(PtInRegion(copy, 5, 5));
    // Selecting a region replaces the clip; selecting none removes it.
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(SelectClipRgn(s.dc, rgn), SIMPLEREGION);
    EXPECT_EQ(GetClipBox(s.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 1);
    EXPECT_EQ(ExtSelectClipRgn(s.dc, copy, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(ExtSelectClipRgn(s.dc, HRGN(), RGN_AND), RGN_ERROR);
    EXPECT_EQ(SelectClipRgn(s.dc, HRGN()), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(s.dc, copy), 0);
    EXPECT_EQ(SelectClipRgn(s.dc, HRGN(0x00ABCDEF)), RGN_ERROR);
    // The clip is a copy: changing or deleting the region afterwards has no effect.
    SelectClipRgn(s.dc, rgn);
    OffsetRgn(rgn, 5, 5);
    DeleteObject(rgn);
    EXPECT_EQ(GetClipBox(s.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    DeleteObject(copy);
}

TEST_F(DcStateTest, WindowDcDrawsIntoItsSurfaceMovedAndClippedToWhatIsVisible) {
    gdi::SurfacePtr screen = gdi::make_surface(20, 10);
    // A window at (5, 2) whose visible part is its 6 x 4 rectangle minus a sibling over its left column.
    const gdi::Region visible = gdi::Region::rect(5, 2, 11, 6).subtracted(gdi::Region::rect(0, 0, 6, 10));
    const HWND owner(0x1234);
    HDC dc = gdi::create_window_dc(screen, POINT{5, 2}, visible, owner);
    ASSERT_TRUE(dc);
    EXPECT_EQ(gdi::window_dc_owner(dc), owner);
    EXPECT_EQ(gdi::dc_surface(dc), screen);
    EXPECT_EQ(gdi::dc_origin(dc).x, 5);
    EXPECT_EQ(GetObjectType(HGDIOBJ(dc.value)), OBJ_DC);
    RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    auto at = [&](int x, int y) { return gdi::colorref_from_pixel(screen->row(y)[x]); };
    EXPECT_EQ(at(4, 2), RGB(0, 0, 0)) << "left of the window";
    EXPECT_EQ(at(5, 2), RGB(0, 0, 0)) << "under the sibling";
    EXPECT_EQ(at(6, 2), RGB(255, 255, 255));
    EXPECT_EQ(at(10, 5), RGB(255, 255, 255));
    EXPECT_EQ(at(11, 5), RGB(0, 0, 0));
    EXPECT_EQ(at(6, 6), RGB(0, 0, 0));
    RECT damage = screen->take_damage();
    EXPECT_EQ(damage.left, 6);
    EXPECT_EQ(damage.right, 11);
    // Reading goes through the same origin.
    EXPECT_TRUE(PixelIs(dc, 1, 0, RGB(255, 255, 255)));
    // Moving the DC: the window is now at (0, 6) and wholly visible.
    gdi::update_window_dc(dc, POINT{0, 6}, gdi::Region::rect(0, 6, 4, 10));
    SetPixel(dc, 0, 0, RGB(7, 7, 7));
    EXPECT_EQ(at(0, 6), RGB(7, 7, 7));
    EXPECT_EQ(SetPixel(dc, 4, 0, 0), CLR_INVALID);
    // A memory DC made from it is a plain memory DC.
    HDC mem = CreateCompatibleDC(dc);
    EXPECT_EQ(GetObjectType(HGDIOBJ(mem.value)), OBJ_MEMDC);
    EXPECT_FALSE(gdi::window_dc_owner(mem));
    DeleteDC(mem);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(gdi::create_window_dc(nullptr, POINT{}, gdi::Region(), owner));
}

TEST_F(DcStateTest, TextStateCarriesWhatTheTextEngineNeeds) {
    gdi::SurfacePtr screen = gdi::make_surface(30, 30);
    HDC dc = gdi::create_window_dc(screen, POINT{10, 10}, gdi::Region::rect(10, 10, 20, 20), HWND(1));
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, TRANSPARENT);
    SetViewportOrgEx(dc, 2, 1, nullptr);
    IntersectClipRect(dc, 0, 0, 3, 3);  // logical, so (12, 11)-(15, 14) on the surface
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    HGDIOBJ old = SelectObject(dc, font);
    gdi::DcTextState st;
    ASSERT_TRUE(gdi::dc_text_state(dc, &st));
    EXPECT_EQ(st.surface, screen);
    EXPECT_EQ(st.origin.x, 12);
    EXPECT_EQ(st.origin.y, 11);
    EXPECT_EQ(st.text_color, RGB(1, 2, 3));
    EXPECT_EQ(st.bk_mode, TRANSPARENT);
    EXPECT_EQ(st.font.lfHeight, -16);
    EXPECT_STREQ(st.font.lfFaceName, "DejaVu Sans");
    const RECT box = st.clip.bounds();
    EXPECT_EQ(box.left, 12);
    EXPECT_EQ(box.top, 11);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(box.bottom, 14);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_FALSE(gdi::dc_text_state(dc, &st));
    // A memory DC without a bitmap answers, with nothing to draw into.
    HDC mem = CreateCompatibleDC(HDC());
    ASSERT_TRUE(gdi::dc_text_state(mem, &st));
    EXPECT_FALSE(st.surface);
    EXPECT_STREQ(st.font.lfFaceName, "WenQuanYi Micro Hei");
    EXPECT_FALSE(gdi::dc_text_state(mem, nullptr));
    DeleteDC(mem);
}

}  // namespace
