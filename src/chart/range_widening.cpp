#include "chart/range_widening.h"

#include <algorithm>
#include <cmath>

#include "project/chart_project.h"

namespace orvanta {
namespace {

// Raises `end` in steps until it reaches `value`, unless it is already above.
int RaiseTo(int end, double value, int limit) {
  if (!std::isfinite(value) || end > value) return end;
  int raised = end;
  do {
    raised += kRangeStep;
  } while (raised < value && raised < limit);
  return std::max(end, std::min(raised, limit));
}

// Lowers `end` in steps until it reaches `value`, unless it is already below.
int LowerTo(int end, double value, int limit) {
  if (!std::isfinite(value) || end < value) return end;
  int lowered = end;
  do {
    lowered -= kRangeStep;
  } while (lowered > value && lowered > limit);
  return std::min(end, std::max(lowered, limit));
}

}  // namespace

ChartRange WidenRange(ChartRange range, double t_min, double t_max, double x_max_g_per_kg) {
  range.xorg = RaiseTo(range.xorg, x_max_g_per_kg, kXorgMax);
  range.torg_up = RaiseTo(range.torg_up, t_max, kTorgUpMax);
  range.torg_down = LowerTo(range.torg_down, t_min, kTorgDownMin);
  return range;
}

ChartRange WidenRangeForPoint(const ChartRange& range, double t, double x) {
  return WidenRange(range, t, t, x * 1000);
}

ChartRange WidenRangeForProject(const ChartRange& range, const ChartProject& project) {
  double t_max = -40, t_min = 100, x_max = 0;
  for (int k = 0; k < project.point_count(); ++k) {
    const AirState& s = project.point(k).state;
    if (std::isfinite(s.t)) t_max = std::max(t_max, s.t), t_min = std::min(t_min, s.t);
    if (std::isfinite(s.x)) x_max = std::max(x_max, s.x * 1000);
  }
  return WidenRange(range, t_min, t_max, x_max);
}

}  // namespace orvanta
