// PNG encoding of a chart picture through libpng with one fixed row filter
// (UP): the adaptive per-row filter search costs most of the time of a
// picture export and saves only a few per cent of the bytes on a chart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

enum class PngPixels {
  kRgb24,   // R, G, B bytes
  kBgrx32,  // B, G, R, unused bytes: a 32-bit 0xffRRGGBB word on a little-endian machine
};

struct PngPicture {
  int width = 0;
  int height = 0;
  const std::uint8_t* pixels = nullptr;  // the top row first
  std::size_t stride = 0;                // bytes from one row to the next
  PngPixels layout = PngPixels::kRgb24;
};

struct PngResult {
  std::vector<std::uint8_t> bytes;  // the PNG file, 8-bit RGB
  std::string error;                // empty on success
};

PngResult EncodePng(const PngPicture& picture);

}  // namespace orvanta
