#pragma once
// Where the parts of a classic scroll bar lie. Internal to platform/user/.

#include "platform/user/wm_state.h"

namespace user {

struct ScrollBarLayout {
    RECT arrow_first{}, arrow_last{};  // up / left, down / right
    RECT track{};                      // between the arrows
    RECT thumb{};                      // inside the track when has_thumb
    bool has_thumb = false;
};

ScrollBarLayout layout_scroll_bar(const RECT& bar, bool vertical, const ScrollBarState& info);
// The bar rectangles of w in window coordinates (empty when it has none).
bool scroll_bar_rects(const Window* w, RECT* vertical, RECT* horizontal);

}  // namespace user
