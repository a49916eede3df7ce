#include "psychro/air.h"

#include <cmath>
#include <vector>

#include "psychro/first_hit.h"

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

namespace {

constexpr long kWetBulbMaxSteps = 2'000'000;
constexpr int kDewPointMaxSteps = 100'000;

// Whether the saturated state on the isenthalp i0 at tw has phi >= 1.
bool SaturatedAt(double pb, double i0, double tw) {
  const double xs = (i0 - 1.005 * tw) / (1.84 * tw + 2501);
  return pb / SaturationPressure(tw) * xs / (xs + 0.622) >= 1;
}

// The dew-point grid as the search walks it: -40 plus 0.1 added k times, with
// the rounding of each addition (not -40 + k/10).
const std::vector<double>& DewPointGrid() {
  static const std::vector<double> grid = [] {
    std::vector<double> g(kDewPointMaxSteps + 1);
    double td = -40;
    g[0] = td;
    for (int k = 1; k <= kDewPointMaxSteps; ++k) g[k] = td = td + 0.1;
    return g;
  }();
  return grid;
}

}  // namespace

double WetBulbTemperature(double pb, double t, double x) {
  if (!std::isfinite(pb) || !std::isfinite(t) || !std::isfinite(x)) return NAN;
  const double i0 = AirEnthalpy(t, x);
  // Walk down the isenthalp in 0.01 K steps (t - k*0.01, no accumulated
  // error) to the first saturated state; the result is the step before it.
  // For pb > 0, x >= 0 and t above the saturation formula's pole at -237.3 °C
  // phi grows with every step, so the first saturated step is found by
  // bisection; other inputs walk the steps one by one. The bound only stops
  // absurd inputs.
  const auto hit = [&](long k) { return SaturatedAt(pb, i0, t - k * 0.01); };
  // Bisection stays above the pole: past it phi falls again.
  const double steps_to_pole = (t + 237.29) / 0.01;
  if (pb > 0 && x >= 0 && steps_to_pole >= 1) {
    const long k_cap = steps_to_pole >= kWetBulbMaxSteps ? kWetBulbMaxSteps : static_cast<long>(steps_to_pole);
    const long k = FirstHit(k_cap, hit);
    if (k > 0) return t - (k - 1) * 0.01;
    if (k_cap == kWetBulbMaxSteps) return NAN;
  }
  return WetBulbTemperatureStepped(pb, t, x);
}

double WetBulbTemperatureStepped(double pb, double t, double x) {
  if (!std::isfinite(pb) || !std::isfinite(t) || !std::isfinite(x)) return NAN;
  const double i0 = AirEnthalpy(t, x);
  for (long k = 1; k <= kWetBulbMaxSteps; ++k)
    if (SaturatedAt(pb, i0, t - k * 0.01)) return t - (k - 1) * 0.01;
  return NAN;
}

double DewPointTemperature(double pb, double x) {
  if (!std::isfinite(pb) || !std::isfinite(x)) return NAN;
  // Above -40 °C the saturation pressure rises with t, so the relative
  // humidity of x falls (or keeps its sign) step by step: bisection over the
  // step index finds the walk's first unsaturated step.
  const std::vector<double>& grid = DewPointGrid();
  const long k = FirstHit(kDewPointMaxSteps, [&](long k) {
    return RelativeHumidity(pb, SaturationPressure(grid[k]), x) < 1;
  });
  return k == 0 ? NAN : grid[k];
}

double DewPointTemperatureStepped(double pb, double x) {
  if (!std::isfinite(pb) || !std::isfinite(x)) return NAN;
  double td = -40;
  // Above ~350 °C the saturation pressure exceeds any chart pressure, so the
  // bound is never reached for sensible input.
  for (int k = 1; k <= kDewPointMaxSteps; ++k) {
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
  // At 1013 hPa the product is -0, which number formats show as "-0".
  return std::isfinite(h) && h != 0 ? h : 0.0;
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
