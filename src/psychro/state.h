// Completing an air state from two known quantities, at barometric pressure
// pb [Pa]. All values SI.
#pragma once

#include "psychro/air.h"

namespace orvanta {

// The core of every path: every derived field recomputed from t and x.
// Above the saturation curve t and x are kept and only phi is clipped to 1.
AirState StateFromTX(double pb, double t, double x);
AirState StateFromTPhi(double pb, double t, double phi);
AirState StateFromTEnthalpy(double pb, double t, double i);

// Moisture content of the straight process segment A-B (in the t-x plane)
// at temperature t. `within` tells whether x lies between A.x and B.x.
// A line with A.t == B.t has no solution: ok is false and x is NaN.
struct LineMoisture {
  double x;
  bool within;
  bool ok = true;
};
LineMoisture MoistureOnProcessLine(double t, const AirState& a, const AirState& b);

// Moisture content at temperature t on the direction-coefficient line through
// p0 with coefficient epsilon [kJ/kg]. NaN when the line has no point at t.
double MoistureOnDirectionLine(double t, const AirState& p0, double epsilon);

// Guards for quantities entering from the user interface.
// A typed moisture content below 0 becomes 0.0001 kg/kg; exactly 0 stays.
double GuardTypedMoisture(double x);
// A typed relative humidity of 0 or less becomes 0.00001.
double GuardTypedRelativeHumidity(double phi);
// A moisture content read from a chart position that is not above 0 becomes 1e-6.
double GuardChartMoisture(double x);

// Limits on a typed point about to be stored (SI values). Returns 0 when the
// point may be stored, else the number of the language text to show:
// 998 for a moisture content above 200 g/kg, 999 for a temperature outside
// -60..200 °C. Negative x or phi is the caller's earlier check.
constexpr int kTextMoistureTooHigh = 998;
constexpr int kTextTemperatureOutOfRange = 999;
int StoredPointLimitText(double t, double x);
// The same limits on values shown in IP units (gr/lb, °F).
int StoredPointLimitTextIP(double t_f, double x_gr_per_lb);

}  // namespace orvanta
