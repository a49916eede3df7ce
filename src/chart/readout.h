// What the chart shows about the air under the cursor and about the defined
// points: the readout panel texts, the hit test of a point, and the lines of
// the points tree.
#pragma once

#include <array>
#include <string>

#include "project/chart_project.h"
#include "psychro/air.h"
#include "psychro/units.h"

namespace orvanta {

// A cursor is over a point when both differences are within these.
constexpr double kPointHitMoisture = 0.00015;  // [kg/kg]
constexpr double kPointHitTemperature = 0.3;   // [K]

// The full state at a chart position (t, x) at pressure pb. A moisture
// content that is not above 0 is taken as 1e-6 kg/kg; phi is at most 1.
AirState CursorState(double pb, double t, double x);

// The nine readout values in the order of the readout labels: moisture
// (Label2), temperature (Label4), enthalpy (Label10), density (Label13),
// relative humidity (Label16), vapour pressure (Label25), dry-air pressure
// (Label26), dew point (Label27), wet bulb (Label28).
enum ReadoutField { kReadoutX, kReadoutT, kReadoutI, kReadoutRho, kReadoutPhi, kReadoutPp, kReadoutPa, kReadoutTd,
                    kReadoutTw, kReadoutFieldCount };
using ReadoutTexts = std::array<std::string, kReadoutFieldCount>;
ReadoutTexts CursorReadoutTexts(const AirState& s, UnitSystem units, char decimal_separator = '.');

// 0-based slot of the first point (in list order) whose state is within the
// hit tolerances of (t, x), or -1.
int PointAt(const ChartProject& project, double t, double x);

// The nine child lines of a point's node in the points tree.
using PointTreeLines = std::array<std::string, 9>;
PointTreeLines PointTreeChildLines(const AirState& s, UnitSystem units, char decimal_separator = '.');

}  // namespace orvanta
