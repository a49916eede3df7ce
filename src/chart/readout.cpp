#include "chart/readout.h"

#include <cmath>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

std::string Rounded(double v, int decimals, char sep) { return NumberText(RoundTo(v, -decimals), sep); }

}  // namespace

AirState CursorState(double pb, double t, double x) { return StateFromTX(pb, t, GuardChartMoisture(x)); }

ReadoutTexts CursorReadoutTexts(const AirState& s, UnitSystem units, char sep) {
  ReadoutTexts r;
  const bool ip = units == UnitSystem::IP;
  r[kReadoutX] = Rounded(ip ? MoistureToIP(1000 * s.x) : 1000 * s.x, 2, sep);
  r[kReadoutT] = Rounded(ip ? TemperatureToIP(s.t) : s.t, 2, sep);
  r[kReadoutI] = Rounded(ip ? EnthalpyToIP(s.i) : s.i, 1, sep);
  r[kReadoutRho] = Rounded(ip ? DensityToIP(s.rho) : s.rho, 3, sep);
  r[kReadoutPhi] = Rounded(100 * s.phi, 1, sep);
  r[kReadoutPp] = ip ? Rounded(PressureToIP(s.pp), 4, sep) : Rounded(s.pp, 1, sep);
  r[kReadoutPa] = ip ? Rounded(PressureToIP(s.pa), 4, sep) : Rounded(s.pa, 1, sep);
  r[kReadoutTd] = Rounded(ip ? TemperatureToIP(s.td) : s.td, 1, sep);
  r[kReadoutTw] = Rounded(ip ? TemperatureToIP(s.tw) : s.tw, 1, sep);
  return r;
}

int PointAt(const ChartProject& project, double t, double x) {
  for (int k = 0; k < project.point_count(); ++k) {
    const AirState& p = project.point(k).state;
    if (std::fabs(x - p.x) <= kPointHitMoisture && std::fabs(t - p.t) <= kPointHitTemperature) return k;
  }
  return -1;
}

PointTreeLines PointTreeChildLines(const AirState& s, UnitSystem units, char sep) {
  if (units == UnitSystem::IP) {
    return {"DBT= " + Rounded(TemperatureToIP(s.t), 2, sep) + " F",
            "W= " + Rounded(MoistureToIP(1000 * s.x), 2, sep) + " gr/lb",
            "RH= " + Rounded(100 * s.phi, 2, sep) + " %",
            "h= " + Rounded(EnthalpyToIP(s.i), 2, sep) + " Btu/lb",
            "d= " + Rounded(DensityToIP(s.rho), 4, sep) + " lb/ft3",
            "vp= " + Rounded(PressureToIP(s.pp), 4, sep) + " in.Hg",
            "vd= " + Rounded(PressureToIP(s.pa), 4, sep) + " in.Hg",
            "DPT= " + Rounded(TemperatureToIP(s.td), 2, sep) + " F",
            "WBT= " + Rounded(TemperatureToIP(s.tw), 2, sep) + " F"};
  }
  return {"DBT= " + Rounded(s.t, 2, sep) + " C",
          "X= " + Rounded(1000 * s.x, 2, sep) + " g/kg",
          "\u03C6= " + Rounded(100 * s.phi, 2, sep) + " %",
          "h= " + Rounded(s.i, 2, sep) + " kJ/kg",
          "\u03C1= " + Rounded(s.rho, 2, sep) + " kg/m3",
          "vp= " + Rounded(s.pp, 2, sep) + " Pa",
          "vd= " + Rounded(s.pa, 2, sep) + " Pa",
          "DPT= " + Rounded(s.td, 2, sep) + " C",
          "WBT= " + Rounded(s.tw, 2, sep) + " C"};
}

}  // namespace orvanta
