#include "calculators/heat_gains/water_surface.h"

#include <algorithm>
#include <optional>

#include "psychro/air.h"

namespace orvanta::calculators {

std::optional<double> WaterSurfaceWetBulb(double po, double i) {
  // Integer steps so that the grid is exactly −30 + k·0.001.
  for (long k = 0; k <= 230000; ++k) {
    const double t = -30 + k * 0.001;
    const double ps = SaturationPressure(t);
    if (!(po > ps)) return std::nullopt;  // saturated air no longer exists at this pressure
    const double is = 1.005 * t + (2501 + 1.84 * t) * 0.622 * ps / (po - ps);
    if (!(is < i)) return t;
  }
  return std::nullopt;
}

CalcResult<WaterSurfaceResult> ComputeWaterSurfaceGains(const WaterSurfaceInput& in) {
  if (!(in.area > 0))
    return CalcFailure::Message("Powierzchnia lustra wody musi być większa od zera.",
                                "The water surface area must be greater than zero.");
  if (!(in.air_speed >= 0))
    return CalcFailure::Message("Prędkość powietrza nie może być ujemna.",
                                "The air velocity cannot be negative.");
  if (!(in.room_rh >= 0 && in.room_rh <= 100))
    return CalcFailure::Message("Wilgotność względna musi leżeć w zakresie od 0 do 100 %.",
                                "The relative humidity must lie between 0 and 100 %.");
  WaterSurfaceResult r;
  const double po = in.pressure, fi = in.room_rh / 100;
  r.ps_ti = SaturationPressure(in.room_t);
  const double pp = fi * r.ps_ti;
  if (!(po > pp) || !(in.room_t > -273.15))
    return CalcFailure::Message(
        "Ciśnienie atmosferyczne musi być wyższe od ciśnienia pary wodnej w powietrzu.",
        "The atmospheric pressure must be higher than the vapour pressure of the air.");
  const double x = MoistureContent(po, r.ps_ti, fi);
  r.i = AirEnthalpy(in.room_t, x);
  r.rho = AirDensity(po, in.room_t, x);
  r.pg = po - pp;
  r.x = x * 1000;

  const std::optional<double> tmo = WaterSurfaceWetBulb(po, r.i);
  if (!tmo)
    return CalcFailure::Message("Nie można wyznaczyć temperatury mokrego termometru powietrza.",
                                "The wet-bulb temperature of the room air cannot be found.");
  r.tmo = *tmo;
  r.tr = DewPointTemperature(po, x);
  r.alpha = 4.07 * in.air_speed + 5.7;
  r.tpc = in.water_t - 0.125 * (in.water_t - r.tmo);
  r.ps_tpc = SaturationPressure(r.tpc);
  r.sigma = std::max(0.0068 + 0.0005 * r.tpc, 0.022);
  r.beta = (0.017 * in.air_speed + r.sigma) * 2.1e-6;
  r.mp = r.beta * in.area * (r.ps_tpc - pp) * 1000 / (po / 100);
  r.qs = in.area * r.alpha * (r.tpc - in.room_t);
  r.qm = (2501 + 1.84 * r.tpc) * r.mp * 1000;
  r.qc = r.qs + r.qm;
  if (!AllFinite({r.tmo, r.tpc, r.tr, r.ps_tpc, r.ps_ti, r.pg, r.alpha, r.sigma, r.beta, r.mp, r.x,
                  r.i, r.rho, r.qs, r.qm, r.qc}))
    return NotFiniteFailure();
  return r;
}

WaterSurfaceTexts WaterSurfaceShownTexts(const WaterSurfaceResult& r, char sep) {
  return {ShownNumber(r.tmo, 2, sep),    ShownNumber(r.tpc, 2, sep),   ShownNumber(r.tr, 1, sep),
          ShownNumber(r.ps_tpc, 1, sep), ShownNumber(r.ps_ti, 1, sep), ShownNumber(r.pg, 1, sep),
          ShownNumber(r.alpha, 2, sep),  ShownNumber(r.sigma, 10, sep), ShownNumber(r.beta, 16, sep),
          ShownNumber(r.mp, 10, sep),    ShownNumber(r.x, 2, sep),     ShownNumber(r.i, 2, sep),
          ShownNumber(r.rho, 2, sep),    ShownNumber(r.qs, 3, sep),    ShownNumber(r.qm, 3, sep),
          ShownNumber(r.qc, 3, sep)};
}

}  // namespace orvanta::calculators
