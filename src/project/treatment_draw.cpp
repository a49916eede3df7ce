#include "project/treatment_draw.h"

namespace orvanta {

DrawOutcome DrawTreatment(ChartProject& project, const std::string& inlet_name, const std::string& outlet_name,
                          const TreatmentResult& result, double air_flow, LabelPosition label) {
  DrawOutcome out;
  ChartPoint point;
  point.name = outlet_name;
  point.state = OutletState(result, project.pb());
  point.label_position = label;
  point = FitToCapacity(point);
  if (project.FindPoint(point.name) >= 0) {
    out.text = kTextPointExists;
    return out;
  }
  out.edit = project.AddPoint(point);
  if (!out.edit) return out;
  out.point_added = true;

  AirProcess process;
  process.name = inlet_name + "-" + point.name;
  process.start_point = inlet_name;
  process.end_point = point.name;
  process.draw_line = true;
  process.air_flow = air_flow;
  process = FitToCapacity(process);
  if (project.FindProcess(process.name) >= 0) {
    out.text = kTextProcessExists;
    return out;
  }
  out.edit = project.AddProcess(process);
  out.process_added = static_cast<bool>(out.edit);
  return out;
}

BypassMixture BypassPoint(const AirState& p1, const AirState& p2, double bf) {
  return {p2.t + bf * (p1.t - p2.t), p2.x + bf * (p1.x - p2.x)};
}

}  // namespace orvanta
