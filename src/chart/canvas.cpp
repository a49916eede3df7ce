#include "chart/canvas.h"

#include <cmath>
#include <cstdlib>

namespace orvanta::chart {

int Canvas::TextWidth(std::string_view utf8) const {
  int chars = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++chars;  // count code points, not bytes
  return static_cast<int>(std::lround(0.55 * std::abs(font_.height) * chars));
}

}  // namespace orvanta::chart
