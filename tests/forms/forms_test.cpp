// The forms runtime: a test form built from its table (positions from twips,
// stacking, fonts), load before show, click events, Tab order and ending.

#include <sstream>

#include "platform/forms/forms.h"
#include "platform/forms/forms_internal.h"
#include "platform/headless.h"
#include "tests/support/browser_like_forms.h"
#include "tests/support/test_support.h"

namespace {

using forms::ControlKind;
using testsupport::MakeControl;

class FormsTest : public testsupport::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        forms::reset();
    }
    void TearDown() override {
        headless::reset();
        forms::reset();
        PlatformTest::TearDown();
    }

    // Shaped like the browser window: a frame holding a text box and a button
    // at the top, a multi-line text box and a button over it at the bottom.
    static forms::FormDef browser_like() {
        forms::FormDef def = testsupport::BrowserLikeForm();
        def.caption = "Test form";
        def.icon = {2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}};
        return def;
    }

    std::vector<std::string> events;
    forms::FormEvents recording() {
        forms::FormEvents ev;
        ev.load = [this](forms::Form& f) {
            events.push_back(IsWindowVisible(f.hwnd()) ? "load (visible)" : "load");
            events.push_back(f.control("Command2") ? "controls exist" : "controls missing");
        };
        ev.click = [this](forms::Form&, const std::string& name) { events.push_back("click " + name); };
        return ev;
    }
};

TEST(Twips, RoundToTheNearestPixel) {
    const std::pair<int, int> cases[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {4110, 274}, {8595, 573},
                                         {735, 49}, {-7, 0}, {-8, -1}};
    for (auto [twips, pixels] : cases) EXPECT_EQ(forms::twips_to_pixels(twips), pixels) << twips << " twips";
}

TEST(DriveList, MountPointsFromTheMountTable) {
    std::istringstream table(
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "sysfs /sys sysfs rw 0 0\n"
        "/dev/sdb1 /media/My\\040Disk vfat rw 0 0\n"
        "tmpfs /run/user/1000 tmpfs rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n"
        "garbage\n");
    EXPECT_EQ(forms::mount_points_from(table), (std::vector<std::string>{"/", "/home", "/media/My Disk"}));
    std::istringstream empty("");
    EXPECT_EQ(forms::mount_points_from(empty), std::vector<std::string>{"/"});
    EXPECT_FALSE(forms::mount_points().empty());
}

TEST_F(FormsTest, BuildsTheFormFromItsTable) {
    forms::Form* form = forms::load_form(browser_like(), recording());
    ASSERT_NE(form, nullptr);
    HWND hwnd = form->hwnd();
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "ThunderRT6FormDC");
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 274);
    EXPECT_EQ(client.bottom, 573);
    char caption[32] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Test form");

    struct Placed {
        const char* name;
        const char* cls;
        HWND parent;
        RECT rc;  // in the parent's client coordinates
    };
    HWND frame = form->control("Frame1");
    const Placed placed[] = {
        {"Text1", "ThunderRT6TextBox", hwnd, {0, 482, 273, 571}},
        {"Command1", "ThunderRT6CommandButton", hwnd, {216, 536, 265, 561}},
        {"Frame1", "ThunderRT6Frame", hwnd, {0, 0, 273, 49}},
        {"Text2", "ThunderRT6TextBox", frame, {8, 16, 201, 41}},
        {"Command2", "ThunderRT6CommandButton", frame, {208, 16, 257, 41}},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.name);
        HWND h = form->control(p.name);
        ASSERT_TRUE(h);
        GetClassNameA(h, cls, sizeof cls);
        EXPECT_STREQ(cls, p.cls);
        EXPECT_EQ(GetParent(h), p.parent);
        RECT rc{};
        GetWindowRect(h, &rc);
        MapWindowPoints(HWND(), p.parent, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_TRUE(EqualRect(&rc, &p.rc)) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
        EXPECT_EQ(SendMessageA(h, WM_GETFONT, 0, 0), static_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT).value));
    }
    EXPECT_EQ(form->control("Nobody"), HWND());
    char text[32] = {};
    GetWindowTextA(form->control("Command1"), text, sizeof text);
    EXPECT_STREQ(text, "退 出");
    // Stacking among the form's children, topmost first: Frame1, Command1, Text1.
    std::vector<HWND> order;
    for (HWND h = GetWindow(hwnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) order.push_back(h);
    EXPECT_EQ(order, (std::vector<HWND>{frame, form->control("Command1"), form->control("Text1")}));
    // Command1 lies over Text1 and is drawn above it.
    HWND over = WindowFromPoint(POINT{240, 548});
    EXPECT_EQ(over, form->control("Command1"));

    EXPECT_EQ(events, (std::vector<std::string>{"load", "controls exist"})) << "load comes before the form shows";
    EXPECT_TRUE(IsWindowVisible(hwnd));
    headless::pump();
    headless::save_png(hwnd, testsupport::output_path("forms_browser_like.png"));
}

