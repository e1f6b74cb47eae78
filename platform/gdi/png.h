#pragma once
// PNG files of surfaces, for tests and for a person to look at.

#include <string>

#include "platform/gdi/surface.h"

namespace gdi {

// Writes the surface as an 8-bit RGB PNG. False when the file cannot be written.
bool write_png(const Surface& surface, const std::string& path);

}  // namespace gdi
