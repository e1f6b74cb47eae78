// What the window manager tells its host.

#include <vector>

#include "platform/host/headless/headless_host.h"
#include "platform/user/internal.h"
#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

// Counts what it hears and keeps the headless clock.
class RecordingHost : public host::Host {
public:
    std::uint64_t now_ms() override { return headless::headless_host().now_ms(); }
    void wait_for_events(std::int64_t timeout) override { headless::headless_host().wait_for_events(timeout); }
    void top_level_changed(HWND h) override { changed.push_back(h); }
    void top_level_destroyed(HWND h) override { destroyed.push_back(h); }
    void surface_damaged(HWND h) override {
        damaged.push_back(h);
        user::top_level_surface(h)->take_damage();
    }
    std::string clipboard_text() override { return clip; }
    void set_clipboard_text(const std::string& t) override { clip = t; }

    std::vector<HWND> changed, destroyed, damaged;
    std::string clip;
};

class HostTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        host::install(&recording);
    }
    void TearDown() override {
        host::install(nullptr);
        WindowTest::TearDown();
    }
    RecordingHost recording;
};

LRESULT draw_three_times(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) {
        for (int i = 0; i < 3; ++i) {
            HDC dc = GetDC(h);
            RECT r{i, i, i + 5, i + 5};
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
            ReleaseDC(h, dc);
        }
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

TEST_F(HostTest, DrawingIsReportedOncePerDispatchedMessage) {
    HWND top = top_level();
    headless::pump();
    recording.damaged.clear();
    log.set_handler(draw_three_times);
    PostMessageA(top, WM_USER, 0, 0);
    PostMessageA(top, WM_USER, 0, 0);
    headless::pump();
    log.set_handler(nullptr);
    EXPECT_EQ(recording.damaged, (std::vector<HWND>{top, top}));
    headless::pump();
    EXPECT_EQ(recording.damaged.size(), 2u) << "nothing new was drawn";
}

TEST_F(HostTest, TopLevelChangesAndDestructionAreReported) {
    HWND top = top_level(10, 20, 100, 80);
    SetWindowTextA(top, "转到");
    user::TopLevelInfo info;
    ASSERT_TRUE(user::top_level_info(top, &info));
    EXPECT_EQ(info.caption, "转到");
    EXPECT_EQ(info.rect.left, 10);
    EXPECT_EQ(info.rect.bottom, 100);
    EXPECT_TRUE(info.visible);
    recording.changed.clear();
    MoveWindow(top, 30, 20, 100, 80, TRUE);
    EXPECT_EQ(recording.changed, std::vector<HWND>{top});
    HWND c = child(top, 0, 0, 10, 10);
    EXPECT_FALSE(user::top_level_info(c, &info)) << "a child is no top-level window";
    user::set_window_icon(top, 2, 1, {0xFF0000, 0x00FF00});
    user::top_level_info(top, &info);
    EXPECT_EQ(info.icon_width, 2);
    user::set_window_icon(top, 2, 2, {0xFF0000});  // too few pixels: no icon
    user::top_level_info(top, &info);
    EXPECT_EQ(info.icon_width, 0);
    DestroyWindow(top);
    EXPECT_EQ(recording.destroyed, std::vector<HWND>{top});
    user::set_clipboard_text("x");
    EXPECT_EQ(user::clipboard_text(), "x");
}

}  // namespace
}  // namespace usertest
