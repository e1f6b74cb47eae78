// MarkGlyphImage, 18 x 24, drawn only through the colour-keyed copy: the check
// mark (rows 0-7), the indeterminate square (rows 9-15) and the option dot
// (rows 18-22), enabled on the left and disabled nine columns to the right.
// Every pixel that is not part of a glyph is the key colour.

#include "skin/art/skin_image_tables.h"

namespace mSkinner::art {

// clang-format off
const COLORREF kMarkGlyphPixels[24][18] = {
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, 0x1DB754, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, 0x8CDAA8},
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, 0x1BB451, 0x1BB451, kKey, kKey, kKey, kKey, kKey, kKey, kKey, 0x8BD9A6, 0x8BD9A6},
    {kKey, kKey, kKey, kKey, kKey, kKey, 0x17AF4D, 0x17AF4D, 0x17AF4D, kKey, kKey, kKey, kKey, kKey, kKey, 0x89D6A4, 0x89D6A4, 0x89D6A4},
    {0x13A948, 0x13A948, kKey, kKey, kKey, 0x13A948, 0x13A948, 0x13A948, kKey, 0x87D3A2, 0x87D3A2, kKey, kKey, kKey, 0x87D3A2, 0x87D3A2, 0x87D3A2, kKey},
    {0x0FA243, 0x0FA243, 0x0FA243, kKey, 0x0FA243, 0x0FA243, 0x0FA243, kKey, kKey, 0x85D09F, 0x85D09F, 0x85D09F, kKey, 0x85D09F, 0x85D09F, 0x85D09F, kKey, kKey},
    {kKey, 0x0A9C3E, 0x0A9C3E, 0x0A9C3E, 0x0A9C3E, 0x0A9C3E, kKey, kKey, kKey, kKey, 0x82CD9D, 0x82CD9D, 0x82CD9D, 0x82CD9D, 0x82CD9D, kKey, kKey, kKey},
    {kKey, kKey, 0x069639, 0x069639, 0x069639, kKey, kKey, kKey, kKey, kKey, kKey, 0x80C99A, 0x80C99A, 0x80C99A, kKey, kKey, kKey, kKey},
    {kKey, kKey, kKey, 0x029135, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, 0x7EC798, kKey, kKey, kKey, kKey, kKey},
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey},
    {kKey, 0x1BB451, 0x1BB451, 0x1BB451, 0x1BB451, 0x1BB451, 0x1BB451, 0x1BB451, kKey, kKey, 0x8BD9A6, 0x8BD9A6, 0x8BD9A6, 0x8BD9A6, 0x8BD9A6, 0x8BD9A6, 0x8BD9A6, kKey},
    {kKey, 0x18B04E, 0x18B04E, 0x18B04E, 0x18B04E, 0x18B04E, 0x18B04E, 0x18B04E, kKey, kKey, 0x89D6A4, 0x89D6A4, 0x89D6A4, 0x89D6A4, 0x89D6A4, 0x89D6A4, 0x89D6A4, kKey},
    {kKey, 0x14AB49, 0x14AB49, 0x14AB49, 0x14AB49, 0x14AB49, 0x14AB49, 0x14AB49, kKey, kKey, 0x87D4A3, 0x87D4A3, 0x87D4A3, 0x87D4A3, 0x87D4A3, 0x87D4A3, 0x87D4A3, kKey},
    {kKey, 0x10A445, 0x10A445, 0x10A445, 0x10A445, 0x10A445, 0x10A445, 0x10A445, kKey, kKey, 0x86D1A0, 0x86D1A0, 0x86D1A0, 0x86D1A0, 0x86D1A0, 0x86D1A0, 0x86D1A0, kKey},
    {kKey, 0x0C9E40, 0x0C9E40, 0x0C9E40, 0x0C9E40, 0x0C9E40, 0x0C9E40, 0x0C9E40, kKey, kKey, 0x83CE9E, 0x83CE9E, 0x83CE9E, 0x83CE9E, 0x83CE9E, 0x83CE9E, 0x83CE9E, kKey},
    {kKey, 0x07983B, 0x07983B, 0x07983B, 0x07983B, 0x07983B, 0x07983B, 0x07983B, kKey, kKey, 0x81CA9B, 0x81CA9B, 0x81CA9B, 0x81CA9B, 0x81CA9B, 0x81CA9B, 0x81CA9B, kKey},
    {kKey, 0x069639, 0x069639, 0x069639, 0x069639, 0x069639, 0x069639, 0x069639, kKey, kKey, 0x80C99A, 0x80C99A, 0x80C99A, 0x80C99A, 0x80C99A, 0x80C99A, 0x80C99A, kKey},
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey},
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey},
    {kKey, kKey, kKey, 0x60CC87, 0x28BA5C, 0x60CC87, kKey, kKey, kKey, kKey, kKey, kKey, 0xAFE5C3, 0x93DCAD, 0xAFE5C3, kKey, kKey, kKey},
    {kKey, kKey, 0x5EC883, 0x19B14F, 0x19B14F, 0x19B14F, 0x5EC883, kKey, kKey, kKey, kKey, 0xAEE3C1, 0x8CD8A7, 0x8CD8A7, 0x8CD8A7, 0xAEE3C1, kKey, kKey},
    {kKey, kKey, 0x1DAC50, 0x12A847, 0x12A847, 0x12A847, 0x1DAC50, kKey, kKey, kKey, kKey, 0x8ED5A7, 0x88D3A3, 0x88D3A3, 0x88D3A3, 0x8ED5A7, kKey, kKey},
    {kKey, kKey, 0x54BA78, 0x0B9D3F, 0x0B9D3F, 0x0B9D3F, 0x54BA78, kKey, kKey, kKey, kKey, 0xA9DCBB, 0x85CE9F, 0x85CE9F, 0x85CE9F, 0xA9DCBB, kKey, kKey},
    {kKey, kKey, kKey, 0x4FB473, 0x109940, 0x4FB473, kKey, kKey, kKey, kKey, kKey, kKey, 0xA7D9B9, 0x87CC9F, 0xA7D9B9, kKey, kKey, kKey},
    {kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey, kKey},
};
// clang-format on

}  // namespace mSkinner::art
