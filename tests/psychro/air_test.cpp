#include <gtest/gtest.h>

#include <cmath>

#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

TEST(SaturationPressure, KnownValues) {
  EXPECT_DOUBLE_EQ(SaturationPressure(0), 610.5);
  EXPECT_NEAR(SaturationPressure(20), 2337, 1);
  // The same formula below 0 °C (no ice formula): at -10 °C about 285.6 Pa.
  EXPECT_NEAR(SaturationPressure(-10), 285.6, 0.1);
}

TEST(RelativeHumidity, IsTheExactInverseOfMoistureContent) {
  for (double t : {-20.0, 0.0, 20.0, 45.0}) {
    const double ps = SaturationPressure(t);
    for (double phi : {0.05, 0.5, 1.0}) {
      const double x = MoistureContent(kPb, ps, phi);
      EXPECT_NEAR(RelativeHumidity(kPb, ps, x), phi, 1e-12) << t << " " << phi;
    }
  }
  // Not clipped above saturation.
  EXPECT_GT(RelativeHumidity(kPb, SaturationPressure(20), 0.02), 1.0);
}

TEST(AirProperties, TwentyDegreesFiftyPercent) {
  const double ps = SaturationPressure(20);
  const double x = MoistureContent(kPb, ps, 0.5);
  EXPECT_NEAR(x, 0.0072584, 5e-7);
  EXPECT_NEAR(AirEnthalpy(20, x), 38.52, 0.005);
  EXPECT_NEAR(AirDensity(kPb, 20, x), 1.1973, 0.00005);
  EXPECT_DOUBLE_EQ(RoundTo(WetBulbTemperature(kPb, 20, x), -2), 13.73);
  EXPECT_DOUBLE_EQ(RoundTo(DewPointTemperature(kPb, x), -1), 9.3);
  EXPECT_NEAR(MoistureFromEnthalpy(AirEnthalpy(20, x), 20), x, 1e-15);
}

TEST(WetBulbTemperature, LandsOnTheHundredthGridBelowT) {
  const double t = 23.456;
  const double tw = WetBulbTemperature(kPb, t, 0.006);
  const double k = (t - tw) / 0.01;
  EXPECT_NEAR(k, std::round(k), 1e-9);
  EXPECT_LT(tw, t);
  EXPECT_GT(tw, 10);
}

TEST(WetBulbTemperature, SaturatedAndFogStatesReturnT) {
  const double x_sat = MoistureContent(kPb, SaturationPressure(20), 1.0);
  EXPECT_EQ(WetBulbTemperature(kPb, 20, x_sat), 20);
  EXPECT_EQ(WetBulbTemperature(kPb, 20, 0.03), 20);
}

TEST(WetBulbTemperature, DryAirTerminatesAndNonFiniteInputGivesNaN) {
  const double tw = WetBulbTemperature(kPb, 20, 0);
  EXPECT_TRUE(std::isfinite(tw));
  EXPECT_LT(tw, 7);
  EXPECT_TRUE(std::isnan(WetBulbTemperature(kPb, NAN, 0.01)));
  EXPECT_TRUE(std::isnan(WetBulbTemperature(kPb, 20, INFINITY)));
}

TEST(DewPointTemperature, GridStartsAboveMinusForty) {
  EXPECT_NEAR(DewPointTemperature(kPb, 0), -39.9, 1e-9);
  EXPECT_NEAR(DewPointTemperature(kPb, -0.001), -39.9, 1e-9);
  const double td = DewPointTemperature(kPb, 0.01);
  const double k = (td + 40) / 0.1;
  EXPECT_NEAR(k, std::round(k), 1e-6);
  // The first grid value above the exact dew point: unsaturated there,
  // saturated 0.1 K lower.
  EXPECT_LT(RelativeHumidity(kPb, SaturationPressure(td), 0.01), 1);
  EXPECT_GE(RelativeHumidity(kPb, SaturationPressure(td - 0.1), 0.01), 1);
  EXPECT_TRUE(std::isnan(DewPointTemperature(kPb, NAN)));
}

TEST(Interpolate, StraightLine) {
  EXPECT_DOUBLE_EQ(Interpolate(5, 0, 10, 10, 20), 15);
  EXPECT_DOUBLE_EQ(Interpolate(-10, 0, 10, 10, 20), 0);
}

