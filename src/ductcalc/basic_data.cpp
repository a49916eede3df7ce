#include "ductcalc/basic_data.h"

#include <cmath>

#include "psychro/air.h"
#include "psychro/number_text.h"

namespace orvanta {

std::optional<BasicAirData> BasicData(double t, double phi_percent, double pb) {
  if (!std::isfinite(t) || !std::isfinite(phi_percent) || !std::isfinite(pb)) return std::nullopt;
  if (phi_percent < 0 || pb <= 0 || t <= -273.15) return std::nullopt;
  const double phi = phi_percent / 100.0;
  const double ps = SaturationPressurePolynomial(t);
  const double pd = pb - phi * ps;
  if (!(pd > 0)) return std::nullopt;
  const double x = 0.622 * phi * ps / pd;
  const double T = t + 273.15;
  const double rho = pb * (1 + x) / ((0.622 + x) * 462 * T);
  const double nu = std::pow(T / 273.15, 1.5) * 0.006676 / ((t + 385) * rho);
  BasicAirData d{RoundToStep(rho, 0.001), RoundToStep(nu, 1e-6)};
  if (!std::isfinite(d.rho) || !std::isfinite(d.nu) || d.rho <= 0 || d.nu <= 0) return std::nullopt;
  return d;
}

}  // namespace orvanta
