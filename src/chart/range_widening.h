// Widening the chart ranges so that points lie inside. Ends move in steps of
// 5 (K or g/kg) and are never narrowed; an end that is not already beyond
// the value moves at least one step, so an end equal to it moves once.
// Ends stop at the limits of the range controls (upper t 200 °C, lower t
// -60 °C, moisture 200 g/kg); values that are not finite are ignored.
#pragma once

#include "chart/chart_settings.h"

namespace orvanta {

class ChartProject;

// The range widened for extremes: lowest t, highest t [°C], highest x [g/kg].
ChartRange WidenRange(ChartRange range, double t_min, double t_max, double x_max_g_per_kg);

// One point being added (t [°C], x [kg/kg], SI in either unit system).
ChartRange WidenRangeForPoint(const ChartRange& range, double t, double x);

// Every used point of a project being opened. The extremes start from
// t_max = -40, t_min = 100, x_max = 0, so a project without points changes
// nothing.
ChartRange WidenRangeForProject(const ChartRange& range, const ChartProject& project);

}  // namespace orvanta
