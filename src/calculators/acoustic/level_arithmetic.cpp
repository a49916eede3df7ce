#include "calculators/acoustic/level_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvanta::calculators {

double EnergeticSum(std::span<const double> levels) {
  double top = -std::numeric_limits<double>::infinity();
  for (double l : levels) {
    if (std::isnan(l)) return l;
    top = std::max(top, l);
  }
  if (!std::isfinite(top)) return top;  // empty, all -inf, or an infinite level
  double sum = 0;
  for (double l : levels) sum += std::pow(10.0, 0.1 * (l - top));
  return top + 10.0 * std::log10(sum);
}

OctaveLevels AWeighted(const OctaveLevels& unweighted) {
  OctaveLevels out{};
  for (int i = 0; i < kOctaveBands; ++i) out[i] = unweighted[i] + kAWeighting[i];
  return out;
}

}  // namespace orvanta::calculators
