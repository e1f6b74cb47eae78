#pragma once
// The colours of the five skin images, one table per image, rows from the top,
// 0xBBGGRR values. BuildSkinImages writes them pixel by pixel.

#include "skin/mSkinner.h"

namespace mSkinner::art {

// Pixels that are never drawn.
inline constexpr COLORREF kKey = SkinKeyColor;

extern const COLORREF kButtonFacePixels[84][7];
extern const COLORREF kComboButtonPixels[18][15];
extern const COLORREF kMarkGlyphPixels[24][18];
extern const COLORREF kOptionCirclePixels[52][13];
extern const COLORREF kHeaderItemPixels[20][9];

}  // namespace mSkinner::art
