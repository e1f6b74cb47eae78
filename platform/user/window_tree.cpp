// Parents, owners, children, z-order walks and enumeration.

#include <algorithm>

#include "platform/host/host.h"
#include "platform/user/wm_state.h"

using namespace user;

namespace {

// Enumeration walks a snapshot of handles so that callbacks may create or
// destroy windows; handles that died meanwhile are skipped.
void collect_descendants(const Window* w, std::vector<HWND>& out) {
    for (HWND c : w->children) {
        if (Window* cw = find_window(c)) {
            out.push_back(c);
            collect_descendants(cw, out);
        }
    }
}

}  // namespace

HWND GetDesktopWindow() { return HWND(0x7FFFFFFFu); }

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* p = find_window(parent);
    Window* w = find_window(hwnd);
    if (!p || !w) return FALSE;
    // Only the parent chain counts, not ownership.
    for (Window* a = w; a && a->is_child(); ) {
        a = find_window(a->parent);
        if (a == p) return TRUE;
    }
    return FALSE;
}

HWND GetParent(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (!w) return HWND();
    if (w->parent) return w->parent;
    if (w->style & WS_POPUP) return w->owner;
    return HWND();
}

HWND SetParent(HWND child, HWND new_parent) {
    Window* w = find_window(child);
    if (!w) return HWND();
    Window* p = nullptr;
    if (new_parent && new_parent != GetDesktopWindow()) {
        p = find_window(new_parent);
        if (!p || p == w || is_descendant(w, p)) return HWND();  // no cycles
    }
    HWND old = w->parent ? w->parent : GetDesktopWindow();
    if (p && w->parent == p->self) return old;
    bool was_visible = is_really_visible(w);
    if (was_visible) {
        ShowWindow(child, SW_HIDE);
        // The procedures that saw the hiding may have destroyed or moved either window.
        if (!(w = find_window(child))) return HWND();
        if (p && (!(p = find_window(new_parent)) || is_descendant(w, p))) return HWND();
    }
    bool was_top = !w->parent;
    auto& list = sibling_list(w);
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
    if (p) {
        w->parent = p->self;
        w->owner = HWND();
        w->style = (w->style | WS_CHILD) & ~WS_POPUP;
        p->children.insert(p->children.begin(), child);
        w->surface.reset();
        if (was_top) host::current().top_level_destroyed(child);
    } else {
        w->parent = HWND();
        w->style &= ~WS_CHILD;
        state().top_levels.insert(state().top_levels.begin(), child);
        sync_surface(w);
        host::current().top_level_changed(child);
    }
    if (was_visible) ShowWindow(child, SW_SHOWNA);
    return old;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = find_window(hwnd);
    if (!w) return HWND();
    if (cmd == GW_CHILD) return w->children.empty() ? HWND() : w->children.front();
    if (cmd == GW_OWNER) return w->parent ? HWND() : w->owner;
    auto& list = sibling_list(w);
    auto it = std::find(list.begin(), list.end(), hwnd);
    if (it == list.end()) return HWND();
    switch (cmd) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return it + 1 == list.end() ? HWND() : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() ? HWND() : *(it - 1);
    default: return HWND();
    }
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lp) {
    if (!proc) return FALSE;
    std::vector<HWND> all;
    if (!parent || parent == GetDesktopWindow()) {
        return EnumWindows(proc, lp);  // the desktop's children are the top-level windows
    } else {
        Window* w = find_window(parent);
        if (!w) return FALSE;
        collect_descendants(w, all);
    }
    for (HWND h : all) {
        if (!find_window(h)) continue;
        if (!proc(h, lp)) break;
    }
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lp) {
    if (!proc) return FALSE;
    std::vector<HWND> tops = state().top_levels;
    for (HWND h : tops) {
        if (!find_window(h)) continue;
        if (!proc(h, lp)) break;
    }
    return TRUE;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = find_window(hwnd);
    return w && w->is_child() ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = find_window(dialog);
    if (!w) return HWND();
    for (HWND c : w->children) {
        if (Window* cw = find_window(c); cw && cw->id == id) return c;
    }
    return HWND();
}
