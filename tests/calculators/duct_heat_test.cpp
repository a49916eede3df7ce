#include "calculators/duct_heat/duct_heat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta::calculators {
namespace {

DuctHeatResult Computed(const DuctHeatInput& in) {
  const auto r = ComputeDuctHeat(in);
  EXPECT_TRUE(r.ok()) << r.failure().english;
  return r.ok() ? r.value() : DuctHeatResult{};
}

// Defaults: round 250 mm, 20 m, 1000 m³/h, 20 °C/50 % inside, −20 °C and 1 m/s outside,
// 1 mm steel (λ 58), 50 mm insulation (λ 0.04), 101300 Pa.
//   wi = 1000/(π·0.0625/4·3600) = 5.6588 m/s; wi0 = 5.6588·273.15/293.15 = 5.2728
//   we0 = 273.15/253.15 = 1.07901
//   αi = 4.4·5.2728^0.75/0.25^0.25 = 4.4·3.4793/0.70711 = 21.650
//   αe = 4.8·1.07901^0.61/0.25^0.39 = 4.8·1.04751/0.58246 = 8.634
//   U = 1/(1/21.650 + 0.001/58 + 0.05/0.04 + 1/8.634) = 1/1.41200 = 0.7082
//   x = 0.622·0.5·2337.0/(101300 − 1168.5) = 7.2584 g/kg, ρ = 1.19726, G = 0.332573 kg/s
//   tk = −20 − exp(−0.7082·0.785398·20/332.573)·(−40) = −20 + 40·0.966104 = 18.684 °C
//   Q = (18.684 − 20)·1000·0.332573 = −437.6 W
TEST(DuctHeatTest, DefaultsGiveTheWorkedValues) {
  const DuctHeatResult r = Computed(DuctHeatInput{});
  EXPECT_NEAR(r.velocity, 5.65884, 1e-5);
  EXPECT_NEAR(r.alpha_i, 21.6519, 1e-4);
  EXPECT_NEAR(r.alpha_e, 8.63354, 1e-5);
  EXPECT_NEAR(r.u, 0.708200, 1e-6);
  EXPECT_NEAR(r.rho, 1.197263, 1e-6);
  EXPECT_NEAR(r.tk, 18.68415, 1e-5);
  EXPECT_NEAR(r.q, -437.6156, 1e-4);
  EXPECT_NEAR(r.dew_point, 9.3, 1e-9);

  const DuctHeatTexts pl = DuctHeatShownTexts(r, ',');
  EXPECT_EQ(pl.tk, "18,68");
  EXPECT_EQ(pl.alpha_i, "21,65");
  EXPECT_EQ(pl.alpha_e, "8,63");
  EXPECT_EQ(pl.u, "0,71");
  EXPECT_EQ(pl.q, "-437,62");
  EXPECT_EQ(pl.velocity, "5,66");
  EXPECT_EQ(pl.rho, "1,2");
  EXPECT_EQ(pl.dew_point, "9,3");
  const DuctHeatTexts en = DuctHeatShownTexts(r, '.');
  EXPECT_EQ(en.tk, "18.68");
  EXPECT_EQ(en.q, "-437.62");
}

TEST(DuctHeatTest, EqualTemperaturesExchangeNoHeat) {
  DuctHeatInput in;
  in.outside_t = in.inside_t;
  const DuctHeatResult r = Computed(in);
  EXPECT_DOUBLE_EQ(r.tk, in.inside_t);
  EXPECT_DOUBLE_EQ(r.q, 0);
  EXPECT_EQ(DuctHeatShownTexts(r, ',').q, "0");
}

TEST(DuctHeatTest, WarmSurroundingsHeatTheAir) {
  DuctHeatInput in;
  in.inside_t = 12;
  in.outside_t = 35;
  const DuctHeatResult r = Computed(in);
  EXPECT_GT(r.tk, 12);
  EXPECT_LT(r.tk, 35);
  EXPECT_GT(r.q, 0);
}

TEST(DuctHeatTest, RectangularGeometry) {
  DuctHeatInput in;
  in.shape = DuctShape::kRectangular;
  in.side_a_mm = 300;
  in.side_b_mm = 300;
  DuctHeatResult r = Computed(in);
  // A square duct of side a: Dh = a and P = 4·a.
  EXPECT_NEAR(r.hydraulic_diameter, 0.3, 1e-15);
  EXPECT_NEAR(r.perimeter, 1.2, 1e-15);
  EXPECT_NEAR(r.velocity, 1000 / (0.09 * 3600), 1e-12);

  // 400 × 200 mm: P = 1.2 m, Dh = 4·0.08/1.2 = 0.26667 m, wi = 3.4722 m/s,
  // αi = 14.771, αe = 8.419, U = 0.69614, tk = 18.04 °C, Q = −651.78 W.
  in.side_a_mm = 400;
  in.side_b_mm = 200;
  r = Computed(in);
  EXPECT_NEAR(r.hydraulic_diameter, 0.266667, 1e-6);
  EXPECT_NEAR(r.alpha_i, 14.77065, 1e-5);
  EXPECT_NEAR(r.alpha_e, 8.418944, 1e-6);
  EXPECT_NEAR(r.u, 0.696137, 1e-6);
  EXPECT_EQ(DuctHeatShownTexts(r, ',').tk, "18,04");
  EXPECT_EQ(DuctHeatShownTexts(r, '.').q, "-651.78");
  // A round duct ignores side B.
  in.shape = DuctShape::kRound;
  in.side_a_mm = 250;
  in.side_b_mm = -1;
  EXPECT_NEAR(Computed(in).tk, 18.68415, 1e-5);
}

TEST(DuctHeatTest, StillOutsideAirTransmitsNothing) {
  DuctHeatInput in;
  in.outside_speed = 0;
  const DuctHeatResult r = Computed(in);
  EXPECT_EQ(r.alpha_e, 0);
  EXPECT_EQ(r.u, 0);
  EXPECT_DOUBLE_EQ(r.tk, in.inside_t);
}

TEST(DuctHeatTest, NonsenseInputsAreRefused) {
  auto refused = [](auto change) {
    DuctHeatInput in;
    change(in);
    const auto r = ComputeDuctHeat(in);
    return !r.ok() && !r.failure().english.empty() && !r.failure().polish.empty();
  };
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.flow = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.flow = -100; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.length = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.side_a_mm = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) {
    in.shape = DuctShape::kRectangular;
    in.side_b_mm = 0;
  }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.wall_mm = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.insulation_mm = -5; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.insulation_lambda = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.outside_speed = -1; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.inside_rh = 150; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.outside_t = -300; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.pressure = 0; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.flow = NAN; }));
  EXPECT_TRUE(refused([](DuctHeatInput& in) { in.length = 1e308; in.outside_t = 1e308; }));
  // The outside humidity is not used: any value computes.
  EXPECT_FALSE(refused([](DuctHeatInput& in) { in.outside_rh = 0; }));
}

}  // namespace
}  // namespace orvanta::calculators
