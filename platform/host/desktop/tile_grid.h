#pragma once
// The screen surface is shown as a grid of square tiles, each its own texture, so
// that a drawing (one button's fade step, say) re-uploads only the tiles it
// touched and GTK repaints only where those tiles changed.

#include <algorithm>
#include <vector>

#include "platform/win32/types.h"

namespace desktop {

class TileGrid {
public:
    static constexpr int kTileSize = 64;

    // A new surface size: every tile is stale.
    void reset(int width, int height) {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        columns_ = (width_ + kTileSize - 1) / kTileSize;
        rows_ = (height_ + kTileSize - 1) / kTileSize;
        stale_.assign(static_cast<std::size_t>(columns_) * rows_, true);
    }

    // Marks the tiles r touches (surface coordinates; clipped to the surface).
    void mark(const RECT& r) {
        int left = std::max<int>(r.left, 0), top = std::max<int>(r.top, 0);
        int right = std::min<int>(r.right, width_), bottom = std::min<int>(r.bottom, height_);
        if (left >= right || top >= bottom) return;
        for (int row = top / kTileSize; row <= (bottom - 1) / kTileSize; ++row)
            for (int col = left / kTileSize; col <= (right - 1) / kTileSize; ++col)
                stale_[static_cast<std::size_t>(row) * columns_ + col] = true;
    }

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int count() const { return columns_ * rows_; }
    bool stale(int index) const { return stale_[static_cast<std::size_t>(index)]; }
    void clear(int index) { stale_[static_cast<std::size_t>(index)] = false; }

    // The surface rectangle of tile index (the last row and column may be narrower).
    RECT tile_rect(int index) const {
        int col = index % columns_, row = index / columns_;
        RECT r;
        r.left = col * kTileSize;
        r.top = row * kTileSize;
        r.right = std::min(r.left + kTileSize, width_);
        r.bottom = std::min(r.top + kTileSize, height_);
        return r;
    }

private:
    int width_ = 0, height_ = 0, columns_ = 0, rows_ = 0;
    std::vector<bool> stale_;
};

}  // namespace desktop
