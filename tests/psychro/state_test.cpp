#include <gtest/gtest.h>

#include <cmath>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

TEST(StateFromTX, FillsEveryFieldConsistently) {
  const AirState s = StateFromTX(kPb, 20, 0.0072584);
  EXPECT_EQ(s.t, 20);
  EXPECT_EQ(s.x, 0.0072584);
  EXPECT_NEAR(s.phi, 0.5, 1e-5);
  EXPECT_NEAR(s.i, 38.52, 0.005);
  EXPECT_NEAR(s.rho, 1.1973, 5e-5);
  EXPECT_DOUBLE_EQ(s.pp, s.phi * SaturationPressure(20));
  EXPECT_DOUBLE_EQ(s.pa, kPb - s.pp);
  EXPECT_DOUBLE_EQ(RoundTo(s.tw, -2), 13.73);
  EXPECT_DOUBLE_EQ(RoundTo(s.td, -1), 9.3);
  EXPECT_TRUE(IsFinite(s));
}

TEST(StateFromTX, FogRegionKeepsTAndXAndClipsPhi) {
  const AirState s = StateFromTX(kPb, 20, 0.02);
  EXPECT_EQ(s.phi, 1);
  EXPECT_DOUBLE_EQ(s.pp, SaturationPressure(20));
  EXPECT_EQ(s.t, 20);
  EXPECT_EQ(s.x, 0.02);
  EXPECT_EQ(s.tw, 20);
}

TEST(StateFromTPhi, SaturatedState) {
  const AirState s = StateFromTPhi(kPb, 15, 1.0);
  EXPECT_EQ(s.tw, 15);
  EXPECT_GE(s.td, 15 - 1e-9);
  EXPECT_LT(s.td, 15.1 + 1e-9);
}

TEST(StateFromTEnthalpy, DryAirEnthalpyGivesZeroMoisture) {
  const AirState s = StateFromTEnthalpy(kPb, 20, 20.1);
  EXPECT_NEAR(s.x, 0, 1e-15);
  EXPECT_NEAR(s.phi, 0, 1e-12);
  EXPECT_NEAR(s.td, -39.9, 1e-9);
  // Below dry air: negative x and phi are passed on for the dialog to refuse.
  const AirState below = StateFromTEnthalpy(kPb, 20, 10);
  EXPECT_LT(below.x, 0);
  EXPECT_LT(below.phi, 0);
}

TEST(PressureChange, RefreshKeepsTAndXAndLowersTheRest) {
  const AirState at1013 = StateFromTX(kPb, 20, 0.0072584);
  const AirState at900 = StateFromTX(90000, at1013.t, at1013.x);
  EXPECT_EQ(at900.t, 20);
  EXPECT_EQ(at900.x, 0.0072584);
  EXPECT_DOUBLE_EQ(RoundTo(100 * at1013.phi, -1), 50.0);
  EXPECT_DOUBLE_EQ(RoundTo(100 * at900.phi, -1), 44.4);
  EXPECT_DOUBLE_EQ(RoundTo(at900.tw, -1), 12.6);
  EXPECT_DOUBLE_EQ(RoundTo(at900.td, -1), 7.6);
  EXPECT_LT(at900.pp, at1013.pp);
}

TEST(MoistureOnProcessLine, InterpolatesAndTellsWithin) {
  const AirState a = StateFromTX(kPb, 10, 0.004);
  const AirState b = StateFromTX(kPb, 30, 0.010);
  auto m = MoistureOnProcessLine(20, a, b);
  ASSERT_TRUE(m.ok);
  EXPECT_NEAR(m.x, 0.007, 1e-15);
  EXPECT_TRUE(m.within);
  m = MoistureOnProcessLine(40, a, b);
  EXPECT_TRUE(m.ok);
  EXPECT_NEAR(m.x, 0.013, 1e-15);
  EXPECT_FALSE(m.within);
}

TEST(MoistureOnProcessLine, HorizontalLineAlwaysWithinAndDegenerateLineFails) {
  const AirState a = StateFromTX(kPb, 10, 0.006);
  const AirState b = StateFromTX(kPb, 30, 0.006);
  for (double t : {-20.0, 15.0, 80.0}) {
    const auto m = MoistureOnProcessLine(t, a, b);
    EXPECT_TRUE(m.ok);
    EXPECT_EQ(m.x, 0.006);
    EXPECT_TRUE(m.within);
  }
  const AirState c = StateFromTX(kPb, 10, 0.009);
  const auto bad = MoistureOnProcessLine(12, a, c);
  EXPECT_FALSE(bad.ok);
  EXPECT_FALSE(bad.within);
  EXPECT_FALSE(MoistureOnProcessLine(10, a, a).ok);
}

TEST(MoistureOnDirectionLine, PassesThroughP0AndFollowsEpsilon) {
  const AirState p0 = StateFromTX(kPb, 22, 0.008);
  for (double eps : {-5000.0, 0.0, 2500.0, 12000.0}) EXPECT_NEAR(MoistureOnDirectionLine(22, p0, eps), 0.008, 1e-15);
  const double eps = 8000;
  const double x = MoistureOnDirectionLine(30, p0, eps);
  EXPECT_NEAR(AirEnthalpy(30, x) - AirEnthalpy(22, 0.008), eps * (x - 0.008), 1e-9);
  // No point of the line at a temperature where the denominator vanishes.
  EXPECT_TRUE(std::isnan(MoistureOnDirectionLine((2600.0 - 2501) / 1.84, p0, 2600)));
}

TEST(Guards, TypedAndChartValues) {
  EXPECT_EQ(GuardTypedMoisture(-1), 0.0001);
  EXPECT_EQ(GuardTypedMoisture(0), 0);
  EXPECT_EQ(GuardTypedMoisture(0.005), 0.005);
  EXPECT_EQ(GuardTypedRelativeHumidity(0), 0.00001);
  EXPECT_EQ(GuardTypedRelativeHumidity(-0.2), 0.00001);
  EXPECT_EQ(GuardTypedRelativeHumidity(0.4), 0.4);
  EXPECT_EQ(GuardChartMoisture(0), 1e-6);
  EXPECT_EQ(GuardChartMoisture(-0.003), 1e-6);
  EXPECT_EQ(GuardChartMoisture(0.002), 0.002);
}

TEST(StoredPointLimits, MoistureThenTemperature) {
  EXPECT_EQ(StoredPointLimitText(20, 0.2), 0);
  EXPECT_EQ(StoredPointLimitText(20, 0.2001), kTextMoistureTooHigh);
  EXPECT_EQ(StoredPointLimitText(-60, 0.001), 0);
  EXPECT_EQ(StoredPointLimitText(200, 0.001), 0);
  EXPECT_EQ(StoredPointLimitText(-60.01, 0.001), kTextTemperatureOutOfRange);
  EXPECT_EQ(StoredPointLimitText(200.5, 0.001), kTextTemperatureOutOfRange);
  EXPECT_EQ(StoredPointLimitText(300, 0.3), kTextMoistureTooHigh);
  EXPECT_EQ(StoredPointLimitTextIP(392, 1400), 0);
  EXPECT_EQ(StoredPointLimitTextIP(-77, 100), kTextTemperatureOutOfRange);
  EXPECT_EQ(StoredPointLimitTextIP(68, 1401), kTextMoistureTooHigh);
}

}  // namespace
}  // namespace orvanta
