#include "platform/gdi/text/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

namespace gdi::text {

namespace {

// The face every control uses unless told otherwise, and the first fallback
// for a named face that is not installed: it covers Latin and CJK alike.
constexpr const char* kCjkSans = "WenQuanYi Micro Hei";
constexpr int kDefaultPixelSize = 12;
// Sizes beyond this are clamped: a bogus lfHeight must not ask FreeType for
// a glyph bitmap of gigabytes.
constexpr int kMaxPixelSize = 1024;

std::size_t rasterised_count = 0;

int scale(long units, int pixel_size, int units_per_em) {
    if (units_per_em <= 0) return 0;
    return static_cast<int>(std::lround(static_cast<double>(units) * pixel_size / units_per_em));
}

// Font-unit metrics of a face, independent of any size.
struct DesignMetrics {
    int units_per_em = 0;
    int ascent = 0;   // the cell: OS/2 Windows ascent and descent when present
    int descent = 0;
    int line_gap = 0;
    int avg_char_width = 0;
    int max_advance = 0;
    int underline_position = 0;  // negative: below the baseline
    int underline_thickness = 0;
    int strikeout_position = 0;
    int strikeout_size = 0;
};

DesignMetrics read_design_metrics(FT_Face ft) {
    DesignMetrics m;
    m.units_per_em = ft->units_per_EM;
    m.ascent = ft->ascender;
    m.descent = -ft->descender;
    m.line_gap = std::max(0, ft->height - (ft->ascender - ft->descender));
    m.max_advance = ft->max_advance_width;
    m.underline_position = ft->underline_position;
    m.underline_thickness = ft->underline_thickness;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            m.ascent = os2->usWinAscent;
            m.descent = os2->usWinDescent;
        }
        m.avg_char_width = os2->xAvgCharWidth;
        m.strikeout_position = os2->yStrikeoutPosition;
        m.strikeout_size = os2->yStrikeoutSize;
    }
    if (m.strikeout_position == 0) m.strikeout_position = m.ascent / 3;
    return m;
}

}  // namespace

// One FreeType face opened at one pixel size, with the glyphs loaded from it.
class Face {
public:
    Face(FT_Face ft, int pixel_size) : ft_(ft), pixel_size_(pixel_size), design_(read_design_metrics(ft)) {}
    ~Face() { FT_Done_Face(ft_); }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    FT_Face ft() const { return ft_; }
    int pixel_size() const { return pixel_size_; }
    const DesignMetrics& design() const { return design_; }

    unsigned glyph_index(char32_t cp) const { return FT_Get_Char_Index(ft_, cp); }

    Glyph& glyph(unsigned index, bool embolden, bool slant) {
        const std::uint64_t key = (static_cast<std::uint64_t>(index) << 2) | (embolden ? 1 : 0) | (slant ? 2 : 0);
        auto& slot = glyphs_[key];
        if (!slot) {
            slot = std::make_unique<Glyph>();
            slot->face = this;
            slot->index = index;
            slot->embolden = embolden;
            slot->slant = slant;
            if (load(index, embolden, slant)) slot->advance = static_cast<int>((ft_->glyph->advance.x + 32) >> 6);
        }
        return *slot;
    }

    void render(Glyph& g) {
        g.rendered = true;
        ++rasterised_count;
        if (!load(g.index, g.embolden, g.slant)) return;
        FT_GlyphSlot slot = ft_->glyph;
        if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(bm.width);
        g.rows = static_cast<int>(bm.rows);
        g.coverage.assign(static_cast<std::size_t>(g.width) * g.rows, 0);
        for (int y = 0; y < g.rows; ++y) {
            const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
            std::uint8_t* dst = g.coverage.data() + static_cast<std::size_t>(y) * g.width;
            switch (bm.pixel_mode) {
            case FT_PIXEL_MODE_GRAY:
                std::memcpy(dst, src, static_cast<std::size_t>(g.width));
                break;
            case FT_PIXEL_MODE_MONO:  // embedded bitmaps: one bit per pixel
                for (int x = 0; x < g.width; ++x) dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                break;
            case FT_PIXEL_MODE_BGRA:  // colour glyphs: their alpha is the coverage
                for (int x = 0; x < g.width; ++x) dst[x] = src[x * 4 + 3];
                break;
            default:
                break;
            }
        }
    }

private:
    bool load(unsigned index, bool embolden, bool slant) {
        FT_Int32 flags = FT_LOAD_TARGET_LIGHT;
        if (embolden || slant) flags |= FT_LOAD_NO_BITMAP;  // synthesis needs outlines
        if (FT_Load_Glyph(ft_, index, flags) != 0) return false;
        if (embolden) FT_GlyphSlot_Embolden(ft_->glyph);
        if (slant) FT_GlyphSlot_Oblique(ft_->glyph);
        return true;
    }

