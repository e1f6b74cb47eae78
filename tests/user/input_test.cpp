// The mouse path: targets, capture, double clicks and leave tracking.

#include "platform/user/internal.h"
#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using InputTest = WindowTest;

// Takes the capture on a press and lets it go on the release, as a push button does.
LRESULT capture_while_pressed(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_LBUTTONDOWN) SetCapture(h);
    if (m == WM_LBUTTONUP && GetCapture() == h) ReleaseCapture();
    return DefWindowProcA(h, m, w, l);
}

// Asks for one WM_MOUSELEAVE on each first move, as the skin does.
bool tracking;
LRESULT track_leave(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_MOUSEMOVE && !tracking) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = h;
        EXPECT_TRUE(TrackMouseEvent(&tme));
        tracking = true;
    }
    if (m == WM_MOUSELEAVE) tracking = false;
    return capture_while_pressed(h, m, w, l);
}

TEST_F(InputTest, ClickWithCaptureReachesTheButtonInClientCoordinates) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    headless::pump();
    log.only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_MOUSEMOVE});
    log.set_handler(capture_while_pressed);
    log.clear();
    headless::mouse_down(25, 35);
    EXPECT_EQ(GetCapture(), button);
    headless::mouse_up(26, 36);
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({
        {WM_LBUTTONDOWN, posted | wparam | lparam, MK_LBUTTON, MAKELPARAM(5, 5), button},
        {WM_LBUTTONUP, posted | wparam | lparam, 0, MAKELPARAM(6, 6), button},
        {WM_CAPTURECHANGED, sent | lparam, 0, 0, button},
    }));
    EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(InputTest, ADragOffACapturedWindowStaysWithItWithSignedCoordinates) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    HWND other = child(top, 100, 100, 50, 20);
    headless::pump();
    log.only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
    log.set_handler(capture_while_pressed);
    headless::mouse_down(25, 35);
    log.clear();
    headless::mouse_move(10, 12);   // left of and above the button
    headless::mouse_move(110, 105); // over another window
    headless::mouse_up(110, 105);
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({
        {WM_MOUSEMOVE, posted | wparam | lparam, MK_LBUTTON, MAKELPARAM(-10, -18), button},
        {WM_MOUSEMOVE, posted | lparam, 0, MAKELPARAM(90, 75), button},
        {WM_LBUTTONUP, posted | lparam, 0, MAKELPARAM(90, 75), button},
    }));
    EXPECT_EQ(GET_X_LPARAM(log.entries()[0].lp), -10);
    EXPECT_EQ(GET_Y_LPARAM(log.entries()[0].lp), -18);
    EXPECT_EQ(WindowFromPoint(POINT{110, 105}), other);
}

TEST_F(InputTest, LeaveIsPostedOnceWhenTheCursorLeaves) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    headless::pump();
    tracking = false;
    log.only({WM_MOUSELEAVE});
    log.set_handler(track_leave);
    log.clear();
    headless::mouse_move(30, 40);
    headless::mouse_move(31, 41);
    EXPECT_EQ(log.count(WM_MOUSELEAVE), 0);
    headless::mouse_move(150, 120);
    headless::mouse_move(160, 120);
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({{WM_MOUSELEAVE, posted, 0, 0, button}}));
}

TEST_F(InputTest, LeaveWaitsForTheCaptureToEnd) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    headless::pump();
    tracking = false;
    log.only({WM_MOUSELEAVE, WM_LBUTTONUP, WM_CAPTURECHANGED});
    log.set_handler(track_leave);
    headless::mouse_move(30, 40);
    headless::mouse_down(30, 40);
    log.clear();
    headless::mouse_move(150, 120);
    EXPECT_EQ(log.count(WM_MOUSELEAVE), 0) << "held back while the button has the capture";
    headless::mouse_up(150, 120);
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({
        {WM_LBUTTONUP, posted, 0, 0, button},
        {WM_CAPTURECHANGED, sent, 0, 0, button},
        {WM_MOUSELEAVE, posted, 0, 0, button},
    }));
}

