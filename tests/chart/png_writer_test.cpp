#include "chart/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace orvanta {
namespace {

// Decodes with libpng's own reader into 8-bit RGB.
std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& file, int* w, int* h) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  *w = static_cast<int>(image.width);
  *h = static_cast<int>(image.height);
  return rgb;
}

// A picture with every kind of row the filter meets: flat, ramps, noise.
std::vector<std::uint8_t> Pattern(int w, int h, int bpp, std::size_t stride) {
  std::vector<std::uint8_t> px(stride * h, 0xEE);
  std::uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1103515245 + 12345;
      std::uint8_t* p = &px[y * stride + x * bpp];
      p[0] = static_cast<std::uint8_t>(y < h / 3 ? 255 : x * 7);
      p[1] = static_cast<std::uint8_t>(y < h / 3 ? 255 : y * 3);
      p[2] = static_cast<std::uint8_t>(y > 2 * h / 3 ? seed >> 24 : 0);
    }
  return px;
}

TEST(PngWriter, RgbRowsDecodeToTheSamePixels) {
  const int w = 37, h = 23;
  const std::size_t stride = w * 3 + 5;  // padded rows
  const auto px = Pattern(w, h, 3, stride);
  const PngResult r = EncodePng({w, h, px.data(), stride, PngPixels::kRgb24});
  ASSERT_TRUE(r.error.empty()) << r.error;
  int dw = 0, dh = 0;
  const auto rgb = Decode(r.bytes, &dw, &dh);
  ASSERT_EQ(dw, w);
  ASSERT_EQ(dh, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c) ASSERT_EQ(rgb[(y * w + x) * 3 + c], px[y * stride + x * 3 + c]) << x << "," << y;
}

TEST(PngWriter, BgrxWordsLoseTheirFillerAndSwapToRgb) {
  const int w = 16, h = 9;
  const std::size_t stride = w * 4;
  const auto px = Pattern(w, h, 4, stride);  // bytes B, G, R, 0xEE
  const PngResult r = EncodePng({w, h, px.data(), stride, PngPixels::kBgrx32});
  ASSERT_TRUE(r.error.empty()) << r.error;
  int dw = 0, dh = 0;
  const auto rgb = Decode(r.bytes, &dw, &dh);
  ASSERT_EQ(rgb.size(), static_cast<std::size_t>(w * h * 3));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* bgrx = &px[y * stride + x * 4];
      const std::uint8_t* out = &rgb[(y * w + x) * 3];
      ASSERT_EQ(out[0], bgrx[2]);
      ASSERT_EQ(out[1], bgrx[1]);
      ASSERT_EQ(out[2], bgrx[0]);
    }
}

TEST(PngWriter, RefusesAPictureThatIsNotThere) {
  const std::uint8_t one[3] = {1, 2, 3};
  EXPECT_FALSE(EncodePng({0, 1, one, 3, PngPixels::kRgb24}).error.empty());
  EXPECT_FALSE(EncodePng({1, 1, nullptr, 3, PngPixels::kRgb24}).error.empty());
  EXPECT_FALSE(EncodePng({2, 1, one, 3, PngPixels::kRgb24}).error.empty());  // stride shorter than a row
  EXPECT_TRUE(EncodePng({1, 1, one, 3, PngPixels::kRgb24}).error.empty());
}

}  // namespace
}  // namespace orvanta
