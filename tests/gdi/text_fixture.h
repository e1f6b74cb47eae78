#pragma once
// A memory DC with a white bitmap and the stock font, and ways to look at the
// ink that text leaves on it.

#include <string>

#include "platform/gdi/internal.h"
#include "platform/win32.h"
#include "tests/support/test_support.h"

namespace texttest {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

class TextTest : public testsupport::GdiTest {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, kWidth, kHeight);
        old_bitmap_ = SelectObject(dc_, bitmap_);
        clear(kWhite);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, kBlack);
    }
    void TearDown() override {
        SelectObject(dc_, old_bitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        GdiTest::TearDown();
    }

    void clear(COLORREF color) {
        auto surface = gdi::dc_surface(dc_);
        surface->pixels.assign(surface->pixels.size(), gdi::pixel_from_colorref(color));
        surface->take_damage();
    }

    // Pixels of rect that are not bg.
    int ink_in(const RECT& r, COLORREF bg = kWhite) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += GetPixel(dc_, x, y) != bg;
        return n;
    }
    int ink(COLORREF bg = kWhite) const { return ink_in(RECT{0, 0, kWidth, kHeight}, bg); }

    // Bounding box of the pixels that are not bg (all zero when there are none).
    RECT ink_box(COLORREF bg = kWhite) const {
        RECT box{kWidth, kHeight, -1, -1};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                if (GetPixel(dc_, x, y) == bg) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        return box.right < 0 ? RECT{} : box;
    }

    // The pixels of rect as a string of "#" (ink) and "." (bg), row by row.
    std::string picture(const RECT& r, COLORREF bg = kWhite) const {
        std::string s;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) s += GetPixel(dc_, x, y) == bg ? '.' : '#';
            s += '\n';
        }
        return s;
    }

    SIZE extent(const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }

    static constexpr int kWidth = 160;
    static constexpr int kHeight = 60;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_bitmap_;
};

inline std::string to_string(const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

}  // namespace texttest
