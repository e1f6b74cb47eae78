// The five skin images: every pixel value the art fixes, the key colour exactly
// where it belongs and nowhere else, the shapes and directions of the colours
// given by rule, and an identical rebuild after the last window lets them go.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/skin/skin_fixture.h"

namespace {

using mSkinner::SkinImage;
using mSkinner::SkinImageId;
using skintest::SkinTest;
using testsupport::PixelIs;

constexpr COLORREF kKey = 0xFF00FF;

struct ProfileRow { int row; COLORREF normal, hot, pressed, disabled; };
const ProfileRow kFaceProfile[] = {
    {0, 0xD58F1B, 0xD58F1B, 0xD58F1B, 0xE8C387},
    {1, 0xFFFFFF, 0xFBC34C, 0xFBBC39, 0xFDFBF8},
    {2, 0xFFFFFF, 0xFFEDC6, 0xF3CC86, 0xFDFBF8},
    {3, 0xFCF8F1, 0xFCEED2, 0xF3D49F, 0xFBF7F2},
    {4, 0xFBF6EE, 0xFCF2DF, 0xF3D7AB, 0xFBF7F0},
    {5, 0xFBF4EA, 0xFCF2E4, 0xF3D9B3, 0xFBF6EE},
    {6, 0xFBF2E6, 0xFCF2E2, 0xF3DBB7, 0xFBF5EC},
    {7, 0xFAF0E2, 0xFBF1E0, 0xF5DDBC, 0xFBF4EA},
    {8, 0xFAEEDE, 0xFBF0DD, 0xF6E1BF, 0xFBF3E8},
    {9, 0xF9ECDA, 0xFBEEDB, 0xF8E2C3, 0xFAF2E6},
    {10, 0xF9EAD7, 0xFBEDD9, 0xF9E4C5, 0xFAF1E5},
    {11, 0xF5E2CC, 0xF7E4CB, 0xFBEBCF, 0xF8EDDF},
    {12, 0xF3DFC8, 0xF5E1C7, 0xFBECD1, 0xF7EBDD},
    {13, 0xF1DCC3, 0xF3DEC2, 0xFCEDD4, 0xF6EADB},
    {14, 0xEFD8BE, 0xF2DBBC, 0xFCEED6, 0xF5E7D8},
    {15, 0xEDD5B8, 0xF1D7B7, 0xFCEFD6, 0xF4E6D5},
    {16, 0xEBD2B4, 0xEFD5AF, 0xFCEED1, 0xF3E4D3},
    {17, 0xEAD0B1, 0xF2D4A7, 0xFDEAC3, 0xF3E3D2},
    {18, 0xE9CFB0, 0xF3D299, 0xFDE4AE, 0xF2E3D1},
    {19, 0xF1E0CC, 0xF8BB3F, 0xFDC140, 0xF6EBDF},
    {20, 0xD58F1B, 0xD58F1B, 0xD58F1B, 0xE8C387},
};
struct CornerRow { int row; COLORREF pixels[7]; };
const CornerRow kNormalCornerRows[] = {
    {0, {0xF9E1BF, 0xE3B36B, 0xD8972C, 0xD58F1B, 0xD8972C, 0xE3B36B, 0xF9E1BF}},
    {1, {0xE2B269, 0xE7C07E, 0xFBF3E7, 0xFFFFFF, 0xFBF3E7, 0xE7C07E, 0xE2B269}},
    {2, {0xD79529, 0xFCF6EC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFCF6EC, 0xD79529}},
    {18, {0xD79528, 0xEED7BA, 0xECD6BB, 0xE9CFB0, 0xECD5BB, 0xEED7BA, 0xD79528}},
    {19, {0xE2B064, 0xE1B268, 0xEED8BB, 0xF1E0CC, 0xEED8BB, 0xE1B268, 0xE1AF62}},
    {20, {0xFBE7CA, 0xE1AE60, 0xD8962A, 0xD58F1B, 0xD8962A, 0xE1AE60, 0xFBE7CA}},
};
const CornerRow kDisabledCornerRows[] = {
    {0, {0xFBF7F2, 0xEFD5AF, 0xEAC78F, 0xE8C387, 0xEAC78F, 0xEFD5AF, 0xFBF7F2}},
    {1, {0xEFD5AE, 0xF1DCB8, 0xFBF5ED, 0xFDFBF8, 0xFBF5ED, 0xF1DCB8, 0xEFD5AE}},
    {2, {0xE9C68E, 0xFBF7EF, 0xFDFBF8, 0xFDFBF8, 0xFDFBF8, 0xFBF7EF, 0xE9C68E}},
    {18, {0xE9C68D, 0xF5E7D6, 0xF4E6D7, 0xF2E3D1, 0xF4E6D7, 0xF5E7D6, 0xE9C68D}},
    {19, {0xEFD3AB, 0xEED4AD, 0xF5E7D7, 0xF6EBDF, 0xF5E7D7, 0xEED4AD, 0xEED3AA}},
    {20, {0xFBF6F2, 0xEED2A9, 0xEAC68E, 0xE8C387, 0xEAC68E, 0xEED2A9, 0xFBF6F2}},
};
// Hot columns 1 and 3, Hot column 2, Pressed columns 5 and 7, Pressed column 6.
struct ComboRow { int row; COLORREF hotSide, hotMiddle, pressedSide, pressedMiddle; };
const ComboRow kComboFaces[] = {
    {0, 0xFFF9E8, 0xFFF9E8, 0xF3E1BE, 0xF3E1BE},
    {1, 0xFEF8E6, 0xFDEEC1, 0xF3E1C0, 0xE2B561},
    {2, 0xFEF7E4, 0xFCEBBC, 0xF4E3C1, 0xE3B865},
    {3, 0xFDF6E2, 0xFAE8B7, 0xF5E4C3, 0xE5BB6A},
    {4, 0xFDF5E0, 0xF9E5B2, 0xF5E5C6, 0xE6BE70},
    {5, 0xFCF3DE, 0xF7E1AC, 0xF6E7C8, 0xE8C276},
    {6, 0xFBF1DB, 0xF5DDA5, 0xF7E8CB, 0xEAC57C},
    {7, 0xFAF0D9, 0xF3D99F, 0xF7E9CD, 0xECC983},
    {8, 0xF9EED6, 0xF1D598, 0xF8EBD0, 0xEECD8A},
    {9, 0xF9EDD3, 0xEFD191, 0xF9EDD3, 0xEFD191},
    {10, 0xF8EBD0, 0xEECD8A, 0xF9EED6, 0xF1D598},
    {11, 0xF7E9CD, 0xECC983, 0xFAF0D9, 0xF3D99F},
    {12, 0xF7E8CB, 0xEAC57C, 0xFBF1DB, 0xF5DDA5},
    {13, 0xF6E7C8, 0xE8C276, 0xFCF3DE, 0xF7E1AC},
    {14, 0xF5E5C6, 0xE6BE70, 0xFDF5E0, 0xF9E5B2},
    {15, 0xF5E4C3, 0xE5BB6A, 0xFDF6E2, 0xFAE8B7},
    {16, 0xF4E3C1, 0xE3B865, 0xFEF7E4, 0xFCEBBC},
    {17, 0xF3E1C0, 0xF3E1C0, 0xFEF8E6, 0xFEF8E6},
};
struct HeaderRow { int row; COLORREF pixels[9]; };
const HeaderRow kHeaderRows[] = {
    {0, {0xFEF5EA, 0xFEF5EA, 0xFEF5EA, 0xFDE6BD, 0xFEEED3, 0xFDE6BD, 0xFBD797, 0xFBD797, 0xFBD797}},
    {1, {0xFEF4E9, 0xFEF4E9, 0xFEF4E9, 0xFCDEA7, 0xFFEFD6, 0xFCDEA7, 0xFACE7E, 0xFFDC9F, 0xFACE7E}},
    {2, {0xFDF4E9, 0xFDF3E8, 0xFAEFE0, 0xFCD48F, 0xFFEED3, 0xF9D18B, 0xFAC566, 0xFFDDA0, 0xF7C364}},
    {5, {0xFDF5EC, 0xFCF0E2, 0xEBD1AE, 0xFAC25E, 0xFEEBC8, 0xEAB154, 0xFAC25E, 0xFFE0A6, 0xEAB154}},
    {9, {0xFBF5ED, 0xF6E5D3, 0xD9B07A, 0xFAC25E, 0xFDE1AF, 0xDBA24B, 0xFAC25E, 0xFFE7B0, 0xDBA24B}},
    {17, {0xF6E5D3, 0xF6E5D3, 0xF3E1CC, 0xFAC25E, 0xFDE0AC, 0xF7C05C, 0xFDDD99, 0xFFF2C8, 0xFAD994}},
    {18, {0xF6E5D3, 0xF6E5D3, 0xF6E5D3, 0xFBCC73, 0xFCDDA8, 0xFBCC73, 0xFDE3A8, 0xFFF2C8, 0xFDE3A8}},
    {19, {0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0, 0xF2DAC0}},
};

// Largest difference of one channel between two colours.
int ChannelDistance(COLORREF a, COLORREF b) {
    int worst = 0;
    for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}
int Brightness(COLORREF c) { return int(c & 0xFF) + int((c >> 8) & 0xFF) + int((c >> 16) & 0xFF); }

class SkinImagesTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        mSkinner::SkinForm(HWND());
    }
    static HDC Image(SkinImageId id) { return SkinImage(id); }
};

