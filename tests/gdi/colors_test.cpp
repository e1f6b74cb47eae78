// System colours and OLE colour translation.

#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using ColorTest = GdiTest;

TEST_F(ColorTest, ClassicSchemeIsConsistent) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(1000), 0u);
}

TEST_F(ColorTest, SetSysColorsChangesColoursAndTheirBrushes) {
    const int index = COLOR_BTNFACE;
    const COLORREF saved = GetSysColor(index);
    const COLORREF grey = RGB(240, 240, 240);
    ASSERT_TRUE(SetSysColors(1, &index, &grey));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), grey);
    LOGBRUSH lb;
    ASSERT_TRUE(GetObjectA(GetSysColorBrush(COLOR_BTNFACE), sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, grey) << "the system brush follows the colour";
    EXPECT_FALSE(SetSysColors(1, nullptr, &grey));
    EXPECT_TRUE(SetSysColors(1, &index, &saved));
    EXPECT_FALSE(GetSysColorBrush(-1));
    EXPECT_FALSE(GetSysColorBrush(99));
}

TEST_F(ColorTest, OleTranslateColor) {
    struct Case {
        OLE_COLOR in;
        HRESULT result;
        COLORREF out;
    } cases[] = {
        {RGB(255, 0, 255), S_OK, RGB(255, 0, 255)},
        {0, S_OK, 0},
        {0x80000000u | COLOR_BTNFACE, S_OK, GetSysColor(COLOR_BTNFACE)},
        {0x80000000u | COLOR_WINDOWTEXT, S_OK, GetSysColor(COLOR_WINDOWTEXT)},
        {0x80000000u | 200, E_INVALIDARG, 0x12345678},
        {0x80010005u, E_INVALIDARG, 0x12345678},
        {0x01000003u, E_INVALIDARG, 0x12345678},  // palette index
        {0xFF000000u, E_INVALIDARG, 0x12345678},
    };
    for (auto c : cases) {
        COLORREF out = 0x12345678;
        EXPECT_EQ(OleTranslateColor(c.in, HPALETTE(), &out), c.result) << std::hex << c.in;
        EXPECT_EQ(out, c.out) << std::hex << c.in;
    }
    EXPECT_EQ(OleTranslateColor(RGB(1, 2, 3), HPALETTE(), nullptr), S_OK);
}

}  // namespace