TEST_F(InputTest, HidingATrackedWindowCountsAsLeavingIt) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    headless::pump();
    tracking = false;
    log.only({WM_MOUSELEAVE});
    log.set_handler(track_leave);
    headless::mouse_move(30, 40);
    log.clear();
    ShowWindow(button, SW_HIDE);
    headless::pump();
    EXPECT_TRUE(log.matches({{WM_MOUSELEAVE, posted, 0, 0, button}}));
    ShowWindow(button, SW_SHOW);
    headless::mouse_move(31, 40);
    log.clear();
    DestroyWindow(button);
    headless::pump();
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({})) << "a destroyed window is not told";
}

TEST_F(InputTest, TrackingCanBeQueriedAndCancelled) {
    HWND top = top_level();
    HWND button = child(top, 20, 30, 60, 20);
    headless::mouse_move(30, 40);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = button;
    EXPECT_TRUE(_TrackMouseEvent(&tme));
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    EXPECT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.dwFlags, TME_LEAVE);
    EXPECT_EQ(query.hwndTrack, button);
    tme.dwFlags = TME_LEAVE | TME_CANCEL;
    EXPECT_TRUE(TrackMouseEvent(&tme));
    log.only({WM_MOUSELEAVE});
    log.clear();
    headless::mouse_move(150, 120);
    EXPECT_EQ(log.count(WM_MOUSELEAVE), 0);
    tme.cbSize = 8;
    EXPECT_FALSE(TrackMouseEvent(&tme)) << "a record of the wrong size";
}

TEST_F(InputTest, SecondPressSoonAndNearIsADoubleClick) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 100, 100);
    log.only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    struct Case {
        const char* what;
        int dx;
        std::uint32_t wait_ms;
        UINT second;
    };
    const Case cases[] = {
        {"same place, at once", 0, 0, WM_LBUTTONDBLCLK},
        {"2 pixels off, 500 ms later", 2, 500, WM_LBUTTONDBLCLK},
        {"3 pixels off", 3, 0, WM_LBUTTONDOWN},
        {"501 ms later", 0, 501, WM_LBUTTONDOWN},
    };
    for (const Case& k : cases) {
        headless::advance(1000);
        log.clear();
        headless::click(50, 50);
        headless::advance(k.wait_ms);
        headless::click(50 + k.dx, 50);
        ASSERT_EQ(log.entries().size(), 2u) << k.what;
        EXPECT_EQ(log.entries()[1].message, k.second) << k.what;
        EXPECT_EQ(log.entries()[1].hwnd, c);
    }
}

TEST_F(InputTest, APressOnADisabledWindowGoesNowhere) {
    HWND top = top_level();
    HWND off = child(top, 0, 0, 50, 50, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    HWND inner = child(off, 0, 0, 20, 20);
    log.only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
    log.clear();
    headless::click(10, 10);
    headless::click(30, 30);
    EXPECT_TRUE(log.matches({})) << "neither the disabled window, its child nor its parent";
    EXPECT_EQ(WindowFromPoint(POINT{10, 10}), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{10, 10}, CWP_SKIPDISABLED), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{10, 10}), off);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{500, 10}), HWND()) << "outside the parent";
    (void)inner;
}

TEST_F(InputTest, WindowRegionsShapeHitTesting) {
    HWND top = top_level();
    HWND round = child(top, 0, 0, 40, 40);
    HWND below = child(top, 0, 0, 100, 100);  // under the round window
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 40, 40), TRUE);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), round);
    EXPECT_EQ(WindowFromPoint(POINT{1, 1}), below) << "the corner lies outside the ellipse";
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(InputTest, MovesThatPileUpMergeIntoTheLatest) {
    HWND top = top_level();
    headless::pump();
    log.only({WM_MOUSEMOVE, WM_LBUTTONDOWN});
    log.clear();
    user::input_mouse_move(POINT{10, 10});
    user::input_mouse_move(POINT{20, 25});
    user::input_mouse_button(POINT{20, 25}, 0, true);
    user::input_mouse_move(POINT{30, 30});
    headless::pump();
    EXPECT_TRUE(log.matches({
        {WM_MOUSEMOVE, posted | lparam, 0, MAKELPARAM(20, 25)},
        {WM_LBUTTONDOWN, posted},
        {WM_MOUSEMOVE, posted | lparam, 0, MAKELPARAM(30, 30)},
    }));
    headless::mouse_up(30, 30);
    (void)top;
}

}  // namespace
}  // namespace usertest
