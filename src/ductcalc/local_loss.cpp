#include "ductcalc/local_loss.h"

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

constexpr double kPi = std::numbers::pi;

DuctRefusal Own(std::string m) { return DuctRefusal{0, std::move(m)}; }

std::string AngleText(double a) {
  std::string s = std::to_string(a);
  s.erase(s.find_last_not_of('0') + 1);
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

LocalLossResult Refused(DuctRefusal r) {
  LocalLossResult out;
  out.refusal = std::move(r);
  return out;
}

LocalLossResult FromTable(LossTableStore& tables, const std::string& file, double row, double column) {
  LocalLossResult out;
  out.file = file;
  out.row = row;
  out.column = column;
  DuctRefusal why;
  const LossTable* t = tables.Get(file, &why);
  if (!t) return Refused(why);
  out.zeta = LossTableLookup(*t, row, column);
  return out;
}

// Refuses an angle outside the angle axis of a table (rows when on_rows);
// inside it the lookup interpolates.
std::optional<DuctRefusal> AngleOutside(LossTableStore& tables, const std::string& file, double angle,
                                        bool on_rows) {
  DuctRefusal why;
  const LossTable* t = tables.Get(file, &why);
  if (!t) return why;
  const double lo = on_rows ? t->Row(1) : t->Column(1);
  const double hi = on_rows ? t->Row(t->m) : t->Column(t->n);
  if (angle < lo || angle > hi)
    return Own("No loss data for the angle " + AngleText(angle) + "° of this fitting: the table covers " +
               AngleText(lo) + " to " + AngleText(hi) + "°.");
  return std::nullopt;
}

bool AngleIs(double a, double v) { return a == v; }

// "30", "45" or "90" for the tees' file names; "" for other angles.
std::string TeeAngle(double a) {
  if (AngleIs(a, 30)) return "30";
  if (AngleIs(a, 45)) return "45";
  if (AngleIs(a, 90)) return "90";
  return "";
}

double RoundArea(double d_m) { return kPi * d_m * d_m / 4; }

}  // namespace

double TransitionAngle(const FittingInputs& in) {
  double delta = 0;
  switch (in.kind) {
    case kRoundToRect:
    case kRectToRound:
      delta = in.c_mm > in.d_mm ? std::abs(in.phi1_mm - in.c_mm) : std::abs(in.phi1_mm - in.d_mm);
      break;
    case kRoundReducer:
      delta = std::abs(in.phi1_mm - in.phi2_mm);
      break;
    case kRectReducer: {
      const double ac = std::abs(in.a_mm - in.c_mm), bd = std::abs(in.b_mm - in.d_mm);
      delta = ac >= bd ? ac : bd;
      break;
    }
    default:
      return 0;
  }
  const double l = in.length_mm.value_or(0);
  if (l <= 0) return delta > 0 ? 180.0 : 0.0;
  return 2 * std::atan(delta / (2 * l)) * 180 / kPi;
}

std::string FlexAcousticTableName(double d) {
  if (!(d > 0)) return "";
  if (d < 125) return "flex100.txt";
  if (d < 160) return "flex125.txt";
  if (d < 180) return "flex160.txt";
  if (d < 200) return "flex180.txt";
  if (d < 225) return "flex200.txt";
  if (d < 250) return "flex225.txt";
  if (d < 315) return "flex250.txt";
  if (d < 355) return "flex315.txt";
  if (d < 400) return "flex355.txt";
  return "flex400.txt";
}

