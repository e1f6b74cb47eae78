// A colour-keyed copy built from plain blits: a monochrome mask that is white
// where the source has the key colour, the source with its key pixels blacked
// out, the destination with its non-key pixels blacked out, then OR-ed together
// and copied back in one piece.

#include "skin/art/live_dc.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
// destination AND NOT source
constexpr DWORD kMaskOut = 0x00220326;

}  // namespace

void DrawTransparentImage(HDC dstDC, LONG x, LONG y, LONG width, LONG height, HDC srcDC, LONG srcX, LONG srcY,
                          OLE_COLOR keyColor, HPALETTE palette) {
    const LONG w = width, h = height;
    // Nothing to copy; no surface of a negative size could be made anyway.
    if (w <= 0 || h <= 0) return;
    // Without a source the buffers would hold a blank bitmap, and that would be
    // composed over the destination as if it were the picture.
    if (!IsLiveDC(srcDC)) return;

    HDC display = CreateDCA("DISPLAY", "", "", nullptr);
    HPALETTE halftone;
    if (!palette) {
        halftone = CreateHalftonePalette(display);
        palette = halftone;
    }
    // A colour that does not translate leaves black as the key.
    COLORREF key = 0;
    OleTranslateColor(keyColor, palette, &key);
    key &= 0xFFFFFF;

    // The image buffer starts as a copy of the destination.
    HBITMAP imageBitmap = CreateCompatibleBitmap(display, w, h);
    HDC image = CreateCompatibleDC(display);
    HGDIOBJ imageOldBitmap = SelectObject(image, imageBitmap);
    HPALETTE imageOldPalette = SelectPalette(image, palette, TRUE);
    RealizePalette(image);
    BitBlt(image, 0, 0, w, h, dstDC, x, y, SRCCOPY);

    // A copy of the source, with the source's colours for any monochrome conversion.
    HBITMAP sourceBitmap = CreateCompatibleBitmap(display, w, h);
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, nullptr);
    HDC source = CreateCompatibleDC(display);
    HGDIOBJ sourceOldBitmap = SelectObject(source, sourceBitmap);
    HPALETTE sourceOldPalette = SelectPalette(source, palette, TRUE);
    RealizePalette(source);
    SetBkColor(source, GetBkColor(srcDC));
    SetTextColor(source, GetTextColor(srcDC));
    BitBlt(source, 0, 0, w, h, srcDC, srcX, srcY, SRCCOPY);

    HDC mask = CreateCompatibleDC(display);
    HGDIOBJ maskOldBitmap = SelectObject(mask, maskBitmap);

    // Pixels of the background colour become 1: the mask is white exactly at the key.
    SetBkColor(source, key);
    SetTextColor(source, kWhite);
    BitBlt(mask, 0, 0, w, h, source, 0, 0, SRCCOPY);

    // Key pixels of the source copy turn black.
    SetTextColor(source, kBlack);
    SetBkColor(source, kWhite);
    BitBlt(source, 0, 0, w, h, mask, 0, 0, kMaskOut);

    // The buffer keeps the destination where the mask is white and is black
    // elsewhere (a new DC's colours: text black, background white) ...
    BitBlt(image, 0, 0, w, h, mask, 0, 0, SRCAND);
    // ... and the source fills the black places.
    BitBlt(image, 0, 0, w, h, source, 0, 0, SRCPAINT);
    BitBlt(dstDC, x, y, w, h, image, 0, 0, SRCCOPY);

    SelectObject(source, sourceOldBitmap);
    DeleteObject(sourceBitmap);
    SelectPalette(source, sourceOldPalette, TRUE);
    RealizePalette(source);
    DeleteDC(source);

    SelectObject(image, imageOldBitmap);
    DeleteObject(imageBitmap);
    SelectPalette(image, imageOldPalette, FALSE);
    RealizePalette(image);
    DeleteDC(image);

    SelectObject(mask, maskOldBitmap);
    DeleteObject(maskBitmap);
    DeleteDC(mask);

    if (halftone) DeleteObject(halftone);
    DeleteDC(display);
}

}  // namespace mSkinner
