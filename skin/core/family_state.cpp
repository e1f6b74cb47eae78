#include "skin/core/family_state.h"

#include "skin/core/properties.h"
#include "skin/core/push_style.h"

namespace mSkinner::detail {

namespace {

void PreparePushButton(HWND hWnd) {
    HDC windowDC = GetWindowDC(hWnd);
    WindowSize size;
    GetWindowSize(hWnd, size);
    for (int i = 0; i < 4; ++i) {
        HDC face = CreateCompatibleDC(windowDC);
        HBITMAP bitmap = CreateCompatibleBitmap(windowDC, size.Width, size.Height);
        SelectObject(face, bitmap);
        SetProp(hWnd, kFaceDcNames[i], HandleToLong(face));
        SetProp(hWnd, kFaceBitmapNames[i], HandleToLong(bitmap));
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

    // The system owns the region from here on.
    SetWindowRgn(hWnd, CreateRoundRectRgn(0, 0, size.Width + 1, size.Height + 1, 3, 3), TRUE);
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

void PrepareFamilyState(HWND hWnd, ControlFamily family) {
    switch (family) {
    case ControlFamily::PushButton:
        PreparePushButton(hWnd);
        break;
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
