// Heat and moisture loads of an air process, from its two end states and its
// air flow. The chart's process table and the process list both use these.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/chart_project.h"
#include "psychro/air.h"
#include "psychro/units.h"

namespace orvanta {

// A process whose moisture contents differ by less than this is sensible:
// its total heat equals its sensible heat and its moisture load is 0.
constexpr double kSensibleMoistureLimit = 5e-6;  // [kg/kg]

// Loads, signed (heating and humidification positive). SI: heats in kW,
// moisture in kg/h; IP: heats in Btu/h, moisture in lb/h. Sensible heat uses
// a specific heat of 1 kJ/(kg K); rho is the start point's density.
struct ProcessLoads {
  double total = 0;
  double sensible = 0;
  double moisture = 0;
  bool sensible_process = false;
};

// nullopt when a result is not a finite number.
std::optional<ProcessLoads> ComputeProcessLoads(const AirState& start, const AirState& end, double air_flow_m3h,
                                                UnitSystem units);

// The loads of a process as texts for the chart table and the report: each
// value rounded to two decimals (ties to even) and written as text; latent is
// the difference of the written total and sensible heats; the moisture of a
// sensible process is "0". All four are empty when the loads cannot be
// computed (a missing point, a failed computation).
struct ProcessLoadText {
  std::string total, sensible, latent, moisture;
  friend bool operator==(const ProcessLoadText&, const ProcessLoadText&) = default;
};
using ProcessLoadTexts = std::vector<ProcessLoadText>;

ProcessLoadText LoadTextsOf(const std::optional<ProcessLoads>& loads, char decimal_separator = '.');

// Loads of process `index` (0-based slot) of the project; nullopt when its
// start or end point is missing or the computation fails.
std::optional<ProcessLoads> ProcessLoadsOf(const ChartProject& project, int index, UnitSystem units);

}  // namespace orvanta