    FT_Face ft_;
    int pixel_size_;
    DesignMetrics design_;
    std::unordered_map<std::uint64_t, std::unique_ptr<Glyph>> glyphs_;
};

class FontEngine {
public:
    FontEngine() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~FontEngine() {
        clear();
        if (library_) FT_Done_FreeType(library_);
    }

    void clear() {
        last_font_ = nullptr;
        fonts_.clear();  // fonts point at faces: they go first
        faces_.clear();
        design_.clear();
    }

    Face* face(const std::string& file, int index, int pixel_size) {
        auto key = std::make_tuple(file, index, pixel_size);
        auto it = faces_.find(key);
        if (it != faces_.end()) return it->second.get();
        std::unique_ptr<Face> made;
        FT_Face ft = nullptr;
        if (library_ && FT_New_Face(library_, file.c_str(), index, &ft) == 0) {
            if (FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(pixel_size)) == 0) {
                made = std::make_unique<Face>(ft, pixel_size);
            } else {
                FT_Done_Face(ft);
            }
        }
        // A face that fails to open is remembered as null, so it is not retried for every character.
        return (faces_[key] = std::move(made)).get();
    }

    const DesignMetrics* design(const std::string& file, int index) {
        auto key = std::make_pair(file, index);
        auto it = design_.find(key);
        if (it != design_.end()) return it->second ? &*it->second : nullptr;
        std::optional<DesignMetrics> m;
        FT_Face ft = nullptr;
        if (library_ && FT_New_Face(library_, file.c_str(), index, &ft) == 0) {
            m = read_design_metrics(ft);
            FT_Done_Face(ft);
        }
        auto& stored = design_[key] = m;
        return stored ? &*stored : nullptr;
    }

    Font& font(const LOGFONTA& lf) {
        // Most calls ask for the font of the call before: skip building the key.
        if (last_font_ && same_font(lf, last_lf_)) return *last_font_;
        FontKey key = make_key(lf);
        auto it = fonts_.find(key);
        Font* f;
        if (it != fonts_.end()) {
            f = it->second.get();
        } else {
            auto made = build(lf, key);
            f = made.get();
            fonts_.emplace(std::move(key), std::move(made));
        }
        last_font_ = f;
        last_lf_ = lf;
        return *f;
    }

