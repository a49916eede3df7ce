#include "calculators/duct_heat/duct_heat.h"

#include <cmath>
#include <numbers>

#include "psychro/air.h"

namespace orvanta::calculators {

namespace {

CalcFailure Refuse(const char* pl, const char* en) { return CalcFailure::Message(pl, en); }

}  // namespace

CalcResult<DuctHeatResult> ComputeDuctHeat(const DuctHeatInput& in) {
  const bool round = in.shape == DuctShape::kRound;
  if (!(in.flow > 0))
    return Refuse("Strumień powietrza musi być większy od zera.", "The air flow must be greater than zero.");
  if (!(in.length > 0))
    return Refuse("Długość przewodu musi być większa od zera.", "The duct length must be greater than zero.");
  if (!(in.side_a_mm > 0) || (!round && !(in.side_b_mm > 0)))
    return Refuse("Wymiary przewodu muszą być większe od zera.",
                  "The duct dimensions must be greater than zero.");
  if (!(in.wall_mm > 0) || !(in.insulation_mm > 0))
    return Refuse("Grubość ścianki i izolacji musi być większa od zera.",
                  "The wall and insulation thicknesses must be greater than zero.");
  if (!(in.wall_lambda > 0) || !(in.insulation_lambda > 0))
    return Refuse("Współczynnik przewodzenia ciepła musi być większy od zera.",
                  "The thermal conductivity must be greater than zero.");
  if (!(in.outside_speed >= 0))
    return Refuse("Prędkość powietrza na zewnątrz przewodu nie może być ujemna.",
                  "The outside air velocity cannot be negative.");
  if (!(in.inside_rh >= 0 && in.inside_rh <= 100))
    return Refuse("Wilgotność względna musi leżeć w zakresie od 0 do 100 %.",
                  "The relative humidity must lie between 0 and 100 %.");
  if (!(in.inside_t > -273.15) || !(in.outside_t > -273.15))
    return Refuse("Temperatura musi być wyższa od zera bezwzględnego.",
                  "The temperature must be above absolute zero.");

  constexpr double pi = std::numbers::pi;
  DuctHeatResult r;
  const double a = in.side_a_mm / 1000, b = in.side_b_mm / 1000;
  if (round) {
    r.hydraulic_diameter = a;
    r.perimeter = pi * a;
    r.velocity = in.flow / (pi * a * a / 4 * 3600);
  } else {
    r.perimeter = 2 * a + 2 * b;
    r.hydraulic_diameter = 4 * a * b / r.perimeter;
    r.velocity = in.flow / (a * b * 3600);
  }
  // Velocities reduced to 0 °C.
  const double wi0 = r.velocity * 273.15 / (in.inside_t + 273.15);
  const double we0 = in.outside_speed * 273.15 / (in.outside_t + 273.15);
  r.alpha_i = 4.4 * std::pow(wi0, 0.75) / std::pow(r.hydraulic_diameter, 0.25);
  r.alpha_e = 4.8 * std::pow(we0, 0.61) / std::pow(r.hydraulic_diameter, 0.39);
  // Plane-wall form per m² of duct surface; still air outside (αe = 0)
  // leaves no transmission.
  r.u = r.alpha_e > 0 ? 1 / (1 / r.alpha_i + in.wall_mm / 1000 / in.wall_lambda +
                             in.insulation_mm / 1000 / in.insulation_lambda + 1 / r.alpha_e)
                      : 0;

  const double ps = SaturationPressure(in.inside_t);
  const double phi = in.inside_rh / 100;
  if (!(in.pressure > phi * ps))
    return Refuse("Ciśnienie atmosferyczne musi być wyższe od ciśnienia pary wodnej w powietrzu.",
                  "The atmospheric pressure must be higher than the vapour pressure of the air.");
  const double x = MoistureContent(in.pressure, ps, phi);
  r.rho = AirDensity(in.pressure, in.inside_t, x);
  const double g = r.rho * in.flow / 3600;  // mass flow [kg/s]
  // Specific heat of the air taken as 1000 J/(kg·K).
  r.tk = in.outside_t - std::exp(-r.u * r.perimeter * in.length / (1000 * g)) * (in.outside_t - in.inside_t);
  r.q = (r.tk - in.inside_t) * 1000 * g;
  r.dew_point = DewPointTemperature(in.pressure, x);
  if (!AllFinite({r.tk, r.alpha_i, r.alpha_e, r.u, r.q, r.velocity, r.rho, r.dew_point}))
    return NotFiniteFailure();
  return r;
}

DuctHeatTexts DuctHeatShownTexts(const DuctHeatResult& r, char sep) {
  return {ShownNumber(r.tk, 2, sep), ShownNumber(r.alpha_i, 2, sep), ShownNumber(r.alpha_e, 2, sep),
          ShownNumber(r.u, 2, sep),  ShownNumber(r.q, 2, sep),       ShownNumber(r.velocity, 2, sep),
          ShownNumber(r.rho, 2, sep), ShownNumber(r.dew_point, 2, sep)};
}

}  // namespace orvanta::calculators
