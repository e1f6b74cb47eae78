// CreateWindowExA and DestroyWindow.

#include <algorithm>
#include <cstring>

#include "platform/host/host.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

constexpr int kDefaultX = 100, kDefaultY = 100, kDefaultWidth = 320, kDefaultHeight = 240;

void unlink(Window* w) {
    auto& list = sibling_list(w);
    list.erase(std::remove(list.begin(), list.end(), w->self), list.end());
}

// Everything of w's tree in pre-order (w first), as handles.
void collect_tree(Window* w, std::vector<HWND>& out) {
    out.push_back(w->self);
    for (HWND c : std::vector<HWND>(w->children)) {
        if (Window* cw = find_window(c)) collect_tree(cw, out);
    }
}

// Last step of a window's life: frees what it holds and makes the handle dead.
void finish_window(Window* w);

void finish_window(Window* w) {
    State& s = state();
    kill_timers_of(w->self);
    cancel_tracking_of(w->self);
    if (s.capture == w->self) s.capture = HWND();
    if (s.focus == w->self) s.focus = HWND();
    if (s.active == w->self) s.active = HWND();
    for (HDC dc : w->dcs) DeleteDC(dc);
    w->dcs.clear();
    if (w->region_object) DeleteObject(w->region_object);
    w->region_object = HRGN();
    w->shape.reset();
    w->props.clear();
    bool top = !w->parent;
    // Children made while the tree was being destroyed go with it.
    for (HWND c : std::vector<HWND>(w->children)) {
        if (Window* cw = find_window(c)) finish_window(cw);
    }
    w->children.clear();
    unlink(w);
    w->surface.reset();
    if (w->cls) --w->cls->live_windows;
    w->dead = true;
    --s.live_window_count;
    if (top) host::current().top_level_destroyed(w->self);
    release_if_unused(w);
}

}  // namespace

}  // namespace user

using namespace user;

HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu_or_id, HINSTANCE inst, LPVOID param) {
    State& s = state();
    auto cls = find_class(class_name);
    if (!cls) return HWND();
    Window* parent_window = nullptr;
    Window* owner_window = nullptr;
    if (style & WS_CHILD) {
        parent_window = find_window(parent);
        if (!parent_window) return HWND();
    } else if (parent) {
        owner_window = top_level_of(find_window(parent));
        if (!owner_window) return HWND();
    }

    if (x == CW_USEDEFAULT) x = (style & WS_CHILD) ? 0 : kDefaultX, y = (style & WS_CHILD) ? 0 : kDefaultY;
    if (width == CW_USEDEFAULT) width = kDefaultWidth, height = kDefaultHeight;
    clamp_geometry(!(style & WS_CHILD), &x, &y, &width, &height);

    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    std::uint32_t handle = s.windows.insert(std::move(owned));
    if (!handle) return HWND();
    w->self = HWND(handle);
    w->cls = cls;
    ++cls->live_windows;
    ++s.live_window_count;
    w->proc = cls->proc;
    w->style = style & ~WS_VISIBLE;
    w->ex_style = ex_style;
    w->instance = inst;
    w->extra.assign(static_cast<std::size_t>(cls->window_extra), 0);
    if (style & WS_CHILD) w->id = static_cast<LONG_PTR>(menu_or_id.value);
    if (window_name) w->text = window_name;
    w->rect = RECT{x, y, x + width, y + height};
    w->client = RECT{0, 0, width, height};
    if (parent_window) {
        w->parent = parent_window->self;
        parent_window->children.push_back(w->self);  // new children go to the bottom
    } else {
        if (owner_window) w->owner = owner_window->self;
        s.top_levels.insert(s.top_levels.begin(), w->self);
        sync_surface(w);
    }

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = inst;
    cs.hMenu = menu_or_id;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = window_name;
    cs.lpszClass = class_name;
    cs.dwExStyle = ex_style;

    HWND self = w->self;
    if (!deliver(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (Window* alive = find_window(self)) {
            deliver(alive, WM_NCDESTROY, 0, 0);
            if ((alive = find_window(self))) finish_window(alive);
        }
        return HWND();
    }
    if (!(w = find_window(self))) return HWND();
    recalc_client(w);
    if (!(w = find_window(self))) return HWND();
    if (deliver(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(self);
        return HWND();
    }
    if (!(w = find_window(self))) return HWND();
    deliver(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    if (!(w = find_window(self))) return HWND();
    deliver(w, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (!(w = find_window(self))) return HWND();
    if (!w->parent) host::current().top_level_changed(self);
    if (style & WS_VISIBLE) ShowWindow(self, SW_SHOW);
    return find_window(self) ? self : HWND();
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (!w || w->destroying) return FALSE;
    State& s = state();

    // Owned pop-ups go first, each completely.
    for (HWND t : std::vector<HWND>(s.top_levels)) {
        if (Window* tw = find_window(t); tw && tw->owner == hwnd && !tw->destroying) DestroyWindow(t);
    }
    if (!(w = find_window(hwnd))) return TRUE;

    std::vector<HWND> tree;
    collect_tree(w, tree);
    for (HWND h : tree) {
        if (Window* tw = find_window(h)) tw->destroying = true;
    }

    if (w->visible_bit()) {
        SetWindowPos(hwnd, HWND(), 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if ((w = find_window(hwnd))) window_going_away(w);

    // WM_DESTROY to the window, then to its descendants; WM_NCDESTROY after, the window's last.
    for (HWND h : tree) {
        if (Window* tw = find_window(h)) deliver(tw, WM_DESTROY, 0, 0);
    }
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (Window* tw = find_window(*it)) deliver(tw, WM_NCDESTROY, 0, 0);
    }
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (Window* tw = find_window(*it)) finish_window(tw);
    }
    (void)s;
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return find_window(hwnd) ? TRUE : FALSE; }