TEST_F(SkinImagesTest, ButtonFacesKeepTheirProfilesOutlinesAndCorners) {
    HDC img = Image(SkinImageId::ButtonFace);
    for (const ProfileRow& p : kFaceProfile) {
        const COLORREF byFace[4] = {p.normal, p.hot, p.pressed, p.disabled};
        for (int face = 0; face < 4; ++face) EXPECT_TRUE(PixelIs(img, 3, 21 * face + p.row, byFace[face]));
    }
    for (int face = 0; face < 4; ++face) {
        const COLORREF outline = face == 3 ? 0xE8C387 : 0xD58F1B;
        for (int row = 3; row <= 17; ++row) {
            EXPECT_TRUE(PixelIs(img, 0, 21 * face + row, outline));
            EXPECT_TRUE(PixelIs(img, 6, 21 * face + row, outline));
        }
    }
    for (const CornerRow& c : kNormalCornerRows) {
        for (int x = 0; x < 7; ++x) EXPECT_TRUE(PixelIs(img, x, c.row, c.pixels[x]));
    }
    for (const CornerRow& c : kDisabledCornerRows) {
        for (int x = 0; x < 7; ++x) EXPECT_TRUE(PixelIs(img, x, 63 + c.row, c.pixels[x]));
    }
    // Hot and Pressed share Normal's top and bottom rows and its outline columns.
    for (int face : {1, 2}) {
        for (int row = 0; row < 21; ++row) {
            const bool wholeRow = row == 0 || row == 20;
            for (int x = 0; x < 7; ++x) {
                if (!wholeRow && x != 0 && x != 6) continue;
                EXPECT_EQ(GetPixel(img, x, 21 * face + row), GetPixel(img, x, row)) << "face " << face << " x " << x
                                                                                     << " row " << row;
            }
        }
    }
}

