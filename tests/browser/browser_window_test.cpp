// The "ZelvioWebView" window and the controls it hosts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/browser/browser.h"
#include "platform/headless.h"
#include "tests/support/test_support.h"

namespace {

// Counts what the window tells it; notes its own destruction in *destroyed.
class WatchedBrowser : public browser::RecordingBrowser {
public:
    explicit WatchedBrowser(int* destroyed = nullptr) : destroyed_(destroyed) {}
    ~WatchedBrowser() override {
        if (destroyed_) ++*destroyed_;
    }
    void window_changed() override { ++changes; }
    void window_destroyed() override { ++detaches; }
    int changes = 0, detaches = 0;

private:
    int* destroyed_;
};

class BrowserWindowTest : public testsupport::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        browser::register_window_class();
        parent_ = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, HWND(), HMENU(),
                                  HINSTANCE(), nullptr);
    }
    void TearDown() override {
        browser::set_control_factory({});
        PlatformTest::TearDown();
    }
    HWND make_view() {
        return CreateWindowExA(WS_EX_CLIENTEDGE, browser::kWindowClass, "", WS_CHILD | WS_VISIBLE, 0, 10, 200, 100,
                               parent_, HMENU(), HINSTANCE(), nullptr);
    }
    HWND parent_;
};

TEST_F(BrowserWindowTest, EachWindowMakesItsControlAndDestroysItWithItself) {
    int destroyed = 0;
    browser::set_control_factory([&] { return std::make_unique<WatchedBrowser>(&destroyed); });
    HWND view = make_view();
    auto* control = dynamic_cast<WatchedBrowser*>(browser::control_of(view));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->window(), view);
    EXPECT_GE(control->changes, 1) << "the control was not told to take its place";

    int before = control->changes;
    SetWindowPos(view, HWND(), 5, 20, 150, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(view, SW_HIDE);
    EXPECT_GT(control->changes, before) << "moves and hides must reach the control";

    DestroyWindow(view);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(browser::control_of(view), nullptr);
}

TEST_F(BrowserWindowTest, WithoutAFactoryTheWindowRecords) {
    HWND view = make_view();
    EXPECT_NE(dynamic_cast<browser::RecordingBrowser*>(browser::control_of(view)), nullptr);
}

TEST_F(BrowserWindowTest, AControlAttachedFromOutsideIsDetachedButNotDestroyed) {
    HWND view = make_view();
    int destroyed = 0;
    WatchedBrowser outside(&destroyed);
    browser::attach(view, &outside);
    EXPECT_EQ(browser::control_of(view), &outside);
    DestroyWindow(view);
    EXPECT_EQ(outside.detaches, 1);
    EXPECT_EQ(outside.window(), HWND());
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(browser::control_of(view), nullptr);
}

TEST_F(BrowserWindowTest, DeadAndNullHandlesAreRefused) {
    WatchedBrowser control;
    HWND view = make_view();
    DestroyWindow(view);
    browser::attach(view, &control);
    browser::attach(HWND(), &control);
    EXPECT_EQ(control.window(), HWND());
    EXPECT_EQ(browser::control_of(view), nullptr);
    EXPECT_EQ(browser::control_of(HWND()), nullptr);
    browser::attach(make_view(), nullptr);  // detaching nothing does nothing
}

TEST_F(BrowserWindowTest, RegisteringTwiceIsHarmless) {
    browser::register_window_class();
    browser::register_window_class();
    EXPECT_TRUE(IsWindow(make_view()));
}

TEST(NewWindowRequestTest, AnswerDecidesWhereThePageOpens) {
    browser::RecordingBrowser self, other;
    struct Case {
        const char* what;
        std::function<void(browser::BrowserControl**, bool*)> handler;
        browser::BrowserControl* opens_in;
    };
    const Case cases[] = {
        {"no handler: here", nullptr, &self},
        {"handler names no control: here", [](browser::BrowserControl**, bool*) {}, &self},
        {"handler names itself", [&](browser::BrowserControl** t, bool*) { *t = &self; }, &self},
        {"handler names another control", [&](browser::BrowserControl** t, bool*) { *t = &other; }, &other},
        {"handler cancels", [](browser::BrowserControl**, bool* cancel) { *cancel = true; }, nullptr},
    };
    for (const Case& c : cases) {
        self.navigations.clear();
        other.navigations.clear();
        self.on_new_window = c.handler;
        EXPECT_EQ(self.request_new_window("http://x/new"), c.opens_in) << c.what;
        std::vector<std::string> expected{"http://x/new"};
        EXPECT_EQ(self.navigations, c.opens_in == &self ? expected : std::vector<std::string>{}) << c.what;
        EXPECT_EQ(other.navigations, c.opens_in == &other ? expected : std::vector<std::string>{}) << c.what;
    }
}

}  // namespace
