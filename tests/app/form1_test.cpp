// Form1 built by the forms runtime on the headless host, with recording browsers.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/gateway.h"
#include "app/gateway_config.h"
#include "platform/browser/browser.h"
#include "platform/forms/forms.h"
#include "platform/headless.h"
#include "platform/user/internal.h"
#include "tests/support/test_support.h"

namespace {

// Remembers, at each navigation, whether the form was already skinned and shown.
class ProbeBrowser : public browser::RecordingBrowser {
public:
    void Navigate(const std::string& address) override {
        HWND form = GetParent(window());
        skinned_at_navigation.push_back(GetPropA(form, "PROCADDR") != 0);
        shown_at_navigation.push_back(IsWindowVisible(form) != FALSE);
        RecordingBrowser::Navigate(address);
    }
    std::vector<bool> skinned_at_navigation, shown_at_navigation;
};

std::string Text(HWND hwnd) {
    char buffer[512] = {};
    int n = GetWindowTextA(hwnd, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

RECT RectInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    POINT corner{r.left, r.top};
    ScreenToClient(GetParent(hwnd), &corner);
    return RECT{corner.x, corner.y, corner.x + (r.right - r.left), corner.y + (r.bottom - r.top)};
}

POINT CentreOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class Form1Test : public testsupport::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        forms::reset();
        browser::register_window_class();
        browser::set_control_factory([] { return std::make_unique<ProbeBrowser>(); });
        form_ = app::Form1::Load();
        ASSERT_NE(form_, nullptr);
        headless::pump();
    }
    void TearDown() override {
        browser::set_control_factory({});
        headless::reset();
        forms::reset();
        PlatformTest::TearDown();
    }

    HWND control(const char* name) const { return form_->control(name); }
    ProbeBrowser* browser() const {
        return dynamic_cast<ProbeBrowser*>(browser::control_of(control("WebBrowser1")));
    }
    void click(const char* name) {
        POINT p = CentreOnScreen(control(name));
        headless::click(p.x, p.y);
    }

    forms::Form* form_ = nullptr;
};

TEST_F(Form1Test, LayoutInPixels) {
    RECT client{};
    GetClientRect(form_->hwnd(), &client);
    EXPECT_EQ(client.right - client.left, 274);
    EXPECT_EQ(client.bottom - client.top, 573);

    struct Expected {
        const char* name;
        const char* parent;
        RECT rect;  // in the parent's client area
    };
    const Expected table[] = {
        {"WebBrowser1", "", {0, 48, 273, 481}}, {"Text1", "", {0, 482, 273, 571}},
        {"Command1", "", {216, 536, 265, 561}}, {"Frame1", "", {0, 0, 273, 49}},
        {"Text2", "Frame1", {8, 16, 201, 41}},  {"Command2", "Frame1", {208, 16, 257, 41}},
    };
    for (const Expected& e : table) {
        HWND hwnd = control(e.name);
        ASSERT_TRUE(IsWindow(hwnd)) << e.name;
        HWND parent = *e.parent ? control(e.parent) : form_->hwnd();
        EXPECT_EQ(GetParent(hwnd), parent) << e.name;
        RECT r = RectInParent(hwnd);
        EXPECT_TRUE(EqualRect(&r, &e.rect)) << e.name << " is at " << r.left << ", " << r.top << ", "
                                            << r.right - r.left << " x " << r.bottom - r.top;
    }
}

TEST_F(Form1Test, CaptionsAndTexts) {
    EXPECT_EQ(Text(form_->hwnd()), "Zelvio3G手机Wap浏览器 V1.0");
    EXPECT_EQ(Text(control("Command1")), "退 出");
    EXPECT_EQ(Text(control("Frame1")), "地址栏");
    EXPECT_EQ(Text(control("Command2")), "转到");
    EXPECT_EQ(Text(control("Text2")), ZELVIO_START_ADDRESS);

    // The about text: five lines, each ended by CR LF, and no bare line feed.
    std::string about = Text(control("Text1"));
    int lines = 0;
    for (std::size_t i = 0; i < about.size(); ++i) {
        if (about[i] == '\n') {
            EXPECT_TRUE(i > 0 && about[i - 1] == '\r') << "bare line feed at byte " << i;
            ++lines;
        }
    }
    EXPECT_EQ(lines, 5);
    EXPECT_TRUE(about.size() >= 2 && about.substr(about.size() - 2) == "\r\n");
}

