// Evaporation and heat gains of an open water surface in a room, on the
// humid-air functions of psychro/air.h at the entered pressure.
#pragma once

#include <string>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

constexpr double kDefaultWaterSurfacePressure = 101300;  // Pa, Edit4's default

struct WaterSurfaceInput {
  double area = 0;        // F [m²]
  double room_t = 0;      // ti [°C]
  double room_rh = 0;     // fi [%]
  double pressure = kDefaultWaterSurfacePressure;  // po [Pa]
  double water_t = 0;     // tw [°C]
  double air_speed = 0;   // w over the water [m/s]
};

struct WaterSurfaceResult {
  double tmo = 0;      // wet-bulb temperature of the room air [°C]
  double tpc = 0;      // water surface temperature [°C]
  double tr = 0;       // dew point of the room air [°C]
  double ps_tpc = 0;   // saturation pressure at the surface [Pa]
  double ps_ti = 0;    // saturation pressure of the room air [Pa]
  double pg = 0;       // partial pressure of the dry air [Pa]
  double alpha = 0;    // heat transfer coefficient [W/(m²·K)]
  double sigma = 0;    // coefficient of the free air movement
  double beta = 0;     // mass transfer coefficient [kg/(s·Pa·m²)]
  double mp = 0;       // evaporating water [kg/s] (negative: condensing)
  double x = 0;        // moisture content of the room air [g/kg]
  double i = 0;        // enthalpy of the room air [kJ/kg]
  double rho = 0;      // density of the room air [kg/m³]
  double qs = 0;       // sensible heat gain [W] (negative: the water cools the room)
  double qm = 0;       // latent heat gain [W]
  double qc = 0;       // total heat gain [W]
};

// Refuses a non-positive area, a negative air speed, a humidity outside
// 0 … 100 %, a pressure not above the vapour pressure of the room air, and a
// room state whose wet-bulb temperature is not found below 200 °C.
CalcResult<WaterSurfaceResult> ComputeWaterSurfaceGains(const WaterSurfaceInput& in);

// The wet-bulb search of this window: from −30 °C upwards in 0.001 K steps,
// the first t at which the enthalpy of saturated air is no longer below i.
// nullopt when none is found below 200 °C.
std::optional<double> WaterSurfaceWetBulb(double pressure, double enthalpy);

// Edit7 … Edit22 as shown, with the decimals of each field.
struct WaterSurfaceTexts {
  std::string tmo, tpc, tr, ps_tpc, ps_ti, pg, alpha, sigma, beta, mp, x, i, rho, qs, qm, qc;
};
WaterSurfaceTexts WaterSurfaceShownTexts(const WaterSurfaceResult& r, char decimal_separator);

}  // namespace orvanta::calculators
