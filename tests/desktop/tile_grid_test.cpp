// The desktop host re-uploads only the tiles a drawing touched.

#include <gtest/gtest.h>

#include <vector>

#include "platform/host/desktop/tile_grid.h"

namespace {

std::vector<int> StaleTiles(const desktop::TileGrid& grid) {
    std::vector<int> stale;
    for (int i = 0; i < grid.count(); ++i)
        if (grid.stale(i)) stale.push_back(i);
    return stale;
}

desktop::TileGrid CleanGrid(int width, int height) {
    desktop::TileGrid grid;
    grid.reset(width, height);
    for (int i = 0; i < grid.count(); ++i) grid.clear(i);
    return grid;
}

TEST(TileGridTest, ANewSurfaceIsStaleEverywhere) {
    desktop::TileGrid grid;
    grid.reset(274, 573);
    EXPECT_EQ(grid.columns(), 5);
    EXPECT_EQ(grid.rows(), 9);
    EXPECT_EQ(StaleTiles(grid).size(), 45u);
}

TEST(TileGridTest, DamageMarksOnlyTheTilesItTouches) {
    struct Case {
        const char* what;
        RECT damage;
        std::vector<int> stale;
    };
    // 274 x 573 is 5 columns by 9 rows of 64-pixel tiles.
    const Case cases[] = {
        {"Form1's exit button", {216, 536, 265, 561}, {43, 44}},
        {"exactly one tile, edges on the grid", {64, 64, 128, 128}, {6}},
        {"one pixel", {63, 63, 64, 64}, {0}},
        {"partly above and left of the surface", {-10, -10, 5, 5}, {0}},
        {"partly below and right of the surface", {270, 570, 400, 700}, {44}},
        {"wholly outside", {300, 0, 400, 10}, {}},
        {"empty", {10, 10, 10, 20}, {}},
        {"inverted", {20, 20, 10, 10}, {}},
    };
    for (const Case& c : cases) {
        desktop::TileGrid grid = CleanGrid(274, 573);
        grid.mark(c.damage);
        EXPECT_EQ(StaleTiles(grid), c.stale) << c.what;
    }
}

TEST(TileGridTest, EdgeTilesAreCutToTheSurface) {
    desktop::TileGrid grid = CleanGrid(274, 573);
    RECT last = grid.tile_rect(grid.count() - 1);
    EXPECT_EQ(last.left, 256);
    EXPECT_EQ(last.top, 512);
    EXPECT_EQ(last.right, 274);
    EXPECT_EQ(last.bottom, 573);
}

TEST(TileGridTest, EmptyAndNegativeSizesHaveNoTiles) {
    for (auto [w, h] : {std::pair{0, 0}, std::pair{-5, 20}, std::pair{20, -5}}) {
        desktop::TileGrid grid;
        grid.reset(w, h);
        EXPECT_EQ(grid.count(), 0);
        grid.mark(RECT{0, 0, 100, 100});  // nothing to mark, nothing to crash
    }
}

}  // namespace
