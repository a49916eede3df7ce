#include "ductcalc/fitting_mass.h"

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

constexpr double kPi = std::numbers::pi;

double Ring(double a, double b) { return kPi * (b * b - a * a); }
double F(double a, double b) { return a * a + a * b + b * b; }

}  // namespace

std::optional<double> FittingMass(const FittingInputs& in) {
  const double tw = in.wall_mm / 1000, ti = in.insulation_mm / 1000;
  const double rw = in.wall_density, ri = in.insulation_density;
  const double L = in.length_mm.value_or(0) / 1000;
  const double p1 = in.phi1_mm / 1000, p2 = in.phi2_mm / 1000;
  const double A = in.a_mm / 1000, B = in.b_mm / 1000, C = in.c_mm / 1000, D = in.d_mm / 1000;
  const double alpha = in.angle_deg * kPi / 180;
  const double r1 = p1 / 2, r2 = p2 / 2, rb = std::min(p1, p2) / 2, s = tw + ti;
  for (double v : {tw, ti, rw, ri, L, p1, p2, A, B, C, D, in.r_over_d, in.angle_deg})
    if (!std::isfinite(v) || v < 0) return std::nullopt;

  // The sizes inside the wall that the kind's formula uses must stay positive.
  auto inner_ok = [&](std::initializer_list<double> sizes) {
    for (double v : sizes)
      if (v < 0) return false;
    return true;
  };
  auto straight_round = [&]() { return rw * L * Ring(r1 - tw, r1) + ri * L * Ring(r1, r1 + ti); };
  auto straight_rect = [&]() {
    return rw * L * ((A + 2 * tw) * (B + 2 * tw) - (A - 2 * tw) * (B - 2 * tw)) +
           ri * L * ((A + 2 * s) * (B + 2 * s) - (A + 2 * tw) * (B + 2 * tw));
  };

  double m = 0;
  switch (in.kind) {
    case 1:
    case 3:
    case 19:
    case 21:
    case 23: {
      if (!inner_ok({r1 - tw})) return std::nullopt;
      m = straight_round();
      if (in.kind == 19) m *= 0.5;
      if (in.kind == 21) m *= 3;
      if (in.kind == 23) m *= 4;
      break;
    }
    case 2: {
      if (!inner_ok({r1 - tw})) return std::nullopt;
      const double arc = in.r_over_d * p1 * alpha;
      m = arc * (rw * Ring(r1 - tw, r1 + tw) + ri * Ring(r1 + tw, r1 + tw + ti));
      break;
    }
    case 4: {
      if (!inner_ok({r1 - tw, rb - tw})) return std::nullopt;
      m = rw * (L * Ring(r1 - tw, r1 + tw) + (L / 4) * Ring(rb - tw, rb + tw)) +
          ri * (L * Ring(r1 + tw, r1 + tw + ti) + (L / 4) * Ring(rb + tw, rb + tw + ti));
      break;
    }
    case 5: {
      if (!inner_ok({r1 - tw})) return std::nullopt;
      const double h1 = 1.5 * p1, rc = 1.5 * p1, hc = 1.5 * p1 * std::tan(15 * kPi / 180);
      m = rw * (h1 * Ring(r1 - tw, r1 + tw) + (kPi / 3) * hc * ((rc + tw) * (rc + tw) - (rc - tw) * (rc - tw))) +
          ri * (h1 * Ring(r1 + tw, r1 + tw + ti) +
                (kPi / 3) * hc * ((rc + tw + ti) * (rc + tw + ti) - (rc + tw) * (rc + tw)));
      break;
    }
    case 6: {
      if (!inner_ok({r1 - tw, r2 - tw})) return std::nullopt;
      const double sa = std::sin(alpha);
      m = rw * (L * Ring(r1 - tw, r1 + tw) + sa * (kPi / 3) * L * (F(r1 + tw, r2 + tw) - F(r1 - tw, r2 - tw))) +
          ri * (L * Ring(r1 + tw, r1 + tw + ti) +
                sa * (kPi / 3) * L * ((r2 + tw + ti) * (r2 + tw + ti) - (r2 + tw) * (r2 + tw)));
      break;
    }
    case 7:
    case 16: {
      if (!inner_ok({r1 - tw, C - 2 * tw, D - 2 * tw})) return std::nullopt;
      m = rw * (L / 2) * (Ring(r1 - tw, r1 + tw) + C * D - (C - 2 * tw) * (D - 2 * tw)) +
          ri * (L / 2) * (Ring(r1 + tw, r1 + tw + ti) + (C + 2 * ti) * (D + 2 * ti) - C * D);
      break;
    }
    case 8: {
      if (!inner_ok({r1 - tw, r2 - tw})) return std::nullopt;
      const double R1 = r1 + tw, R2 = r2 + tw, q1 = r1 - tw, q2 = r2 - tw;
      m = rw * (kPi / 3) * L * (F(R1, R2) - F(q1, q2)) +
          ri * (L / 2) * (Ring(R1, r1 + tw + ti) + Ring(R2, r2 + tw + ti));
      break;
    }
    case 9: {
      if (!inner_ok({r1 - tw})) return std::nullopt;
      m = rw * (Ring(r1 - tw, r1) + 2 * kPi * (r1 - tw) * tw * tw);
      break;
    }
    case 10:
    case 22:
    case 24: {
      if (!inner_ok({A - 2 * tw, B - 2 * tw})) return std::nullopt;
      m = straight_rect();
      if (in.kind == 22) m *= 3;
      if (in.kind == 24) m *= 4;
      break;
    }
    case 11:
    case 12: {
      if (!inner_ok({A - 2 * tw, B - 2 * tw})) return std::nullopt;
      const double along = in.kind == 11 ? in.r_over_d * B * alpha : L;
      m = along * (rw * (A * B - (A - 2 * tw) * (B - 2 * tw)) + ri * ((A + 2 * ti) * (B + 2 * ti) - A * B));
      break;
    }
    case 13: {
      // The insulation is the shell outside the wall, as for kinds 14 and 15
      // (measured from A·B it would weigh something with no insulation).
      m = rw * (2 * (A + B) * tw * L + 2 * (C + D) * tw * L / 4) +
          ri * (L * ((A + 2 * s) * (B + 2 * s) - (A + 2 * tw) * (B + 2 * tw)) +
                (L / 4) * ((C + 2 * s) * (D + 2 * s) - (C + 2 * tw) * (D + 2 * tw)));
      break;
    }
    case 14: {
      const double A2 = A + 0.3, B2 = B + 0.3;
      m = rw * (2 * (A + B) * tw * L + 2 * (A2 + B2) * tw * L / 2) +
          ri * (L * ((A + 2 * s) * (B + 2 * s) - (A + 2 * tw) * (B + 2 * tw)) +
                (L / 2) * ((A2 + 2 * s) * (B2 + 2 * s) - (A2 + 2 * tw) * (B2 + 2 * tw)));
      break;
    }
    case 15: {
      const double sa = std::sin(alpha);
      m = rw * (2 * (A + B) * tw * L + sa * L * 2 * (C + D) * tw) +
          ri * (L * ((A + 2 * s) * (B + 2 * s) - (A + 2 * tw) * (B + 2 * tw)) +
                sa * L * ((C + 2 * s) * (D + 2 * s) - (C + 2 * tw) * (D + 2 * tw)));
      break;
    }
    case 17: {
      m = rw * L * (2 * (A + B) * tw + 2 * (C + D) * tw - 2 * tw * tw) +
          ri * (L / 2) *
              ((A + 2 * s) * (B + 2 * s) + (C + 2 * s) * (D + 2 * s) - (A + 2 * tw) * (B + 2 * tw) -
               (C + 2 * tw) * (D + 2 * tw));
      break;
    }
    case 18:
    case 20: {
      if (!inner_ok({A - 2 * tw, B - 2 * tw, A + B - 4 * tw})) return std::nullopt;
      const double n = std::floor((B - 2 * tw) / 0.05);
      m = rw * (2 * tw * (A + B - 4 * tw) + n * tw * 0.05 * (A - 2 * tw));
      break;
    }
    default:
      return std::nullopt;
  }
  if (!std::isfinite(m) || m < 0) return std::nullopt;
  return m;
}

}  // namespace orvanta
