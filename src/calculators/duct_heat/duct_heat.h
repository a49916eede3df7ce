// Warming or cooling of the air in an insulated duct that runs through
// surroundings of another temperature: outlet temperature, heat flow,
// convection and transmission coefficients, velocity, density, dew point.
#pragma once

#include <string>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

enum class DuctShape { kRound, kRectangular };  // "Przwód okągły" (default), "Przewód prostokątny"

// Defaults are those of the window.
struct DuctHeatInput {
  double inside_t = 20;          // ti [°C]
  double inside_rh = 50;         // φi [%]
  double outside_t = -20;        // te [°C]
  double outside_rh = 100;       // φe [%], shown only: the computation does not use it
  double flow = 1000;            // V [m³/h]
  double wall_lambda = 58;       // λ1 [W/(m·K)]
  double wall_mm = 1;            // δ1 [mm]
  double insulation_lambda = 0.04;  // λ2 [W/(m·K)]
  double insulation_mm = 50;     // δ2 [mm]
  double pressure = 101300;      // pb [Pa]
  double outside_speed = 1.0;    // we [m/s]
  double length = 20;            // L [m]
  DuctShape shape = DuctShape::kRound;
  double side_a_mm = 250;        // d (round) or A
  double side_b_mm = 250;        // B (rectangular only)
};

struct DuctHeatResult {
  double tk = 0;            // outlet temperature [°C]
  double alpha_i = 0;       // inside convection coefficient [W/(m²·K)]
  double alpha_e = 0;       // outside convection coefficient [W/(m²·K)]
  double u = 0;             // wall transmission coefficient [W/(m²·K)]
  double q = 0;             // heat gained (+) or lost (−) by the air [W]
  double velocity = 0;      // wi [m/s]
  double rho = 0;           // density of the duct air [kg/m³]
  double dew_point = 0;     // tr [°C]
  double hydraulic_diameter = 0;  // Dh [m]
  double perimeter = 0;     // P [m]
};

// Refuses non-positive flows, lengths, dimensions, wall and insulation
// thicknesses and conductivities, a negative outside air speed, a humidity
// outside 0 … 100 %, temperatures at or below absolute zero and a pressure not
// above the vapour pressure of the duct air.
CalcResult<DuctHeatResult> ComputeDuctHeat(const DuctHeatInput& in);

// Edit14 … Edit21 as shown: 2 decimals each.
struct DuctHeatTexts {
  std::string tk, alpha_i, alpha_e, u, q, velocity, rho, dew_point;
};
DuctHeatTexts DuctHeatShownTexts(const DuctHeatResult& r, char decimal_separator);

}  // namespace orvanta::calculators
