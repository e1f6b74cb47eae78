// Nine-slice drawing: corners copied one to one, edges stretched along their
// length, the centre stretched both ways. Composed on a scratch surface and put
// on the destination with one copy (or one keyed copy).

#include "skin/art/live_dc.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

struct Piece {
    bool drawn;
    bool stretched;
    LONG dx, dy, dw, dh;  // on the scratch surface
    LONG sx, sy, sw, sh;  // in the source
};

}  // namespace

LONG DrawSlicedImage(HDC dstDC, LONG x, LONG y, LONG width, LONG height, HDC srcDC, LONG srcX, LONG srcY,
                     LONG srcWidth, LONG srcHeight, LONG leftMargin, LONG topMargin, LONG rightMargin,
                     LONG bottomMargin, std::optional<COLORREF> keyColor) {
    const LONG W = width, H = height, sx = srcX, sy = srcY, sw = srcWidth, sh = srcHeight;
    const LONG L = leftMargin, T = topMargin, R = rightMargin, B = bottomMargin;
    // A negative size is as empty as a zero one: nothing to compose.
    if (W <= 0 || H <= 0 || sw <= 0 || sh <= 0) return 0;
    // A missing source (an image that could not be made) draws nothing rather
    // than a blank scratch surface.
    if (!IsLiveDC(srcDC)) return 0;

    HDC scratch = CreateMemoryDC(W, H);
    if (!scratch) return 0;

    // Later pieces overwrite earlier ones where they overlap.
    const Piece pieces[] = {
        {L > 0 && T > 0, false, 0, 0, L, T, sx, sy, L, T},
        {R > 0 && T > 0, false, W - R, 0, R, T, sx + sw - R, sy, R, T},
        {L > 0 && B > 0, false, 0, H - B, L, B, sx, sy + sh - B, L, B},
        {R > 0 && B > 0, false, W - R, H - B, R, B, sx + sw - R, sy + sh - B, R, B},
        {L > 0, true, 0, T, L, H - T - B, sx, sy + T, L, sh - T - B},
        {R > 0, true, W - R, T, R, H - T - B, sx + sw - R, sy + T, R, sh - T - B},
        {T > 0, true, L, 0, W - L - R, T, sx + L, sy, sw - L - R, T},
        {B > 0, true, L, H - B, W - L - R, B, sx + L, sy + sh - B, sw - L - R, B},
        {true, true, L, T, W - L - R, H - T - B, sx + L, sy + T, sw - L - R, sh - T - B},
    };
    for (const Piece& p : pieces) {
        if (!p.drawn) continue;
        if (p.stretched) {
            StretchBlt(scratch, p.dx, p.dy, p.dw, p.dh, srcDC, p.sx, p.sy, p.sw, p.sh, SRCCOPY);
        } else {
            BitBlt(scratch, p.dx, p.dy, p.dw, p.dh, srcDC, p.sx, p.sy, SRCCOPY);
        }
    }

    LONG result = 1;
    if (keyColor) {
        DrawTransparentImage(dstDC, x, y, W, H, scratch, 0, 0, *keyColor, HPALETTE());
    } else {
        result = BitBlt(dstDC, x, y, W, H, scratch, 0, 0, SRCCOPY);
    }
    DeleteMemoryDC(scratch);
    return result;
}

}  // namespace mSkinner
