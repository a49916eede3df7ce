#include "calculators/regulating/regulating_element.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta::calculators {
namespace {

RegulatingInput Round(double dp, double flow, double d_mm, RegulatingElement e) {
  RegulatingInput in;
  in.pressure = dp;
  in.flow = flow;
  in.side_a_mm = d_mm;
  in.element = e;
  return in;
}

RegulatingInput Rect(double dp, double flow, double a_mm, double b_mm, RegulatingElement e) {
  RegulatingInput in = Round(dp, flow, a_mm, e);
  in.section = DuctSection::kRectangular;
  in.side_b_mm = b_mm;
  return in;
}

// Round duct 200 mm, 1000 m³/h, 50 Pa, ρ = 1.2:
//   w = 1000/3600·4/(π·0.04) = 8.8419 m/s, w·Dh = 1.76839
//   k = 1.055 + 0.125·cos(π·((1.76839 − 0.3)/1.2 − 1)) = 1.055 + 0.125·cos(0.70846) = 1.15039
//   ζ = 2·1.15039·50/(1.2·8.8419²) = 1.22622
//   m: first grid value with ((1 + 0.707·√(1 − m))/m − 1)² ≤ 1.22622 is 0.66788
//   d0 = 200·√0.66788 = 163.45 → 163 mm; damper arcsin(1 − 0.66788) = 19.40° → 19
TEST(RegulatingTest, RoundOrificeAndDamperWorkedCase) {
  const auto r = ComputeRegulatingElement(Round(50, 1000, 200, RegulatingElement::kOrifice));
  ASSERT_TRUE(r.ok()) << r.failure().english;
  EXPECT_NEAR(r->velocity, 8.84194, 1e-5);
  EXPECT_DOUBLE_EQ(r->hydraulic_diameter, 0.2);
  EXPECT_NEAR(r->correction, 1.150392, 1e-6);
  EXPECT_NEAR(r->zeta, 1.226223, 1e-6);
  EXPECT_NEAR(r->area_ratio, 0.66788, 1e-12);
  EXPECT_EQ(r->first, 163);
  EXPECT_FALSE(r->has_second);
  EXPECT_EQ(RegulatingShownTexts(r.value()).first, "163");
  EXPECT_EQ(RegulatingShownTexts(r.value()).second, "");

  const auto d = ComputeRegulatingElement(Round(50, 1000, 200, RegulatingElement::kDamper));
  ASSERT_TRUE(d.ok());
  EXPECT_EQ(d->first, 19);
}

// Rectangular 400 × 200 mm, 1000 m³/h, 50 Pa: Dh = 2·0.4·0.2/0.6 = 0.26667 m,
// w = 1000/(0.08·3600) = 3.4722 m/s, k = 1.06348, ζ = 7.35076, m = 0.41515;
// f0 = 0.41515·0.08 = 0.033212 m²; b grows by 0.1 mm, a by 0.2 mm:
// b = 128.9 mm, a = 257.8 mm is the first pair with a·b ≥ f0 → 258 × 129.
TEST(RegulatingTest, RectangularOrificeKeepsTheAspectRatio) {
  const auto r = ComputeRegulatingElement(Rect(50, 1000, 400, 200, RegulatingElement::kOrifice));
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r->hydraulic_diameter, 0.266667, 1e-6);
  EXPECT_NEAR(r->zeta, 7.350758, 1e-5);
  EXPECT_NEAR(r->area_ratio, 0.41515, 1e-12);
  EXPECT_EQ(r->first, 258);
  EXPECT_EQ(r->second, 129);
  EXPECT_TRUE(r->has_second);
  EXPECT_EQ(RegulatingShownTexts(r.value()).second, "129");

  // A 3:1 duct: the opening keeps a/b = A/B within the 0.1 mm steps.
  const auto s = ComputeRegulatingElement(Rect(20, 3000, 900, 300, RegulatingElement::kOrifice));
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(double(s->first) / double(s->second), 3.0, 0.02);
  EXPECT_LE(s->first, 900);
  EXPECT_LE(s->second, 300);

  // The damper of a rectangular duct gives an angle only.
  const auto d = ComputeRegulatingElement(Rect(50, 1000, 400, 200, RegulatingElement::kDamper));
  ASSERT_TRUE(d.ok());
  EXPECT_EQ(d->first, 36);  // arcsin(1 − 0.41515) = 35.79°
  EXPECT_FALSE(d->has_second);
}

