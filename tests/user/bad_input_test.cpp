// Dead handles and handle 0: every function returns its failure value and
// changes nothing.

#include <cstdint>
#include <functional>
#include <string>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

struct Call {
    const char* name;
    std::function<bool(HWND)> fails;  // true when the call reported failure
};

const std::vector<Call>& calls() {
    static const std::vector<Call> table = {
        {"IsWindow", [](HWND h) { return !IsWindow(h); }},
        {"DestroyWindow", [](HWND h) { return !DestroyWindow(h); }},
        {"GetClassNameA", [](HWND h) { char b[8]; return GetClassNameA(h, b, 8) == 0; }},
        {"GetWindowLongA", [](HWND h) { return GetWindowLongA(h, GWL_STYLE) == 0; }},
        {"SetWindowLongA", [](HWND h) { return SetWindowLongA(h, GWL_USERDATA, 5) == 0; }},
        {"SetPropA", [](HWND h) { return !SetPropA(h, "P", 1); }},
        {"GetPropA", [](HWND h) { return GetPropA(h, "P") == 0; }},
        {"RemovePropA", [](HWND h) { return RemovePropA(h, "P") == 0; }},
        {"SendMessageA", [](HWND h) { return SendMessageA(h, WM_GETTEXTLENGTH, 0, 0) == 0; }},
        {"PostMessageA", [](HWND h) { return !PostMessageA(h, WM_USER, 0, 0) || !h; }},
        {"ShowWindow", [](HWND h) { return !ShowWindow(h, SW_SHOW); }},
        {"IsWindowVisible", [](HWND h) { return !IsWindowVisible(h); }},
        {"EnableWindow", [](HWND h) { return !EnableWindow(h, FALSE); }},
        {"IsWindowEnabled", [](HWND h) { return !IsWindowEnabled(h); }},
        {"GetWindowRect", [](HWND h) { RECT r; return !GetWindowRect(h, &r); }},
        {"GetClientRect", [](HWND h) { RECT r; return !GetClientRect(h, &r); }},
        {"ClientToScreen", [](HWND h) { POINT p{}; return !ClientToScreen(h, &p); }},
        {"SetWindowPos", [](HWND h) { return !SetWindowPos(h, HWND(), 0, 0, 5, 5, SWP_NOZORDER); }},
        {"MoveWindow", [](HWND h) { return !MoveWindow(h, 0, 0, 5, 5, TRUE); }},
        {"InvalidateRect", [](HWND h) { return !InvalidateRect(h, nullptr, TRUE); }},
        {"ValidateRect", [](HWND h) { return !ValidateRect(h, nullptr); }},
        {"UpdateWindow", [](HWND h) { return !UpdateWindow(h); }},
        {"GetWindowDC", [](HWND h) { return h ? !GetWindowDC(h) : true; }},
        {"BeginPaint", [](HWND h) { PAINTSTRUCT ps; return !BeginPaint(h, &ps); }},
        {"SetWindowRgn", [](HWND h) { return SetWindowRgn(h, HRGN(), TRUE) == 0; }},
        {"GetWindowRgn", [](HWND h) { return GetWindowRgn(h, HRGN()) == RGN_ERROR; }},
        {"KillTimer", [](HWND h) { return !h || !KillTimer(h, 1); }},
        {"SetFocus", [](HWND h) { return !h || !SetFocus(h); }},
        {"SetCapture", [](HWND h) { return !SetCapture(h); }},
        {"SetActiveWindow", [](HWND h) { return !SetActiveWindow(h); }},
        {"SetParent", [](HWND h) { return !SetParent(h, HWND()); }},
        {"GetParent", [](HWND h) { return !GetParent(h); }},
        {"GetWindow", [](HWND h) { return !GetWindow(h, GW_CHILD); }},
        {"GetWindowTextA", [](HWND h) { char b[8] = "x"; return GetWindowTextA(h, b, 8) == 0 && b[0] == 0; }},
        {"GetWindowTextLengthA", [](HWND h) { return GetWindowTextLengthA(h) == 0; }},
        {"SetWindowTextA", [](HWND h) { return !SetWindowTextA(h, "x"); }},
        {"GetDlgCtrlID", [](HWND h) { return GetDlgCtrlID(h) == 0; }},
        {"GetDlgItem", [](HWND h) { return !GetDlgItem(h, 1); }},
        {"SetScrollPos", [](HWND h) { return SetScrollPos(h, SB_VERT, 5, TRUE) == 0; }},
        {"TrackMouseEvent", [](HWND h) {
             TRACKMOUSEEVENT t;
             t.dwFlags = TME_LEAVE;
             t.hwndTrack = h;
             return !TrackMouseEvent(&t);
         }},
    };
    return table;
}

using BadInputTest = WindowTest;

TEST_F(BadInputTest, DeadHandlesAndZeroFailAndChangeNothing) {
    HWND top = top_level();
    HWND dead = child(top, 0, 0, 10, 10);
    DestroyWindow(dead);
    HWND focus = GetFocus();
    int windows = headless::window_count();
    for (HWND h : {HWND(), dead}) {
        for (const Call& c : calls()) {
            EXPECT_TRUE(c.fails(h)) << c.name << " with " << (h ? "a dead handle" : "handle 0");
        }
    }
    headless::pump();
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(GetCapture(), HWND());
    EXPECT_EQ(headless::window_count(), windows);
}

