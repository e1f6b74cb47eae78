// The queue, painting order and timers.

#include "platform/host/headless/headless_host.h"
#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using QueueTest = WindowTest;

TEST_F(QueueTest, PostedMessagesComeBeforePaintAndTimers) {
    HWND top = top_level();
    headless::pump();
    SetTimer(top, 3, 10, nullptr);
    headless::headless_host().set_clock(10);
    InvalidateRect(top, nullptr, FALSE);
    PostMessageA(top, WM_USER, 1, 0);
    PostMessageA(top, WM_USER, 2, 0);
    log.only({WM_USER, WM_PAINT, WM_TIMER});
    log.clear();
    headless::pump();
    EXPECT_TRUE(log.matches({
        {WM_USER, posted | wparam, 1},
        {WM_USER, posted | wparam, 2},
        {WM_PAINT, posted},
        {WM_TIMER, posted | wparam, 3},
    }));
}

TEST_F(QueueTest, SendIsImmediateAndReentrant) {
    HWND top = top_level();
    log.only({WM_USER, WM_USER + 1});
    log.clear();
    log.set_handler([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) return SendMessageA(h, WM_USER + 1, w + 1, 0) + 100;
        if (m == WM_USER + 1) return static_cast<LRESULT>(w);
        return DefWindowProcA(h, m, w, l);
    });
    EXPECT_EQ(SendMessageA(top, WM_USER, 1, 0), 102);
    log.set_handler(nullptr);
    EXPECT_TRUE(log.matches({{WM_USER, sent}, {WM_USER + 1, sent | wparam, 2}}));
}

TEST_F(QueueTest, RedrawWithInternalPaintGivesExactlyOnePaint) {
    HWND top = top_level();
    HWND c = child(top, 10, 10, 50, 20);
    headless::pump();
    log.only({WM_PAINT});
    log.clear();
    RedrawWindow(c, nullptr, HRGN(), RDW_INVALIDATE | RDW_INTERNALPAINT);
    RedrawWindow(c, nullptr, HRGN(), RDW_INVALIDATE | RDW_INTERNALPAINT);
    headless::pump();
    EXPECT_TRUE(log.matches({{WM_PAINT, posted, 0, 0, c}}));
}

TEST_F(QueueTest, InvalidFrameIsPaintedBeforeTheClient) {
    HWND top = top_level();
    HWND c = child(top, 10, 10, 50, 20, WS_CHILD | WS_VISIBLE | WS_BORDER);
    headless::pump();
    log.only({WM_NCPAINT, WM_PAINT, WM_ERASEBKGND});
    log.clear();
    RedrawWindow(c, nullptr, HRGN(), RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_NOCHILDREN);
    headless::pump();
    EXPECT_TRUE(log.matches({
        {WM_NCPAINT, sent | wparam, 1},
        {WM_PAINT, posted},
        {WM_ERASEBKGND, sent | defproc},  // from BeginPaint inside the default WM_PAINT
    }));
}

TEST_F(QueueTest, ParentsPaintBeforeTheirChildren) {
    HWND top = top_level();
    HWND c = child(top, 10, 10, 50, 20);
    log.only({WM_PAINT});
    log.clear();
    headless::pump();
    EXPECT_TRUE(log.matches({{WM_PAINT, posted, 0, 0, top}, {WM_PAINT, posted, 0, 0, c}}));
}

TEST_F(QueueTest, QuitStaysQueuedWhileThePumpDeliversTheRest) {
    HWND top = top_level();
    PostMessageA(top, WM_USER, 0, 0);
    PostQuitMessage(7);
    PostMessageA(top, WM_USER, 1, 0);
    log.only({WM_USER, WM_PAINT});
    log.clear();
    headless::pump();
    EXPECT_EQ(log.count(WM_USER), 2);
    EXPECT_EQ(log.count(WM_PAINT), 1) << "paints still come while a quit waits";
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(QueueTest, QuitEndsTheMessageLoop) {
    top_level();
    PostQuitMessage(3);
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, HWND(), 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessageA(nullptr, HWND(), 0, 0), -1);
}