TEST(RegulatingTest, ZeroPressureGivesAnOpeningAsLargeAsTheDuct) {
  EXPECT_EQ(OrificeAreaRatio(0), 1);
  EXPECT_EQ(OrificeAreaRatio(1e-12), 1);
  const auto o = ComputeRegulatingElement(Round(0, 1000, 250, RegulatingElement::kOrifice));
  ASSERT_TRUE(o.ok());
  EXPECT_EQ(o->area_ratio, 1);
  EXPECT_EQ(o->first, 250);
  const auto d = ComputeRegulatingElement(Round(0, 1000, 250, RegulatingElement::kDamper));
  EXPECT_EQ(d->first, 0);
  const auto r = ComputeRegulatingElement(Rect(0, 1000, 400, 200, RegulatingElement::kOrifice));
  EXPECT_EQ(r->first, 400);
  EXPECT_EQ(r->second, 200);
}

// 100 m³/h through 200 mm against 1 MPa: ζ ≈ 2.0·10⁶. At m = 0.00121 the
// expression is (1.70657/0.00121 − 1)² = 1.9866·10⁶ ≤ ζ, at 0.00120 it is
// 2.0204·10⁶ > ζ. d0 = 200·√0.00121 = 6.96 → 7 mm, damper 87°.
TEST(RegulatingTest, VeryLargeLossCoefficientEndsAtASmallRatio) {
  const auto r = ComputeRegulatingElement(Round(1e6, 100, 200, RegulatingElement::kOrifice));
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r->area_ratio, 0.00121, 1e-12);
  EXPECT_EQ(r->first, 7);
  EXPECT_EQ(ComputeRegulatingElement(Round(1e6, 100, 200, RegulatingElement::kDamper))->first, 87);
  // Beyond the finest step the search stops at its first grid value.
  EXPECT_EQ(OrificeAreaRatio(1e30), 0.00001);
}

TEST(RegulatingTest, EmptyAndNonsenseInputsAreRefused) {
  RegulatingInput in = Round(50, 1000, 200, RegulatingElement::kOrifice);
  in.pressure.reset();
  EXPECT_EQ(ComputeRegulatingElement(in).failure().text, 426);
  in = Round(50, 1000, 200, RegulatingElement::kOrifice);
  in.flow.reset();
  EXPECT_EQ(ComputeRegulatingElement(in).failure().text, 427);
  in = Round(50, 1000, 200, RegulatingElement::kOrifice);
  in.side_a_mm.reset();
  EXPECT_EQ(ComputeRegulatingElement(in).failure().text, 432);
  in = Rect(50, 1000, 400, 200, RegulatingElement::kOrifice);
  in.side_a_mm.reset();
  EXPECT_EQ(ComputeRegulatingElement(in).failure().text, 433);
  in = Rect(50, 1000, 400, 200, RegulatingElement::kOrifice);
  in.side_b_mm.reset();
  EXPECT_EQ(ComputeRegulatingElement(in).failure().text, 434);
  // A round duct needs no side B.
  in = Round(50, 1000, 200, RegulatingElement::kOrifice);
  EXPECT_TRUE(ComputeRegulatingElement(in).ok());

  auto refused = [](RegulatingInput in) {
    const auto r = ComputeRegulatingElement(in);
    return !r.ok() && r.failure().text == 0 && !r.failure().english.empty();
  };
  EXPECT_TRUE(refused(Round(-1, 1000, 200, RegulatingElement::kOrifice)));
  EXPECT_TRUE(refused(Round(50, 0, 200, RegulatingElement::kOrifice)));
  EXPECT_TRUE(refused(Round(50, -10, 200, RegulatingElement::kOrifice)));
  EXPECT_TRUE(refused(Round(50, 1000, 0, RegulatingElement::kOrifice)));
  EXPECT_TRUE(refused(Rect(50, 1000, 400, -200, RegulatingElement::kOrifice)));
  RegulatingInput no_density = Round(50, 1000, 200, RegulatingElement::kOrifice);
  no_density.density = 0;
  EXPECT_TRUE(refused(no_density));
  EXPECT_TRUE(refused(Round(1e308, 1e-300, 200, RegulatingElement::kOrifice)));  // ζ overflows
}

TEST(RegulatingTest, HugeDuctsFinishWithoutCountingFromZero) {
  // A 100 m duct side: counting 0.1 mm steps from zero would take a million steps.
  const auto r = ComputeRegulatingElement(Rect(0, 1e9, 2e5, 1e5, RegulatingElement::kOrifice));
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(double(r->first), 2e5, 1);
  EXPECT_NEAR(double(r->second), 1e5, 1);
  // Absurd sizes are a failure, not an endless count or an overflowing step number.
  EXPECT_FALSE(ComputeRegulatingElement(Rect(0, 1e300, 1e300, 1e290, RegulatingElement::kOrifice)).ok());
}

}  // namespace
}  // namespace orvanta::calculators
