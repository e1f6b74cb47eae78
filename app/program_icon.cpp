#include "app/program_icon.h"

#include <cstdint>

namespace app {
namespace {

constexpr int kSize = 24;

// One character a pixel; the palette below gives the colours.
constexpr const char* kArt[kSize] = {
    "........................",
    "......KKKKKKKKKKKK......",
    ".....KBBBBBBBBBBBBK.....",
    "....KBLLLLLLLLLLLLBK....",
    "....KBLKKKKKKKKKKLBK....",
    "....KBLKSSSSSSSSKLBK....",
    "....KBLKSGGGSGGGKLBK....",
    "....KBLKSSSGSGSSKLBK....",
    "....KBLKSGGGSGSGKLBK....",
    "....KBLKSSSGSGSGKLBK....",
    "....KBLKSGGGSGGGKLBK....",
    "....KBLKSSSSSSSSKLBK....",
    "....KBLKKKKKKKKKKLBK....",
    "....KBBBBBWWWWBBBBBK....",
    "....KBBBBBBBBBBBBBBK....",
    "....KBBWWBBWWBBWWBBK....",
    "....KBBBBBBBBBBBBBBK....",
    "....KBBWWBBWWBBWWBBK....",
    "....KBBBBBBBBBBBBBBK....",
    "....KBBWWBBWWBBWWBBK....",
    "....KBBBBBBBBBBBBBBK....",
    ".....KBBBBBBBBBBBBK.....",
    "......KKKKKKKKKKKK......",
    "........................",
};

std::uint32_t Colour(char c) {
    switch (c) {
        case 'K': return 0x1B3A5C;  // outline
        case 'B': return 0x2F6DB5;  // body
        case 'L': return 0x6FA8E8;  // bevel light
        case 'S': return 0xDFF3FF;  // screen
        case 'G': return 0x1F9D55;  // "3G"
        case 'W': return 0xF4F8FC;  // keys and speaker
        default: return 0xFF00FF;   // outside the handset
    }
}

}  // namespace

forms::Icon ProgramIcon() {
    forms::Icon icon;
    icon.width = kSize;
    icon.height = kSize;
    icon.pixels.reserve(kSize * kSize);
    for (const char* row : kArt)
        for (int x = 0; x < kSize; ++x) icon.pixels.push_back(Colour(row[x]));
    return icon;
}

}  // namespace app
