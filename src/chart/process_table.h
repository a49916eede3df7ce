// The table of processes drawn on the chart: title with the chart type and
// pressure, headings, one row per process with its flow and loads.
#pragma once

#include <string>

#include "chart/canvas.h"
#include "chart/geometry.h"
#include "project/chart_project.h"
#include "project/process_loads.h"

namespace orvanta::chart {

struct ProcessTableOptions {
  UnitSystem units = UnitSystem::SI;
  bool polish = false;     // title and headings in Polish
  bool flow_as_mass = false;  // the flow column shows m instead of V
  // CARRIER layout: the table's reference line (the point panel's bottom edge).
  int carrier_reference_y = 530;
  char decimal_separator = '.';
};

// Left edge a and reference line r of the table.
struct ProcessTablePlace {
  int a = 0, r = 0;
};
ProcessTablePlace ProcessTablePlaceOf(ChartLayout layout, int himg, int process_count, int carrier_reference_y);

std::string ProcessTableTitle(ChartLayout layout, bool polish, double pb, UnitSystem units, char decimal_separator);
std::string ProcessTableHeading(bool polish, bool flow_as_mass);
std::string ProcessTableUnitLine(UnitSystem units, bool flow_as_mass);

// Draws the table for every process of the project and returns the load
// texts of each process in process order. The font height is restored.
ProcessLoadTexts DrawProcessTable(Canvas& canvas, const ChartGeometry& g, const ChartProject& project, double pb,
                                  const ProcessTableOptions& options);

}  // namespace orvanta::chart
