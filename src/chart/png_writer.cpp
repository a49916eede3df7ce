#include "chart/png_writer.h"

#include <png.h>

#include <csetjmp>

namespace orvanta {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

void Fail(png_structp png, png_const_charp message) {
  auto* error = static_cast<std::string*>(png_get_error_ptr(png));
  *error = message ? message : "PNG encoding failed";
  png_longjmp(png, 1);
}

void Warn(png_structp, png_const_charp) {}

}  // namespace

PngResult EncodePng(const PngPicture& picture) {
  PngResult result;
  const std::size_t bytes_per_pixel = picture.layout == PngPixels::kRgb24 ? 3 : 4;
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 1'000'000 || picture.height > 1'000'000 ||
      !picture.pixels || picture.stride < static_cast<std::size_t>(picture.width) * bytes_per_pixel) {
    result.error = "no picture to encode";
    return result;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &result.error, Fail, Warn);
  if (!png) {
    result.error = "not enough memory for the PNG encoder";
    return result;
  }
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    if (result.error.empty()) result.error = "not enough memory for the PNG encoder";
    result.bytes.clear();
    return result;
  }
  png_set_write_fn(png, &result.bytes, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_write_info(png, info);
  if (picture.layout == PngPixels::kBgrx32) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  }
  for (int y = 0; y < picture.height; ++y)
    png_write_row(png, const_cast<png_bytep>(picture.pixels + static_cast<std::size_t>(y) * picture.stride));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return result;
}

}  // namespace orvanta
