#include "project/mixing.h"

#include <cmath>

#include "psychro/state.h"

namespace orvanta {

std::optional<Mixture> MixStreams(const AirState& s1, double v1, const AirState& s2, double v2) {
  const double m1 = v1 * s1.rho, m2 = v2 * s2.rho;
  if (!std::isfinite(m1) || !std::isfinite(m2) || !(m1 + m2 > 0)) return std::nullopt;
  const double f = m2 / (m1 + m2);
  Mixture m{s1.t + (s2.t - s1.t) * f, s1.x + (s2.x - s1.x) * f};
  if (!std::isfinite(m.t) || !std::isfinite(m.x)) return std::nullopt;
  return m;
}

std::string MixingMessageText(MixingMessage m, bool polish) {
  switch (m) {
    case MixingMessage::None:
      return "";
    case MixingMessage::ListFull:
      return polish ? "Można zdefiniować najwyżej 10 punktów mieszania. Otwórz lub rozpocznij nowy projekt, aby "
                      "zdefiniować kolejne."
                    : "At most 10 mixing points can be defined. Open or start a new project to define more.";
    case MixingMessage::FlowNotPositive:
      return polish ? "Ilości powietrza obu strumieni muszą być większe od zera."
                    : "The air flows of both streams must be greater than zero.";
    case MixingMessage::NoSuchStreamPoint:
      return polish ? "Punkt strumienia nie istnieje w projekcie." : "A stream point does not exist in the project.";
    case MixingMessage::ComputationFailed:
      return polish ? "Nie można obliczyć stanu mieszaniny." : "The state of the mixture cannot be computed.";
    case MixingMessage::ProjectFull:
      return polish ? "Projekt nie mieści więcej punktów lub przemian." : "The project holds no more points or processes.";
  }
  return "";
}

bool MixingDefinitions::Add(MixingDefinition d) {
  if (full()) return false;
  items_.push_back(std::move(d));
  return true;
}

void MixingDefinitions::Refresh(ChartProject& project) const {
  for (const MixingDefinition& d : items_) {
    const int p = project.FindPoint(d.point_name);
    const int a = project.FindPoint(d.stream1_point);
    const int b = project.FindPoint(d.stream2_point);
    if (p < 0 || a < 0 || b < 0) continue;
    const auto mix = MixStreams(project.point(a).state, d.stream1_flow, project.point(b).state, d.stream2_flow);
    if (!mix) continue;
    const AirState s = StateFromTX(project.pb(), mix->t, mix->x);
    if (!IsFinite(s)) continue;
    ChartPoint point = project.point(p);
    point.state = s;
    point.description.clear();
    point.on_process = false;
    point.process_name.clear();
    point.on_coefficient = false;
    point.coefficient_name.clear();
    // The refresh runs before every redraw and is not an edit by the user.
    const bool was_modified = project.modified();
    // Same slot, same name: the replacement cannot be refused.
    if (project.ReplacePoint(p, point, point.name)) project.set_modified(was_modified);
  }
}

void MixingDefinitions::AttachTo(ChartProject& project) const {
  project.SetMixingRefresh([this](ChartProject& p) { Refresh(p); });
}

MixingOutcome AddMixingPoint(ChartProject& project, MixingDefinitions& list, const MixingRequest& r) {
  MixingOutcome out;
  auto text = [&](int n) {
    out.text = n;
    return out;
  };
  auto message = [&](MixingMessage m) {
    out.message = m;
    return out;
  };
  if (r.name.empty()) return text(kTextMixingNameEmpty);
  if (r.stream1_point.empty()) return text(kTextMixingStream1Empty);
  if (r.stream2_point.empty()) return text(kTextMixingStream2Empty);
  if (!r.stream1_flow) return text(kTextMixingFlow1Empty);
  if (!r.stream2_flow) return text(kTextMixingFlow2Empty);
  if (project.FindPoint(r.name) >= 0) return text(kTextMixingNameTaken);
  if (list.full()) return message(MixingMessage::ListFull);
  if (!std::isfinite(*r.stream1_flow) || !std::isfinite(*r.stream2_flow) || !(*r.stream1_flow > 0) ||
      !(*r.stream2_flow > 0)) {
    return message(MixingMessage::FlowNotPositive);
  }
  const int a = project.FindPoint(r.stream1_point);
  const int b = project.FindPoint(r.stream2_point);
  if (a < 0 || b < 0) return message(MixingMessage::NoSuchStreamPoint);
  const auto mix = MixStreams(project.point(a).state, *r.stream1_flow, project.point(b).state, *r.stream2_flow);
  if (!mix) return message(MixingMessage::ComputationFailed);
  ChartPoint point;
  point.name = r.name;
  point.state = StateFromTX(project.pb(), mix->t, mix->x);
  point.label_position = LabelPosition::Right;
  if (!IsFinite(point.state)) return message(MixingMessage::ComputationFailed);
  // The name as it will be stored (cut to its capacity) is what the
  // definition and the process names refer to.
  point = FitToCapacity(point);
  if (project.FindPoint(point.name) >= 0) return text(kTextMixingNameTaken);
  if (!project.AddPoint(point)) return message(MixingMessage::ProjectFull);
  out.point_added = true;
  list.Add({point.name, r.stream1_point, r.stream2_point, *r.stream1_flow, *r.stream2_flow});
  if (!r.create_process) return out;

  AirProcess p1, p2;
  p1.name = r.stream1_point + "-" + point.name;
  p1.start_point = r.stream1_point;
  p1.end_point = point.name;
  p1.air_flow = *r.stream1_flow;
  p2.name = r.stream2_point + "-" + point.name;
  p2.start_point = r.stream2_point;
  p2.end_point = point.name;
  p2.air_flow = *r.stream2_flow;
  p1 = FitToCapacity(p1);
  p2 = FitToCapacity(p2);
  if (project.FindProcess(p1.name) >= 0 || project.FindProcess(p2.name) >= 0 || p1.name == p2.name) {
    return text(kTextMixingProcessExists);
  }
  if (project.process_count() + 2 > ChartProject::kProcessSlots) return message(MixingMessage::ProjectFull);
  // Both names are free and two slots are left, so neither can be refused.
  out.processes_added = project.AddProcess(p1) && project.AddProcess(p2);
  return out;
}

}  // namespace orvanta
