// The header's items and their rectangles, and the progress bar's range and position.

#include <cstring>

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class HeaderTest : public ControlTest {
protected:
    HWND header(std::initializer_list<std::pair<const char*, int>> items) {
        HWND hd = make("SysHeader32", HDS_BUTTONS, 10, 10, 300, 22, "", 8);
        for (const auto& [text, width] : items) {
            HDITEMA item;
            item.mask = HDI_TEXT | HDI_WIDTH;
            item.pszText = const_cast<char*>(text);
            item.cxy = width;
            SendMessageA(hd, HDM_INSERTITEMA, SendMessageA(hd, HDM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
        }
        return hd;
    }
};

TEST_F(HeaderTest, ItemsLieSideBySideFromZero) {
    HWND hd = header({{"Name", 80}, {"Size", 50}, {"Type", 0}, {"Date", 100}});
    EXPECT_EQ(SendMessageA(hd, HDM_GETITEMCOUNT, 0, 0), 4);
    struct Expect {
        int index;
        RECT rc;
    };
    const Expect expected[] = {{0, {0, 0, 80, 22}}, {1, {80, 0, 130, 22}}, {2, {130, 0, 130, 22}}, {3, {130, 0, 230, 22}}};
    for (const Expect& e : expected) {
        RECT rc{-1, -1, -1, -1};
        EXPECT_TRUE(SendMessageA(hd, HDM_GETITEMRECT, e.index, reinterpret_cast<LPARAM>(&rc)));
        EXPECT_TRUE(EqualRect(&rc, &e.rc)) << "item " << e.index << ": " << rc.left << "," << rc.top << ","
                                           << rc.right << "," << rc.bottom;
    }
    RECT untouched{1, 2, 3, 4};
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMRECT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&untouched)));
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&untouched)));
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMRECT, 0, 0));
    EXPECT_EQ(untouched.right, 3);
    // Deleting an item moves the ones after it left.
    EXPECT_TRUE(SendMessageA(hd, HDM_DELETEITEM, 0, 0));
    RECT rc{};
    SendMessageA(hd, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.right, 50);
    EXPECT_FALSE(SendMessageA(hd, HDM_DELETEITEM, 9, 0));
}

TEST_F(HeaderTest, GetItemCopiesAtMostTheBufferLessOne) {
    HWND hd = header({{"Column", 80}, {"转到", 60}});
    struct Case {
        int index;
        int room;
        const char* expected;
    };
    const Case cases[] = {{0, 256, "Column"}, {0, 4, "Col"}, {0, 1, ""}, {1, 256, "转到"}, {1, 5, "转"}};
    for (const Case& c : cases) {
        char buffer[256];
        std::memset(buffer, '#', sizeof buffer);
        HDITEMA item;
        item.mask = HDI_TEXT;
        item.pszText = buffer;
        item.cchTextMax = c.room;
        EXPECT_TRUE(SendMessageA(hd, HDM_GETITEMA, c.index, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(buffer, c.expected) << "room " << c.room;
        if (c.room < static_cast<int>(sizeof buffer)) {
            EXPECT_EQ(buffer[c.room], '#') << "nothing written past cchTextMax";
        }
    }
    HDITEMA none;
    none.mask = HDI_TEXT | HDI_WIDTH;
    EXPECT_TRUE(SendMessageA(hd, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&none))) << "no buffer: width only";
    EXPECT_EQ(none.cxy, 80);
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMA, 7, reinterpret_cast<LPARAM>(&none)));
    EXPECT_FALSE(SendMessageA(hd, HDM_GETITEMA, 0, 0));
    HDITEMA rename;
    rename.mask = HDI_TEXT;
    rename.pszText = const_cast<char*>("Title");
    EXPECT_TRUE(SendMessageA(hd, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&rename)));
    char buffer[16] = {};
    none.mask = HDI_TEXT;
    none.pszText = buffer;
    none.cchTextMax = sizeof buffer;
    SendMessageA(hd, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&none));
    EXPECT_STREQ(buffer, "Title");
    EXPECT_EQ(SendMessageA(hd, HDM_INSERTITEMA, 0, 0), -1);
}

class ProgressTest : public ControlTest {};

TEST_F(ProgressTest, RangePositionAndSteps) {
    HWND bar = make("msctls_progress32", 0, 10, 10, 100, 16, "", 9);
    struct Step {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        LRESULT answer;
        int pos_after;
    };
    const Step steps[] = {
        {PBM_GETPOS, 0, 0, 0, 0},
        {PBM_SETPOS, 40, 0, 0, 40},
        {PBM_SETPOS, 500, 0, 40, 100},  // clamped to the range
        {PBM_SETRANGE, 0, MAKELPARAM(10, 20), MAKELRESULT(0, 100), 20},
        {PBM_SETRANGE32, 0, 1000, MAKELRESULT(10, 20), 20},
        {PBM_SETSTEP, 300, 0, 10, 20},
        {PBM_STEPIT, 0, 0, 20, 320},
        {PBM_STEPIT, 0, 0, 320, 620},
        {PBM_STEPIT, 0, 0, 620, 920},
        {PBM_STEPIT, 0, 0, 920, 220},  // past the end it starts over
        {PBM_DELTAPOS, static_cast<WPARAM>(-500), 0, 220, 0},
        {PBM_SETPOS, static_cast<WPARAM>(-5), 0, 0, 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(SendMessageA(bar, s.msg, s.wp, s.lp), s.answer) << "message 0x" << std::hex << s.msg;
        EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), s.pos_after) << "after message 0x" << std::hex << s.msg;
    }
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 1000);
    // A reversed range holds a single value.
    SendMessageA(bar, PBM_SETRANGE32, 50, 10);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);
}

}  // namespace
}  // namespace controltest
