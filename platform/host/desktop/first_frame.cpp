// Tasks that wait until a window of ours is on the screen. Starting WebKit costs
// more than everything else the window needs together, and the page it loads
// arrives later anyway; letting it start after the first frame shows the window
// that much sooner.

#include <utility>
#include <vector>

#include "platform/host/desktop/desktop.h"
#include "platform/host/desktop/desktop_host.h"

namespace desktop {
namespace {

bool g_shown = false;
guint g_source = 0;

std::vector<std::function<void()>>& pending() {
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

gboolean run_pending(gpointer) {
    g_source = 0;
    std::vector<std::function<void()>> tasks;
    tasks.swap(pending());
    for (auto& task : tasks) task();
    return G_SOURCE_REMOVE;
}

void schedule() {
    if (!g_source && !pending().empty()) g_source = g_idle_add(run_pending, nullptr);
}

}  // namespace

void after_first_frame(std::function<void()> task) {
    if (!task) return;
    pending().push_back(std::move(task));
    if (g_shown) schedule();
}

void first_frame_shown() {
    g_shown = true;
    schedule();
}

void drop_first_frame_tasks() {
    if (g_source) g_source_remove(g_source);
    g_source = 0;
    pending().clear();
    g_shown = false;
}

}  // namespace desktop
