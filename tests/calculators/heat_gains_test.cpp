#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calculators/heat_gains/people.h"
#include "calculators/heat_gains/water_surface.h"

namespace orvanta::calculators {
namespace {

// ---- Water surface ----

WaterSurfaceInput Basin() {
  WaterSurfaceInput in;
  in.area = 10;
  in.room_t = 28;
  in.room_rh = 50;
  in.pressure = 101300;
  in.water_t = 26;
  in.air_speed = 0.1;
  return in;
}

// 10 m² of water at 26 °C in a room at 28 °C/50 %, 101300 Pa, 0.1 m/s:
//   ps(28) = 610.5·exp(17.269·28/265.3) = 3777.68 Pa, pp = 1888.84 Pa, pg = 99411.16 Pa
//   x = 0.622·1888.84/99411.16 = 11.818 g/kg, i = 28.14 + 0.011818·2552.52 = 58.306 kJ/kg
//   wet bulb on the 0.001 K grid: 20.273 °C; tpc = 26 − 0.125·(26 − 20.273) = 25.284 °C
//   σ = max(0.0068 + 0.0005·25.284, 0.022) = 0.022; β = (0.0017 + 0.022)·2.1e-6 = 4.977e-8
//   ps(25.284) = 3219.89 Pa; mp = 4.977e-8·10·(3219.89 − 1888.84)·1000/1013 = 6.5397e-4 kg/s
//   α = 6.107; Qs = 10·6.107·(25.284 − 28) = −165.858 W
//   Qm = (2501 + 46.52)·6.5397e-4·1000 = 1665.99 W; Qc = 1500.13 W
TEST(HeatGainsWaterTest, WorkedBasin) {
  const auto r = ComputeWaterSurfaceGains(Basin());
  ASSERT_TRUE(r.ok()) << r.failure().english;
  EXPECT_NEAR(r->tmo, 20.273, 1e-9);
  EXPECT_NEAR(r->tpc, 25.284125, 1e-9);
  EXPECT_NEAR(r->ps_ti, 3777.675, 1e-3);
  EXPECT_NEAR(r->pg, 99411.162, 1e-3);
  EXPECT_NEAR(r->x, 11.81816, 1e-5);
  EXPECT_NEAR(r->i, 58.30609, 1e-5);
  EXPECT_DOUBLE_EQ(r->sigma, 0.022);
  EXPECT_NEAR(r->beta, 4.977e-8, 1e-20);
  EXPECT_NEAR(r->mp, 6.539652e-4, 1e-10);
  EXPECT_NEAR(r->qs, -165.8585, 1e-4);
  EXPECT_NEAR(r->qm, 1665.991, 1e-3);
  EXPECT_NEAR(r->qc, r->qs + r->qm, 1e-9);

  const WaterSurfaceTexts pl = WaterSurfaceShownTexts(r.value(), ',');
  EXPECT_EQ(pl.tmo, "20,27");
  EXPECT_EQ(pl.tpc, "25,28");
  EXPECT_EQ(pl.tr, "16,7");
  EXPECT_EQ(pl.ps_tpc, "3219,9");
  EXPECT_EQ(pl.ps_ti, "3777,7");
  EXPECT_EQ(pl.pg, "99411,2");
  EXPECT_EQ(pl.alpha, "6,11");
  EXPECT_EQ(pl.sigma, "0,022");
  EXPECT_EQ(pl.beta, "4,977E-8");
  EXPECT_EQ(pl.mp, "0,0006539652");
  EXPECT_EQ(pl.x, "11,82");
  EXPECT_EQ(pl.i, "58,31");
  EXPECT_EQ(pl.rho, "1,16");
  EXPECT_EQ(pl.qs, "-165,858");
  EXPECT_EQ(pl.qm, "1665,991");
  EXPECT_EQ(pl.qc, "1500,133");
  const WaterSurfaceTexts en = WaterSurfaceShownTexts(r.value(), '.');
  EXPECT_EQ(en.mp, "0.0006539652");
  EXPECT_EQ(en.qc, "1500.133");
}

TEST(HeatGainsWaterTest, WarmSurfaceRaisesSigmaAboveItsFloor) {
  WaterSurfaceInput in = Basin();
  in.water_t = 60;  // tpc = 60 − 0.125·(60 − 20.273) = 55.034 °C, σ = 0.0068 + 0.027517 = 0.034317
  const auto r = ComputeWaterSurfaceGains(in);
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r->sigma, 0.0068 + 0.0005 * 55.034125, 1e-12);
  EXPECT_GT(r->qs, 0);
}

TEST(HeatGainsWaterTest, ColdWaterCoolsTheRoomAndCondenses) {
  WaterSurfaceInput in = Basin();
  in.water_t = 10;  // tpc = 11.28 °C, ps(tpc) ≈ 1335 Pa below pp ≈ 1889 Pa
  const auto r = ComputeWaterSurfaceGains(in);
  ASSERT_TRUE(r.ok());
  EXPECT_LT(r->qs, 0);
  EXPECT_LT(r->mp, 0);
  EXPECT_LT(r->qm, 0);
}

TEST(HeatGainsWaterTest, WetBulbSearchOnItsGrid) {
  // Saturated air at 20 °C: the search stops at 20 °C itself (within one step).
  const double ps20 = 610.5 * std::exp(17.269 * 20 / 257.3);
  const double x = 0.622 * ps20 / (101300 - ps20);
  const auto t = WaterSurfaceWetBulb(101300, 1.005 * 20 + x * (2501 + 1.84 * 20));
  ASSERT_TRUE(t.has_value());
  EXPECT_NEAR(*t, 20, 0.0011);
  // Enthalpy below the start of the search: −30 °C.
  EXPECT_EQ(WaterSurfaceWetBulb(101300, -100), -30);
  // A huge enthalpy is met only close to the boiling point of the pressure
  // (ps(t) → po), never beyond it.
  const auto hot = WaterSurfaceWetBulb(1000, 1e6);
  ASSERT_TRUE(hot.has_value());
  EXPECT_LT(610.5 * std::exp(17.269 * *hot / (*hot + 237.3)), 1000);
}

TEST(HeatGainsWaterTest, NonsenseInputsAreRefused) {
  auto refused = [](auto change) {
    WaterSurfaceInput in = Basin();
    change(in);
    const auto r = ComputeWaterSurfaceGains(in);
    return !r.ok() && !r.failure().english.empty() && !r.failure().polish.empty();
  };
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.area = 0; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.area = -3; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.air_speed = -1; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.room_rh = 120; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.pressure = 0; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.pressure = 1000; }));
  EXPECT_TRUE(refused([](WaterSurfaceInput& in) { in.room_t = NAN; }));
  EXPECT_FALSE(refused([](WaterSurfaceInput&) {}));
}

