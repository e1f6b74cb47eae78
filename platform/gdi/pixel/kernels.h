#pragma once
// The pixel loops behind blits, stretches and blends. They work on spans of
// 32-bit pixels (B, G, R, X in memory); the files of this folder are built at
// -O3 so that GCC vectorises them. Callers pick a routine once per call.

#include <cstdint>

namespace gdi::pixel {

// Ternary raster operations: the rop byte is the truth table, indexed by
// (pattern bit << 2) | (source bit << 1) | destination bit.
constexpr bool rop_uses_source(std::uint8_t rop) { return ((rop >> 2) ^ rop) & 0x33; }
constexpr bool rop_uses_pattern(std::uint8_t rop) { return ((rop >> 4) ^ rop) & 0x0F; }

// Plain bit-by-bit evaluation of the truth table; the fast paths are tested against it.
std::uint32_t rop_reference(std::uint8_t rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest);

// d[i] = rop(p, s[i], d[i]) for i < n, the X byte cleared. s may be null when
// the operation does not read the source; s may equal d.
using RopSpan = void (*)(std::uint32_t* d, const std::uint32_t* s, std::uint32_t p, int n, std::uint8_t rop);
RopSpan rop_span_for(std::uint8_t rop);
// The generic path every code can take (sum of the truth table's minterms, on whole words).
void rop_span_generic(std::uint32_t* d, const std::uint32_t* s, std::uint32_t p, int n, std::uint8_t rop);

// Constant-alpha blend: every byte becomes round((s * a + d * (255 - a)) / 255).
void blend_span(std::uint32_t* d, const std::uint32_t* s, int n, std::uint8_t a);
void blend_span_baseline(std::uint32_t* d, const std::uint32_t* s, int n, std::uint8_t a);
void blend_span_avx2(std::uint32_t* d, const std::uint32_t* s, int n, std::uint8_t a);  // only where supported
bool cpu_has_avx2();

// d[i] = s[map[i]] for i < n.
void stretch_span(std::uint32_t* d, const std::uint32_t* s, const int* map, int n);
void stretch_span_baseline(std::uint32_t* d, const std::uint32_t* s, const int* map, int n);
void stretch_span_avx2(std::uint32_t* d, const std::uint32_t* s, const int* map, int n);  // only where supported

// Depth conversions of a source span into out (which may equal s).
// Colour to monochrome: pixels equal to key become white, all others black.
void color_to_mono(std::uint32_t* out, const std::uint32_t* s, int n, std::uint32_t key);
// Monochrome to colour: white becomes one, black becomes zero.
void mono_to_color(std::uint32_t* out, const std::uint32_t* s, int n, std::uint32_t one, std::uint32_t zero);

}  // namespace gdi::pixel
