// "DRAW PROCESS" of the treatment dialogs: the outlet point and the process
// from the inlet to it, added to the project.
#pragma once

#include <string>

#include "project/chart_project.h"
#include "project/treatment.h"

namespace orvanta {

struct DrawOutcome {
  int text = 0;        // language text to show (1000, 1258), 0 for none
  EditResult edit;     // a refusal of the project itself (table full, empty name)
  bool point_added = false;
  bool process_added = false;
  bool ok() const { return text == 0 && edit; }
};

// Adds the outlet point `outlet_name` (the state of OutletState, label of the
// kind, or `label` when given) and the process inlet-outlet with drawLine and
// the air flow [m3/h]. An outlet name already used: language text 1000 and
// nothing added. A process name already used: language text 1258; the point
// stays (the caller tells the user the process was not added).
DrawOutcome DrawTreatment(ChartProject& project, const std::string& inlet_name, const std::string& outlet_name,
                          const TreatmentResult& result, double air_flow, LabelPosition label);

// The cooling-point dialog with a bypass factor: the state between the coil
// state p2 and the entering air p1, bf a fraction (t = t2 + bf (t1 - t2),
// the same for x).
struct BypassMixture {
  double t = 0, x = 0;
};
BypassMixture BypassPoint(const AirState& p1, const AirState& p2, double bf);

}  // namespace orvanta