TEST_F(FormsTest, ClicksRaiseEventsThroughFrames) {
    forms::Form* form = forms::load_form(browser_like(), recording());
    ASSERT_NE(form, nullptr);
    events.clear();
    RECT rc{};
    GetWindowRect(form->control("Command2"), &rc);
    headless::click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    GetWindowRect(form->control("Command1"), &rc);
    headless::advance(600);
    headless::click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    EXPECT_EQ(events, (std::vector<std::string>{"click Command2", "click Command1"}));
}

TEST_F(FormsTest, TabMovesTheFocusByTabIndex) {
    forms::Form* form = forms::load_form(browser_like(), recording());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(GetFocus(), form->control("Text1")) << "the lowest tab index that takes the focus";
    const char* forward[] = {"Command1", "Text2", "Command2", "Text1"};
    for (const char* name : forward) {
        headless::key_press(VK_TAB);
        EXPECT_EQ(GetFocus(), form->control(name)) << "Tab to " << name;
    }
    headless::key_down(VK_SHIFT);
    headless::key_press(VK_TAB);
    headless::key_up(VK_SHIFT);
    EXPECT_EQ(GetFocus(), form->control("Command2"));
    // Enter in the address box neither clicks nor moves anything.
    for (int i = 0; i < 3; ++i) headless::key_press(VK_TAB);
    ASSERT_EQ(GetFocus(), form->control("Text2"));
    events.clear();
    headless::key_press(VK_RETURN);
    EXPECT_TRUE(events.empty());
}

