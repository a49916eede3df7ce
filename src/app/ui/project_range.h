// The chart range widened to the points of a project being opened. A
// separate unit because the widening header and the settings header both
// define the range limits.
#pragma once

#include "chart/chart_settings.h"

namespace orvanta {
class ChartProject;
ChartRange RangeShowingProject(const ChartRange& range, const ChartProject& project);
}  // namespace orvanta
