// Window rectangle, window text and frame thickness, as the renderers need them.

#include <vector>

#include "skin/mSkinner.h"

namespace mSkinner {

LONG GetWindowSize(HWND hWnd, WindowSize& size) {
    RECT rect{};
    const BOOL result = GetWindowRect(hWnd, &rect);
    if (!result) rect = RECT{};
    size.Left = rect.left;
    size.Top = rect.top;
    size.Right = rect.right;
    size.Bottom = rect.bottom;
    size.Width = rect.right - rect.left;
    size.Height = rect.bottom - rect.top;
    return result;
}

std::string GetWindowCaption(HWND hWnd) {
    const int length = GetWindowTextLengthA(hWnd);
    if (length <= 0) return std::string();
    // GetWindowTextA writes a terminating NUL after the text: room for length + 1.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hWnd, buffer.data(), length + 1);
    if (copied <= 0) return std::string();
    return std::string(buffer.data(), static_cast<std::size_t>(copied < length ? copied : length));
}

LONG GetClientOffset(HWND hWnd, LONG& offsetX, LONG& offsetY) {
    RECT window{};
    RECT client{};
    GetWindowRect(hWnd, &window);
    GetClientRect(hWnd, &client);
    LONG dx = (window.right - window.left) - (client.right - client.left);
    LONG dy = (window.bottom - window.top) - (client.bottom - client.top);
    const LONG_PTR style = GetWindowLongA(hWnd, GWL_STYLE);
    // A scroll bar lies inside the frame but is not part of its thickness.
    if (style & WS_VSCROLL) dx -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) dy -= GetSystemMetrics(SM_CYHSCROLL);
    offsetX = RoundHalfEven(dx / 2.0);
    offsetY = RoundHalfEven(dy / 2.0);
    return 1;
}

}  // namespace mSkinner
