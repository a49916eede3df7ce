#include "calculators/regulating/regulating_element.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "psychro/number_text.h"

namespace orvanta::calculators {

double OrificeAreaRatio(double zeta) {
  // m on an integer grid so that 100 000 steps land exactly on 1.
  constexpr int kSteps = 100000;
  for (int k = 1; k < kSteps; ++k) {
    const double m = k / static_cast<double>(kSteps);
    const double z = (1 + 0.707 * std::sqrt(1 - m)) / m - 1;
    if (z * z <= zeta) return m;
  }
  return 1;
}

CalcResult<RegulatingResult> ComputeRegulatingElement(const RegulatingInput& in) {
  const bool round = in.section == DuctSection::kRound;
  if (!in.pressure) return CalcFailure::LanguageText(426);
  if (!in.flow) return CalcFailure::LanguageText(427);
  if (!in.side_a_mm) return CalcFailure::LanguageText(round ? 432 : 433);
  if (!round && !in.side_b_mm) return CalcFailure::LanguageText(434);
  if (!(*in.pressure >= 0))
    return CalcFailure::Message("Ciśnienie do zdławienia nie może być ujemne.",
                                "The pressure to be throttled cannot be negative.");
  if (!(*in.flow > 0))
    return CalcFailure::Message("Przepływ powietrza musi być większy od zera.",
                                "The air flow must be greater than zero.");
  if (!(in.density > 0))
    return CalcFailure::Message("Gęstość powietrza musi być większa od zera.",
                                "The air density must be greater than zero.");
  if (!(*in.side_a_mm > 0) || (!round && !(*in.side_b_mm > 0)))
    return CalcFailure::Message("Wymiary przewodu muszą być większe od zera.",
                                "The duct dimensions must be greater than zero.");

  constexpr double pi = std::numbers::pi;
  RegulatingResult r;
  const double a = *in.side_a_mm / 1000;
  const double b = round ? 0 : *in.side_b_mm / 1000;
  if (round) {
    r.velocity = (*in.flow / 3600) * 4 / (pi * a * a);
    r.hydraulic_diameter = a;
  } else {
    r.hydraulic_diameter = 2 * a * b / (a + b);
    r.velocity = *in.flow / (a * b * 3600);
  }
  const double wd = r.velocity * r.hydraulic_diameter;
  r.correction = 1.055 + 0.125 * std::cos(pi * ((wd - 0.3) / 1.2 - 1));
  r.corrected_pressure = r.correction * *in.pressure;
  r.zeta = 2 * r.corrected_pressure / (in.density * r.velocity * r.velocity);
  if (!AllFinite({r.velocity, r.hydraulic_diameter, r.correction, r.zeta})) return NotFiniteFailure();
  r.area_ratio = OrificeAreaRatio(r.zeta);
  const double m = r.area_ratio;

  if (in.element == RegulatingElement::kDamper) {
    r.first = Rnd(std::asin(1 - m) * 180 / pi);
  } else if (round) {
    const double f0 = pi * a * a * m / 4;
    r.first = Rnd(std::sqrt(4 * f0 / pi) * 1000);
  } else {
    // The opening keeps the duct's aspect ratio: grow b by 0.1 mm and a in
    // proportion until the opening area is reached.
    const double f0 = m * a * b;
    const double steps = std::sqrt(f0 * b / a) / 0.0001;
    if (!(steps < 1e15)) return NotFiniteFailure();  // beyond any duct: the step count would overflow
    // Start a few steps below the exact solution of (j·s)²·a/b = f0: the area
    // grows with j, so this finds the same first step as counting from 0.
    long long j = std::max(0LL, static_cast<long long>(steps) - 3);
    double oa = j * 0.0001 * a / b, ob = j * 0.0001;
    while (oa * ob < f0) {
      ++j;
      ob = j * 0.0001;
      oa = j * 0.0001 * a / b;
    }
    r.first = Rnd(oa * 1000);
    r.second = Rnd(ob * 1000);
    r.has_second = true;
  }
  return r;
}

RegulatingTexts RegulatingShownTexts(const RegulatingResult& r) {
  RegulatingTexts t;
  t.first = std::to_string(r.first);
  if (r.has_second) t.second = std::to_string(r.second);
  return t;
}

}  // namespace orvanta::calculators
