// Properties of humid air. Everything in SI: t in °C, x in kg water per kg
// dry air, enthalpy in kJ/kg dry air, pressures in Pa, density in kg/m3,
// relative humidity as a fraction. The functions are pure and do not
// validate their arguments; callers test results with std::isfinite.
#pragma once

namespace orvanta {

// One complete humid-air state. The field order is also the order in which
// project and library files store a state.
struct AirState {
  double x = 0;    // moisture content [kg/kg]
  double t = 0;    // dry-bulb temperature [°C]
  double phi = 0;  // relative humidity [fraction], at most 1 when stored
  double i = 0;    // specific enthalpy [kJ/kg]
  double rho = 0;  // density of the humid air [kg/m3]
  double pp = 0;   // partial pressure of water vapour [Pa]
  double pa = 0;   // partial pressure of dry air [Pa]
  double tw = 0;   // wet-bulb temperature [°C]
  double td = 0;   // dew-point temperature [°C]
};

bool operator==(const AirState& a, const AirState& b);

// True when every field is a finite number.
bool IsFinite(const AirState& s);

// Saturation pressure of water vapour over water [Pa], used at every t.
double SaturationPressure(double t);
// Saturation pressure [Pa] by the fourth-order exponent polynomial
// 611·exp(0.07257·t − 2.937e-4·t² + 9.81e-7·t³ − 1.901e-9·t⁴) (VDI 2089 form).
// Used where a window keeps its own formula: the DIN comfort zone, the pool
// hall calculator and the duct calculator's basic data.
double SaturationPressurePolynomial(double t);
// Density [kg/m3] with 273 instead of 273.15 K, as the pool hall calculator
// computes it: p·(1 + x)/((0.622 + x)·462·(t + 273)).
double AirDensity273(double pb, double t, double x);
// Relative humidity [fraction], not clipped at 1.
double RelativeHumidity(double pb, double ps, double x);
// Moisture content [kg/kg] of air with relative humidity phi.
double MoistureContent(double pb, double ps, double phi);
double AirDensity(double pb, double t, double x);
double AirEnthalpy(double t, double x);
// Inverse of AirEnthalpy for a given t.
double MoistureFromEnthalpy(double i, double t);
// Wet-bulb temperature: follows the isenthalp down to saturation in 0.01 K
// steps; the result lies on the grid t - k*0.01 (k >= 0). NaN for
// non-finite input.
double WetBulbTemperature(double pb, double t, double x);
// Dew-point temperature: steps up from -40 °C by 0.1 K; the result is the
// first grid value -40 + k*0.1 (k >= 1) at which the air is unsaturated.
// NaN for non-finite input.
double DewPointTemperature(double pb, double x);
// The same two searches walking every step one by one: the definition the
// fast searches above must reproduce bit for bit (tests and benchmarks).
double WetBulbTemperatureStepped(double pb, double t, double x);
double DewPointTemperatureStepped(double pb, double x);
// y at xq on the straight line through (xA, yA) and (xB, yB).
double Interpolate(double xq, double xA, double yA, double xB, double yB);
// Altitude above sea level [m] from a barometric pressure [hPa]; 0 when the
// computation fails (p <= 0, non-finite input).
double AltitudeFromPressure(double p_hpa);

}  // namespace orvanta