TEST_F(SkinImagesTest, ButtonFaceInnerColumnsFollowTheirStatedValues) {
    HDC img = Image(SkinImageId::ButtonFace);
    struct Stated {
        int face, x, row;
        COLORREF color;
    };
    const Stated stated[] = {
        {0, 1, 3, 0xFDFAF5},  {0, 1, 10, 0xFBF0E3}, {0, 1, 11, 0xF8EBDB}, {0, 1, 17, 0xF0DEC9},
        {3, 1, 3, 0xFCF8F3},  {3, 1, 17, 0xF6EADE}, {1, 1, 3, 0xFBC146},  {1, 1, 5, 0xFBC34C},
        {1, 1, 6, 0xFBC34C},  {1, 1, 7, 0xFBC34C},  {1, 1, 17, 0xF8BA39}, {1, 2, 3, 0xFDE3AE},
        {1, 2, 5, 0xFDE8C0},  {1, 2, 17, 0xF5D08F}, {2, 1, 3, 0xF9B731},  {2, 1, 14, 0xFCC145},
        {2, 1, 17, 0xFCBF3E}, {2, 2, 3, 0xF2CA83},  {2, 2, 17, 0xFEE4AE},
    };
    for (const Stated& s : stated) EXPECT_TRUE(PixelIs(img, s.x, 21 * s.face + s.row, s.color)) << "face " << s.face;

    // Normal and Disabled: the fill reaches the outline's inner neighbour.
    for (int face : {0, 3}) {
        for (int row = 2; row <= 17; ++row) {
            EXPECT_EQ(GetPixel(img, 2, 21 * face + row), GetPixel(img, 3, 21 * face + row));
            EXPECT_EQ(GetPixel(img, 4, 21 * face + row), GetPixel(img, 3, 21 * face + row));
        }
    }
    // Mirror-symmetric about column 3, within each face's small deviations.
    const int tolerance[4] = {2, 7, 7, 1};
    for (int face = 0; face < 4; ++face) {
        for (int row = 0; row < 21; ++row) {
            for (int x = 0; x < 3; ++x) {
                EXPECT_LE(ChannelDistance(GetPixel(img, x, 21 * face + row), GetPixel(img, 6 - x, 21 * face + row)),
                          tolerance[face])
                    << "face " << face << " row " << row << " column " << x;
            }
        }
    }
    // Two-stage fills: lighter above the step in Normal, Hot and Disabled, darker in Pressed.
    for (int face = 0; face < 4; ++face) {
        const int upper = Brightness(GetPixel(img, 3, 21 * face + 10));
        const int lower = Brightness(GetPixel(img, 3, 21 * face + 11));
        if (face == 2) {
            EXPECT_LT(upper, lower);
        } else {
            EXPECT_GT(upper, lower);
        }
    }
}

