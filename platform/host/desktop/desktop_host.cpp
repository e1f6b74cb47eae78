#include "platform/host/desktop/desktop_host.h"

#include <algorithm>
#include <climits>

#include "platform/host/desktop/desktop.h"
#include "platform/user/internal.h"

namespace desktop {
namespace {

DesktopHost* g_host = nullptr;
std::unique_ptr<DesktopHost> g_owned;

gboolean on_wait_timeout(gpointer fired) {
    *static_cast<bool*>(fired) = true;
    return G_SOURCE_REMOVE;
}

}  // namespace

DesktopHost::DesktopHost(GdkDisplay* display) : start_us_(g_get_monotonic_time()), clipboard_(display) {}

DesktopHost::~DesktopHost() {
    drop_first_frame_tasks();
    drop_all_child_views();
    windows_.clear();
}

DesktopHost* DesktopHost::instance() { return g_host; }

std::uint64_t DesktopHost::now_ms() {
    return static_cast<std::uint64_t>((g_get_monotonic_time() - start_us_) / 1000);
}

// The message loop waits here when nothing is due. One main-loop iteration
// dispatches whatever GTK has (input, drawing, WebKit's own work); a timeout
// source ends the wait when the next timer falls due. With no timer running the
// wait has no limit, so an idle window costs no CPU.
void DesktopHost::wait_for_events(std::int64_t timeout_ms) {
    if (timeout_ms == 0) {
        g_main_context_iteration(nullptr, FALSE);
        return;
    }
    bool fired = false;
    guint source = 0;
    if (timeout_ms > 0)
        source = g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(std::min<std::int64_t>(timeout_ms, INT_MAX)),
                                    on_wait_timeout, &fired, nullptr);
    g_main_context_iteration(nullptr, TRUE);
    if (source && !fired) g_source_remove(source);
}

void DesktopHost::top_level_changed(HWND top_level) {
    user::TopLevelInfo info;
    if (!user::top_level_info(top_level, &info)) return;
    auto& slot = windows_[top_level.value];
    if (!slot) {
        TopLevelWindow* owner = TopLevelWindow::draws_inside_owner(info) ? window_for(info.owner) : nullptr;
        if (owner) {
            slot = std::make_unique<TopLevelWindow>(top_level, icons_, *owner);
        } else {
            slot = std::make_unique<TopLevelWindow>(top_level, icons_);
        }
    }
    slot->update(info);
    place_child_views_of(top_level);
}

void DesktopHost::top_level_destroyed(HWND top_level) {
    auto it = windows_.find(top_level.value);
    if (it == windows_.end()) return;
    drop_child_views_of(top_level);
    windows_.erase(it);
}

void DesktopHost::surface_damaged(HWND top_level) {
    if (TopLevelWindow* w = window_for(top_level)) w->surface_damaged();
}

std::string DesktopHost::clipboard_text() { return clipboard_.text(); }

void DesktopHost::set_clipboard_text(const std::string& utf8) { clipboard_.set_text(utf8); }

TopLevelWindow* DesktopHost::window_for(HWND top_level) {
    auto it = windows_.find(top_level.value);
    return it == windows_.end() ? nullptr : it->second.get();
}

bool install() {
    if (g_host) return true;
    // Our windows are a few small textures and one web view; a GL renderer brings
    // nothing to that and, without a GPU (Xvfb, virtual machines), takes longer to
    // start than the rest of the program. The user's own choice still wins.
    g_setenv("GSK_RENDERER", "cairo", FALSE);
    if (!gtk_init_check()) return false;
    GdkDisplay* display = gdk_display_get_default();
    if (!display) return false;
    g_owned = std::make_unique<DesktopHost>(display);
    g_host = g_owned.get();
    host::install(g_host);
    return true;
}

void uninstall() {
    if (!g_host) return;
    host::install(nullptr);
    g_host = nullptr;
    g_owned.reset();
    // Let GTK finish tearing the windows down (bounded: WebKit may keep posting work).
    for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {
    }
}

}  // namespace desktop
