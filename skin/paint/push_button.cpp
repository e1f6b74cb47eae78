// Push buttons are never painted from scratch on a state change: each keeps four
// faces (Normal, Hot, Pressed, Disabled) the size of the whole window, and
// showing a state is one constant-alpha blend of its face over the window.
// Repeated blends at rising alpha make the cross-fade.

#include "skin/core/properties.h"
#include "skin/core/push_style.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

constexpr LONG kFaceWidth = 7;
constexpr LONG kFaceHeight = 21;
constexpr LONG kFaceMargin = 3;
constexpr COLORREF kCaptionColor = 0x000000;
constexpr COLORREF kDisabledCaptionColor = 0x968A79;
// Caption and focus rectangle share this inset from the window's edge.
constexpr LONG kCaptionInset = 2;
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

}  // namespace

void RenderButtonFaces(HWND hWnd) {
    WindowSize size;
    GetWindowSize(hWnd, size);
    const std::string caption = GetWindowCaption(hWnd);
    const LONG W = size.Width, H = size.Height;
    HDC faceImage = SkinImage(SkinImageId::ButtonFace);

    for (int i = 0; i < 4; ++i) {
        HDC face = LongToHandle<HDC>(GetPropA(hWnd, kFaceDcNames[i]));
        HFONT font = LongToHandle<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0));
        if (font) SelectObject(face, font);
        SetBkMode(face, TRANSPARENT);
        DrawSlicedImage(face, 0, 0, W, H, faceImage, 0, kFaceHeight * i, kFaceWidth, kFaceHeight, kFaceMargin,
                        kFaceMargin, kFaceMargin, kFaceMargin);
        SetTextColor(face, i == SkinState::Disabled ? kDisabledCaptionColor : kCaptionColor);
        DrawTextInRect(face, caption, kCaptionInset, kCaptionInset, W - 2 * kCaptionInset, H - 2 * kCaptionInset,
                       kCaptionFormat);
        // While the button has the focus every face carries the mark, so a fade
        // between states never makes it flicker.
        if (GetFocus() == hWnd) {
            DrawFocusBox(face, kCaptionInset, kCaptionInset, W - 2 * kCaptionInset, H - 2 * kCaptionInset);
        }
    }
}

LONG DrawPushButton(HWND hWnd, HDC hDC) {
    // A disabled button shows its disabled face whatever a handler asked for;
    // this holds also for the styles that are not drawn here.
    if (!IsWindowEnabled(hWnd)) SetPropA(hWnd, kOldState, SkinState::Disabled);
    if (!IsPlainPushStyle(GetPropA(hWnd, kOldStyle))) return 0;

    WindowSize size;
    GetWindowSize(hWnd, size);
    const LONG_PTR state = GetPropA(hWnd, kOldState);
    const LONG_PTR alpha = GetPropA(hWnd, kAlphaLevel);
    HDC face = GetFaceDC(hWnd, state);

    HDC target = hDC ? hDC : GetWindowDC(hWnd);
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = static_cast<BYTE>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha);
    blend.AlphaFormat = 0;
    AlphaBlend(target, 0, 0, size.Width, size.Height, face, 0, 0, size.Width, size.Height, blend);
    if (!hDC) ReleaseDC(hWnd, target);
    return 0;
}

}  // namespace mSkinner
