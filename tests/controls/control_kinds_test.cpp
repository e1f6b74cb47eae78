// One row per kind of control: what a click on it makes its parent hear, and
// which WM_CTLCOLOR* message it asks its parent for colours with.

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

struct KindCase {
    const char* cls;
    DWORD style;
    std::vector<WORD> click_codes;  // WM_COMMAND codes after one click at its centre
    UINT colour_message;            // 0: asks none
};

class ControlKinds : public ControlTest {};

TEST_F(ControlKinds, ClickAndColoursPerKind) {
    const KindCase cases[] = {
        {"Button", BS_PUSHBUTTON, {BN_CLICKED}, WM_CTLCOLORBTN},
        {"Button", BS_DEFPUSHBUTTON, {BN_CLICKED}, WM_CTLCOLORBTN},
        {"Button", BS_AUTOCHECKBOX, {BN_CLICKED}, WM_CTLCOLORSTATIC},
        {"Button", BS_AUTO3STATE, {BN_CLICKED}, WM_CTLCOLORSTATIC},
        {"Button", BS_AUTORADIOBUTTON, {BN_CLICKED}, WM_CTLCOLORSTATIC},
        {"Button", BS_USERBUTTON, {BN_CLICKED}, WM_CTLCOLORBTN},
        {"Button", BS_GROUPBOX, {}, WM_CTLCOLORSTATIC},
        {"Edit", ES_AUTOHSCROLL, {EN_SETFOCUS}, WM_CTLCOLOREDIT},
        {"Edit", ES_READONLY, {EN_SETFOCUS}, WM_CTLCOLORSTATIC},
        {"Static", SS_LEFT, {}, WM_CTLCOLORSTATIC},
        {"ComboBox", CBS_DROPDOWNLIST, {CBN_SETFOCUS, CBN_DROPDOWN}, WM_CTLCOLOREDIT},
        {"ListBox", LBS_NOTIFY, {LBN_SETFOCUS, LBN_SELCHANGE}, WM_CTLCOLORLISTBOX},
        {"SysHeader32", HDS_BUTTONS, {}, 0},
        {"msctls_progress32", 0, {}, 0},
        {"Frame", 0, {}, WM_CTLCOLORSTATIC},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " style " + std::to_string(c.style));
        HWND h = make(c.cls, c.style, 20, 20, 120, 60, "Caption", 5);
        ASSERT_TRUE(IsWindow(h));
        SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
        SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
        InvalidateRect(h, nullptr, TRUE);
        clear();
        headless::pump();
        if (c.colour_message) {
            ASSERT_GE(count(c.colour_message), 1) << "asks its parent for colours";
            EXPECT_EQ(notices.front().lp, HandleToLong(h));
        } else {
            EXPECT_EQ(count(WM_CTLCOLORSTATIC) + count(WM_CTLCOLORBTN) + count(WM_CTLCOLOREDIT), 0);
        }
        // Clicks land at the control's top-left part, where every kind reacts.
        RECT rc{};
        GetWindowRect(h, &rc);
        clear();
        headless::click(rc.left + 8, rc.top + 8);
        EXPECT_EQ(codes(), c.click_codes);
        for (const Notice& n : notices) {
            if (n.msg == WM_COMMAND) {
                EXPECT_EQ(n.id, 5);
            }
        }
        if (std::string(c.cls) == "ComboBox") {
            EXPECT_TRUE(SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0));
        }
        DestroyWindow(h);
        headless::pump();
        EXPECT_EQ(headless::window_count(), 1) << "only the parent is left";
    }
}

}  // namespace
}  // namespace controltest
