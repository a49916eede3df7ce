// Colours of the chart. Stored as RGB; the Delphi-style $BBGGRR numbers used
// by settings files are converted here and nowhere else.
#pragma once

#include <cstdint>

namespace orvanta {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// $BBGGRR (as in "clNavy" = $800000) to RGB and back.
constexpr Rgb RgbFromBgr(std::uint32_t bbggrr) {
  return Rgb{static_cast<std::uint8_t>(bbggrr & 0xFF), static_cast<std::uint8_t>((bbggrr >> 8) & 0xFF),
             static_cast<std::uint8_t>((bbggrr >> 16) & 0xFF)};
}
constexpr std::uint32_t BgrFromRgb(Rgb c) {
  return static_cast<std::uint32_t>(c.r) | (static_cast<std::uint32_t>(c.g) << 8) |
         (static_cast<std::uint32_t>(c.b) << 16);
}

namespace colors {
constexpr Rgb kBlack = RgbFromBgr(0x000000);
constexpr Rgb kWhite = RgbFromBgr(0xFFFFFF);
constexpr Rgb kRed = RgbFromBgr(0x0000FF);
constexpr Rgb kGreen = RgbFromBgr(0x008000);
constexpr Rgb kBlue = RgbFromBgr(0xFF0000);
constexpr Rgb kNavy = RgbFromBgr(0x800000);
constexpr Rgb kFuchsia = RgbFromBgr(0xFF00FF);
constexpr Rgb kPurple = RgbFromBgr(0x800080);
constexpr Rgb kSilver = RgbFromBgr(0xC0C0C0);
constexpr Rgb kYellow = RgbFromBgr(0x00FFFF);
}  // namespace colors

}  // namespace orvanta