private:
    using FontKey = std::tuple<std::string, int, int, bool, bool, bool>;

    // The fields make_key reads.
    static bool same_font(const LOGFONTA& a, const LOGFONTA& b) {
        return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
               a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut &&
               std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
    }

    static FontKey make_key(const LOGFONTA& lf) {
        std::string name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
        return {name, static_cast<int>(lf.lfHeight), lf.lfWeight <= 0 ? FW_NORMAL : static_cast<int>(lf.lfWeight),
                lf.lfItalic != 0, lf.lfUnderline != 0, lf.lfStrikeOut != 0};
    }

    std::unique_ptr<Font> build(const LOGFONTA& lf, const FontKey& key) {
        auto font = std::make_unique<Font>();
        const std::string& name = std::get<0>(key);
        const int weight = std::clamp(std::get<2>(key), 1, 1000);
        const bool italic = std::get<3>(key);
        find_candidates(*font, name, weight, italic);

        // Pixel size: a negative height is the em size, a positive one the
        // cell (ascent + descent) of the first face, 0 the default.
        int pixel_size = kDefaultPixelSize;
        const long long h = lf.lfHeight;
        if (h < 0) {
            pixel_size = static_cast<int>(std::min<long long>(-h, kMaxPixelSize));
        } else if (h > 0) {
            pixel_size = static_cast<int>(std::min<long long>(h, kMaxPixelSize));
            if (!font->candidates_.empty()) {
                const auto& c = font->candidates_.front();
                if (const DesignMetrics* d = design(c.file, c.index); d && d->ascent + d->descent > 0) {
                    pixel_size = static_cast<int>(
                        std::lround(static_cast<double>(pixel_size) * d->units_per_em / (d->ascent + d->descent)));
                }
            }
            pixel_size = std::clamp(pixel_size, 1, kMaxPixelSize);
        }

        Font::Metrics& m = font->metrics_;
        m.pixel_size = pixel_size;
        m.weight = weight;
        m.italic = italic;
        m.underline = std::get<4>(key);
        m.strikeout = std::get<5>(key);
        // Only the first face opens now (the first that opens at all: a broken
        // file must not leave the font without one); the others open when a
        // character needs them.
        auto& candidates = font->candidates_;
        while (!candidates.empty() && !font->open(candidates.front())) {
            FcCharSetDestroy(static_cast<FcCharSet*>(candidates.front().charset));
            candidates.erase(candidates.begin());
        }
        Face* primary = candidates.empty() ? nullptr : candidates.front().face;
        if (primary) {
            const DesignMetrics& d = primary->design();
            const int upem = d.units_per_em;
            m.ascent = scale(d.ascent, pixel_size, upem);
            m.descent = scale(d.descent, pixel_size, upem);
            if (h > 0 && d.ascent + d.descent > 0) {
                // A cell height asked for is the cell height given, split between
                // ascent and descent as the face splits it.
                const int cell = static_cast<int>(std::min<long long>(h, kMaxPixelSize));
                m.ascent = static_cast<int>(std::lround(static_cast<double>(cell) * d.ascent / (d.ascent + d.descent)));
                m.descent = cell - m.ascent;
            }
            m.external_leading = scale(d.line_gap, pixel_size, upem);
            m.max_char_width = std::max(1, scale(d.max_advance, pixel_size, upem));
            m.underline_offset = std::max(1, scale(-d.underline_position, pixel_size, upem));
            m.underline_thickness = std::max(1, scale(d.underline_thickness, pixel_size, upem));
            m.strikeout_offset = std::max(1, scale(d.strikeout_position, pixel_size, upem));
            font->primary_family_ = font->candidates_.front().family;
        } else {
            m.ascent = (pixel_size * 4 + 2) / 5;
            m.descent = pixel_size - m.ascent;
            m.max_char_width = pixel_size;
            m.strikeout_offset = pixel_size / 3;
        }
        m.height = std::max(1, m.ascent + m.descent);
        m.internal_leading = std::max(0, m.height - pixel_size);
        m.underline_offset = std::min(m.underline_offset, std::max(0, m.descent - m.underline_thickness));
        // The average width is that of "x": CJK faces report the average of
        // their full-width ideographs, which would make tab stops twice too wide.
        m.ave_char_width = font->advance(U'x');
        if (m.ave_char_width <= 0) m.ave_char_width = std::max(1, pixel_size / 2);
        return font;
    }

    static void find_candidates(Font& font, const std::string& name, int weight, bool italic) {
        FcPattern* pattern = FcPatternCreate();
        if (!pattern) return;
        if (!name.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kCjkSans));
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
        const int fc_weight = FcWeightFromOpenType(weight);
        FcPatternAddInteger(pattern, FC_WEIGHT, fc_weight);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);

        FcResult result = FcResultNoMatch;
        FcFontSet* set = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
        if (set) {
            for (int i = 0; i < set->nfont; ++i) {
                FcPattern* p = set->fonts[i];
                FcChar8* file = nullptr;
                FcCharSet* charset = nullptr;
                if (FcPatternGetString(p, FC_FILE, 0, &file) != FcResultMatch) continue;
                if (FcPatternGetCharSet(p, FC_CHARSET, 0, &charset) != FcResultMatch) continue;
                Font::Candidate c;
                c.file = reinterpret_cast<const char*>(file);
                FcPatternGetInteger(p, FC_INDEX, 0, &c.index);
                if (FcChar8* family = nullptr; FcPatternGetString(p, FC_FAMILY, 0, &family) == FcResultMatch) {
                    c.family = reinterpret_cast<const char*>(family);
                }
                int face_weight = FC_WEIGHT_REGULAR;
                int face_slant = FC_SLANT_ROMAN;
                FcPatternGetInteger(p, FC_WEIGHT, 0, &face_weight);
                FcPatternGetInteger(p, FC_SLANT, 0, &face_slant);
                // Faces without a bold or italic style are made so by FreeType.
                c.embolden = fc_weight >= FC_WEIGHT_DEMIBOLD && face_weight < FC_WEIGHT_DEMIBOLD;
                c.slant = italic && face_slant == FC_SLANT_ROMAN;
                c.charset = FcCharSetCopy(charset);
                font.candidates_.push_back(std::move(c));
            }
            FcFontSetDestroy(set);
        }
        FcPatternDestroy(pattern);
    }

    FT_Library library_ = nullptr;
    std::map<std::tuple<std::string, int, int>, std::unique_ptr<Face>> faces_;
    std::map<std::pair<std::string, int>, std::optional<DesignMetrics>> design_;
    std::map<FontKey, std::unique_ptr<Font>> fonts_;
    Font* last_font_ = nullptr;
    LOGFONTA last_lf_;
};

