// The list box: items, selection by keys and mouse, and its scroll bar.

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class ListBoxTest : public ControlTest {
protected:
    HWND list(int items, int height = 80) {
        HWND lb = make("ListBox", LBS_NOTIFY | WS_VSCROLL, 10, 10, 120, height, "", 6);
        for (int i = 0; i < items; ++i) {
            std::string s = "item " + std::to_string(i);
            SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        }
        clear();
        return lb;
    }
};

TEST_F(ListBoxTest, ItemsAndSelectionMessages) {
    HWND lb = list(3);
    EXPECT_EQ(SendMessageA(lb, LB_GETCOUNT, 0, 0), 3);
    char text[32] = {};
    EXPECT_EQ(SendMessageA(lb, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 6);
    EXPECT_STREQ(text, "item 2");
    EXPECT_EQ(SendMessageA(lb, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_GETTEXT, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(lb, LB_SETCURSEL, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(codes().empty()) << "no notification for changes made by messages";
}

TEST_F(ListBoxTest, KeysAndMouseSelect) {
    HWND lb = list(3);
    SetFocus(lb);
    clear();
    headless::key_press(VK_DOWN);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 0);
    headless::key_press(VK_END);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 2);
    headless::key_press(VK_DOWN);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 2) << "stays on the last item";
    EXPECT_EQ(codes(), (std::vector<WORD>{LBN_SELCHANGE, LBN_SELCHANGE}));
    RECT item{};
    SendMessageA(lb, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT p{item.left + 5, (item.top + item.bottom) / 2};
    ClientToScreen(lb, &p);
    headless::click(p.x, p.y);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(codes().back(), LBN_SELCHANGE);
}

TEST_F(ListBoxTest, ScrollBarFollowsTheItems) {
    HWND lb = list(40);
    SCROLLINFO si{};
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(lb, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 39);
    const int page = static_cast<int>(si.nPage);
    EXPECT_GT(page, 1);
    SendMessageA(lb, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessageA(lb, LB_GETTOPINDEX, 0, 0), page);
    SendMessageA(lb, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1000), 0);
    EXPECT_EQ(SendMessageA(lb, LB_GETTOPINDEX, 0, 0), 40 - page) << "never past the last page";
    SendMessageA(lb, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageA(lb, LB_GETTOPINDEX, 0, 0), 0) << "selecting scrolls the item into view";
    EXPECT_EQ(GetScrollPos(lb, SB_VERT), 0);
}

}  // namespace
}  // namespace controltest
