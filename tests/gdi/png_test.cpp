// PNG output: the file reads back with the surface's pixels.

#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/gdi/png.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

TEST(PngOutput, WritesRgbThatReadsBack) {
    gdi::SurfacePtr s = gdi::make_surface(3, 2);
    s->row(0)[0] = gdi::pixel_from_colorref(RGB(255, 0, 0));
    s->row(1)[2] = gdi::pixel_from_colorref(RGB(10, 20, 30));
    const std::string path = testsupport::output_path("gdi_png_roundtrip.png");
    ASSERT_TRUE(gdi::write_png(*s, path));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> data(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, data.data(), 0, nullptr));
    ASSERT_EQ(image.width, 3u);
    ASSERT_EQ(image.height, 2u);
    EXPECT_EQ(data[0], 255);
    EXPECT_EQ(data[1], 0);
    const std::size_t last = (1 * 3 + 2) * 3;
    EXPECT_EQ(data[last], 10);
    EXPECT_EQ(data[last + 1], 20);
    EXPECT_EQ(data[last + 2], 30);
    std::remove(path.c_str());
}

TEST(PngOutput, UnwritablePathFails) {
    gdi::SurfacePtr s = gdi::make_surface(1, 1);
    EXPECT_FALSE(gdi::write_png(*s, "/nonexistent-dir/x.png"));
    EXPECT_FALSE(gdi::write_png(gdi::Surface{}, testsupport::output_path("empty.png")));
}

}  // namespace
