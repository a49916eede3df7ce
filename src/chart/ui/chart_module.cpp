#include "chart/ui/chart_module.h"

#include "app/ui/kit/workbench.h"
#include "chart/ui/chart_output.h"
#include "chart/ui/point_commands.h"

namespace orvanta {

void RegisterChartModule(Workbench& workbench) {
  new PointCommands(workbench);
  new ChartOutput(workbench);
}

}  // namespace orvanta
