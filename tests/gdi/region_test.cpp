// Regions: construction, the five combine modes, queries, and the round-rect cut.

#include <string>

#include "platform/gdi/internal.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using RegionTest = GdiTest;
using gdi::Region;

// The region drawn as text, one row per line: '#' inside, '.' outside, over [0, w) x [0, h).
std::string picture(const Region& r, int w, int h) {
    std::string out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) out += r.contains(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

TEST(RegionShape, BooleanOperationsAgreeWithPointMembership) {
    struct Pair {
        Region a, b;
    } pairs[] = {
        {Region::rect(0, 0, 6, 4).united(Region::rect(8, 2, 10, 7)), Region::rect(3, 1, 9, 6)},
        {Region::rect(0, 0, 6, 4), Region::rect(3, 1, 9, 6)},   // two rectangles
        {Region::rect(0, 0, 3, 3), Region::rect(5, 5, 9, 6)},   // apart
        {Region::ellipse(0, 0, 9, 7), Region::round_rect(2, 1, 11, 8, 5, 5)},
    };
    for (const auto& [a, b] : pairs) {
        struct Case {
            const char* name;
            Region result;
            bool (*expect)(bool, bool);
        } cases[] = {
            {"and", a.intersected(b), [](bool p, bool q) { return p && q; }},
            {"or", a.united(b), [](bool p, bool q) { return p || q; }},
            {"xor", a.xored(b), [](bool p, bool q) { return p != q; }},
            {"diff", a.subtracted(b), [](bool p, bool q) { return p && !q; }},
        };
        for (const auto& c : cases)
            for (int y = -1; y < 10; ++y)
                for (int x = -1; x < 12; ++x)
                    ASSERT_EQ(c.result.contains(x, y), c.expect(a.contains(x, y), b.contains(x, y)))
                        << c.name << " at (" << x << ", " << y << ")";
    }
}

TEST(RegionShape, ResultsAreCanonicalSoEqualShapesCompareEqual) {
    // The same L shape built two ways.
    Region one = Region::rect(0, 0, 4, 2).united(Region::rect(0, 2, 2, 4));
    Region two = Region::rect(0, 0, 2, 4).united(Region::rect(2, 0, 4, 2));
    EXPECT_TRUE(one == two);
    EXPECT_EQ(one.rects().size(), 2u);
    // Two touching rectangles merge into one.
    EXPECT_EQ(Region::rect(0, 0, 2, 2).united(Region::rect(2, 0, 5, 2)).complexity(), SIMPLEREGION);
    EXPECT_EQ(Region::rect(0, 0, 2, 2).united(Region::rect(0, 2, 2, 5)).complexity(), SIMPLEREGION);
    EXPECT_EQ(Region::rect(0, 0, 2, 2).subtracted(Region::rect(0, 0, 2, 2)).complexity(), NULLREGION);
}

TEST(RegionShape, RoundRectForAButtonCutsExactlyTheCornerPixels) {
    // A 49 x 25 button's shape, as the skin asks for it.
    HRGN rgn = CreateRoundRectRgn(0, 0, 50, 26, 3, 3);
    const Region& r = *gdi::region_of(rgn);
    struct Pixel {
        int x, y;
        bool inside;
    } pixels[] = {
        {0, 0, false},  {48, 0, false}, {0, 24, false}, {48, 24, false},  // corners cut
        {1, 0, true},   {0, 1, true},   {47, 0, true},  {48, 1, true},    // their neighbours kept
        {1, 24, true},  {0, 23, true},  {47, 24, true}, {48, 23, true},
        {24, 12, true}, {49, 12, false}, {24, 25, false},                 // right and bottom lie outside
    };
    for (auto p : pixels) EXPECT_EQ(r.contains(p.x, p.y), p.inside) << "(" << p.x << ", " << p.y << ")";
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 49);
    EXPECT_EQ(box.bottom, 25);
    DeleteObject(rgn);
}

TEST(RegionShape, LargerCornersAndEllipsesAreSymmetricCircles) {
    EXPECT_EQ(picture(Region::round_rect(0, 0, 7, 5, 5, 5), 7, 5),
              ".#####.\n"
              "#######\n"
              "#######\n"
              "#######\n"
              ".#####.\n");
    EXPECT_EQ(picture(Region::ellipse(0, 0, 4, 4), 4, 4),
              ".##.\n"
              "####\n"
              "####\n"
              ".##.\n");
    EXPECT_EQ(picture(Region::ellipse(0, 0, 7, 7), 7, 7),
              "..###..\n"
              ".#####.\n"
              "#######\n"
              "#######\n"
              "#######\n"
              ".#####.\n"
              "..###..\n");
    // Corner sizes below 2, and sizes beyond the rectangle, stay sane.
    EXPECT_TRUE(Region::round_rect(0, 0, 5, 5, 1, 1) == Region::rect(0, 0, 5, 5));
    EXPECT_TRUE(Region::round_rect(0, 0, 5, 5, 500, 500) == Region::ellipse(0, 0, 5, 5));
}

