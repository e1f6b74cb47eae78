// Native views placed over the client area of one of our windows (the WebKitGTK
// view over the browser window). A view follows its owner: position, size and
// visibility are read from the window manager when they may have changed.
//
// Placement waits for an idle moment rather than happening inside the owner's
// messages: WM_SHOWWINDOW, for one, arrives before the window's visibility has
// changed, and a move often comes with a resize right after it. The idle runs
// ahead of GTK's drawing, so the first frame already has the view in place.

#include <algorithm>
#include <vector>

#include "platform/host/desktop/desktop.h"
#include "platform/host/desktop/desktop_host.h"

namespace desktop {
namespace {

struct ChildView {
    HWND owner;
    GtkWidget* widget = nullptr;  // our reference
    GtkFixed* layer = nullptr;    // where it is placed now, or null
};

std::vector<ChildView>& views() {
    static std::vector<ChildView> list;
    return list;
}

guint g_place_source = 0;

HWND top_level_of(HWND hwnd) {
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(hwnd);
        if (!parent) break;
        hwnd = parent;
    }
    return hwnd;
}

void unplace(ChildView& v) {
    if (v.layer && gtk_widget_get_parent(v.widget) == GTK_WIDGET(v.layer)) gtk_fixed_remove(v.layer, v.widget);
    v.layer = nullptr;
}

void place(ChildView& v) {
    DesktopHost* host = DesktopHost::instance();
    HWND top = top_level_of(v.owner);
    TopLevelWindow* window = host ? host->window_for(top) : nullptr;
    if (!window) {
        unplace(v);  // its top-level has no GTK window (yet): placed when it gets one
        return;
    }
    POINT owner_origin{}, top_origin{};
    ClientToScreen(v.owner, &owner_origin);
    ClientToScreen(window->layer_owner(), &top_origin);
    RECT client{};
    GetClientRect(v.owner, &client);
    int x = owner_origin.x - top_origin.x, y = owner_origin.y - top_origin.y;
    int width = client.right - client.left, height = client.bottom - client.top;

    if (v.layer != window->layer()) {
        unplace(v);
        gtk_fixed_put(window->layer(), v.widget, x, y);
        v.layer = window->layer();
    } else {
        gtk_fixed_move(v.layer, v.widget, x, y);
    }
    bool visible = IsWindowVisible(v.owner) && width > 0 && height > 0;
    gtk_widget_set_size_request(v.widget, std::max(width, 1), std::max(height, 1));
    gtk_widget_set_visible(v.widget, visible);
}

gboolean place_all(gpointer) {
    g_place_source = 0;
    for (ChildView& v : views())
        if (IsWindow(v.owner)) place(v);
    return G_SOURCE_REMOVE;
}

void schedule_placement() {
    if (!g_place_source) g_place_source = g_idle_add_full(G_PRIORITY_HIGH_IDLE, place_all, nullptr, nullptr);
}

void release(ChildView& v) {
    unplace(v);
    g_object_unref(v.widget);
}

}  // namespace

void add_child_view(HWND owner, GtkWidget* view) {
    if (!owner || !view) return;
    remove_child_view(owner);
    ChildView v;
    v.owner = owner;
    v.widget = GTK_WIDGET(g_object_ref_sink(view));
    views().push_back(v);
    schedule_placement();
}

void child_view_changed(HWND owner) {
    for (const ChildView& v : views())
        if (v.owner == owner) schedule_placement();
}

void remove_child_view(HWND owner) {
    auto& list = views();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->owner == owner) {
            ChildView v = *it;
            list.erase(it);
            release(v);
            return;
        }
    }
}

void place_child_views_of(HWND top_level) {
    for (const ChildView& v : views())
        if (top_level_of(v.owner) == top_level) {
            schedule_placement();
            return;
        }
}

void drop_child_views_of(HWND top_level) {
    // The GTK window goes away with its layer; the views stay ours but unplaced.
    DesktopHost* host = DesktopHost::instance();
    TopLevelWindow* window = host ? host->window_for(top_level) : nullptr;
    if (!window || window->embedded()) return;  // a pop-up's layer is its owner's and stays
    for (ChildView& v : views())
        if (v.layer == window->layer()) unplace(v);
}

void drop_all_child_views() {
    auto& list = views();
    std::vector<ChildView> all;
    all.swap(list);
    for (ChildView& v : all) release(v);
    if (g_place_source) {
        g_source_remove(g_place_source);
        g_place_source = 0;
    }
}

}  // namespace desktop
