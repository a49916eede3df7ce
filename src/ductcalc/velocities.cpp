#include "ductcalc/velocities.h"

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta {
namespace {

double Wr(double flow, double d) {
  if (d <= 0) return 0;
  return flow * 4 / (kVelocityPi * d * d * 3600);
}
double Wq(double flow, double a, double b) {
  if (a <= 0 || b <= 0) return 0;
  return flow / (a * b * 3600);
}
double Dh(double a, double b) { return a + b > 0 ? 2 * a * b / (a + b) : 0; }

bool IsRoundSingle(int k) {
  return k == 1 || k == 2 || k == 3 || k == 5 || k == 9 || k == 19 || k == 21 || k == 23;
}
bool IsRectSingle(int k) {
  return k == 10 || k == 11 || k == 12 || k == 14 || k == 18 || k == 20 || k == 22 || k == 24;
}

DuctRefusal Own(std::string m) { return DuctRefusal{0, std::move(m)}; }

}  // namespace

bool HasSecondSection(int kind) {
  return kind == 4 || kind == 6 || kind == 7 || kind == 8 || kind == 13 || kind == 15 ||
         kind == 16 || kind == 17;
}

bool ShowsLength(int kind) {
  return !(kind == 2 || kind == 9 || kind == 11 || kind == 18 || kind == 20);
}

FittingVelocityResult FittingVelocities(const FittingInputs& in) {
  const double p1 = in.phi1_mm / 1000, p2 = in.phi2_mm / 1000;
  const double a = in.a_mm / 1000, b = in.b_mm / 1000, c = in.c_mm / 1000, d = in.d_mm / 1000;
  const double vc = in.vc.value_or(0), vb = in.vb;
  const int k = in.kind;
  FittingVelocityResult r;
  if (IsRoundSingle(k)) {
    r.dh1 = p1;
    r.w1 = Wr(vc, p1);
  } else if (k == 4 || k == 6) {
    r.dh1 = p1;
    r.dh2 = p2;
    r.w1 = Wr(vc, p1);
    r.w2 = Wr(vb, p2);
    r.ws = Wr(std::abs(vc - vb), p1);
  } else if (k == 7) {
    r.dh1 = p1;
    r.dh2 = Dh(c, d);
    r.w1 = Wr(vc, p1);
    r.w2 = Wq(vc, c, d);
  } else if (k == 16) {
    r.dh1 = p1;
    r.dh2 = Dh(c, d);
    r.w1 = Wq(vc, c, d);
    r.w2 = Wr(vc, p1);
  } else if (k == 8) {
    r.dh1 = p1;
    r.dh2 = p2;
    r.w1 = Wr(vc, p1);
    r.w2 = Wr(vc, p2);
  } else if (IsRectSingle(k)) {
    r.dh1 = Dh(a, b);
    r.w1 = Wq(vc, a, b);
  } else if (k == 13 || k == 15) {
    r.dh1 = Dh(a, b);
    r.dh2 = Dh(c, d);
    r.w1 = Wq(vc, a, b);
    r.w2 = Wq(vb, c, d);
    r.ws = Wq(std::abs(vc - vb), a, b);
  } else if (k == 17) {
    r.dh1 = Dh(a, b);
    r.dh2 = Dh(c, d);
    r.w1 = Wq(vc, a, b);
    r.w2 = Wq(vc, c, d);
  }
  return r;
}

std::optional<DuctRefusal> CheckFittingGeometry(const FittingInputs& in) {
  const int k = in.kind;
  if (k < 1 || k > kFittingKindCount) return Own("Unknown kind of fitting.");
  struct Used {
    const char* name;
    double value;
  };
  Used used[4];
  int n = 0;
  if (IsRoundSingle(k)) {
    used[n++] = {"φ1", in.phi1_mm};
  } else if (k == 4 || k == 6 || k == 8) {
    used[n++] = {"φ1", in.phi1_mm};
    used[n++] = {"φ2", in.phi2_mm};
  } else if (k == 7 || k == 16) {
    used[n++] = {"φ1", in.phi1_mm};
    used[n++] = {"C", in.c_mm};
    used[n++] = {"D", in.d_mm};
  } else if (IsRectSingle(k)) {
    used[n++] = {"A", in.a_mm};
    used[n++] = {"B", in.b_mm};
  } else {  // 13, 15, 17
    used[n++] = {"A", in.a_mm};
    used[n++] = {"B", in.b_mm};
    used[n++] = {"C", in.c_mm};
    used[n++] = {"D", in.d_mm};
  }
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(used[i].value) || used[i].value <= 0)
      return Own(std::string("The dimension ") + used[i].name + " must be greater than 0 mm.");
  }
  if (in.length_mm && !(std::isfinite(*in.length_mm) && *in.length_mm >= 0))
    return Own("The length L must not be negative.");
  if (!(std::isfinite(in.e_mm) && in.e_mm >= 0)) return Own("The offset e must not be negative.");
  if (!(std::isfinite(in.vb) && in.vb >= 0)) return Own("The branch flow Vb must not be negative.");
  if (!(std::isfinite(in.angle_deg) && in.angle_deg >= 0 && in.angle_deg <= 360))
    return Own("The angle must lie between 0 and 360°.");
  if (!(std::isfinite(in.r_over_d) && in.r_over_d >= 0)) return Own("The radius ratio R/D must not be negative.");
  if (!(std::isfinite(in.wall_mm) && in.wall_mm >= 0 && std::isfinite(in.wall_density) && in.wall_density >= 0 &&
        std::isfinite(in.insulation_mm) && in.insulation_mm >= 0 && std::isfinite(in.insulation_density) &&
        in.insulation_density >= 0))
    return Own("Wall and insulation thickness and density must not be negative.");
  return std::nullopt;
}

std::optional<double> AdditionalZetaFromPressure(double dpp, double rho, double w1) {
  if (w1 == 0 || rho == 0) return std::nullopt;
  const double z = RoundToStep(2 * dpp / (rho * w1 * w1), 0.01);
  if (!std::isfinite(z)) return std::nullopt;
  return z;
}

std::optional<double> AdditionalPressureFromZeta(double zeta, double rho, double w1) {
  if (w1 == 0) return std::nullopt;
  const double p = RoundToStep(zeta * 0.5 * rho * w1 * w1, 0.1);
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

}  // namespace orvanta
