#pragma once
// The names of the window properties the engine keeps on each window, and small
// typed accessors over SetPropA / GetPropA. A property that was never set reads 0.

#include "platform/win32.h"

namespace mSkinner {

inline constexpr LPCSTR kProcAddr = "PROCADDR";      // previous window procedure; nonzero while attached
inline constexpr LPCSTR kOldStyle = "OLDSTYLE";      // push button: style before attach changed it
inline constexpr LPCSTR kMouseFlag = "MOUSEFLAG";    // 1 while a leave notification is pending
inline constexpr LPCSTR kTimerId = "TIMERID";        // running fade timer, 0 for none
inline constexpr LPCSTR kOldState = "OLDSTATE";      // the SkinState shown (or last drawn)
inline constexpr LPCSTR kAlphaLevel = "ALPHALEVEL";  // opacity of the next push-button draw
inline constexpr LPCSTR kHdIndex = "HDINDEX";        // header item held down, -1 for none
inline constexpr LPCSTR kHmIndex = "HMINDEX";        // header item under the mouse, -1 for none

// "HDC0".."HDC3" and "BMP0".."BMP3": the prefix and the decimal face index.
inline constexpr LPCSTR kFaceDcNames[4] = {"HDC0", "HDC1", "HDC2", "HDC3"};
inline constexpr LPCSTR kFaceBitmapNames[4] = {"BMP0", "BMP1", "BMP2", "BMP3"};

inline LONG_PTR GetProp(HWND hWnd, LPCSTR name) { return GetPropA(hWnd, name); }
inline void SetProp(HWND hWnd, LPCSTR name, LONG_PTR value) { SetPropA(hWnd, name, value); }

inline WNDPROC GetPreviousProc(HWND hWnd) { return reinterpret_cast<WNDPROC>(GetPropA(hWnd, kProcAddr)); }

// A face index is used only after it is known to be 0..3; anything else names no face.
inline HDC GetFaceDC(HWND hWnd, LONG_PTR state) {
    if (state < 0 || state > 3) return HDC();
    return LongToHandle<HDC>(GetPropA(hWnd, kFaceDcNames[state]));
}

}  // namespace mSkinner
