#include "calculators/ahu/unit.h"

#include <algorithm>
#include <cmath>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {

namespace {

constexpr double kCp = 1.005;  // specific heat of dry air [kJ/(kg·K)]
constexpr double kMaxRecirculation = 0.999999;
constexpr double kMoistureStep = 1e-7;  // [kg/kg]

bool Finite(const AirState& s) {
  return std::isfinite(s.x) && std::isfinite(s.t) && std::isfinite(s.phi) &&
         std::isfinite(s.i) && std::isfinite(s.rho) && std::isfinite(s.pp) &&
         std::isfinite(s.pa) && std::isfinite(s.tw) && std::isfinite(s.td);
}

bool Finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

double Saturation(double t) { return SaturationPressure(t); }

// The full state from t and x (φ limited to 1), the dew point at the shown pressure.
AirState State(double pb, double pb_dew, double t, double x) {
  AirState s = StateFromTX(pb, t, x);
  if (pb_dew != pb) s.td = DewPointTemperature(pb_dew, x);
  return s;
}

// The moisture efficiency of recovery corrected for unequal flows.
double CorrectedMoistureEfficiency(double v_fresh, double v_extract, double eta_x) {
  if (v_extract > v_fresh) {
    return std::min(1.0, eta_x + (0.945 - eta_x) * (v_extract - v_fresh) / v_fresh);
  }
  if (v_extract < v_fresh) return std::max(0.0, eta_x - eta_x * (v_fresh - v_extract) / v_extract);
  return eta_x;
}

bool SameWriteBacks(const UnitInputs& a, const UnitInputs& b) {
  return a.v_supply == b.v_supply && a.v_exhaust == b.v_exhaust && a.phi_room == b.phi_room &&
         a.t_supply == b.t_supply;
}

UnitStates Emptied(const UnitInputs& in) {
  UnitStates s;
  s.status = UnitStatus::Empty;
  s.settled = in;
  return s;
}

}  // namespace

std::string UnitStates::Message() const {
  if (status != UnitStatus::NotSettled) return {};
  return "The air flows and the room humidity written back by the balance still changed after " +
         std::to_string(kMaxUnitPasses) +
         " computations; the results shown are those of the last one. Check the room gains and "
         "the air flows.";
}

