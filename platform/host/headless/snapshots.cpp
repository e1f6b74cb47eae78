// PNG snapshots of screen surfaces, bitmaps and DCs.

#include "platform/gdi/internal.h"
#include "platform/gdi/png.h"
#include "platform/headless.h"
#include "platform/user/internal.h"

namespace headless {

namespace {

bool save(const gdi::SurfacePtr& surface, const std::string& path) {
    return surface && !path.empty() && gdi::write_png(*surface, path);
}

}  // namespace

bool save_png(HWND top_level, const std::string& path) { return save(user::top_level_surface(top_level), path); }

bool save_bitmap_png(HBITMAP bitmap, const std::string& path) { return save(gdi::bitmap_surface(bitmap), path); }

bool save_dc_png(HDC dc, const std::string& path) { return save(gdi::dc_surface(dc), path); }

}  // namespace headless
