// PNG snapshots of screen surfaces, bitmaps and DCs.

#include "platform/gdi/internal.h"
#include "platform/headless.h"
#include "platform/user/internal.h"

namespace headless {

bool save_png(HWND, const std::string&) { return false; }
bool save_bitmap_png(HBITMAP, const std::string&) { return false; }
bool save_dc_png(HDC, const std::string&) { return false; }

}  // namespace headless
