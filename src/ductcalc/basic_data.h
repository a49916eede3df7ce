// Air density and kinematic viscosity of the duct calculator's basic data.
#pragma once

#include <optional>

namespace orvanta {

// ρ and ν as the basic-data window shows them; the fitting calculation uses
// exactly these rounded numbers.
struct BasicAirData {
  double rho = 0;  // [kg/m3], rounded to 0.001
  double nu = 0;   // [m2/s], rounded to 1e-6
};

// t [°C], relative humidity [%], barometric pressure pb [Pa]. Gives nullopt
// when the inputs describe no real air (pb not above the vapour pressure, a
// temperature at or below −385 °C, a non-finite or non-positive result).
std::optional<BasicAirData> BasicData(double t, double phi_percent, double pb);

}  // namespace orvanta
