// What DefWindowProcA answers.

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using DefaultProcedureTest = WindowTest;

TEST_F(DefaultProcedureTest, ControlColoursComeWithABrush) {
    HWND top = top_level();
    HDC dc = GetDC(top);
    struct Case {
        UINT message;
        int colour;
    };
    for (Case c : {Case{WM_CTLCOLORBTN, COLOR_BTNFACE}, Case{WM_CTLCOLORSTATIC, COLOR_BTNFACE},
                   Case{WM_CTLCOLORDLG, COLOR_BTNFACE}, Case{WM_CTLCOLOREDIT, COLOR_WINDOW},
                   Case{WM_CTLCOLORLISTBOX, COLOR_WINDOW}}) {
        LRESULT brush = DefWindowProcA(top, c.message, static_cast<WPARAM>(dc.value), 0);
        EXPECT_EQ(brush, static_cast<LRESULT>(GetSysColorBrush(c.colour).value)) << message_name(c.message);
    }
    ReleaseDC(top, dc);
}

TEST_F(DefaultProcedureTest, UnknownMessagesAndIdleReturnZero) {
    HWND top = top_level();
    for (UINT m : {WM_ENTERIDLE, WM_USER + 5, WM_APP, WM_COMMAND, WM_TIMER}) {
        EXPECT_EQ(DefWindowProcA(top, m, 1, 2), 0) << message_name(m);
    }
    EXPECT_EQ(DefWindowProcA(HWND(), WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(DefaultProcedureTest, HitTestNamesThePartUnderAScreenPoint) {
    HWND top = top_level(100, 100, 300, 300);
    HWND c = child(top, 10, 10, 100, 100, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL);
    struct Case {
        int x, y;
        LRESULT part;
    };
    for (Case k : {Case{150, 150, HTCLIENT}, Case{110, 150, HTBORDER}, Case{205, 150, HTVSCROLL},
                   Case{50, 50, HTNOWHERE}}) {
        EXPECT_EQ(DefWindowProcA(c, WM_NCHITTEST, 0, MAKELPARAM(k.x, k.y)), k.part) << k.x << ", " << k.y;
    }
}

TEST_F(DefaultProcedureTest, SetRedrawTogglesOnlyTheVisibilityBit) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 20, 20);
    headless::pump();
    log.only({WM_PAINT, WM_SHOWWINDOW});
    log.clear();
    SendMessageA(c, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(c, nullptr, TRUE);
    headless::pump();
    EXPECT_EQ(log.count(WM_PAINT), 0) << "no painting while redraw is off";
    SendMessageA(c, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(c));
    RedrawWindow(c, nullptr, HRGN(), RDW_INVALIDATE);
    headless::pump();
    EXPECT_TRUE(log.matches({{WM_PAINT, posted}}));
}

TEST_F(DefaultProcedureTest, CloseDestroys) {
    HWND top = top_level();
    SendMessageA(top, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(top));
    HWND again = top_level();
    headless::key_down(VK_MENU);
    headless::key_press(VK_F4);
    headless::key_up(VK_MENU);
    EXPECT_FALSE(IsWindow(again)) << "Alt+F4";
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(GdiTest, DrawEdgeDrawsTwoTiersOfSystemColours) {
    HDC dc = CreateCompatibleDC(HDC());
    HBITMAP bmp = CreateCompatibleBitmap(dc, 10, 10);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_TRUE(PixelIs(dc, 0, 5, GetSysColor(COLOR_3DLIGHT)));
    EXPECT_TRUE(PixelIs(dc, 1, 5, GetSysColor(COLOR_3DHIGHLIGHT)));
    EXPECT_TRUE(PixelIs(dc, 9, 5, GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(PixelIs(dc, 8, 5, GetSysColor(COLOR_3DSHADOW)));
    EXPECT_TRUE(PixelIs(dc, 9, 0, GetSysColor(COLOR_3DDKSHADOW))) << "the top-right corner belongs to the dark side";
    EXPECT_TRUE(PixelIs(dc, 5, 5, GetSysColor(COLOR_3DFACE)));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 8) << "BF_ADJUST leaves the inside";
    RECT sunken{0, 0, 10, 10};
    DrawEdge(dc, &sunken, EDGE_SUNKEN, BF_RECT);
    EXPECT_TRUE(PixelIs(dc, 0, 5, GetSysColor(COLOR_3DSHADOW)));
    EXPECT_TRUE(PixelIs(dc, 1, 5, GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(PixelIs(dc, 9, 5, GetSysColor(COLOR_3DHIGHLIGHT)));
    EXPECT_TRUE(PixelIs(dc, 8, 5, GetSysColor(COLOR_3DLIGHT)));
    EXPECT_FALSE(DrawEdge(HDC(), &sunken, EDGE_SUNKEN, BF_RECT));
    EXPECT_FALSE(DrawEdge(dc, nullptr, EDGE_SUNKEN, BF_RECT));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

TEST_F(DefaultProcedureTest, AClientEdgeIsDrawnSunkenOnTheScreen) {
    HWND top = top_level(0, 0, 100, 100);
    child(top, 10, 10, 40, 30, WS_CHILD | WS_VISIBLE, 0, WS_EX_CLIENTEDGE);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 10, 20, GetSysColor(COLOR_3DSHADOW)));
    EXPECT_TRUE(ScreenPixelIs(top, 11, 20, GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(ScreenPixelIs(top, 49, 20, GetSysColor(COLOR_3DHIGHLIGHT)));
    EXPECT_TRUE(ScreenPixelIs(top, 48, 20, GetSysColor(COLOR_3DLIGHT)));
}

}  // namespace
}  // namespace usertest
