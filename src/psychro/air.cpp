#include "psychro/air.h"

#include <cmath>

namespace orvanta {

bool operator==(const AirState& a, const AirState& b) {
  return a.x == b.x && a.t == b.t && a.phi == b.phi && a.i == b.i && a.rho == b.rho &&
         a.pp == b.pp && a.pa == b.pa && a.tw == b.tw && a.td == b.td;
}

bool IsFinite(const AirState& s) {
  return std::isfinite(s.x) && std::isfinite(s.t) && std::isfinite(s.phi) &&
         std::isfinite(s.i) && std::isfinite(s.rho) && std::isfinite(s.pp) &&
         std::isfinite(s.pa) && std::isfinite(s.tw) && std::isfinite(s.td);
}

double SaturationPressure(double t) { return 610.5 * std::exp(17.269 * t / (t + 237.3)); }

double SaturationPressurePolynomial(double t) {
  return 611 * std::exp(0.07257 * t - 0.0002937 * t * t + 9.81e-7 * t * t * t - 1.901e-9 * t * t * t * t);
}

double AirDensity273(double pb, double t, double x) {
  return pb * (1 + x) / ((0.622 + x) * 462 * (t + 273));
}

double RelativeHumidity(double pb, double ps, double x) { return pb * x / (ps * (0.622 + x)); }

double MoistureContent(double pb, double ps, double phi) {
  return 0.622 * phi * ps / (pb - phi * ps);
}

double AirDensity(double pb, double t, double x) {
  return pb * (1 + x) / (462 * (0.622 + x) * (t + 273.15));
}

double AirEnthalpy(double t, double x) { return 1.005 * t + x * (2501 + 1.84 * t); }

double MoistureFromEnthalpy(double i, double t) { return (i - 1.005 * t) / (2501 + 1.84 * t); }

double WetBulbTemperature(double pb, double t, double x) {
  if (!std::isfinite(pb) || !std::isfinite(t) || !std::isfinite(x)) return NAN;
  const double i0 = AirEnthalpy(t, x);
  // The saturation formula has a pole at -237.3 °C; every unsaturated state
  // with x >= 0 saturates above it. The bound only stops absurd inputs.
  constexpr long kMaxSteps = 2'000'000;
  for (long k = 1; k <= kMaxSteps; ++k) {
    const double tw = t - k * 0.01;  // on the grid, no accumulated error
    const double xs = (i0 - 1.005 * tw) / (1.84 * tw + 2501);
    const double phis = pb / SaturationPressure(tw) * xs / (xs + 0.622);
    if (phis >= 1) return t - (k - 1) * 0.01;
  }
  return NAN;
}

double DewPointTemperature(double pb, double x) {
  if (!std::isfinite(pb) || !std::isfinite(x)) return NAN;
  double td = -40;
  // Above ~350 °C the saturation pressure exceeds any chart pressure, so the
  // bound is never reached for sensible input.
  for (int k = 1; k <= 100'000; ++k) {
    td = td + 0.1;
    if (RelativeHumidity(pb, SaturationPressure(td), x) < 1) return td;
  }
  return NAN;
}

double Interpolate(double xq, double xA, double yA, double xB, double yB) {
  return yA + (xq - xA) / (xB - xA) * (yB - yA);
}

double AltitudeFromPressure(double p_hpa) {
  if (!(p_hpa > 0) || !std::isfinite(p_hpa)) return 0;
  const double h = -44330.76923076923 * (1 - std::pow(p_hpa / 1013, -0.190266669078492452));
  return std::isfinite(h) ? h : 0;
}

// Enthalpy of humid air, 1.005·t + x·(2501 + 1.84·t), solved for t.
double TemperatureFromEnthalpy(double i, double x) { return (i - 2501 * x) / (1.84 * x + 1.005); }

// x = 0.622·phi·ps/(pb − phi·ps) solved for ps.
double SaturationPressureForHumidity(double pb, double x, double phi) { return x * pb / (phi * x + 0.622 * phi); }

// Ideal-gas density of humid air (R_v = 462 J/(kg K)) solved for t.
double TemperatureFromDensity(double pb, double rho, double x) {
  const double a = 462 * rho;
  return (x + 1) * pb / (a * (x + 0.622)) - 273.15;
}

// Enthalpy balance along a direction line: (1.84·t0 + 2501)·x0 + 1.005·t0 + (x − x0)·eps = i(t, x).
double TemperatureOnDirectionLine(double x, double t0, double x0, double eps) {
  return ((1.84 * t0 + 2501) * x0 + 1.005 * t0 - 2501 * x + (x - x0) * eps) / (1.84 * x + 1.005);
}

}  // namespace orvanta
