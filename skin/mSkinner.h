#pragma once
// mSkinner: the skin engine. One module of free functions over window handles;
// every per-window fact lives in window properties on the window itself, and the
// module keeps only an initialised flag, a leave-tracking flag, the count of
// attached windows and the five skin images.
//
// The program calls SkinForm once with its form; everything else is reached
// through the router SkinWindowProc, which SkinWindow installs in every window
// it attaches.

#include <optional>
#include <string>

#include "platform/win32.h"

namespace mSkinner {

// ---- Kinds of control, told apart by lower-cased class name ----
enum class ControlFamily {
    Container,
    PushButton,
    ComboBox,
    DriveList,
    CheckBox,
    OptionButton,
    ProgressBar,
    Header,
    DataList,
    DropList,
    Grid,
    Other,
};

// The visual state of a skinned control, also the index of a push button's
// four faces and of the frames of the skin images.
enum SkinState : LONG {
    Normal = 0,
    Hot = 1,
    Pressed = 2,
    Disabled = 3,
};

// The window rectangle (screen coordinates, frame included) and its size.
struct WindowSize {
    LONG Left = 0;
    LONG Top = 0;
    LONG Right = 0;
    LONG Bottom = 0;
    LONG Width = 0;
    LONG Height = 0;
};

// The five skin images, in the order they are built and released.
enum class SkinImageId {
    ButtonFace,
    ComboButton,
    MarkGlyph,
    OptionCircle,
    HeaderItem,
};

// The key colour of the skin art: pixels of this colour are not drawn.
inline constexpr COLORREF SkinKeyColor = 0xFF00FF;

// ---- Control families ----
std::string GetWindowClassName(HWND hWnd);
ControlFamily GetControlFamily(HWND hWnd);

// ---- Attach and detach ----
// Prepares the engine on its first call (leave-tracking probe, skin images),
// then attaches hWnd. Returns SkinWindow's result.
LONG SkinForm(HWND hWnd);
// 1 when hWnd was attached now; 0 for handle 0, a handle that names no window,
// a window attached already, or one that its own procedure destroyed while it
// was being attached (nothing made for it is left behind).
LONG SkinWindow(HWND hWnd);
// 1 when hWnd was detached now; 0 for handle 0 or a window not attached.
LONG UnskinWindow(HWND hWnd);
BOOL EnumSkinChild(HWND hWnd, LPARAM lParam);
BOOL EnumUnskinChild(HWND hWnd, LPARAM lParam);
// -1 when the module can be found or loaded and exports the function, else 0.
SHORT IsApiExported(LPCSTR functionName, LPCSTR moduleName);

// ---- The router every attached window runs through ----
LRESULT SkinWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Fade timer (identifier 1, 15 ms) ----
LONG StartSkinTimer(HWND hWnd);
LONG StopSkinTimer(HWND hWnd);

// ---- Memory DCs and image blits ----
// A DC with a display-compatible bitmap of width x height, or 0. Release it with
// DeleteMemoryDC, which frees the bitmap with the DC.
HDC CreateMemoryDC(LONG width, LONG height);
void DeleteMemoryDC(HDC hdc);
// Draws the source rectangle over the destination rectangle keeping the four
// margins unscaled. With a key colour the composed picture is drawn through
// DrawTransparentImage. 0 when a size is zero or negative (nothing drawn); the
// final BitBlt's result on the opaque path; 1 on the keyed path.
LONG DrawSlicedImage(HDC dstDC, LONG x, LONG y, LONG width, LONG height, HDC srcDC, LONG srcX, LONG srcY,
                     LONG srcWidth, LONG srcHeight, LONG leftMargin, LONG topMargin, LONG rightMargin,
                     LONG bottomMargin, std::optional<COLORREF> keyColor = std::nullopt);
// Copies width x height from the source to the destination, leaving the
// destination as it is where the source pixel is the key colour (an OLE colour).
void DrawTransparentImage(HDC dstDC, LONG x, LONG y, LONG width, LONG height, HDC srcDC, LONG srcX, LONG srcY,
                          OLE_COLOR keyColor, HPALETTE palette = HPALETTE());

// ---- Skin images ----
void BuildSkinImages();
// Deletes the five images and clears the initialised flag; the last detach does
// this, and a program (or a test) that called SkinForm(0) may do it itself.
void ReleaseSkinImages();
HDC SkinImage(SkinImageId which);

// ---- Module state, read-only views ----
LONG SkinnedWindowCount();
bool IsSkinInitialised();
// True when user32's TrackMouseEvent is used for leave notifications.
bool UsesUser32LeaveTracking();

// ---- Geometry shared by every routine that halves or scales a size ----
// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
LONG RoundHalfEven(double value);

// ---- Drawing helpers (rectangles as x, y, width, height) ----
LONG FillSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color);
LONG FrameSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color);
LONG DrawFocusBox(HDC hdc, LONG x, LONG y, LONG width, LONG height);
LONG DrawTextInRect(HDC hdc, const std::string& text, LONG x, LONG y, LONG width, LONG height, UINT format);
LONG GetWindowSize(HWND hWnd, WindowSize& size);
std::string GetWindowCaption(HWND hWnd);
LONG GetClientOffset(HWND hWnd, LONG& offsetX, LONG& offsetY);

// ---- Push buttons ----
void RenderButtonFaces(HWND hWnd);
LONG DrawPushButton(HWND hWnd, HDC hDC);

// ---- Message handlers: the previous procedure, the window and the message, by
// reference; each returns the message result ----
LRESULT OnSize(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnActivate(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnSetFocus(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnKillFocus(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnEnable(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnPaint(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnWindowPosChanging(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnNcPaint(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnKeyDown(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnKeyUp(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnTimer(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnMouseMove(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnLButtonDown(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnLButtonUp(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnLButtonDblClk(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
LRESULT OnMouseLeave(WNDPROC& oldProc, HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam);
// Child-enumeration callback run after every left-button release: repaints the
// attached check boxes and option buttons under the same parent. Always 1.
BOOL RefreshOptionSibling(HWND hWnd, LPARAM lParam);

}  // namespace mSkinner
