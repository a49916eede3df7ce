#include "app/ui/project_range.h"

#include "chart/range_widening.h"
#include "project/chart_project.h"

namespace orvanta {
ChartRange RangeShowingProject(const ChartRange& range, const ChartProject& project) {
  return WidenRangeForProject(range, project);
}
}  // namespace orvanta