// ---- People ----

// Resting seated at 20 °C, one person, f = 1: the 20 °C column exactly.
//   Qs = 86.1 W, W = 0.040 kg/h, Qc = 0.04/3600·2556.2·1000 + 86.1 = 28.402 + 86.1 = 114.5 W,
//   Qm = 28.4 W.
TEST(HeatGainsPeopleTest, TableColumnAtItsTemperature) {
  const auto g = ComputePeopleGains(0, 20, 1, 1);
  ASSERT_TRUE(g.ok());
  EXPECT_NEAR(g->qs, 86.1, 1e-12);
  EXPECT_NEAR(g->w, 0.04, 1e-15);
  EXPECT_NEAR(g->qc, 114.50222, 1e-5);
  EXPECT_NEAR(g->qm, 28.40222, 1e-5);
  const PeopleTexts pl = PeopleShownTexts(g.value(), ',');
  EXPECT_EQ(pl.qc, "114,5");
  EXPECT_EQ(pl.qs, "86,1");
  EXPECT_EQ(pl.qm, "28,4");
  EXPECT_EQ(pl.w, "0,04");
  const PeopleTexts en = PeopleShownTexts(g.value(), '.');
  EXPECT_EQ(en.qc, "114.5");
  EXPECT_EQ(en.w, "0.04");
}