namespace {

FontEngine& engine() {
    static FontEngine instance;
    return instance;
}

// Characters that are layout controls, not ink: their glyph is empty and takes
// no room (the layout gives tabs their width).
bool is_control(char32_t cp) { return cp < 0x20 || cp == 0x7F; }

Glyph& empty_glyph() {
    static Glyph g = [] {
        Glyph e;
        e.rendered = true;
        return e;
    }();
    return g;
}

}  // namespace

Font::~Font() {
    for (auto& c : candidates_) {
        if (c.charset) FcCharSetDestroy(static_cast<FcCharSet*>(c.charset));
    }
}

Glyph& Font::glyph(char32_t cp) {
    if (cp < kAsciiCache && ascii_[cp]) return *ascii_[cp];
    auto it = by_char_.find(cp);
    if (it != by_char_.end()) return *it->second;
    Glyph& g = load(cp);
    if (cp < kAsciiCache) {
        ascii_[cp] = &g;
    } else {
        by_char_.emplace(cp, &g);
    }
    return g;
}

Face* Font::open(Candidate& c) {
    if (!c.opened) {
        c.face = engine().face(c.file, c.index, metrics_.pixel_size);
        c.opened = true;
    }
    return c.face;
}

Glyph& Font::load(char32_t cp) {
    if (is_control(cp)) return empty_glyph();
    for (auto& c : candidates_) {
        if (!FcCharSetHasChar(static_cast<FcCharSet*>(c.charset), cp) || !open(c)) continue;
        if (unsigned index = c.face->glyph_index(cp)) return c.face->glyph(index, c.embolden, c.slant);
    }
    // No face has it: the first face's missing-glyph box.
    if (!candidates_.empty() && candidates_.front().face) {
        const auto& c = candidates_.front();
        return c.face->glyph(0, c.embolden, c.slant);
    }
    // No face at all: blank glyphs that still take room.
    blank_.rendered = true;
    blank_.advance = std::max(1, metrics_.pixel_size / 2);
    return blank_;
}

const Glyph& Font::rendered_glyph(char32_t cp) {
    Glyph& g = glyph(cp);
    if (!g.rendered) {
        if (g.face) {
            g.face->render(g);
        } else {
            g.rendered = true;
        }
    }
    return g;
}

Font& font_for(const LOGFONTA& lf) { return engine().font(lf); }

void release_font_caches() { engine().clear(); }

std::size_t glyphs_rasterised() { return rasterised_count; }

}  // namespace gdi::text