using TimerTest = WindowTest;

TEST_F(TimerTest, TicksEveryPeriodWithTheIdentifier) {
    HWND top = top_level();
    EXPECT_EQ(SetTimer(top, 7, 15, nullptr), 7u);
    log.only({WM_TIMER});
    log.clear();
    headless::advance(14);
    EXPECT_EQ(log.count(WM_TIMER), 0);
    headless::advance(1);
    EXPECT_TRUE(log.matches({{WM_TIMER, posted | wparam | lparam, 7, 0}}));
    headless::advance(15 * 85);
    EXPECT_EQ(log.count(WM_TIMER), 86) << "every tick delivered as it falls due";
}

TEST_F(TimerTest, TicksThatFallDueWhileOneWaitsAreMerged) {
    HWND top = top_level();
    SetTimer(top, 1, 15, nullptr);
    log.only({WM_TIMER});
    log.clear();
    headless::headless_host().set_clock(100);  // six periods pass without a pump
    headless::pump();
    EXPECT_EQ(log.count(WM_TIMER), 1);
    headless::advance(15);
    EXPECT_EQ(log.count(WM_TIMER), 2) << "the next tick is a period after the merged one";
}

TEST_F(TimerTest, SettingAgainRestartsAndKillingInsideItsTickStops) {
    HWND top = top_level();
    SetTimer(top, 1, 15, nullptr);
    headless::advance(10);
    SetTimer(top, 1, 15, nullptr);
    log.only({WM_TIMER});
    log.clear();
    headless::advance(10);
    EXPECT_EQ(log.count(WM_TIMER), 0) << "restarted: nothing at 20 ms";
    log.set_handler([](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_TIMER) {
            EXPECT_TRUE(KillTimer(h, w));
        }
        return DefWindowProcA(h, m, w, l);
    });
    headless::advance(100);
    log.set_handler(nullptr);
    EXPECT_EQ(log.count(WM_TIMER), 1);
    EXPECT_FALSE(KillTimer(top, 1));
}

int callback_ticks;
UINT_PTR callback_id;
void count_tick(HWND, UINT msg, UINT_PTR id, DWORD) {
    if (msg == WM_TIMER) ++callback_ticks, callback_id = id;
}

TEST_F(TimerTest, CallbacksAreCalledAndForgedOnesAreNot) {
    HWND top = top_level();
    callback_ticks = 0;
    SetTimer(top, 4, 20, count_tick);
    UINT_PTR thread_timer = SetTimer(HWND(), 0, 20, count_tick);
    EXPECT_NE(thread_timer, 0u);
    log.only({WM_TIMER});
    log.clear();
    headless::advance(40);
    EXPECT_EQ(callback_ticks, 4);
    EXPECT_EQ(log.count(WM_TIMER), 0) << "a callback replaces the message";
    KillTimer(HWND(), thread_timer);
    KillTimer(top, 4);
    // A WM_TIMER posted by hand with an address in lParam calls nothing.
    PostMessageA(top, WM_TIMER, 4, reinterpret_cast<LPARAM>(&count_tick));
    headless::pump();
    EXPECT_EQ(callback_ticks, 4);
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(QueueTest, AFilteredWaitSkipsOtherWindowsTimers) {
    HWND top = top_level();
    HWND other = top_level(300, 0);
    headless::pump();
    SetTimer(other, 1, 10, nullptr);
    SetTimer(top, 2, 50, nullptr);
    headless::advance(10);  // other's tick is taken; it falls due again at 20
    headless::headless_host().set_clock(25);  // other's tick waits, undelivered
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, top, 0, 0)) << "waits for top's own timer, not spinning on other's";
    EXPECT_EQ(msg.hwnd, top);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_EQ(headless::now(), 50u);
}

}  // namespace
}  // namespace usertest