TEST(HeatGainsPeopleTest, InterpolatesAndExtrapolatesWithinTheEndIntervals) {
  // 21.5 °C: halfway between 20 and 23 °C: Qs = (86.1 + 74.4)/2 = 80.25, W = 0.049.
  auto g = ComputePeopleGains(0, 21.5, 1, 1);
  EXPECT_NEAR(g->qs, 80.25, 1e-9);
  EXPECT_NEAR(g->w, 0.049, 1e-12);
  // 10 °C extrapolates the 15–18 interval: 94.4 + (94.4 − 90.7)·5/3 = 100.5667.
  g = ComputePeopleGains(0, 10, 1, 1);
  EXPECT_NEAR(g->qs, 100.566667, 1e-6);
  // 30 °C extrapolates 26–29: 46.5 − (66.3 − 46.5)/3 = 39.9; W = 0.098 + 0.028/3.
  g = ComputePeopleGains(0, 30, 1, 1);
  EXPECT_NEAR(g->qs, 39.9, 1e-9);
  EXPECT_NEAR(g->w, 0.098 + 0.028 / 3, 1e-12);
  // 27 °C lies in 26–29 as well; 18 °C uses 15–18 (its end).
  EXPECT_NEAR(ComputePeopleGains(8, 18, 1, 1)->qs, 203.5, 1e-9);
  EXPECT_NEAR(ComputePeopleGains(8, 27, 1, 1)->qs, 133.7 + (102.3 - 133.7) / 3, 1e-9);
  // Dancing, 10 people, f = 0.8 at 23 °C: 8·151.2 = 1209.6 W, 8·0.386 = 3.088 kg/h;
  // Qc = 3.088/3600·2556200 + 1209.6 = 2192.66 + 1209.6 = 3402.26 W.
  g = ComputePeopleGains(8, 23, 10, 0.8);
  EXPECT_NEAR(g->qs, 1209.6, 1e-9);
  EXPECT_NEAR(g->w, 3.088, 1e-12);
  EXPECT_EQ(PeopleShownTexts(g.value(), ',').qc, "3402,3");
  EXPECT_EQ(PeopleShownTexts(g.value(), ',').w, "3,088");
}

TEST(HeatGainsPeopleTest, NoActivityGivesZerosAndUnknownTextsAreRefused) {
  const auto none = ComputePeopleGains(std::nullopt, 20, 1, 1);
  ASSERT_TRUE(none.ok());
  const PeopleTexts t = PeopleShownTexts(none.value(), ',');
  EXPECT_EQ(t.qc, "0");
  EXPECT_EQ(t.qs, "0");
  EXPECT_EQ(t.qm, "0");
  EXPECT_EQ(t.w, "0");

  std::vector<std::string> items;
  for (const Activity& a : kActivities) items.emplace_back(a.polish);
  EXPECT_EQ(ActivityFromText("", items).value(), std::nullopt);
  EXPECT_EQ(ActivityFromText("Osoby w tańcu prędkim - Praca bardzo ciężka", items).value(), 8);
  const auto typed = ActivityFromText("Spacer", items);
  ASSERT_FALSE(typed.ok());
  EXPECT_EQ(typed.failure().english, "Choose an activity from the list.");
  EXPECT_FALSE(ActivityFromText("odpoczynek w postawie siedzącej", items).ok());  // exact match only

  EXPECT_FALSE(ComputePeopleGains(9, 20, 1, 1).ok());
  EXPECT_FALSE(ComputePeopleGains(0, 20, -1, 1).ok());
  EXPECT_FALSE(ComputePeopleGains(0, 20, 1, -0.5).ok());
  EXPECT_FALSE(ComputePeopleGains(0, NAN, 1, 1).ok());
  EXPECT_FALSE(ComputePeopleGains(0, 20, 1e308, 1e308).ok());  // overflow is a failure
}

TEST(HeatGainsPeopleTest, ActivityTableTextsAndOrder) {
  for (size_t k = 0; k < kActivities.size(); ++k) {
    EXPECT_EQ(kActivities[k].text, 532 + int(k));
    // Heat falls and moisture rises with the temperature in every row.
    for (size_t c = 1; c < 6; ++c) {
      EXPECT_LE(kActivities[k].sensible[c], kActivities[k].sensible[c - 1]) << k;
      EXPECT_GE(kActivities[k].moisture[c], kActivities[k].moisture[c - 1]) << k;
    }
  }
}

}  // namespace
}  // namespace orvanta::calculators

#include "calculators/language_lines.h"

namespace orvanta::calculators {
namespace {

TEST(HeatGainsPeopleTest, ActivitiesNameTheLanguageEntriesOfTheirTexts) {
  const auto lines = testing::PolishLanguageLines();
  for (const Activity& a : kActivities) EXPECT_EQ(testing::Entry(lines, a.text), a.polish);
}

}  // namespace
}  // namespace orvanta::calculators
