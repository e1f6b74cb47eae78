// Window classes: registration, look-up by name (case-insensitive), removal.

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "platform/user/wm_state.h"

namespace user {

namespace {

bool brush_is_system_colour(HBRUSH b) { return b.value != 0 && b.value <= COLOR_MENUBAR + 1; }

// Class brushes that are real objects belong to the class and go with it.
void release_class_brush(WindowClass& c) {
    if (c.background && !brush_is_system_colour(c.background)) DeleteObject(c.background);
    c.background = HBRUSH();
}

ATOM register_class(const WNDCLASSEXA& wc) {
    if (!wc.lpszClassName || !*wc.lpszClassName || !wc.lpfnWndProc) return 0;
    if (wc.cbWndExtra < 0 || wc.cbClsExtra < 0 || wc.cbWndExtra > 40000) return 0;
    if (std::strlen(wc.lpszClassName) > 255) return 0;
    if (find_class(wc.lpszClassName)) return 0;
    State& s = state();
    auto c = std::make_shared<WindowClass>();
    c->name = wc.lpszClassName;
    c->atom = s.next_atom++;
    if (s.next_atom == 0) s.next_atom = 0xC000;
    c->style = wc.style;
    c->proc = wc.lpfnWndProc;
    c->class_extra = wc.cbClsExtra;
    c->window_extra = wc.cbWndExtra;
    c->instance = wc.hInstance;
    c->icon = wc.hIcon;
    c->small_icon = wc.hIconSm;
    c->cursor = wc.hCursor;
    c->background = wc.hbrBackground;
    if (wc.lpszMenuName) c->menu_name = wc.lpszMenuName;
    s.classes.push_back(std::move(c));
    return s.classes.back()->atom;
}

void fill_info(const WindowClass& c, WNDCLASSEXA* out) {
    out->style = c.style;
    out->lpfnWndProc = c.proc;
    out->cbClsExtra = c.class_extra;
    out->cbWndExtra = c.window_extra;
    out->hInstance = c.instance;
    out->hIcon = c.icon;
    out->hIconSm = c.small_icon;
    out->hCursor = c.cursor;
    out->hbrBackground = c.background;
    out->lpszMenuName = c.menu_name.empty() ? nullptr : c.menu_name.c_str();
    out->lpszClassName = c.name.c_str();
}

}  // namespace

std::shared_ptr<WindowClass> find_class(const char* name) {
    if (!name) return nullptr;
    for (auto& c : state().classes) {
        if (strcasecmp(c->name.c_str(), name) == 0) return c;
    }
    return nullptr;
}

void unregister_all_classes() {
    for (auto& c : state().classes) release_class_brush(*c);
    state().classes.clear();
}

}  // namespace user

using namespace user;

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc) return 0;
    WNDCLASSEXA ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return register_class(ex);
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA)) return 0;
    return register_class(*wc);
}

BOOL UnregisterClassA(LPCSTR name, HINSTANCE) {
    auto c = find_class(name);
    if (!c || c->live_windows > 0) return FALSE;
    auto& list = state().classes;
    list.erase(std::find(list.begin(), list.end(), c));
    release_class_brush(*c);
    return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR name, WNDCLASSEXA* out) {
    auto c = find_class(name);
    if (!c || !out) return FALSE;
    fill_info(*c, out);
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE inst, LPCSTR name, WNDCLASSA* out) {
    WNDCLASSEXA ex;
    if (!out || !GetClassInfoExA(inst, name, &ex)) return FALSE;
    out->style = ex.style;
    out->lpfnWndProc = ex.lpfnWndProc;
    out->cbClsExtra = ex.cbClsExtra;
    out->cbWndExtra = ex.cbWndExtra;
    out->hInstance = ex.hInstance;
    out->hIcon = ex.hIcon;
    out->hCursor = ex.hCursor;
    out->hbrBackground = ex.hbrBackground;
    out->lpszMenuName = ex.lpszMenuName;
    out->lpszClassName = ex.lpszClassName;
    return TRUE;
}