TEST_F(SkinImagesTest, ComboButtonFacesAndArrows) {
    HDC img = Image(SkinImageId::ComboButton);
    for (const ComboRow& r : kComboFaces) {
        const COLORREF faces[8] = {0xD1A04E, r.hotSide, r.hotMiddle, r.hotSide,
                                   0xD1A04E, r.pressedSide, r.pressedMiddle, r.pressedSide};
        for (int x = 0; x < 8; ++x) EXPECT_TRUE(PixelIs(img, x, r.row, faces[x]));
    }
    // Downward triangles 7, 5, 3, 1 wide on column 11; key colour all around.
    for (int row = 0; row < 18; ++row) {
        for (int x = 8; x <= 14; ++x) {
            const int inset = row % 4;
            const bool arrow = row < 8 && x >= 8 + inset && x <= 14 - inset;
            const COLORREF expected = !arrow ? kKey : row < 4 ? 0x5F5519 : 0xACA584;
            EXPECT_TRUE(PixelIs(img, x, row, expected));
        }
    }
}

TEST_F(SkinImagesTest, MarkGlyphsAreExactlyTheirPixelsOnKey) {
    std::vector<std::vector<COLORREF>> expected(24, std::vector<COLORREF>(18, kKey));
    struct CheckRow {
        int row;
        std::vector<int> columns;
        COLORREF enabled, disabled;
    };
    const CheckRow check[] = {
        {0, {8}, 0x1DB754, 0x8CDAA8},
        {1, {7, 8}, 0x1BB451, 0x8BD9A6},
        {2, {6, 7, 8}, 0x17AF4D, 0x89D6A4},
        {3, {0, 1, 5, 6, 7}, 0x13A948, 0x87D3A2},
        {4, {0, 1, 2, 4, 5, 6}, 0x0FA243, 0x85D09F},
        {5, {1, 2, 3, 4, 5}, 0x0A9C3E, 0x82CD9D},
        {6, {2, 3, 4}, 0x069639, 0x80C99A},
        {7, {3}, 0x029135, 0x7EC798},
    };
    for (const CheckRow& r : check) {
        for (int x : r.columns) {
            expected[r.row][x] = r.enabled;
            expected[r.row][x + 9] = r.disabled;
        }
    }
    const COLORREF squareEnabled[7] = {0x1BB451, 0x18B04E, 0x14AB49, 0x10A445, 0x0C9E40, 0x07983B, 0x069639};
    const COLORREF squareDisabled[7] = {0x8BD9A6, 0x89D6A4, 0x87D4A3, 0x86D1A0, 0x83CE9E, 0x81CA9B, 0x80C99A};
    for (int i = 0; i < 7; ++i) {
        for (int x = 1; x <= 7; ++x) expected[9 + i][x] = squareEnabled[i];
        for (int x = 10; x <= 16; ++x) expected[9 + i][x] = squareDisabled[i];
    }
    const COLORREF dotEnabled[5][5] = {
        {kKey, 0x60CC87, 0x28BA5C, 0x60CC87, kKey},
        {0x5EC883, 0x19B14F, 0x19B14F, 0x19B14F, 0x5EC883},
        {0x1DAC50, 0x12A847, 0x12A847, 0x12A847, 0x1DAC50},
        {0x54BA78, 0x0B9D3F, 0x0B9D3F, 0x0B9D3F, 0x54BA78},
        {kKey, 0x4FB473, 0x109940, 0x4FB473, kKey},
    };
    const COLORREF dotDisabled[5][5] = {
        {kKey, 0xAFE5C3, 0x93DCAD, 0xAFE5C3, kKey},
        {0xAEE3C1, 0x8CD8A7, 0x8CD8A7, 0x8CD8A7, 0xAEE3C1},
        {0x8ED5A7, 0x88D3A3, 0x88D3A3, 0x88D3A3, 0x8ED5A7},
        {0xA9DCBB, 0x85CE9F, 0x85CE9F, 0x85CE9F, 0xA9DCBB},
        {kKey, 0xA7D9B9, 0x87CC9F, 0xA7D9B9, kKey},
    };
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            expected[18 + i][2 + j] = dotEnabled[i][j];
            expected[18 + i][11 + j] = dotDisabled[i][j];
        }
    }
    HDC img = Image(SkinImageId::MarkGlyph);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 18; ++x) EXPECT_TRUE(PixelIs(img, x, y, expected[y][x]));
    }
}