TEST_F(BadInputTest, NullPointersAndZeroSizesAreRefused) {
    HWND top = top_level();
    EXPECT_FALSE(GetWindowRect(top, nullptr));
    EXPECT_FALSE(GetCursorPos(nullptr));
    EXPECT_EQ(GetWindowTextA(top, nullptr, 5), 0);
    char b[4] = "abc";
    EXPECT_EQ(GetWindowTextA(top, b, 0), 0);
    EXPECT_STREQ(b, "abc") << "a zero-sized buffer is not touched";
    EXPECT_FALSE(EnumChildWindows(top, nullptr, 0));
    EXPECT_FALSE(BeginPaint(top, nullptr));
    EXPECT_FALSE(EndPaint(top, nullptr));
    EXPECT_FALSE(TrackMouseEvent(nullptr));
    EXPECT_FALSE(PeekMessageA(nullptr, HWND(), 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
    HWND tiny = CreateWindowExA(0, recorder_class(), "", WS_VISIBLE, 0, 0, 0, -5, HWND(), HMENU(), HINSTANCE(), nullptr);
    ASSERT_TRUE(IsWindow(tiny)) << "a window of no size still exists";
    RECT r;
    GetClientRect(tiny, &r);
    EXPECT_EQ(r.bottom, 0);
    HDC dc = GetDC(tiny);
    ReleaseDC(tiny, dc);
    headless::pump();
}

TEST_F(BadInputTest, HugePositionsAndSizesAreKeptInRange) {
    constexpr int kHuge = 0x7FFFFFF0;
    HWND top = CreateWindowExA(0, recorder_class(), "", 0, kHuge, -kHuge, kHuge, kHuge, HWND(), HMENU(), HINSTANCE(),
                               nullptr);
    ASSERT_TRUE(IsWindow(top));
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r.left, 32767);
    EXPECT_EQ(r.top, -32767);
    EXPECT_EQ(r.right - r.left, 4096) << "a top-level window's surface stays allocatable";
    HWND c = child(top, 0, 0, 10, 10);
    SetWindowPos(c, HWND(), kHuge, kHuge, kHuge, kHuge, SWP_NOZORDER);
    GetClientRect(c, &r);
    EXPECT_EQ(r.right, 32767);
    POINT p{0, 0};
    ClientToScreen(c, &p);
    EXPECT_EQ(p.x, 65534);
    headless::click(40000, 0);
    SetCapture(c);
    headless::mouse_move(INT32_MIN, INT32_MAX);  // the capture gets it, coordinates wrapped
    headless::mouse_down(INT32_MIN, INT32_MAX);
    headless::mouse_up(INT32_MIN, INT32_MAX);
    headless::mouse_down(INT32_MAX, INT32_MIN);
    POINT far{INT32_MAX, INT32_MIN};
    EXPECT_TRUE(ClientToScreen(c, &far));
    EXPECT_TRUE(ScreenToClient(c, &far));
    EXPECT_EQ(far.x, INT32_MAX) << "there and back again";
    MapWindowPoints(c, HWND(), &far, 1);
    headless::pump();
}

TEST_F(BadInputTest, ExtremeScrollRangesStayConsistent) {
    HWND top = top_level(0, 0, 200, 200);
    HWND c = child(top, 0, 0, 100, 100, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
    EXPECT_TRUE(SetScrollRange(c, SB_VERT, INT32_MIN, INT32_MAX, TRUE));
    EXPECT_EQ(SetScrollPos(c, SB_VERT, INT32_MAX, TRUE), 0) << "the old position";
    EXPECT_EQ(GetScrollPos(c, SB_VERT), INT32_MAX);
    SCROLLINFO si;
    si.fMask = SIF_PAGE;
    si.nPage = 0xFFFFFFFFu;
    SetScrollInfo(c, SB_VERT, &si, TRUE);
    headless::pump();
    headless::mouse_down(91, 50);
    headless::mouse_move(91, 99);
    headless::mouse_up(91, 99);
    EXPECT_TRUE(SetScrollRange(c, SB_VERT, 10, 5, TRUE)) << "max below min";
    SCROLLINFO out;
    out.fMask = SIF_ALL;
    GetScrollInfo(c, SB_VERT, &out);
    EXPECT_GE(out.nMax, out.nMin);
    EXPECT_GE(out.nPos, out.nMin);
    EXPECT_LE(out.nPos, out.nMax);
    headless::pump();
}

TEST_F(BadInputTest, RegionsHandedToADeadWindowAreNotLeaked) {
    int before = headless::gdi_object_count();
    HWND top = top_level();
    HWND c = child(top, 0, 0, 10, 10);
    DestroyWindow(c);
    EXPECT_EQ(SetWindowRgn(c, CreateRectRgn(0, 0, 5, 5), TRUE), 0);
    EXPECT_EQ(headless::gdi_object_count(), before);
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(BadInputTest, EventsInOddOrdersAreHarmless) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 50, 50);
    headless::mouse_up(10, 10);  // a release with no press
    headless::key_up(VK_SPACE);  // a key that was never down
    EXPECT_TRUE(ReleaseCapture()) << "nothing to release";
    EXPECT_FALSE(KillTimer(c, 99));
    HDC dc = GetDC(c);
    EXPECT_EQ(ReleaseDC(c, dc), 1);
    EXPECT_EQ(ReleaseDC(c, dc), 0) << "released twice";
    PAINTSTRUCT ps;
    int objects = headless::gdi_object_count();
    EXPECT_TRUE(BeginPaint(c, &ps));
    EXPECT_TRUE(EndPaint(c, &ps));
    EXPECT_TRUE(EndPaint(c, &ps)) << "ending twice frees nothing twice";
    EXPECT_EQ(headless::gdi_object_count(), objects);
    // A press, then its window goes away before the release.
    headless::mouse_down(10, 10);
    DestroyWindow(c);
    headless::mouse_up(10, 10);
    headless::mouse_move(20, 20);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = top;
    TrackMouseEvent(&tme);
    headless::reset();  // tracking, capture and timers all go
    EXPECT_EQ(GetCapture(), HWND());
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, HWND());
}

}  // namespace
}  // namespace usertest
