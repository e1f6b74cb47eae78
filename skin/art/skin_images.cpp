// The skin's art: five small images painted pixel by pixel from the tables at
// start-up, shared by every skinned window and released with the last one.


#include "skin/art/skin_image_tables.h"
#include "skin/core/module_state.h"
#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

struct ImageSource {
    int width;
    int height;
    const COLORREF* pixels;  // height rows of width values
};

// In the order the images are built and released (SkinImageId).
const ImageSource kImageSources[5] = {
    {7, 84, &art::kButtonFacePixels[0][0]},
    {15, 18, &art::kComboButtonPixels[0][0]},
    {18, 24, &art::kMarkGlyphPixels[0][0]},
    {13, 52, &art::kOptionCirclePixels[0][0]},
    {9, 20, &art::kHeaderItemPixels[0][0]},
};

}  // namespace

void BuildSkinImages() {
    for (int i = 0; i < 5; ++i) {
        state::images[i] = CreateMemoryDC(kImageSources[i].width, kImageSources[i].height);
    }
    // Every pixel is written, so nothing depends on a new bitmap's content.
    for (int i = 0; i < 5; ++i) {
        const ImageSource& source = kImageSources[i];
        for (int y = 0; y < source.height; ++y) {
            for (int x = 0; x < source.width; ++x) {
                SetPixel(state::images[i], x, y, source.pixels[y * source.width + x]);
            }
        }
    }
}

void ReleaseSkinImages() {
    for (HDC& image : state::images) {
        DeleteMemoryDC(image);
        image = HDC();
    }
    state::initialised = state::kFalse;
}

}  // namespace mSkinner