TEST_F(FormsTest, EndProgramIsImmediate) {
    forms::FormEvents ev = recording();
    ev.click = [this](forms::Form& f, const std::string& name) {
        events.push_back("click " + name);
        if (name == "Command1") forms::end_program(3);
        // Nothing after this point may raise another event.
        SendMessageA(f.control("Command2"), BM_CLICK, 0, 0);
    };
    forms::Form* form = forms::load_form(browser_like(), ev);
    ASSERT_NE(form, nullptr);
    HWND hwnd = form->hwnd();
    events.clear();
    SendMessageA(form->control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(events, std::vector<std::string>{"click Command1"});
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(forms::program_ended());
    EXPECT_EQ(forms::run(), 3);
}

TEST_F(FormsTest, EndingFromLoadShowsNothing) {
    forms::FormEvents ev;
    ev.load = [](forms::Form&) { forms::end_program(0); };
    forms::Form* form = forms::load_form(browser_like(), ev);
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(IsWindow(form->hwnd()));
    EXPECT_EQ(headless::window_count(), 0);
}

TEST_F(FormsTest, ClosingTheLastFormEndsTheProgram) {
    forms::Form* first = forms::load_form(browser_like(), recording());
    forms::Form* second = forms::load_form(browser_like(), recording());
    ASSERT_TRUE(first && second);
    PostMessageA(first->hwnd(), WM_CLOSE, 0, 0);
    headless::pump();
    EXPECT_FALSE(forms::program_ended());
    // run() returns once the close box of the last form has been used.
    SetTimer(second->hwnd(), 1, 100, [](HWND h, UINT, UINT_PTR, DWORD) { PostMessageA(h, WM_CLOSE, 0, 0); });
    EXPECT_EQ(forms::run(), 0);
    EXPECT_TRUE(forms::program_ended());
    EXPECT_EQ(headless::window_count(), 0);
}

TEST_F(FormsTest, EveryKindOfControl) {
    forms::FormDef def;
    def.caption = "All controls";
    def.client_width = 6000;
    def.client_height = 5400;
    def.controls = {
        MakeControl(ControlKind::CommandButton, "Command1", "", 120, 120, 1200, 375, "Command", 0, 0),
        MakeControl(ControlKind::CheckBox, "Check1", "", 120, 600, 1800, 300, "Check box", 1, 0),
        MakeControl(ControlKind::OptionButton, "Option1", "", 120, 960, 1800, 300, "Option A", 2, 0),
        MakeControl(ControlKind::OptionButton, "Option2", "", 120, 1320, 1800, 300, "Option B", 3, 0),
        MakeControl(ControlKind::TextBox, "Text1", "", 120, 1740, 2400, 375, "text box", 4, 0),
        MakeControl(ControlKind::ComboBox, "Combo1", "", 120, 2250, 2400, 315, "combo", 5, 0),
        MakeControl(ControlKind::DriveList, "Drive1", "", 120, 2700, 2400, 315, "", 6, 0),
        MakeControl(ControlKind::ListBox, "List1", "", 120, 3150, 2400, 1200, "", 7, 0),
        MakeControl(ControlKind::Frame, "Frame1", "", 3000, 120, 2800, 1500, "Frame", 8, 0),
        MakeControl(ControlKind::CommandButton, "Command2", "Frame1", 240, 360, 1200, 375, "Inside", 9, 0),
        MakeControl(ControlKind::Label, "Label1", "", 3000, 1800, 2800, 300, "A label", 10, 0),
        MakeControl(ControlKind::ProgressBar, "Progress1", "", 3000, 2250, 2800, 300, "", 11, 0),
        MakeControl(ControlKind::Header, "Header1", "", 3000, 2700, 2800, 330, "", 12, 0),
        MakeControl(ControlKind::DataList, "DataList1", "", 3000, 3150, 2800, 1200, "", 13, 0),
        MakeControl(ControlKind::Custom, "Missing1", "", 0, 0, 100, 100, "", 14, 0, 0, 0, "NoSuchClass"),
    };
    forms::Form* form = forms::load_form(def, {});
    ASSERT_NE(form, nullptr);
    const std::pair<const char*, const char*> classes[] = {
        {"Combo1", "ThunderRT6ComboBox"}, {"Drive1", "ThunderRT6DriveListBox"}, {"List1", "ThunderRT6ListBox"},
        {"Progress1", "ProgressBar20WndClass"}, {"Header1", "msvb_lib_header"}, {"DataList1", "DataListWndClass"},
        {"Check1", "ThunderRT6CheckBox"}, {"Option1", "ThunderRT6OptionButton"}};
    for (auto [name, cls] : classes) {
        char actual[32] = {};
        GetClassNameA(form->control(name), actual, sizeof actual);
        EXPECT_STREQ(actual, cls) << name;
    }
    EXPECT_EQ(form->control("Missing1"), HWND()) << "an unknown class is left out";
    EXPECT_GT(SendMessageA(form->control("Drive1"), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(form->control("Drive1"), CB_GETCURSEL, 0, 0), 0);
    // Option buttons of one container are one group.
    SendMessageA(form->control("Option1"), BM_CLICK, 0, 0);
    SendMessageA(form->control("Option2"), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(form->control("Option1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(form->control("Option2"), BM_GETCHECK, 0, 0), BST_CHECKED);

    // Fill in a little for the picture.
    SendMessageA(form->control("Check1"), BM_SETCHECK, BST_CHECKED, 0);
    for (const char* s : {"first", "second", "third"}) {
        SendMessageA(form->control("List1"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessageA(form->control("DataList1"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessageA(form->control("Combo1"), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    SendMessageA(form->control("List1"), LB_SETCURSEL, 1, 0);
    SendMessageA(form->control("Progress1"), PBM_SETPOS, 60, 0);
    for (auto [text, width] : {std::pair<const char*, int>{"Name", 90}, {"Size", 50}}) {
        HDITEMA item;
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = const_cast<char*>(text);
        item.cxy = width;
        SendMessageA(form->control("Header1"), HDM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
    }
    headless::pump();
    EXPECT_TRUE(headless::save_png(form->hwnd(), testsupport::output_path("forms_every_control.png")));
}

}  // namespace
