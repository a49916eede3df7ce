#include "calculators/ahu/chart_transfer.h"

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {

namespace {

std::string Cut(std::string s, std::size_t n) {
  // Names are cut by characters; a UTF-8 sequence is never split.
  std::size_t chars = 0, i = 0;
  for (; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == n) break;
      ++chars;
    }
  }
  s.resize(i);
  return s;
}

struct Section {
  std::string name;
  double flow;  // of the process that starts here [m3/h]
};

}  // namespace

ChartTransfer BuildChartTransfer(const UnitInputs& in, const UnitStates& s,
                                 const ChartTransferOptions& o) {
  ChartTransfer out;
  if (!o.draw_points) return out;
  const UnitSections& on = in.sections;
  const double vn = in.v_supply;
  std::vector<Section> chain;
  const AirState* last_supply_side = nullptr;
  std::string last_supply_side_name;

  auto add = [&](const std::string& name, const AirState& state, double flow,
                 const std::string& description, bool supply_side) {
    ChartPoint p;
    p.name = Cut(name, ChartPoint::kNameCapacity);
    p.description = description;
    p.state = state;
    p.label_position = o.label_position;
    out.points.push_back(p);
    chain.push_back({p.name, flow});
    if (supply_side) {
      last_supply_side = &state;
      last_supply_side_name = p.name;
    }
  };

  if (o.draw_outdoor) add(o.name_outdoor, s.cz, s.v_outdoor, "", true);
  if (on.recovery && in.eta_t != 0 && o.draw_recovery) {
    add(o.name_recovery, s.rot, s.v_outdoor * s.cz.rho / s.rot.rho, "", true);
  }
  if (on.mixing && in.r != 0 && o.draw_mixing) {
    add(o.name_mixing, s.rec, vn * s.n.rho / s.rec.rho, "", true);
  }
  if (on.cooler && s.cooler_computed && o.draw_cooler) {
    const double flow = in.auto_flow && !on.heater ? vn : vn * s.n.rho / s.ch.rho;
    add(o.name_cooler, s.ch, flow, "", true);
  }
  if (on.heater && o.draw_supply) add(o.name_supply, s.n, vn, "", true);
  if (o.draw_exhaust) {
    const std::string name =
        o.exhaust_at_top ? o.name_exhaust : o.name_exhaust + "=" + o.name_room;
    add(name, s.w, vn, "WYWIEW", false);
    if (o.exhaust_at_top && last_supply_side) {
      // The room lies halfway between the supply and the exhaust.
      const double t = last_supply_side->t + 0.5 * (s.w.t - last_supply_side->t);
      const double x = last_supply_side->x + 0.5 * (s.w.x - last_supply_side->x);
      ChartPoint room;
      room.name = Cut(o.name_room, ChartPoint::kNameCapacity);
      room.description = "POMIESZCZENIE";
      room.state = StateFromTX(in.pb, t, x);
      room.label_position = o.label_position;
      out.points.push_back(room);
    }
  }

  if (!o.draw_processes) return out;
  for (std::size_t k = 0; k + 1 < chain.size(); ++k) {
    AirProcess p;
    p.name = Cut(chain[k].name + "-" + chain[k + 1].name, AirProcess::kNameCapacity);
    p.start_point = chain[k].name;
    p.end_point = chain[k + 1].name;
    p.draw_line = true;
    p.air_flow = chain[k].flow;
    out.processes.push_back(p);
  }
  if (in.mode == ExhaustMode::Balance && last_supply_side) {
    DirectionCoefficient c;
    c.name = "epsylon";
    c.epsilon = s.epsilon;
    c.point_name = last_supply_side_name;
    c.draw_line = true;
    c.heat_gain = Cut(NumberText(in.q_gains), DirectionCoefficient::kGainCapacity);
    c.moisture_gain = Cut(NumberText(in.w_gains / 3600), DirectionCoefficient::kGainCapacity);
    out.coefficient = c;
  }
  return out;
}

EditResult AppendChartTransfer(ChartProject& project, const ChartTransfer& transfer) {
  ChartProject trial;
  trial.AssignContent(project);
  for (const ChartPoint& p : transfer.points) {
    if (EditResult r = trial.AddPoint(p); !r) return r;
  }
  for (const AirProcess& p : transfer.processes) {
    if (EditResult r = trial.AddProcess(p); !r) return r;
  }
  if (transfer.coefficient) {
    if (EditResult r = trial.AddCoefficient(*transfer.coefficient); !r) return r;
  }
  project.AssignContent(trial);
  project.set_modified(true);
  return {};
}

}  // namespace orvanta
