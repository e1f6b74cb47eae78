#include "skin/core/family_state.h"

#include "skin/core/properties.h"
#include "skin/core/push_style.h"

namespace mSkinner::detail {

namespace {

bool PreparePushButton(HWND hWnd) {
    HDC windowDC = GetWindowDC(hWnd);
    WindowSize size;
    GetWindowSize(hWnd, size);
    HDC faces[4];
    HBITMAP bitmaps[4];
    for (int i = 0; i < 4; ++i) {
        faces[i] = CreateCompatibleDC(windowDC);
        bitmaps[i] = CreateCompatibleBitmap(windowDC, size.Width, size.Height);
        SelectObject(faces[i], bitmaps[i]);
        SetProp(hWnd, kFaceDcNames[i], HandleToLong(faces[i]));
        SetProp(hWnd, kFaceBitmapNames[i], HandleToLong(bitmaps[i]));
    }
    RenderButtonFaces(hWnd);
    ReleaseDC(hWnd, windowDC);

    const LONG_PTR style = GetWindowLongA(hWnd, GWL_STYLE);
    if (IsPlainPushStyle(style)) {
        // The button stops painting its own face; the engine's faces take over.
        SendMessageA(hWnd, BM_SETSTYLE, BS_OWNERDRAW, -1);
    }
    SetProp(hWnd, kOldStyle, style);
    SetProp(hWnd, kMouseFlag, 0);
    SetProp(hWnd, kTimerId, 0);
    SetProp(hWnd, kOldState, IsWindowEnabled(hWnd) ? SkinState::Normal : SkinState::Disabled);
    SetProp(hWnd, kAlphaLevel, 0);

    // The system owns the region from here on, once it has taken it.
    HRGN shape = CreateRoundRectRgn(0, 0, size.Width + 1, size.Height + 1, 3, 3);
    if (!SetWindowRgn(hWnd, shape, TRUE)) DeleteObject(shape);

    // The button's own procedure may destroy it while it answers us; its
    // properties went with it, so the faces are freed from here.
    if (!IsWindow(hWnd)) {
        for (int i = 0; i < 4; ++i) {
            DeleteDC(faces[i]);
            DeleteObject(bitmaps[i]);
        }
        return false;
    }
    return true;
}

void ReleasePushButton(HWND hWnd) {
    for (int i = 0; i < 4; ++i) {
        DeleteDC(LongToHandle<HDC>(GetProp(hWnd, kFaceDcNames[i])));
        DeleteObject(LongToHandle<HBITMAP>(GetProp(hWnd, kFaceBitmapNames[i])));
        RemovePropA(hWnd, kFaceDcNames[i]);
        RemovePropA(hWnd, kFaceBitmapNames[i]);
    }
    StopSkinTimer(hWnd);
    // The whole captured style goes back, owner-draw switch included.
    SetWindowLongA(hWnd, GWL_STYLE, GetProp(hWnd, kOldStyle));
    for (LPCSTR name : {kOldStyle, kMouseFlag, kTimerId, kOldState, kAlphaLevel}) RemovePropA(hWnd, name);
    SetWindowRgn(hWnd, HRGN(), TRUE);
}

}  // namespace

bool PrepareFamilyState(HWND hWnd, ControlFamily family) {
    switch (family) {
    case ControlFamily::PushButton:
        return PreparePushButton(hWnd);
    case ControlFamily::ComboBox:
    case ControlFamily::DriveList:
    case ControlFamily::CheckBox:
    case ControlFamily::OptionButton:
        SetProp(hWnd, kMouseFlag, 0);
        SetProp(hWnd, kOldState, SkinState::Normal);
        break;
    case ControlFamily::Header:
        SetProp(hWnd, kMouseFlag, 0);
        SetProp(hWnd, kHdIndex, -1);
        SetProp(hWnd, kHmIndex, -1);
        break;
    default:
        break;
    }
    return IsWindow(hWnd) != 0;
}

void ReleaseFamilyState(HWND hWnd, ControlFamily family) {
    switch (family) {
    case ControlFamily::PushButton:
        ReleasePushButton(hWnd);
        break;
    case ControlFamily::ComboBox:
    case ControlFamily::DriveList:
    case ControlFamily::CheckBox:
    case ControlFamily::OptionButton:
        RemovePropA(hWnd, kMouseFlag);
        RemovePropA(hWnd, kOldState);
        break;
    case ControlFamily::Header:
        RemovePropA(hWnd, kMouseFlag);
        RemovePropA(hWnd, kHdIndex);
        RemovePropA(hWnd, kHmIndex);
        break;
    default:
        break;
    }
}

}  // namespace mSkinner::detail
