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

bool write_text(const std::string& path, const std::string& text) {
    return g_file_set_contents(path.c_str(), text.data(), static_cast<gssize>(text.size()), nullptr);
}

void remove_entry_files(const std::vector<std::string>& files, const std::vector<std::string>& folders) {
    for (const std::string& f : files) std::remove(f.c_str());
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) rmdir(it->c_str());
}

}  // namespace

WindowIcons::~WindowIcons() {
    for (const Entry& e : icons_) remove_entry_files(e.files, e.folders);
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
    e.root = dir;
    g_free(dir);
    e.name = "zelvio-window-icon-" + std::to_string(icons_.size());
    std::string size = std::to_string(width) + "x" + std::to_string(height);
    std::string theme = e.root + "/hicolor", folder = theme + "/" + size, apps = folder + "/apps";
    e.folders = {e.root, theme, folder, apps};
    std::string index = "[Icon Theme]\nName=Hicolor\nComment=Zelvio window icons\nDirectories=" + size +
                        "/apps\n\n[" + size + "/apps]\nSize=" + std::to_string(width) +
                        "\nContext=Applications\nType=Fixed\n";
    std::string png = apps + "/" + e.name + ".png";
    bool ok = g_mkdir_with_parents(apps.c_str(), 0700) == 0;
    if (ok) {
        e.files.push_back(theme + "/index.theme");
        ok = write_text(e.files.back(), index);
    }
    if (ok) {
        e.files.push_back(png);
        ok = write_png(png, width, height, pixels);
    }
    if (!ok) {
        remove_entry_files(e.files, e.folders);
        return {};
    }
    gtk_icon_theme_add_search_path(gtk_icon_theme_get_for_display(gdk_display_get_default()), e.root.c_str());
    icons_.push_back(e);
    return icons_.back().name;
}

}  // namespace desktop
