#include <cstring>

#include "platform/gdi/pixel/kernels.h"

namespace gdi::pixel {

namespace {

constexpr std::uint32_t kRgb = 0x00FFFFFF;

void span_srccopy(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    if (d != s) std::memmove(d, s, static_cast<std::size_t>(n) * sizeof *d);
}
void span_srcand(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] &= s[i];
}
void span_srcpaint(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = (d[i] | s[i]) & kRgb;
}
void span_srcinvert(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = (d[i] ^ s[i]) & kRgb;
}
void span_dst_and_not_src(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = d[i] & ~s[i] & kRgb;
}
void span_notsrccopy(std::uint32_t* d, const std::uint32_t* s, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = ~s[i] & kRgb;
}
void span_patcopy(std::uint32_t* d, const std::uint32_t*, std::uint32_t p, int n, std::uint8_t) {
    p &= kRgb;
    for (int i = 0; i < n; ++i) d[i] = p;
}
void span_patinvert(std::uint32_t* d, const std::uint32_t*, std::uint32_t p, int n, std::uint8_t) {
    p &= kRgb;
    for (int i = 0; i < n; ++i) d[i] = (d[i] ^ p) & kRgb;
}
void span_dstinvert(std::uint32_t* d, const std::uint32_t*, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = ~d[i] & kRgb;
}
void span_blackness(std::uint32_t* d, const std::uint32_t*, std::uint32_t, int n, std::uint8_t) {
    std::memset(d, 0, static_cast<std::size_t>(n) * sizeof *d);
}
void span_whiteness(std::uint32_t* d, const std::uint32_t*, std::uint32_t, int n, std::uint8_t) {
    for (int i = 0; i < n; ++i) d[i] = kRgb;
}

}  // namespace

std::uint32_t rop_reference(std::uint8_t rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) {
    std::uint32_t out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        unsigned p = (pattern >> bit) & 1, s = (source >> bit) & 1, d = (dest >> bit) & 1;
        out |= static_cast<std::uint32_t>((rop >> ((p << 2) | (s << 1) | d)) & 1) << bit;
    }
    return out;
}

void rop_span_generic(std::uint32_t* d, const std::uint32_t* s, std::uint32_t p, int n, std::uint8_t rop) {
    // Each set bit of the truth table is a minterm over (P, S, D); OR-ing the
    // minterms on whole words evaluates all 24 colour bits at once.
    const std::uint32_t pm[2] = {~p, p};
    for (int i = 0; i < n; ++i) {
        const std::uint32_t sv = s ? s[i] : 0, dv = d[i];
        const std::uint32_t sm[2] = {~sv, sv}, dm[2] = {~dv, dv};
        std::uint32_t out = 0;
        for (int t = 0; t < 8; ++t)
            if (rop & (1u << t)) out |= pm[t >> 2] & sm[(t >> 1) & 1] & dm[t & 1];
        d[i] = out & kRgb;
    }
}

RopSpan rop_span_for(std::uint8_t rop) {
    switch (rop) {
        case 0xCC: return span_srccopy;
        case 0x88: return span_srcand;
        case 0xEE: return span_srcpaint;
        case 0x66: return span_srcinvert;
        case 0x22: return span_dst_and_not_src;
        case 0x33: return span_notsrccopy;
        case 0xF0: return span_patcopy;
        case 0x5A: return span_patinvert;
        case 0x55: return span_dstinvert;
        case 0x00: return span_blackness;
        case 0xFF: return span_whiteness;
        default: return rop_span_generic;
    }
}

void color_to_mono(std::uint32_t* out, const std::uint32_t* s, int n, std::uint32_t key) {
    key &= kRgb;
    for (int i = 0; i < n; ++i) out[i] = (s[i] & kRgb) == key ? kRgb : 0u;
}

void mono_to_color(std::uint32_t* out, const std::uint32_t* s, int n, std::uint32_t one, std::uint32_t zero) {
    for (int i = 0; i < n; ++i) out[i] = (s[i] & kRgb) ? one : zero;
}


}  // namespace gdi::pixel
