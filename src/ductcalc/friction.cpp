#include "ductcalc/friction.h"

#include <cmath>

namespace orvanta {

bool ColebrookSatisfied(double lambda, double re, double k, double dh) {
  const double s = std::sqrt(lambda);
  const double left = 1 / s;
  const double right = -2 * std::log10(2.51 / (re * s) + 0.2695 * k / dh);
  return left < right;
}

std::optional<double> FrictionFactor(double re, double k, double dh) {
  if (!(std::isfinite(re) && std::isfinite(k) && std::isfinite(dh)) || re <= 0 || dh <= 0 || k < 0)
    return std::nullopt;
  long long hi = std::llround(kFrictionMax / kFrictionStep);
  auto ok = [&](long long n) { return ColebrookSatisfied(static_cast<double>(n) * kFrictionStep, re, k, dh); };
  if (!ok(hi)) return std::nullopt;
  long long lo = 0;  // index 0 (λ = 0) is never tried; it stands for "not satisfied"
  while (hi - lo > 1) {
    const long long mid = lo + (hi - lo) / 2;
    if (ok(mid))
      hi = mid;
    else
      lo = mid;
  }
  return static_cast<double>(hi) * kFrictionStep;
}

}  // namespace orvanta
