#include "platform/host/desktop/window_icon.h"

#include "platform/host/desktop/gtk.h"
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string_view>

namespace desktop {
namespace {

constexpr std::uint32_t kMaskColour = 0xFF00FF;

bool write_png(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::size_t count = static_cast<std::size_t>(width) * height;
    auto* rgba = static_cast<guchar*>(g_malloc(count * 4));
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t p = pixels[i] & 0xFFFFFF;
        rgba[i * 4 + 0] = static_cast<guchar>(p >> 16);
        rgba[i * 4 + 1] = static_cast<guchar>(p >> 8);
        rgba[i * 4 + 2] = static_cast<guchar>(p);
        rgba[i * 4 + 3] = p == kMaskColour ? 0 : 255;
    }
    GBytes* bytes = g_bytes_new_take(rgba, count * 4);
    GdkTexture* texture = gdk_memory_texture_new(width, height, GDK_MEMORY_R8G8B8A8, bytes,
                                                 static_cast<std::size_t>(width) * 4);
    g_bytes_unref(bytes);
    bool ok = gdk_texture_save_to_png(texture, path.c_str());
    g_object_unref(texture);
    return ok;
}

}  // namespace

WindowIcons::~WindowIcons() {
    for (const Entry& e : icons_) {
        std::remove(e.file.c_str());
        rmdir(e.directory.c_str());
    }
}

std::string WindowIcons::name_for(int width, int height, const std::vector<std::uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || width > 1024 || height > 1024 ||
        pixels.size() != static_cast<std::size_t>(width) * height)
        return {};
    std::size_t hash = std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof pixels[0]));
    hash ^= static_cast<std::size_t>(width) * 31 + height;
    for (const Entry& e : icons_)
        if (e.hash == hash) return e.name;

    GError* error = nullptr;
    char* dir = g_dir_make_tmp("zelvio-icons-XXXXXX", &error);
    if (!dir) {
        g_clear_error(&error);
        return {};
    }
    Entry e;
    e.hash = hash;
    e.directory = dir;
    g_free(dir);
    e.name = "zelvio-window-icon-" + std::to_string(icons_.size());
    e.file = e.directory + "/" + e.name + ".png";
    if (!write_png(e.file, width, height, pixels)) {
        rmdir(e.directory.c_str());
        return {};
    }
    // A directory added to the search path is scanned for loose icons as well as
    // for theme folders, so the PNG is found under its own name.
    gtk_icon_theme_add_search_path(gtk_icon_theme_get_for_display(gdk_display_get_default()), e.directory.c_str());
    icons_.push_back(e);
    return icons_.back().name;
}

}  // namespace desktop
