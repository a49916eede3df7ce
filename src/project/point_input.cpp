#include "project/point_input.h"

#include <algorithm>
#include <cmath>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

bool Ip(UnitSystem u) { return u == UnitSystem::IP; }

std::string Rounded(double v, int decimals, char sep) { return NumberText(RoundTo(v, -decimals), sep); }

std::optional<AirState> Checked(const AirState& s) {
  if (!IsFinite(s)) return std::nullopt;
  return s;
}

}  // namespace

double MoistureForDisplay(double x, UnitSystem u) { return Ip(u) ? MoistureToIP(1000 * x) : 1000 * x; }
double MoistureFromDisplay(double v, UnitSystem u) { return (Ip(u) ? MoistureToSI(v) : v) / 1000; }
double TemperatureForDisplay(double t, UnitSystem u) { return Ip(u) ? TemperatureToIP(t) : t; }
double TemperatureFromDisplay(double v, UnitSystem u) { return Ip(u) ? TemperatureToSI(v) : v; }
double EnthalpyForDisplay(double i, UnitSystem u) { return Ip(u) ? EnthalpyToIP(i) : i; }
double EnthalpyFromDisplay(double v, UnitSystem u) { return Ip(u) ? EnthalpyToSI(v) : v; }
double DensityForDisplay(double rho, UnitSystem u) { return Ip(u) ? DensityToIP(rho) : rho; }
double DensityFromDisplay(double v, UnitSystem u) { return Ip(u) ? DensityToSI(v) : v; }
double PressureForDisplay(double p, UnitSystem u) { return Ip(u) ? PressureToIP(p) : p; }
double PressureFromDisplay(double v, UnitSystem u) { return Ip(u) ? PressureToSI(v) : v; }

std::optional<AirState> StateFromTypedValues(double pb, UnitSystem units, GivenQuantity given, std::string_view t_text,
                                             std::string_view given_text, char sep) {
  const auto t_shown = ParseNumber(t_text, sep);
  const auto v = ParseNumber(given_text, sep);
  if (!t_shown || !v) return std::nullopt;
  const double t = TemperatureFromDisplay(*t_shown, units);
  switch (given) {
    case GivenQuantity::Moisture:
      return Checked(StateFromTX(pb, t, GuardTypedMoisture(MoistureFromDisplay(*v, units))));
    case GivenQuantity::RelativeHumidity:
      return Checked(StateFromTPhi(pb, t, GuardTypedRelativeHumidity(*v / 100)));
    case GivenQuantity::Enthalpy:
      return Checked(StateFromTEnthalpy(pb, t, EnthalpyFromDisplay(*v, units)));
  }
  return std::nullopt;
}

PointFieldTexts FieldTextsForState(const AirState& s, UnitSystem u, int pressure_decimals, char sep) {
  PointFieldTexts f;
  f.x = Rounded(MoistureForDisplay(s.x, u), 2, sep);
  f.t = Rounded(TemperatureForDisplay(s.t, u), 2, sep);
  f.phi = s.phi >= 1 ? "100" : Rounded(100 * s.phi, 2, sep);
  f.i = Rounded(EnthalpyForDisplay(s.i, u), 2, sep);
  f.rho = Rounded(DensityForDisplay(s.rho, u), 2, sep);
  f.pp = Rounded(PressureForDisplay(s.pp, u), pressure_decimals, sep);
  f.pa = Rounded(PressureForDisplay(s.pa, u), pressure_decimals, sep);
  f.td = Rounded(TemperatureForDisplay(s.td, u), 2, sep);
  f.tw = Rounded(TemperatureForDisplay(s.tw, u), 2, sep);
  return f;
}

std::optional<AirState> StateOnProcessLine(const ChartProject& project, double pb, std::string_view process_name,
                                           double t) {
  const int k = project.FindProcess(process_name);
  if (k < 0) return std::nullopt;
  const int a = project.FindPoint(project.process(k).start_point);
  const int b = project.FindPoint(project.process(k).end_point);
  if (a < 0 || b < 0) return std::nullopt;
  const LineMoisture m = MoistureOnProcessLine(t, project.point(a).state, project.point(b).state);
  if (!m.ok || !m.within) return std::nullopt;
  return Checked(StateFromTX(pb, t, m.x));
}

std::optional<AirState> StateOnCoefficientLine(const ChartProject& project, double pb,
                                               std::string_view coefficient_name, double t) {
  const int k = project.FindCoefficient(coefficient_name);
  if (k < 0) return std::nullopt;
  const int p0 = project.FindPoint(project.coefficient(k).point_name);
  if (p0 < 0) return std::nullopt;
  const double x = MoistureOnDirectionLine(t, project.point(p0).state, project.coefficient(k).epsilon);
  if (!std::isfinite(x)) return std::nullopt;
  return Checked(StateFromTX(pb, t, x));
}

std::optional<AirState> StateFromShownFields(const PointFieldTexts& f, UnitSystem u, char sep) {
  const auto x = ParseNumber(f.x, sep), t = ParseNumber(f.t, sep), phi = ParseNumber(f.phi, sep),
             i = ParseNumber(f.i, sep), rho = ParseNumber(f.rho, sep), pp = ParseNumber(f.pp, sep),
             pa = ParseNumber(f.pa, sep), td = ParseNumber(f.td, sep), tw = ParseNumber(f.tw, sep);
  if (!x || !t || !phi || !i || !rho || !pp || !pa || !td || !tw) return std::nullopt;
  AirState s;
  s.x = MoistureFromDisplay(*x, u);
  s.t = TemperatureFromDisplay(*t, u);
  s.phi = std::min(*phi / 100, 1.0);
  s.i = EnthalpyFromDisplay(*i, u);
  s.rho = DensityFromDisplay(*rho, u);
  s.pp = PressureFromDisplay(*pp, u);
  s.pa = PressureFromDisplay(*pa, u);
  s.td = TemperatureFromDisplay(*td, u);
  s.tw = TemperatureFromDisplay(*tw, u);
  return s;
}

AirFlowPair AirFlowFromVolume(double volume, double rho) {
  return {volume, static_cast<double>(Rnd(volume * rho))};
}

AirFlowPair AirFlowFromMass(double mass, double rho) {
  if (!(rho > 0)) return {0, mass};
  return {static_cast<double>(Rnd(mass / rho)), mass};
}

}  // namespace orvanta
