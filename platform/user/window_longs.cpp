// Class name, window longs (GWL_xxx and the extra bytes) and window text.

#include <algorithm>
#include <cstring>

#include "platform/host/host.h"
#include "platform/user/wm_state.h"

using namespace user;

namespace {

// Extra bytes hold pointer-sized values; a slot of 4 bytes at the end of the
// area still reads and writes as a 32-bit value.
bool extra_access(Window* w, int index, std::size_t* size) {
    if (index < 0) return false;
    std::size_t at = static_cast<std::size_t>(index);
    if (at + sizeof(LONG_PTR) <= w->extra.size()) {
        *size = sizeof(LONG_PTR);
        return true;
    }
    if (at + sizeof(std::int32_t) <= w->extra.size()) {
        *size = sizeof(std::int32_t);
        return true;
    }
    return false;
}

}  // namespace

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    Window* w = find_window(hwnd);
    if (!w || !buffer || size <= 0) return 0;
    int n = std::min<int>(static_cast<int>(w->cls->name.size()), size - 1);
    std::memcpy(buffer, w->cls->name.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

LONG_PTR GetWindowLongA(HWND hwnd, int index) {
    Window* w = find_window(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_HINSTANCE: return static_cast<LONG_PTR>(w->instance.value);
    case GWL_HWNDPARENT: return HandleToLong(w->parent ? w->parent : w->owner);
    case GWL_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->ex_style);
    case GWL_USERDATA: return w->user_data;
    default: break;
    }
    std::size_t size;
    if (!extra_access(w, index, &size)) return 0;
    if (size == sizeof(LONG_PTR)) {
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    std::int32_t v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    return v;
}

LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = find_window(hwnd);
    if (!w) return 0;
    LONG_PTR old = 0;
    switch (index) {
    case GWL_WNDPROC:
        if (!value) return 0;  // a window always has a procedure
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWL_HINSTANCE:
        old = static_cast<LONG_PTR>(w->instance.value);
        w->instance = LongToHandle<HINSTANCE>(value);
        return old;
    case GWL_HWNDPARENT: {
        old = HandleToLong(w->parent ? w->parent : w->owner);
        if (!w->parent) {
            Window* o = top_level_of(find_window(LongToHandle<HWND>(value)));
            w->owner = o && o != w ? o->self : HWND();
        }
        return old;
    }
    case GWL_ID:
        old = w->id;
        w->id = value;
        return old;
    case GWL_STYLE:
        // Only the bits change: no showing, hiding or enabling happens here.
        old = static_cast<LONG_PTR>(w->style);
        w->style = static_cast<DWORD>(value);
        return old;
    case GWL_EXSTYLE:
        old = static_cast<LONG_PTR>(w->ex_style);
        w->ex_style = static_cast<DWORD>(value);
        return old;
    case GWL_USERDATA:
        old = w->user_data;
        w->user_data = value;
        return old;
    default: break;
    }
    std::size_t size;
    if (!extra_access(w, index, &size)) return 0;
    old = GetWindowLongA(hwnd, index);
    if (size == sizeof(LONG_PTR)) {
        std::memcpy(w->extra.data() + index, &value, sizeof value);
    } else {
        auto v = static_cast<std::int32_t>(value);
        std::memcpy(w->extra.data() + index, &v, sizeof v);
    }
    return old;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!find_window(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    if (!find_window(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
    if (!find_window(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