// Where a pixel of a 13 x 13 option circle lies.
enum class CirclePart { Key, Straight, Diagonal, Interior };
CirclePart PartOf(int row, int x) {
    const int edgeDistance = std::min(x, 12 - x);
    const int rowDistance = std::min(row, 12 - row);
    const int keyRun[3] = {3, 2, 1};  // key pixels per side in rows 0, 1, 2 from either end
    if (rowDistance < 3 && edgeDistance < keyRun[rowDistance]) return CirclePart::Key;
    if ((rowDistance == 1 && edgeDistance == 2) || (rowDistance == 2 && edgeDistance == 1)) return CirclePart::Diagonal;
    if ((rowDistance == 0 && x >= 3 && x <= 9) || (edgeDistance == 0 && row >= 3 && row <= 9)) return CirclePart::Straight;
    return CirclePart::Interior;
}

TEST_F(SkinImagesTest, OptionCirclesHaveTheirKeyOutlineAndInteriors) {
    HDC img = Image(SkinImageId::OptionCircle);
    const COLORREF straight[4][7] = {
        {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
        {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC},
        {0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964, 0xC28B67, 0xCA9976, 0xDDBCA4},
        {0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1, 0xE9D3C2, 0xECD9CA, 0xF3E7DD},
    };
    const COLORREF diagonal[4] = {0xDBB89D, 0xDBB89D, 0xCD9F7F, 0xEDDBCE};
    int keyCount = 0;
    for (int s = 0; s < 4; ++s) {
        for (int row = 0; row < 13; ++row) {
            for (int x = 0; x < 13; ++x) {
                const COLORREF got = GetPixel(img, x, 13 * s + row);
                switch (PartOf(row, x)) {
                case CirclePart::Key:
                    keyCount += s == 0;
                    EXPECT_TRUE(PixelIs(img, x, 13 * s + row, kKey));
                    break;
                case CirclePart::Diagonal:
                    EXPECT_TRUE(PixelIs(img, x, 13 * s + row, diagonal[s]));
                    break;
                case CirclePart::Straight:
                    EXPECT_TRUE(PixelIs(img, x, 13 * s + row, straight[s][(row == 0 || row == 12) ? x - 3 : row - 3]));
                    break;
                case CirclePart::Interior:
                    EXPECT_NE(got, kKey) << "circle " << s << " (" << x << ", " << row << ")";
                    break;
                }
            }
        }
    }
    EXPECT_EQ(keyCount, 24);

    const COLORREF normalRow1[7] = {0xDFC2A9, 0xECDFD1, 0xF0E7DD, 0xF1E9DF, 0xF0E7DD, 0xECDFD1, 0xDFC2A9};
    for (int x = 3; x <= 9; ++x) EXPECT_TRUE(PixelIs(img, x, 1, normalRow1[x - 3]));
    // Normal and Disabled: symmetric, white in the middle and lower part.
    for (int s : {0, 3}) {
        for (int row = 0; row < 13; ++row) {
            for (int x = 0; x < 13; ++x) {
                EXPECT_EQ(GetPixel(img, x, 13 * s + row), GetPixel(img, 12 - x, 13 * s + row));
                if (row >= 7 && PartOf(row, x) == CirclePart::Interior) {
                    EXPECT_TRUE(PixelIs(img, x, 13 * s + row, 0xFFFFFF));
                }
            }
        }
    }
    // Hot: top left 0xF8EAC3 to bottom right 0xFDF5E1; Pressed: bottom left
    // 0xF5E1AD to top right 0xFDF1D5; never darker along the way.
    EXPECT_TRUE(PixelIs(img, 2, 13 + 2, 0xF8EAC3));
    EXPECT_TRUE(PixelIs(img, 10, 13 + 10, 0xFDF5E1));
    EXPECT_TRUE(PixelIs(img, 2, 26 + 10, 0xF5E1AD));
    EXPECT_TRUE(PixelIs(img, 10, 26 + 2, 0xFDF1D5));
    for (int i = 2; i < 10; ++i) {
        EXPECT_LE(Brightness(GetPixel(img, i, 13 + i)), Brightness(GetPixel(img, i + 1, 13 + i + 1)));
        EXPECT_LE(Brightness(GetPixel(img, i, 26 + 12 - i)), Brightness(GetPixel(img, i + 1, 26 + 12 - i - 1)));
    }
    // The check-box strips are pure interior.
    for (int top : {17, 30}) {
        for (int row = top; row < top + 5; ++row) {
            for (int x = 1; x <= 11; ++x) EXPECT_EQ(PartOf(row % 13, x), CirclePart::Interior);
        }
    }
}

TEST_F(SkinImagesTest, HeaderItemsKeepTheirTellingRowsAndRuns) {
    HDC img = Image(SkinImageId::HeaderItem);
    for (const HeaderRow& r : kHeaderRows) {
        for (int x = 0; x < 9; ++x) EXPECT_TRUE(PixelIs(img, x, r.row, r.pixels[x]));
    }
    EXPECT_TRUE(PixelIs(img, 1, 8, 0xFAECDD));
    EXPECT_TRUE(PixelIs(img, 4, 8, 0xFEE7BD));
    for (int row = 9; row <= 18; ++row) EXPECT_TRUE(PixelIs(img, 1, row, 0xF6E5D3));
    for (int row = 5; row <= 17; ++row) EXPECT_TRUE(PixelIs(img, 3, row, 0xFAC25E));
    for (int row = 9; row <= 16; ++row) EXPECT_LE(ChannelDistance(GetPixel(img, 4, row), 0xFDE1AF), 1);
    for (int row = 3; row <= 12; ++row) EXPECT_TRUE(PixelIs(img, 6, row, 0xFAC25E));
    for (int row = 16; row <= 18; ++row) EXPECT_TRUE(PixelIs(img, 7, row, 0xFFF2C8));
    // Separators are darkest at rows 9 and 10.
    for (int x : {2, 5, 8}) {
        const int darkest = Brightness(GetPixel(img, x, 9));
        EXPECT_EQ(Brightness(GetPixel(img, x, 10)), darkest);
        for (int row = 0; row < 19; ++row) EXPECT_GE(Brightness(GetPixel(img, x, row)), darkest) << x << ", " << row;
    }
}

TEST_F(SkinImagesTest, OpaqueImagesHoldNoKeyColour) {
    struct Area {
        SkinImageId id;
        int width, height;
    };
    for (const Area& a : {Area{SkinImageId::ButtonFace, 7, 84}, Area{SkinImageId::HeaderItem, 9, 20},
                          Area{SkinImageId::ComboButton, 8, 18}}) {
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) EXPECT_NE(GetPixel(Image(a.id), x, y), kKey) << x << ", " << y;
        }
    }
}