TEST(AltitudeFromPressure, ExamplesAndFailures) {
  EXPECT_DOUBLE_EQ(AltitudeFromPressure(1013), 0);
  EXPECT_FALSE(std::signbit(AltitudeFromPressure(1013))) << "written as -0 otherwise";
  EXPECT_DOUBLE_EQ(RoundTo(AltitudeFromPressure(900), -1), 1008.9);
  EXPECT_DOUBLE_EQ(RoundTo(AltitudeFromPressure(1200), -1), -1406.1);
  EXPECT_EQ(AltitudeFromPressure(0), 0);
  EXPECT_EQ(AltitudeFromPressure(-5), 0);
  EXPECT_EQ(AltitudeFromPressure(NAN), 0);
}

// The chart's line formulas undo the property formulas they invert.
TEST(ChartLineFormulas, InvertTheirPropertyFormulas) {
  const double pb = 98000;
  for (double x : {0.0, 0.004, 0.0125, 0.03}) {
    for (double t : {-15.0, 0.0, 22.5, 48.0}) {
      const double i = AirEnthalpy(t, x);
      EXPECT_NEAR(TemperatureFromEnthalpy(i, x), t, 1e-9) << t << " " << x;
      const double rho = AirDensity(pb, t, x);
      EXPECT_NEAR(TemperatureFromDensity(pb, rho, x), t, 1e-9) << t << " " << x;
    }
    for (double phi : {0.05, 0.5, 1.0}) {
      if (x == 0) continue;
      const double ps = SaturationPressureForHumidity(pb, x, phi);
      EXPECT_NEAR(MoistureContent(pb, ps, phi), x, 1e-12) << phi << " " << x;
    }
  }
  // Dry air: the isenthalp meets the t axis at i / 1.005 exactly.
  EXPECT_EQ(TemperatureFromEnthalpy(50.25, 0), 50.25 / 1.005);
  // A direction line: the enthalpy gained per kg of moisture is eps.
  const double t0 = 24, x0 = 0.009;
  for (double eps : {-5000.0, 0.0, 2552.5, 12000.0}) {
    EXPECT_NEAR(TemperatureOnDirectionLine(x0, t0, x0, eps), t0, 1e-9);
    const double x = 0.011;
    const double t = TemperatureOnDirectionLine(x, t0, x0, eps);
    EXPECT_NEAR(AirEnthalpy(t, x) - AirEnthalpy(t0, x0), eps * (x - x0), 1e-9) << eps;
  }
}

TEST(UnitConversions, ExamplesAndInverses) {
  EXPECT_DOUBLE_EQ(TemperatureToIP(20), 68);
  EXPECT_DOUBLE_EQ(TemperatureToIP(-40), -40);
  EXPECT_DOUBLE_EQ(MoistureToIP(1), 7);
  EXPECT_DOUBLE_EQ(VolumeFlowToIP(1000), 588.58);
  EXPECT_DOUBLE_EQ(EnthalpyToIP(100), 42.992);
  EXPECT_DOUBLE_EQ(DensityToIP(1), 0.06243);
  EXPECT_DOUBLE_EQ(PressureToIP(3386.389), 1);
  EXPECT_DOUBLE_EQ(HeatFlowToIP(1), 3412);
  EXPECT_DOUBLE_EQ(MassToIP(1), 2.204623);
  struct Pair {
    double (*to_ip)(double);
    double (*to_si)(double);
  };
  const Pair pairs[] = {{TemperatureToIP, TemperatureToSI}, {MoistureToIP, MoistureToSI},
                        {EnthalpyToIP, EnthalpyToSI},       {DensityToIP, DensityToSI},
                        {PressureToIP, PressureToSI},       {HeatFlowToIP, HeatFlowToSI},
                        {MassToIP, MassToSI},               {VolumeFlowToIP, VolumeFlowToSI}};
  for (const auto& p : pairs)
    for (double v : {-12.5, 0.0, 1.0, 37.25, 101300.0}) EXPECT_NEAR(p.to_si(p.to_ip(v)), v, 1e-9 * (1 + std::abs(v)));
}

}  // namespace
}  // namespace orvanta