TEST_F(Form1Test, BrowserWindowIsOutsideTheSkinAndFramedByIt) {
    HWND web = control("WebBrowser1");
    char cls[64] = {};
    GetClassNameA(web, cls, sizeof cls);
    EXPECT_STREQ(cls, browser::kWindowClass);
    EXPECT_TRUE(GetWindowLongA(web, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(Form1Test, ProgramIconReachesTheHost) {
    user::TopLevelInfo info;
    ASSERT_TRUE(user::top_level_info(form_->hwnd(), &info));
    EXPECT_EQ(info.icon_width, 24);
    EXPECT_EQ(info.icon_height, 24);
    EXPECT_EQ(info.icon_pixels.size(), 24u * 24u);
}

TEST_F(Form1Test, StackingPutsFrameAndExitButtonOnTop) {
    std::vector<HWND> order;
    for (HWND h = GetWindow(form_->hwnd(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) order.push_back(h);
    std::vector<HWND> expected = {control("Frame1"), control("Command1"), control("Text1"), control("WebBrowser1")};
    EXPECT_EQ(order, expected);

    // Where they overlap, the upper one is hit.
    POINT in_button = CentreOnScreen(control("Command1"));
    EXPECT_EQ(WindowFromPoint(in_button), control("Command1"));
    RECT frame{};
    GetWindowRect(control("Frame1"), &frame);
    EXPECT_EQ(WindowFromPoint(POINT{frame.left + 100, frame.bottom - 1}), control("Frame1"));
}

TEST_F(Form1Test, TabFollowsTheTabIndex) {
    const std::pair<const char*, const char*> steps[] = {{"Text1", "Command1"}, {"Text2", "Command2"}};
    for (const auto& [from, to] : steps) {
        SetFocus(control(from));
        headless::key_press(VK_TAB);
        EXPECT_EQ(GetFocus(), control(to)) << "Tab from " << from;
    }
}

TEST_F(Form1Test, LoadSkinsTheFormThenOpensTheStartAddressBeforeShowing) {
    ProbeBrowser* web = browser();
    ASSERT_NE(web, nullptr);
    ASSERT_EQ(web->navigations, std::vector<std::string>{app::RequestAddress(ZELVIO_START_ADDRESS)});
    EXPECT_TRUE(web->skinned_at_navigation[0]) << "the browser navigated before SkinForm ran";
    EXPECT_FALSE(web->shown_at_navigation[0]) << "the first navigation came after the window was shown";
    EXPECT_TRUE(IsWindowVisible(form_->hwnd()));
}

TEST_F(Form1Test, GoButtonOpensWhatTheAddressBoxHolds) {
    const char* addresses[] = {"http://wap.example.com/", "", "a b&c#d%e+f", "http://例子.测试/新闻"};
    for (const char* address : addresses) {
        SetWindowTextA(control("Text2"), address);
        click("Command2");
        ASSERT_FALSE(browser()->navigations.empty());
        EXPECT_EQ(browser()->navigations.back(), app::RequestAddress(address)) << "typed: " << address;
    }
    EXPECT_EQ(browser()->navigations.size(), 1u + std::size(addresses));
}

TEST_F(Form1Test, TypedTextIsWhatGetsOpened) {
    HWND text2 = control("Text2");
    SetWindowTextA(text2, "");
    POINT p = CentreOnScreen(text2);
    headless::click(p.x, p.y);
    headless::type_text("wap.例.cn/?q=a b");
    click("Command2");
    EXPECT_EQ(browser()->navigations.back(), app::GatewayPrefix() + "wap.%E4%BE%8B.cn/?q=a%20b");
}

TEST_F(Form1Test, EnterInTheAddressBoxDoesNothing) {
    std::size_t before = browser()->navigations.size();
    POINT p = CentreOnScreen(control("Text2"));
    headless::click(p.x, p.y);
    headless::key_press(VK_RETURN);
    headless::pump();
    EXPECT_EQ(browser()->navigations.size(), before);
    EXPECT_TRUE(IsWindow(form_->hwnd()));
}

TEST_F(Form1Test, NewWindowRequestOpensInTheSameControl) {
    ProbeBrowser* web = browser();
    EXPECT_EQ(web->request_new_window("http://wap.example.com/popup"), web);
    EXPECT_EQ(web->navigations.back(), "http://wap.example.com/popup");

    // The handler itself: the object argument becomes the control, the cancel flag stays false.
    browser::BrowserControl* target = nullptr;
    bool cancel = false;
    app::Form1::WebBrowser1_NewWindow2(*web, &target, &cancel);
    EXPECT_EQ(target, web);
    EXPECT_FALSE(cancel);
}

TEST_F(Form1Test, ExitButtonEndsAtOnceWithNoFurtherEvent) {
    HWND form = form_->hwnd();
    click("Command1");
    EXPECT_TRUE(forms::program_ended());
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(headless::window_count(), 0);
}

// The same, seen from the events: after Command1's click no event is raised, even
// with input still arriving where the window was.
TEST(Form1EventsTest, NothingIsRaisedAfterTheExitButton) {
    headless::reset();
    forms::reset();
    browser::register_window_class();
    std::vector<std::string> raised;
    forms::FormEvents events = app::Form1::Events();
    forms::FormEvents counted;
    counted.load = [&](forms::Form& f) {
        raised.push_back("load");
        events.load(f);
    };
    counted.click = [&](forms::Form& f, const std::string& name) {
        raised.push_back(name);
        events.click(f, name);
    };
    forms::Form* form = forms::load_form(app::Form1::Definition(), counted);
    ASSERT_NE(form, nullptr);
    headless::pump();
    POINT exit = CentreOnScreen(form->control("Command1"));
    POINT go = CentreOnScreen(form->control("Command2"));
    headless::click(exit.x, exit.y);
    headless::click(go.x, go.y);
    headless::pump();
    EXPECT_EQ(raised, (std::vector<std::string>{"load", "Command1"}));
    headless::reset();
    forms::reset();
}

}  // namespace