LocalLossResult LocalLossCoefficient(const FittingInputs& in, const FittingVelocityResult& v,
                                     LossTableStore& tables) {
  const double p1 = in.phi1_mm / 1000, p2 = in.phi2_mm / 1000;
  const double a = in.a_mm / 1000, b = in.b_mm / 1000, c = in.c_mm / 1000, d = in.d_mm / 1000;
  const double vc = in.vc.value_or(0), vb = in.vb, vs = std::abs(vc - vb);
  const double length = in.length_mm.value_or(0);
  const double alpha = in.angle_deg;
  auto ratio = [](double x, double y) { return y != 0 ? x / y : std::nan(""); };

  switch (in.kind) {
    case kRoundBend: {
      static const char* const kFiles[] = {"luk_okragly.txt", "kolano_segmentowe5.txt", "kolano_segmentowe4.txt",
                                           "kolano_segmentowe3.txt"};
      if (in.round_bend_type < 0 || in.round_bend_type > 3) return Refused(Own("No loss table for this type of bend."));
      const std::string file = kFiles[in.round_bend_type];
      if (auto r = AngleOutside(tables, file, alpha, false)) return Refused(*r);
      return FromTable(tables, file, in.r_over_d, alpha);
    }
    case kRoundOffset:
    case kRectOffset: {
      if (!(length > 0)) return Refused(DuctRefusal{663, ""});
      const double dia = in.kind == kRoundOffset ? in.phi1_mm : v.dh1 * 1000;
      LocalLossResult out;
      out.row = in.e_mm / length;
      out.column = dia;
      out.zeta = OffsetLossLookup(out.row, dia);
      return out;
    }
    case kRoundTee:
    case kRectTee: {
      if (vb > vc) return Refused(DuctRefusal{596, ""});
      if (in.tee_path < 0 || in.tee_path > 1 || in.tee_flow < 0 || in.tee_flow > 1)
        return Refused(Own("No loss table for this type of tee."));
      const bool round = in.kind == kRoundTee;
      const double ab_ac = round ? ratio(RoundArea(p2), RoundArea(p1)) : ratio(c * d, a * b);
      const bool branch = in.tee_path == 1;
      if (in.tee_flow == 0) {  // diverging
        const std::string ang = TeeAngle(alpha);
        if (ang.empty())
          return Refused(round ? DuctRefusal{670, ""}
                               : Own("Only the angles 30, 45 and 90° are available for a rectangular tee."));
        if (!branch) return FromTable(tables, "TR_P_" + ang + "ST_RS.txt", 1, ratio(v.ws, v.w1));
        return FromTable(tables, "TR_O_" + ang + "ST_RS.txt", ab_ac, ratio(vb, vc));
      }
      if (!round) {  // converging rectangular tee: 90° only
        if (!AngleIs(alpha, 90)) return Refused(DuctRefusal{672, ""});
        if (!branch) return FromTable(tables, "TR_P_90ST_LS.txt", 0, ratio(vs, vc));
        return FromTable(tables, "TR_O_90ST_LS_PROSTOKAT.txt", v.w1 <= 6 ? 5 : 10, ratio(vb, vc));
      }
      const std::string ang = TeeAngle(alpha);
      if (ang.empty()) return Refused(DuctRefusal{670, ""});
      const bool right = ang == "90";
      if (!branch) {
        // The through-path loss of a converging wye depends on the flow share;
        // its 30° and 45° tables are therefore read at Vb/Vc (rows) and Ab/Ac.
        if (right) return FromTable(tables, "TR_P_90ST_LS.txt", 0, ratio(vs, vc));
        return FromTable(tables, "TR_P_" + ang + "ST_LS.txt", ratio(vb, vc), ab_ac);
      }
      return FromTable(tables, "TR_O_" + ang + "ST_LS.txt", right ? ratio(vs, vc) : ratio(vb, vc), ab_ac);
    }
    case kRoundRoofHood:
    case kRectRoofHood: {
      const std::string file = in.intake ? "czerpnia.txt" : "wyrzutnia.txt";
      if (in.kind == kRectRoofHood) return FromTable(tables, file, 0, ratio(length, v.dh1 * 1000));
      if (auto r = AngleOutside(tables, file, alpha, true)) return Refused(*r);
      return FromTable(tables, file, alpha, ratio(length, in.phi1_mm));
    }
    case kRoundYBranch: {
      if (vb > vc) return Refused(DuctRefusal{596, ""});
      const std::string file = in.tee_flow == 0 ? "TR_ORLOWY_OKR_RS.txt" : "TR_ORLOWY_OKR_LS.txt";
      if (auto r = AngleOutside(tables, file, alpha, true)) return Refused(*r);
      if (in.tee_flow == 0) return FromTable(tables, file, alpha, ratio(v.w2, v.w1));
      return FromTable(tables, file, alpha, ratio(vb, vc));
    }
    case kRectYBranch: {
      if (vb > vc) return Refused(DuctRefusal{596, ""});
      const std::string file = in.tee_flow == 0 ? "TR_ORLOWY_PR_RS.txt" : "TR_ORLOWY_PR_LS.txt";
      return FromTable(tables, file, 1, ratio(c * d, a * b));
    }
    case kRoundToRect:
      return FromTable(tables, "przejscie_o_p.txt", ratio(RoundArea(p1), c * d), TransitionAngle(in));
    case kRectToRound:
      return FromTable(tables, "przejscie_p_o.txt", ratio(c * d, RoundArea(p1)), TransitionAngle(in));
    case kRoundReducer: {
      const double q = ratio(p1, p2);
      return FromTable(tables, "redukcja_okrAgLa.txt", q * q, TransitionAngle(in));
    }
    case kRectReducer:
      return FromTable(tables, "redukcja_prostokAtna.txt", ratio(a * b, c * d), TransitionAngle(in));
    case kRectBend: {
      if (in.rect_bend_type == 0) {
        static const double kAngles[] = {30, 45, 60, 90};
        for (double ang : kAngles)
          if (AngleIs(alpha, ang))
            return FromTable(tables, "Luk_prostokatny" + AngleText(ang) + ".txt", in.r_over_d, ratio(b, a));
        return Refused(Own("Only the angles 30, 45, 60 and 90° are available for a rectangular radius bend."));
      }
      if (in.rect_bend_type != 1) return Refused(Own("No loss table for this type of bend."));
      if (auto r = AngleOutside(tables, "kolano_prostokatne.txt", alpha, true)) return Refused(*r);
      return FromTable(tables, "kolano_prostokatne.txt", alpha, ratio(b, a));
    }
    case kFlexDuct: {
      if (auto r = AngleOutside(tables, "flex.txt", alpha, false)) return Refused(*r);
      return FromTable(tables, "flex.txt", 0, alpha);
    }
    default:  // straight ducts, grilles, wall intakes, silencers, fans
      return LocalLossResult{};
  }
}

}  // namespace orvanta