UnitStates ComputeUnitPass(const UnitInputs& in, const UnitStates& previous) {
  const double pb = in.pb;
  const double pb_dew = std::isnan(in.dew_point_pb) ? pb : in.dew_point_pb;
  const bool balance = in.mode == ExhaustMode::Balance;
  const UnitSections& on = in.sections;

  // 1. Inputs; a switched-off section contributes nothing.
  const double eta_t = on.recovery ? in.eta_t : 0;
  const double eta_x = on.recovery ? in.eta_x : 0;
  double r = on.mixing ? in.r : 0;
  if (r >= 1) r = kMaxRecirculation;
  const double eps = balance ? in.q_gains * 3600 / in.w_gains : 0;
  const double vn = in.v_supply, vw = in.v_exhaust;
  if (!Finite({pb, pb_dew, eta_t, eta_x, r, in.t_outdoor, in.phi_outdoor, vn, vw, in.t_supply,
               in.t_room, in.phi_room, eps}) ||
      pb <= 0 || eta_t < 0 || eta_x < 0 || r < 0 || in.phi_outdoor < 0 || in.phi_room < 0 ||
      vn <= 0 || vw <= 0) {
    return Emptied(in);
  }
  // 2. Flow ratio 1:3 … 3:1 (the balance sets the flows itself).
  if (!balance && (vn > 3 * vw || vn < 0.333 * vw)) return Emptied(in);

  UnitStates s = previous;
  s.status = UnitStatus::Ok;
  s.settled = in;
  s.epsilon = eps;

  // 3. Recirculated flow; efficiencies corrected for unequal flows (shown only).
  const double v_recirc = r * vw;
  s.v_recirc = v_recirc;
  if (vw <= vn) {
    s.eta_t_corrected = eta_t * vw / vn;
    s.eta_x_corrected = eta_x * vw / vn;
  } else {
    s.eta_t_corrected = eta_t > 0 ? eta_t + (1 - eta_t) * (vw - vn) / vw : eta_t;
    s.eta_x_corrected = eta_x > 0 ? eta_x + (1 - eta_x) * (vw - vn) / vw : eta_x;
  }
  const double tn = in.t_supply;
  const double tw = in.t_room;

  // 4. Exhaust (room) state; ρs* carries the supply-side mass flows.
  {
    const double xw = MoistureContent(pb, Saturation(tw), in.phi_room);
    const AirState w = State(pb, pb_dew, tw, xw);
    const double rho_star = AirDensity(pb, tn, xw);
    if (Finite(w) && std::isfinite(rho_star)) {
      s.w = w;
      s.rho_supply_star = rho_star;
    }
  }
  const AirState& w = s.w;
  const double rho_star = s.rho_supply_star;

  // 5. Outdoor state and intake flow.
  const double v_fresh = vn - v_recirc;
  s.v_fresh = v_fresh;
  {
    const double xcz = MoistureContent(pb, Saturation(in.t_outdoor), in.phi_outdoor);
    const AirState cz = State(pb, pb_dew, in.t_outdoor, xcz);
    const double v_outdoor = v_fresh * rho_star / cz.rho;
    if (Finite(cz) && std::isfinite(v_outdoor)) {
      s.cz = cz;
      s.v_outdoor = v_outdoor;
    }
  }
  const AirState& cz = s.cz;
  s.end = cz;

  // 6. Discharge to outside after the recovery; what exceeds saturation condenses.
  const double v_extract = vw - v_recirc;
  s.v_extract = v_extract;
  {
    const double ratio = v_extract / v_fresh;
    // Without recovery the exhaust leaves as it is, in moisture as in
    // temperature; the mixing formula would scale xw by Vex/Vfs instead.
    const double twy = on.recovery ? cz.t + (1 - eta_t) * (tw - cz.t) * ratio : tw;
    double xwy = on.recovery ? cz.x + (1 - eta_x) * (w.x - cz.x) * ratio : w.x;
    const double ps = Saturation(twy);
    double condensate = 0;
    if (RelativeHumidity(pb, ps, xwy) > 1) {
      const double xs = 0.622 * ps / (pb - ps);
      condensate = (xwy - xs) * v_extract;
      xwy = xs;
    }
    const AirState wy = State(pb, pb_dew, twy, xwy);
    const double v_discharge = v_extract * w.rho / wy.rho;
    condensate *= wy.rho;
    if (Finite(wy) && Finite({v_discharge, condensate})) {
      s.wy = wy;
      s.v_discharge = v_discharge;
      s.discharge_condensate = condensate;
    }
  }

  // 7. Recovery outlet.
  {
    double trot;
    if (eta_t == 0) {
      trot = cz.t;
    } else if (cz.t > tw) {
      trot = std::max(tw, cz.t - (cz.t - tw) * eta_t * v_extract / v_fresh);
    } else {
      trot = std::min(tw, cz.t + eta_t * (tw * v_extract - cz.t * v_fresh) / v_fresh);
    }
    double xrot = cz.x;
    if (eta_x != 0) {
      const double k = CorrectedMoistureEfficiency(v_fresh, v_extract, eta_x);
      xrot = (1 - k) * cz.x + k * w.x;
    }
    // Above saturation the moisture content comes down in steps of 1e-7 kg/kg.
    const double ps = Saturation(trot);
    if (std::isfinite(xrot) && RelativeHumidity(pb, ps, xrot) > 1) {
      const double xs = MoistureContent(pb, ps, 1);
      if (std::isfinite(xs) && xrot > xs) xrot -= std::floor((xrot - xs) / kMoistureStep) * kMoistureStep;
      for (int guard = 0; guard < 1000 && RelativeHumidity(pb, ps, xrot) > 1; ++guard) {
        xrot -= kMoistureStep;
      }
    }
    const AirState rot = State(pb, pb_dew, trot, xrot);
    const double sensible = s.v_outdoor / 3600 * kCp * cz.rho * (rot.t - cz.t);
    const double total = s.v_outdoor / 3600 * cz.rho * (rot.i - cz.i);
    if (Finite(rot) && Finite({sensible, total})) {
      s.rot = rot;
      s.recovery_sensible = sensible;
      s.recovery_total = total;
    }
  }
  const AirState& rot = s.rot;
  if (on.recovery) s.end = rot;

  // 8. Mixing chamber: temperature by mass, moisture by volume.
  {
    const double mr = v_recirc * w.rho;
    const double mo = s.v_outdoor * cz.rho;
    const double trec = (mr * tw + mo * rot.t) / (mr + mo);
    const double xrec = (v_fresh * rot.x + v_recirc * w.x) / vn;
    const AirState rec = State(pb, pb_dew, trec, xrec);
    const double sensible = v_recirc / 3600 * kCp * w.rho * (tw - rot.t);
    const double total = v_recirc / 3600 * w.rho * (w.i - rot.i);
    if (Finite(rec) && Finite({sensible, total})) {
      s.rec = rec;
      s.mixing_sensible = sensible;
      s.mixing_total = total;
    }
  }
  const AirState& rec = s.rec;
  if (on.mixing) s.end = rec;

  // 9. Cooler: the outlet on the line from the inlet to the surface point.
  s.cooler_computed = false;
  if (on.cooler && in.t_cooler_out && in.t_cooler_surface) {
    const double ts = *in.t_cooler_surface, tch = *in.t_cooler_out;
    const double xs = MoistureContent(pb, Saturation(ts), 1);
    const AirState& inlet = r > 0 ? rec : rot;
    const double xch = xs + (tch - ts) / (inlet.t - ts) * (inlet.x - xs);
    const AirState ch = State(pb, pb_dew, tch, xch);
    const double m = vn * rho_star;  // [kg/h]
    const double total = m / 3600 * (rec.i - ch.i);
    // Sensible power is mass flow × cp × temperature drop; without cp it
    // would be 0.5 % low and not in kW.
    const double sensible = m / 3600 * kCp * (rec.t - tch);
    const double condensate = m * (rec.x - ch.x);
    if (Finite({ts, tch}) && Finite(ch) && Finite({total, sensible, condensate})) {
      s.ch = ch;
      s.cooling_total = total;
      s.cooling_sensible = sensible;
      s.cooler_condensate = condensate;
      s.cooler_computed = true;
      s.end = ch;
    }
  } else if (on.cooler) {
    s.cooling_total = 0;
    s.cooling_sensible = 0;
    s.cooler_condensate = 0;
  }

  // 10. Supply and heater.
  {
    const double xn = s.cooler_computed ? s.ch.x : rec.x;
    const AirState n = State(pb, pb_dew, tn, xn);
    double qn = 0;
    if (on.heater) {
      qn = s.cooler_computed
               ? vn / 3600 * n.rho * kCp * (tn - s.ch.t)
               : s.v_outdoor / 3600 * kCp * cz.rho * (tn - rot.t) +
                     v_recirc / 3600 * kCp * n.rho * (tn - tw);
    }
    if (Finite(n) && std::isfinite(qn)) {
      s.n = n;
      s.heater_power = qn;
    }
  }
  const AirState& n = s.n;
  if (on.heater) {
    s.end = n;
  } else {
    // Without a heater the supply leaves at the temperature of the last section
    // before it; the window shows it in the heater's temperature edit.
    s.settled.t_supply = RoundTo(ShownSupplyTemperature(in, s), -2);
  }

  if (!balance) {
    // 11. Steam demand; without a humidifier the room takes the supply moisture.
    const double steam = vn * n.rho * (w.x - n.x);
    s.steam = on.humidifier && std::isfinite(steam) ? std::max(0.0, steam) : 0;
    if (!on.humidifier) {
      const double phi = std::min(1.0, RelativeHumidity(pb, Saturation(tw), n.x));
      if (std::isfinite(phi)) s.settled.phi_room = RoundTo(phi * 100, -1) / 100;
    }
    return s;
  }

  // 12. Balance: the room state where the ε line from the end state reaches tw.
  s.steam = 0;
  const double t0 = s.end.t, x0 = s.end.x;
  const double xw = ((1.84 * t0 + 2501 - eps) * x0 + kCp * (t0 - tw)) / (2501 - eps + 1.84 * tw);
  if (std::isfinite(xw) && xw <= 0) {
    UnitStates refused = previous;
    refused.status = UnitStatus::RoomMoistureNotPositive;
    refused.settled = in;
    return refused;
  }
  const AirState w_balance = State(pb, pb_dew, tw, xw);
  if (!Finite(w_balance)) return s;
  s.w = w_balance;
  s.settled.phi_room = RoundTo(w_balance.phi * 100, -2) / 100;
  if (in.auto_flow) {
    const double g = std::fabs(in.q_gains / (w_balance.i - s.end.i) * 3600);  // [kg/h]
    double v = g / s.end.rho;
    if (v == 0) v = 0.01;
    if (std::isfinite(v)) {
      s.settled.v_supply = static_cast<double>(Rnd(v));
      s.settled.v_exhaust = s.settled.v_supply;
    }
  }
  return s;
}

UnitStates ComputeUnit(const UnitInputs& in, const UnitStates& previous) {
  UnitStates s = previous;
  UnitInputs current = in;
  for (int pass = 1; pass <= kMaxUnitPasses; ++pass) {
    s = ComputeUnitPass(current, s);
    s.passes = pass;
    if (!s.ok()) return s;
    const bool changed = !SameWriteBacks(s.settled, current);
    if (!changed && pass >= 2) return s;
    current = s.settled;
  }
  s.status = UnitStatus::NotSettled;
  return s;
}

double ShownSupplyTemperature(const UnitInputs& in, const UnitStates& s) {
  if (in.sections.heater) return in.t_supply;
  if (s.cooler_computed) return s.ch.t;
  if (in.sections.mixing) return s.rec.t;
  if (in.sections.recovery) return s.rot.t;
  return s.cz.t;
}

}  // namespace orvanta
