// The chart's windows and commands: the mouse on the chart and the readout,
// the points tree and its export, the point commands of menus and pop-ups,
// the drag of the point panel; the chart as picture, print, clipboard
// picture, image-editor file and spreadsheet report.
#pragma once

namespace orvanta {

class Workbench;

void RegisterChartModule(Workbench& workbench);

}  // namespace orvanta