TEST_F(RegionTest, CombineRgnModesAndResultTypes) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 0, 15, 10), dst = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        int mode;
        int type;
        RECT box;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {5, 0, 10, 10}},  {RGN_OR, SIMPLEREGION, {0, 0, 15, 10}},
        {RGN_XOR, COMPLEXREGION, {0, 0, 15, 10}}, {RGN_DIFF, SIMPLEREGION, {0, 0, 5, 10}},
        {RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}},
    };
    for (auto c : cases) {
        EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.type) << "mode " << c.mode;
        RECT box;
        GetRgnBox(dst, &box);
        EXPECT_EQ(box.left, c.box.left) << "mode " << c.mode;
        EXPECT_EQ(box.right, c.box.right) << "mode " << c.mode;
    }
    EXPECT_EQ(CombineRgn(dst, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(dst, a, b, 99), RGN_ERROR);
    EXPECT_EQ(CombineRgn(dst, a, HRGN(), RGN_AND), RGN_ERROR);
    EXPECT_EQ(CombineRgn(HRGN(), a, b, RGN_AND), RGN_ERROR);
    EXPECT_EQ(CombineRgn(dst, a, HRGN(), RGN_COPY), SIMPLEREGION) << "COPY ignores the second source";
    // The destination may be one of the sources.
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(a, 14, 9));
    EXPECT_EQ(CombineRgn(b, a, b, RGN_XOR), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(b, 0, 0));
    EXPECT_FALSE(PtInRegion(b, 5, 0));
    for (HRGN r : {a, b, dst}) DeleteObject(r);
}

TEST_F(RegionTest, QueriesAndEdits) {
    HRGN r = CreateRectRgn(10, 20, 0, 0);  // corners given the wrong way round are ordered
    RECT box;
    EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.bottom, 20);
    EXPECT_TRUE(PtInRegion(r, 0, 0));
    EXPECT_FALSE(PtInRegion(r, 10, 0)) << "right edge is outside";
    RECT touching{10, 0, 20, 5}, inside{9, 19, 30, 30};
    EXPECT_FALSE(RectInRegion(r, &touching));
    EXPECT_TRUE(RectInRegion(r, &inside));
    EXPECT_EQ(OffsetRgn(r, -5, 3), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(r, -5, 3));
    HRGN same = CreateRectRgn(-5, 3, 5, 23);
    EXPECT_TRUE(EqualRgn(r, same));
    EXPECT_TRUE(SetRectRgn(same, 0, 0, 0, 0));
    EXPECT_EQ(GetRgnBox(same, &box), NULLREGION);
    EXPECT_EQ(box.right, 0);
    EXPECT_FALSE(EqualRgn(r, same));
    RECT rc{1, 2, 3, 4};
    HRGN indirect = CreateRectRgnIndirect(&rc);
    EXPECT_TRUE(PtInRegion(indirect, 2, 3));
    for (HRGN h : {r, same, indirect}) DeleteObject(h);
}

TEST_F(RegionTest, BadInputGivesErrorsNotCrashes) {
    const HRGN dead(0x00ABCDEF);
    RECT box{1, 2, 3, 4};
    EXPECT_EQ(GetRgnBox(dead, &box), RGN_ERROR);
    EXPECT_EQ(box.left, 1) << "left untouched";
    EXPECT_EQ(OffsetRgn(dead, 1, 1), RGN_ERROR);
    EXPECT_FALSE(PtInRegion(dead, 0, 0));
    EXPECT_FALSE(RectInRegion(dead, &box));
    EXPECT_FALSE(EqualRgn(dead, dead));
    EXPECT_FALSE(SetRectRgn(dead, 0, 0, 1, 1));
    EXPECT_FALSE(CreateRectRgnIndirect(nullptr));
    HRGN r = CreateRectRgn(0, 0, 5, 5);
    EXPECT_FALSE(RectInRegion(r, nullptr));
    EXPECT_EQ(GetRgnBox(r, nullptr), RGN_ERROR);
    // Extreme coordinates saturate instead of overflowing.
    EXPECT_NE(OffsetRgn(r, INT32_MAX, INT32_MAX), RGN_ERROR);
    EXPECT_NE(OffsetRgn(r, INT32_MIN, INT32_MIN), RGN_ERROR);
    HRGN huge = CreateRectRgn(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_TRUE(PtInRegion(huge, 0, 0));
    HRGN round = CreateRoundRectRgn(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MAX);
    EXPECT_TRUE(PtInRegion(round, 0, 0));
    HRGN flat = CreateEllipticRgn(5, 5, 5, 50);
    EXPECT_EQ(GetRgnBox(flat, &box), NULLREGION);
    for (HRGN h : {r, huge, round, flat}) DeleteObject(h);
}

}  // namespace
