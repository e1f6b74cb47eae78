// Font objects: a LOGFONTA kept as given. The text engine reads it back.

#include <algorithm>
#include <cstring>

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

namespace gdi {

bool font_logfont(HFONT font, LOGFONTA* out) {
    FontObject* f = find<FontObject>(font.value);
    if (!f || !out) return false;
    *out = f->logfont;
    return true;
}

}  // namespace gdi

using namespace gdi;

HFONT CreateFontIndirectA(const LOGFONTA* lf) {
    if (!lf) return HFONT();
    auto f = std::make_unique<FontObject>();
    f->logfont = *lf;
    f->logfont.lfFaceName[LF_FACESIZE - 1] = '\0';  // a face name that fills the array is cut, never overrun
    return HFONT(add_object(std::move(f)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeout, DWORD charset, DWORD out_precision, DWORD clip_precision,
                  DWORD quality, DWORD pitch_and_family, LPCSTR face) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfUnderline = underline ? 1 : 0;
    lf.lfStrikeOut = strikeout ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset);
    lf.lfOutPrecision = static_cast<BYTE>(out_precision);
    lf.lfClipPrecision = static_cast<BYTE>(clip_precision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
    if (face) {
        std::size_t n = strnlen(face, LF_FACESIZE - 1);
        std::memcpy(lf.lfFaceName, face, n);
        lf.lfFaceName[n] = '\0';
    }
    return CreateFontIndirectA(&lf);
}
