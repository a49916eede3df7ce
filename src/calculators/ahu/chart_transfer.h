// The air-handling unit drawn on the chart: its sections as points in chain
// order, one process between each consecutive pair, the room point "P" when
// the exhaust leaves at the top, and the supply's direction coefficient
// "epsylon" in balance mode.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculators/ahu/unit.h"
#include "project/chart_project.h"

namespace orvanta {

struct ChartTransferOptions {
  // Point names (the window's name edits), cut to 10 characters on transfer.
  std::string name_outdoor = "Z", name_recovery = "R", name_mixing = "M", name_cooler = "CH",
              name_supply = "N+", name_exhaust = "W", name_room = "P";
  // Drawing switches of the points cz, rot, rec, ch, n, w.
  bool draw_outdoor = true, draw_recovery = true, draw_mixing = true, draw_cooler = true,
       draw_supply = true, draw_exhaust = true;
  bool draw_points = true;     // "RYSUJ PUNKTY"
  bool draw_processes = true;  // "RYSUJ PRZEMIANY" (nothing without the points)
  bool exhaust_at_top = false; // "Wywiew górą" (else "Wywiew dołem")
  LabelPosition label_position = LabelPosition::Right;  // the chart settings' default
};

struct ChartTransfer {
  std::vector<ChartPoint> points;
  std::vector<AirProcess> processes;
  std::optional<DirectionCoefficient> coefficient;
};

// What the unit's last computation puts on the chart. `in` are the inputs
// the computation settled on (UnitStates::settled).
ChartTransfer BuildChartTransfer(const UnitInputs& in, const UnitStates& s,
                                 const ChartTransferOptions& options);

// Appends everything or nothing: when a point name is taken or a table is
// full, the project stays as it was and the refusal is returned. On success
// the project is marked modified.
EditResult AppendChartTransfer(ChartProject& project, const ChartTransfer& transfer);

}  // namespace orvanta
