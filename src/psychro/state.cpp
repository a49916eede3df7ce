#include "psychro/state.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

AirState StateFromTX(double pb, double t, double x) {
  AirState s;
  s.x = x;
  s.t = t;
  s.i = AirEnthalpy(t, x);
  s.rho = AirDensity(pb, t, x);
  const double ps = SaturationPressure(t);
  s.phi = RelativeHumidity(pb, ps, x);
  if (s.phi >= 1) s.phi = 1;
  s.pp = s.phi * ps;
  s.pa = pb - s.pp;
  s.td = DewPointTemperature(pb, x);
  s.tw = WetBulbTemperature(pb, t, x);
  return s;
}

AirState StateFromTPhi(double pb, double t, double phi) {
  return StateFromTX(pb, t, MoistureContent(pb, SaturationPressure(t), phi));
}

AirState StateFromTEnthalpy(double pb, double t, double i) {
  return StateFromTX(pb, t, MoistureFromEnthalpy(i, t));
}

LineMoisture MoistureOnProcessLine(double t, const AirState& a, const AirState& b) {
  if (a.t == b.t) return {NAN, false, false};
  const double x = Interpolate(t, a.t, a.x, b.t, b.x);
  if (!std::isfinite(x)) return {NAN, false, false};
  const bool within = std::min(a.x, b.x) <= x && x <= std::max(a.x, b.x);
  return {x, within, true};
}

double MoistureOnDirectionLine(double t, const AirState& p0, double epsilon) {
  const double x = (p0.x * (2501 + 1.84 * p0.t - epsilon) + 1.005 * (p0.t - t)) /
                   (2501 - epsilon + 1.84 * t);
  return std::isfinite(x) ? x : NAN;
}

double GuardTypedMoisture(double x) { return x < 0 ? 0.0001 : x; }
double GuardTypedRelativeHumidity(double phi) { return phi <= 0 ? 0.00001 : phi; }
double GuardChartMoisture(double x) { return x > 0 ? x : 0.000001; }

int StoredPointLimitText(double t, double x) {
  if (x > 0.2) return kTextMoistureTooHigh;
  if (t < -60 || t > 200) return kTextTemperatureOutOfRange;
  return 0;
}

int StoredPointLimitTextIP(double t_f, double x_gr_per_lb) {
  if (x_gr_per_lb > 1400) return kTextMoistureTooHigh;
  if (t_f < -76 || t_f > 392) return kTextTemperatureOutOfRange;
  return 0;
}

}  // namespace orvanta
