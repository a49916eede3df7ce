#include "project/process_loads.h"

#include <cmath>

#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta {

namespace {
}  // namespace

std::optional<ProcessLoads> ComputeProcessLoads(const AirState& s, const AirState& e, double air_flow_m3h,
                                                UnitSystem units) {
  const double mass_flow = s.rho * air_flow_m3h / 3600;  // [kg/s]
  const bool ip = units == UnitSystem::IP;
  // The conversion factors (Btu/h per kW, lb per kg), applied to the product
  // as before so that every rounded load keeps its last digit.
  const double heat_factor = ip ? HeatFlowToIP(1) : 1;
  ProcessLoads r;
  r.sensible_process = std::fabs(e.x - s.x) < kSensibleMoistureLimit;
  r.sensible = RoundTo(heat_factor * (e.t - s.t) * mass_flow, -2);
  if (r.sensible_process) {
    r.total = r.sensible;
    r.moisture = 0;
  } else {
    r.total = RoundTo(heat_factor * (e.i - s.i) * mass_flow, -2);
    r.moisture = RoundTo((ip ? MassToIP(1) : 1) * (e.x - s.x) * mass_flow * 3600, -2);
  }
  if (!std::isfinite(r.total) || !std::isfinite(r.sensible) || !std::isfinite(r.moisture)) return std::nullopt;
  return r;
}

ProcessLoadText LoadTextsOf(const std::optional<ProcessLoads>& loads, char sep) {
  if (!loads) return {};
  ProcessLoadText t;
  t.total = NumberText(loads->total, sep);
  t.sensible = NumberText(loads->sensible, sep);
  // The difference of the two written values, so the three texts add up.
  t.latent = NumberText(RoundTo(loads->total - loads->sensible, -2), sep);
  t.moisture = loads->sensible_process ? "0" : NumberText(loads->moisture, sep);
  return t;
}

std::optional<ProcessLoads> ProcessLoadsOf(const ChartProject& project, int index, UnitSystem units) {
  if (index < 0 || index >= project.process_count()) return std::nullopt;
  const AirProcess& p = project.process(index);
  const int a = project.FindPoint(p.start_point);
  const int b = project.FindPoint(p.end_point);
  if (a < 0 || b < 0) return std::nullopt;
  return ComputeProcessLoads(project.point(a).state, project.point(b).state, p.air_flow, units);
}

}  // namespace orvanta