TEST_F(SkinImagesTest, ImagesComeBackIdenticalAfterRelease) {
    const int sizes[5][2] = {{7, 84}, {15, 18}, {18, 24}, {13, 52}, {9, 20}};
    std::vector<COLORREF> before;
    for (int i = 0; i < 5; ++i) {
        for (int y = 0; y < sizes[i][1]; ++y) {
            for (int x = 0; x < sizes[i][0]; ++x) before.push_back(GetPixel(Image(SkinImageId(i)), x, y));
        }
    }
    EXPECT_EQ(std::count(before.begin(), before.end(), CLR_INVALID), 0) << "every pixel lies inside its image";

    HWND form = MakeTopLevel("Form", 50, 50);
    ASSERT_EQ(mSkinner::SkinWindow(form), 1);
    ASSERT_EQ(mSkinner::UnskinWindow(form), 1);
    ASSERT_FALSE(mSkinner::IsSkinInitialised());
    ASSERT_EQ(mSkinner::SkinForm(form), 1);

    std::vector<COLORREF> after;
    for (int i = 0; i < 5; ++i) {
        for (int y = 0; y < sizes[i][1]; ++y) {
            for (int x = 0; x < sizes[i][0]; ++x) after.push_back(GetPixel(Image(SkinImageId(i)), x, y));
        }
    }
    EXPECT_EQ(before, after);
}

}  // namespace
