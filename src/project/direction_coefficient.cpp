#include "project/direction_coefficient.h"

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta {

namespace {
constexpr double kBtuPerHourPerKw = 3412;
constexpr double kLbPerKg = 2.204623;
}  // namespace

std::optional<double> EpsilonFromGains(double q, double w, UnitSystem units) {
  if (units == UnitSystem::IP) {
    q /= kBtuPerHourPerKw;
    w /= kLbPerKg;
  }
  if (w == 0) return std::nullopt;
  const double e = q / w;
  if (!std::isfinite(e)) return std::nullopt;
  return static_cast<double>(Rnd(e));
}

double MoistureGainPerSecond(double per_hour) { return RoundTo(per_hour / 3600, -10); }
double MoistureGainPerHour(double per_second) { return RoundTo(per_second * 3600, -3); }

}  // namespace orvanta
