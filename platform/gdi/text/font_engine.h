#pragma once
// Fonts for the text functions: fontconfig picks the faces for a LOGFONTA,
// FreeType measures and rasterises them.
//
// A Font is one LOGFONTA made real: the face fontconfig matched first, followed
// by the faces that cover further characters (the same list fontconfig would
// use for fallback, with "WenQuanYi Micro Hei" preferred right after the
// requested name, so CJK captions show even when the named face is missing).
// Each character is looked up once per Font; its glyph comes from the first
// face that has it, else the first face's missing-glyph box.
//
// Everything is cached for the life of the process: faces per (file, index,
// pixel size), glyph advances and coverage per (face, glyph, synthesis), fonts
// per LOGFONTA. The engine is released at exit.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32/gdi.h"

namespace gdi::text {

class Face;

// One glyph at one pixel size. Coverage is rendered on first use; measuring
// alone never rasterises.
struct Glyph {
    int advance = 0;  // whole pixels; the pen moves by this much
    bool rendered = false;
    int left = 0;    // from the pen position to the bitmap's first column
    int top = 0;     // from the baseline up to the bitmap's first row
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;  // rows x width, 0 (none) .. 255 (full)

    // Where the coverage comes from (null for glyphs that have no ink).
    Face* face = nullptr;
    unsigned index = 0;
    bool embolden = false;
    bool slant = false;
};

// A resolved LOGFONTA.
class Font {
public:
    struct Metrics {
        int pixel_size = 12;  // em size in pixels
        int ascent = 0;       // baseline to top of the cell
        int descent = 0;      // baseline to bottom of the cell
        int height = 0;       // ascent + descent: the cell and line height
        int internal_leading = 0;
        int external_leading = 0;
        int ave_char_width = 0;
        int max_char_width = 0;
        int weight = FW_NORMAL;
        int underline_offset = 1;  // rows below the baseline where an underline starts
        int underline_thickness = 1;
        int strikeout_offset = 0;  // rows above the baseline
        bool italic = false;
        bool underline = false;
        bool strikeout = false;
    };

    const Metrics& metrics() const { return metrics_; }
    // The glyph for a character, measured (advance set) but maybe not rendered.
    Glyph& glyph(char32_t cp);
    // The same glyph with its coverage rendered.
    const Glyph& rendered_glyph(char32_t cp);
    int advance(char32_t cp) { return cp < kAsciiCache && ascii_[cp] ? ascii_[cp]->advance : glyph(cp).advance; }

    // Family name of the first face, for tests and diagnostics.
    const std::string& primary_family() const { return primary_family_; }

private:
    friend class FontEngine;
    struct Candidate {
        std::string file;
        int index = 0;
        std::string family;
        bool embolden = false;
        bool slant = false;
        void* charset = nullptr;  // FcCharSet*, referenced
        bool opened = false;      // faces open on first use...
        Face* face = nullptr;     // ...and stay null when they fail to
    };
    static constexpr char32_t kAsciiCache = 128;

    Glyph& load(char32_t cp);
    Face* open(Candidate& c);

    Metrics metrics_;
    std::string primary_family_;
    std::vector<Candidate> candidates_;
    std::unordered_map<char32_t, Glyph*> by_char_;
    Glyph* ascii_[kAsciiCache] = {};
    Glyph blank_;  // every character's glyph when no face could be opened

public:
    ~Font();
};

// The font for a LOGFONTA (cached; lives until exit). Never null: when no face
// can be found at all the font has empty glyphs of a sensible advance.
Font& font_for(const LOGFONTA& lf);

// Drops every cached font, face and glyph (the next use loads them again).
// Called at exit; tests may call it to start cold.
void release_font_caches();

// How many glyph bitmaps have been rasterised so far (tests watch the cache with it).
std::size_t glyphs_rasterised();

}  // namespace gdi::text
