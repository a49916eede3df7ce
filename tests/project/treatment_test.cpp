// Air treatments: the worked examples, the refusals, and the fast walk of the
// stepping searches against the literal walk.
#include "project/treatment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101325;

TreatmentInlet Inlet(double t, double phi, double flow = 1000) {
  return {StateFromTPhi(kPb, t, phi), kPb, flow};
}

int TextOf(const TreatmentOutcome& o) { return o.ok() ? -1 : o.failure().text; }
TreatmentMessage MessageOf(const TreatmentOutcome& o) {
  return o.ok() ? TreatmentMessage::None : o.failure().message;
}

TEST(Heating, ThreeKilowattsThirtyFiveForTenKelvin) {
  TreatmentInlet in = Inlet(20, 0.5);
  in.a.rho = 1.2;
  const TreatmentOutcome o = HeatingToTemperature(in, 30);
  ASSERT_TRUE(o.ok());
  EXPECT_NEAR(o.result().value, 3.35, 1e-12);
  EXPECT_EQ(o.result().x2, in.a.x);
  EXPECT_EQ(o.result().t2, 30);
  EXPECT_LT(o.result().phi2, in.a.phi);
  EXPECT_NEAR(o.result().ps2, SaturationPressure(30), 1e-9);

  const TreatmentOutcome back = HeatingByLoad(in, 3.35);
  ASSERT_TRUE(back.ok());
  EXPECT_NEAR(back.result().value, 30, 1e-12);
  EXPECT_EQ(back.result().t2, back.result().value);
}

TEST(Heating, NegativeHeatingBelowTheDewPointIsRefused) {
  const TreatmentInlet in = Inlet(20, 0.8);
  EXPECT_EQ(MessageOf(HeatingToTemperature(in, 5)), TreatmentMessage::OutletBeyondSaturation);
  EXPECT_EQ(MessageOf(HeatingByLoad(in, -10)), TreatmentMessage::OutletBeyondSaturation);
  EXPECT_TRUE(HeatingToTemperature(in, 18).ok());  // above the dew point
}

TEST(CoolingBypass, ZeroGivesTheCoilStateAndOneTheInlet) {
  const TreatmentInlet in = Inlet(26, 0.5);
  const TreatmentOutcome coil = CoolingWithBypassFactor(in, 8, 0);
  ASSERT_TRUE(coil.ok());
  EXPECT_EQ(coil.result().t2, 8);
  EXPECT_DOUBLE_EQ(coil.result().x2, MoistureContent(kPb, SaturationPressure(8), 1));
  EXPECT_NEAR(coil.result().phi2, 1, 1e-12);
  EXPECT_LE(coil.result().phi2, 1);
  EXPECT_GT(coil.result().value, 0);  // cooling loads are positive

  const TreatmentOutcome same = CoolingWithBypassFactor(in, 8, 1);
  ASSERT_TRUE(same.ok());
  EXPECT_NEAR(same.result().t2, in.a.t, 1e-12);
  EXPECT_NEAR(same.result().x2, in.a.x, 1e-15);
  EXPECT_NEAR(same.result().value, 0, 1e-9);
}

TEST(CoolingBypass, LoadFollowsTheEnthalpyDrop) {
  const TreatmentInlet in = Inlet(26, 0.5, 3600);
  const TreatmentOutcome o = CoolingWithBypassFactor(in, 10, 0.2);
  ASSERT_TRUE(o.ok());
  const double t2 = 10 + 16 * 0.2;
  EXPECT_DOUBLE_EQ(o.result().t2, t2);
  const double xs = MoistureContent(kPb, SaturationPressure(10), 1);
  EXPECT_DOUBLE_EQ(o.result().x2, xs + 0.2 * (in.a.x - xs));
  EXPECT_NEAR(o.result().value, (in.a.i - AirEnthalpy(t2, o.result().x2)) * in.a.rho, 1e-9);
}

TEST(CoolingBypass, DryCoilKeepsTheMoistureAndBadCoilsAreRefused) {
  const TreatmentInlet in = Inlet(26, 0.3);  // dew point about 7 °C
  const TreatmentOutcome o = CoolingWithBypassFactor(in, 15, 0.1);
  ASSERT_TRUE(o.ok());
  EXPECT_EQ(o.result().x2, in.a.x);
  EXPECT_EQ(MessageOf(CoolingWithBypassFactor(in, 30, 0.1)), TreatmentMessage::CoilAboveInlet);
  EXPECT_EQ(MessageOf(CoolingWithBypassFactor(in, 10, 1.5)), TreatmentMessage::BypassFactorOutOfRange);
  EXPECT_EQ(MessageOf(CoolingWithBypassFactor(in, 10, -0.1)), TreatmentMessage::BypassFactorOutOfRange);
}

TEST(Adiabatic, WetBulbIsFullEfficiencyAndBelowIsRefused) {
  const TreatmentInlet in = Inlet(30, 0.3);
  const TreatmentOutcome full = AdiabaticToTemperature(in, in.a.tw);
  ASSERT_TRUE(full.ok());
  EXPECT_EQ(full.result().value, 1);
  EXPECT_NEAR(AirEnthalpy(full.result().t2, full.result().x2), in.a.i, 1e-9);

  const TreatmentOutcome below = AdiabaticToTemperature(in, in.a.tw - 0.5);
  ASSERT_FALSE(below.ok());
  EXPECT_EQ(below.failure().text, kTextAdiabaticBelowWetBulb);
  ASSERT_TRUE(below.failure().appended.has_value());
  EXPECT_EQ(*below.failure().appended, in.a.tw);

  const TreatmentOutcome half = AdiabaticByEfficiency(in, 0.5);
  ASSERT_TRUE(half.ok());
  EXPECT_DOUBLE_EQ(half.result().t2, 30 - (30 - in.a.tw) * 0.5);
  EXPECT_EQ(MessageOf(AdiabaticByEfficiency(in, 1.2)), TreatmentMessage::EfficiencyOutOfRange);
  EXPECT_EQ(MessageOf(AdiabaticToTemperature(in, 35)), TreatmentMessage::TargetNotBelowInlet);
}

TEST(Adiabatic, SaturatedInletCannotBeCooled) {
  TreatmentInlet in = Inlet(15, 1);
  in.a.tw = in.a.t;
  EXPECT_EQ(TextOf(AdiabaticToTemperature(in, 15)), kTextAdiabaticBelowWetBulb);
}

// The SHR search as the dialog describes it, written out step by step.
TreatmentOutcome ShrToTemperatureByTheRule(const TreatmentInlet& in, double shr, double target) {
  double x2 = in.a.x, t2 = in.a.t, phi2 = in.a.phi, ps2 = 0;
  for (long k = 0;; ++k) {
    x2 = in.a.x - k * 0.0000001;
    t2 = ((2501 * x2 - in.a.i) * shr + 1.005 * in.a.t) / (1.005 - shr * (1.84 * x2 + 1.005));
    ps2 = SaturationPressure(t2);
    phi2 = RelativeHumidity(in.pb, ps2, x2);
    if (!(t2 > target && x2 > 0 && phi2 < 1)) break;
  }
  if (x2 <= 0 || phi2 > 1) return TreatmentFailure{kTextShrTemperatureUnreachable, TreatmentMessage::None, std::nullopt};
  return TreatmentResult{t2, x2, phi2, ps2, (in.a.i - AirEnthalpy(t2, x2)) * in.a.rho * in.air_flow / 3600};
}

TEST(CoolingShr, FollowsTheLineToTheTargetTemperature) {
  const TreatmentInlet in = Inlet(26, 0.5);
  const TreatmentOutcome o = CoolingShrToTemperature(in, 0.75, 16);
  ASSERT_TRUE(o.ok());
  const TreatmentOutcome rule = ShrToTemperatureByTheRule(in, 0.75, 16);
  ASSERT_TRUE(rule.ok());
  EXPECT_EQ(o.result().x2, rule.result().x2);
  EXPECT_EQ(o.result().t2, rule.result().t2);
  EXPECT_EQ(o.result().value, rule.result().value);
  EXPECT_LE(o.result().t2, 16);
  EXPECT_GT(ShrLineTemperature(in.a, 0.75, o.result().x2 + 0.0000001), 16);
  // Sensible part of the enthalpy drop is 75 % of the total.
  const double total = in.a.i - AirEnthalpy(o.result().t2, o.result().x2);
  EXPECT_NEAR(1.005 * (in.a.t - o.result().t2) / total, 0.75, 1e-9);

  const TreatmentOutcome by_load = CoolingShrByLoad(in, 0.75, o.result().value);
  ASSERT_TRUE(by_load.ok());
  EXPECT_NEAR(by_load.result().t2, o.result().t2, 1e-3);
}

TEST(CoolingShr, UnreachableTemperatureGives1270) {
  const TreatmentInlet in = Inlet(25, 0.5);
  const TreatmentOutcome o = CoolingShrToTemperature(in, 0.75, 0);
  EXPECT_EQ(TextOf(o), kTextShrTemperatureUnreachable);
  EXPECT_EQ(TextOf(ShrToTemperatureByTheRule(in, 0.75, 0)), kTextShrTemperatureUnreachable);
  EXPECT_EQ(TextOf(CoolingShrByLoad(in, 0.75, 1000)), kTextShrLoadUnreachable);
}

TEST(CoolingShr, RatioRefusals) {
  const TreatmentInlet in = Inlet(25, 0.5);
  EXPECT_EQ(TextOf(CoolingShrToTemperature(in, 1.01, 15)), kTextShrAbove100);
  EXPECT_EQ(TextOf(CondensingShrByWater(in, 1.5, 1)), kTextShrAbove100);
  EXPECT_EQ(MessageOf(CoolingShrToTemperature(in, 0, 15)), TreatmentMessage::ShrNotPositive);
  EXPECT_EQ(MessageOf(CoolingShrByLoad(in, -0.5, 2)), TreatmentMessage::ShrNotPositive);
  EXPECT_EQ(MessageOf(CondensingShrToTarget(in, 0, 0.9)), TreatmentMessage::ShrNotPositive);
  EXPECT_EQ(MessageOf(CoolingShrToTemperature(in, 0.7, 30)), TreatmentMessage::TargetNotBelowInlet);
  EXPECT_EQ(MessageOf(CoolingShrByLoad(in, 0.7, -1)), TreatmentMessage::ValueNegative);
}

void ExpectSameOutcome(const TreatmentOutcome& fast, const TreatmentOutcome& literal) {
  ASSERT_EQ(fast.ok(), literal.ok());
  if (!fast.ok()) {
    EXPECT_EQ(fast.failure(), literal.failure());
    return;
  }
  EXPECT_EQ(fast.result().x2, literal.result().x2);
  EXPECT_EQ(fast.result().t2, literal.result().t2);
  EXPECT_EQ(fast.result().phi2, literal.result().phi2);
  EXPECT_EQ(fast.result().value, literal.result().value);
}

TEST(StepWalk, FastWalkStopsOnTheLiteralStep) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> t(5, 40), phi(0.05, 0.95), shr(0.05, 1), frac(0, 1);
  int successes = 0;
  for (int n = 0; n < 60; ++n) {
    const TreatmentInlet in = Inlet(t(rng), phi(rng), 500 + 4000 * frac(rng));
    const double r = shr(rng);
    SCOPED_TRACE(::testing::Message() << "t=" << in.a.t << " phi=" << in.a.phi << " shr=" << r);
    const double target_t = in.a.t - 25 * frac(rng);
    const double q = 30 * frac(rng);
    const double w = 20 * frac(rng);
    const double target_phi = 0.2 + 0.8 * frac(rng);
    const auto a = CoolingShrToTemperature(in, r, target_t, StepWalk::Fast);
    ExpectSameOutcome(a, CoolingShrToTemperature(in, r, target_t, StepWalk::Literal));
    ExpectSameOutcome(a, ShrToTemperatureByTheRule(in, r, target_t));
    ExpectSameOutcome(CoolingShrByLoad(in, r, q, StepWalk::Fast), CoolingShrByLoad(in, r, q, StepWalk::Literal));
    ExpectSameOutcome(CondensingShrByWater(in, r, w, StepWalk::Fast),
                      CondensingShrByWater(in, r, w, StepWalk::Literal));
    const auto c = CondensingShrToTarget(in, r, target_phi, StepWalk::Fast);
    ExpectSameOutcome(c, CondensingShrToTarget(in, r, target_phi, StepWalk::Literal));
    successes += a.ok() + c.ok();
  }
  EXPECT_GT(successes, 20);  // the sweep covers found outlets, not only refusals
}

TEST(StepWalk, LongestWalkDownToDryAir) {
  // A low ratio keeps the line unsaturated down to x = 0: about 200 000 steps.
  const TreatmentInlet in{StateFromTX(kPb, 40, 0.02), kPb, 1000};
  const TreatmentOutcome fast = CoolingShrToTemperature(in, 0.1, -60, StepWalk::Fast);
  EXPECT_EQ(TextOf(fast), kTextShrTemperatureUnreachable);
  ExpectSameOutcome(fast, CoolingShrToTemperature(in, 0.1, -60, StepWalk::Literal));
  // Stopping on the target just before the end of the walk.
  const double near_end = ShrLineTemperature(in.a, 0.1, 0.0000005);
  ExpectSameOutcome(CoolingShrToTemperature(in, 0.1, near_end, StepWalk::Fast),
                    CoolingShrToTemperature(in, 0.1, near_end, StepWalk::Literal));
  EXPECT_TRUE(CoolingShrToTemperature(in, 0.1, near_end).ok());
}

TEST(ShrDialog, TemperatureAndHumidityTargetsBothWays) {
  const AirState p1 = StateFromTPhi(kPb, 26, 0.5);
  const TreatmentOutcome dbt = ShrDialogSearch(p1, kPb, 0.75, ShrDialogTarget::Temperature, 9.5);
  const TreatmentOutcome same = CoolingShrToTemperature({p1, kPb, 1000}, 0.75, 9.5);
  ASSERT_EQ(dbt.ok(), same.ok());
  if (dbt.ok()) {
    EXPECT_EQ(dbt.result().x2, same.result().x2);
  }
  const TreatmentOutcome rh = ShrDialogSearch(p1, kPb, 0.75, ShrDialogTarget::RelativeHumidity, 0.9);
  ASSERT_TRUE(rh.ok());
  EXPECT_EQ(RoundTo(rh.result().phi2, -3), 0.9);
  EXPECT_LT(rh.result().x2, p1.x);
  // Cooling: Qc negative; the flow that carries a load of the same size back.
  const double qc = ShrDialogLoad(p1, rh.result(), 1000);
  EXPECT_LT(qc, 0);
  EXPECT_NEAR(*ShrDialogAirFlow(p1, rh.result(), qc), 1000, 1e-9);

  // A negative ratio walks x upwards.
  const TreatmentOutcome up = ShrDialogSearch(p1, kPb, -0.5, ShrDialogTarget::RelativeHumidity, 0.7);
  ASSERT_TRUE(up.ok());
  EXPECT_GT(up.result().x2, p1.x);
  for (double shr : {-0.5, 0.3, 0.75}) {
    for (double target : {0.55, 0.7, 0.95}) {
      ExpectSameOutcome(ShrDialogSearch(p1, kPb, shr, ShrDialogTarget::RelativeHumidity, target, StepWalk::Fast),
                        ShrDialogSearch(p1, kPb, shr, ShrDialogTarget::RelativeHumidity, target, StepWalk::Literal));
    }
    for (double target : {-5.0, 12.0, 20.0}) {
      ExpectSameOutcome(ShrDialogSearch(p1, kPb, shr, ShrDialogTarget::Temperature, target, StepWalk::Fast),
                        ShrDialogSearch(p1, kPb, shr, ShrDialogTarget::Temperature, target, StepWalk::Literal));
    }
  }

  const TreatmentOutcome unreachable = ShrDialogSearch(p1, kPb, 0.75, ShrDialogTarget::Temperature, -5);
  ASSERT_FALSE(unreachable.ok());
  EXPECT_EQ(unreachable.failure().message, TreatmentMessage::ShrTemperatureNotReached);
  EXPECT_EQ(TreatmentMessageText(TreatmentMessage::ShrTemperatureNotReached, false),
            "NIE BYŁO MOŻLIWE OSIĄGNIĘCIE ZADANEJ TEMPERATURY DLA PODANEJ WARTOŚCI WSPÓŁCZYNNIKA SHR");
  EXPECT_EQ(TextOf(ShrDialogSearch(p1, kPb, 1.2, ShrDialogTarget::Temperature, 10)), kTextShrAbove100);
}

TEST(Humidification, SteamThreeKilogramsPerHour) {
  const TreatmentInlet in = Inlet(20, 0.3);
  const TreatmentOutcome o = SteamHumidificationByWater(in, 3);
  ASSERT_TRUE(o.ok());
  EXPECT_DOUBLE_EQ(o.result().x2, in.a.x + 3 / (in.a.rho * 1000));
  EXPECT_GT(o.result().t2, in.a.t);
  EXPECT_LT(o.result().t2, in.a.t + 1);
  EXPECT_NEAR(AirEnthalpy(o.result().t2, o.result().x2), in.a.i + 2685 * 3 / (in.a.rho * 1000), 1e-9);
  EXPECT_EQ(o.result().value, o.result().phi2);
  EXPECT_GT(o.result().phi2, in.a.phi);

  const TreatmentOutcome target = SteamHumidificationToTarget(in, 0.6);
  ASSERT_TRUE(target.ok());
  EXPECT_GE(target.result().phi2, 0.6);
  EXPECT_NEAR(target.result().value, in.a.rho * 1000 * (target.result().x2 - in.a.x), 1e-9);
  EXPECT_EQ(TextOf(SteamHumidificationByWater(in, 50)), kTextSteamSupersaturated);
}

TEST(Humidification, WaterToFullSaturationEndsOnTheCurveAtConstantEnthalpy) {
  const TreatmentInlet in = Inlet(30, 0.3);
  const TreatmentOutcome o = WaterHumidificationToTarget(in, 1);
  ASSERT_TRUE(o.ok());
  EXPECT_EQ(o.result().phi2, 1);
  EXPECT_NEAR(AirEnthalpy(o.result().t2, o.result().x2), in.a.i, 1e-9);
  // The step before was still below saturation: the outlet is within one step.
  const double x_before = o.result().x2 - 0.00001;
  const double t_before = (in.a.i - 2501 * x_before) / (1.84 * x_before + 1.005);
  EXPECT_LT(RelativeHumidity(kPb, SaturationPressure(t_before), x_before), 1);
  EXPECT_NEAR(o.result().t2, in.a.tw, 0.1);

  EXPECT_EQ(TextOf(WaterHumidificationByWater(in, 100)), kTextWaterSupersaturated);
  // Water enough to drive the isenthalp hundreds of kelvin below zero.
  EXPECT_EQ(TextOf(WaterHumidificationByWater(in, 500)), kTextWaterSupersaturated);
  EXPECT_EQ(TextOf(SteamHumidificationByWater(in, 5000)), kTextSteamSupersaturated);
  EXPECT_EQ(MessageOf(WaterHumidificationToTarget(in, 0.2)), TreatmentMessage::TargetUnreachable);
  EXPECT_EQ(MessageOf(WaterHumidificationToTarget(in, 1.1)), TreatmentMessage::TargetOutOfRange);
  EXPECT_EQ(MessageOf(WaterHumidificationByWater(in, -1)), TreatmentMessage::ValueNegative);
}

TEST(Dehumidification, DesiccantKeepsTheEnthalpyAndRaisesTheTemperature) {
  const TreatmentInlet in = Inlet(22, 0.6);
  const TreatmentOutcome o = DesiccantByWater(in, 4);
  ASSERT_TRUE(o.ok());
  EXPECT_GT(o.result().t2, in.a.t);
  EXPECT_LT(o.result().x2, in.a.x);
  EXPECT_NEAR(AirEnthalpy(o.result().t2, o.result().x2), in.a.i, 1e-9);

  const TreatmentOutcome target = DesiccantToTarget(in, 0.3);
  ASSERT_TRUE(target.ok());
  EXPECT_LE(target.result().phi2, 0.3);
  EXPECT_NEAR(target.result().value, in.a.rho * 1000 * (in.a.x - target.result().x2), 1e-9);
  EXPECT_EQ(MessageOf(DesiccantByWater(in, 1000)), TreatmentMessage::OutletMoistureNegative);
  EXPECT_EQ(MessageOf(DesiccantToTarget(in, 0.9)), TreatmentMessage::TargetUnreachable);
}

TEST(Dehumidification, CondensingOnTheCoilLine) {
  const TreatmentInlet in = Inlet(26, 0.6);
  const double xs = MoistureContent(kPb, SaturationPressure(8), 1);
  const TreatmentOutcome o = CondensingCoilByWater(in, 8, 3);
  ASSERT_TRUE(o.ok());
  EXPECT_DOUBLE_EQ(o.result().x2, in.a.x - 3 / (in.a.rho * 1000));
  EXPECT_DOUBLE_EQ(o.result().t2, Interpolate(o.result().x2, in.a.x, in.a.t, xs, 8));

  const TreatmentOutcome target = CondensingCoilToTarget(in, 8, 0.9);
  ASSERT_TRUE(target.ok());
  EXPECT_GE(target.result().phi2, 0.9);
  EXPECT_LT(target.result().phi2, 1);
  EXPECT_EQ(TextOf(CondensingCoilByWater(in, 8, 20)), kTextCondensingCoilWaterSaturated);
  EXPECT_EQ(MessageOf(CondensingCoilByWater(in, 30, 1)), TreatmentMessage::CoilAboveInlet);
  EXPECT_EQ(MessageOf(CondensingCoilByWater(in, 20, 1)), TreatmentMessage::CoilAboveDewPoint);
}

TEST(Dehumidification, CondensingAlongTheShrLine) {
  const TreatmentInlet in = Inlet(26, 0.6);
  const TreatmentOutcome o = CondensingShrByWater(in, 0.6, 2);
  ASSERT_TRUE(o.ok());
  EXPECT_GE((in.a.x - o.result().x2) * in.a.rho * 1000, 2);
  EXPECT_LT((in.a.x - o.result().x2 - 0.0000001) * in.a.rho * 1000, 2 + 1e-3);
  const TreatmentOutcome target = CondensingShrToTarget(in, 0.6, 0.9);
  ASSERT_TRUE(target.ok());
  EXPECT_NEAR(target.result().phi2, 0.9, 0.001);
  EXPECT_EQ(TextOf(CondensingShrByWater(in, 0.6, 500)), kTextCondensingShrWaterUnreachable);
}

TEST(CoolingCoilLine, TemperatureAndLoad) {
  const TreatmentInlet in = Inlet(26, 0.5);
  const TreatmentOutcome o = CoolingCoilToTemperature(in, 8, 14);
  ASSERT_TRUE(o.ok());
  const double xs = MoistureContent(kPb, SaturationPressure(8), 1);
  EXPECT_DOUBLE_EQ(o.result().x2, Interpolate(14, 26, in.a.x, 8, xs));
  const TreatmentOutcome by_load = CoolingCoilByLoad(in, 8, o.result().value);
  ASSERT_TRUE(by_load.ok());
  EXPECT_NEAR(by_load.result().t2, 14, 0.1);
  EXPECT_EQ(TextOf(CoolingCoilToTemperature(in, 8, 2)), kTextCoilLineSaturated);
  EXPECT_EQ(TextOf(CoolingCoilByLoad(in, 8, 1000)), kTextCoilLoadUnreachable);
}

TEST(Refusals, BadInputNeverGivesAResult) {
  const TreatmentInlet good = Inlet(24, 0.5);
  TreatmentInlet no_flow = good;
  no_flow.air_flow = 0;
  TreatmentInlet negative_flow = good;
  negative_flow.air_flow = -100;
  TreatmentInlet nan_state = good;
  nan_state.a.i = NAN;
  for (const TreatmentInlet& in : {no_flow, negative_flow}) {
    EXPECT_EQ(MessageOf(HeatingToTemperature(in, 30)), TreatmentMessage::AirFlowNotPositive);
    EXPECT_EQ(MessageOf(SteamHumidificationByWater(in, 1)), TreatmentMessage::AirFlowNotPositive);
    EXPECT_EQ(MessageOf(CoolingShrToTemperature(in, 0.7, 15)), TreatmentMessage::AirFlowNotPositive);
  }
  EXPECT_EQ(MessageOf(HeatingToTemperature(nan_state, 30)), TreatmentMessage::NonFiniteInput);
  EXPECT_EQ(MessageOf(HeatingToTemperature(good, INFINITY)), TreatmentMessage::NonFiniteInput);
  EXPECT_EQ(MessageOf(CondensingCoilToTarget(good, NAN, 0.9)), TreatmentMessage::NonFiniteInput);
}

// Whatever is typed, a result is complete: finite, at or below saturation,
// with a moisture content not below 0.
TEST(Refusals, RandomInputGivesCompleteResultsOrFailures) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> t(-30, 60), phi(0.01, 1), v(-2, 1), wide(-100, 100);
  for (int n = 0; n < 300; ++n) {
    const TreatmentInlet in = Inlet(t(rng), phi(rng), v(rng) > 0 ? 2000 * v(rng) + 1 : 0);
    const double a = wide(rng), b = wide(rng) / 100;
    const TreatmentOutcome all[] = {
        HeatingToTemperature(in, a),      HeatingByLoad(in, a),
        CoolingWithBypassFactor(in, a, b), CoolingShrToTemperature(in, b, a),
        CoolingShrByLoad(in, b, a),        CoolingCoilToTemperature(in, a, in.a.t - std::fabs(a) / 4),
        CoolingCoilByLoad(in, a, std::fabs(a)), AdiabaticToTemperature(in, a),
        AdiabaticByEfficiency(in, b),      WaterHumidificationByWater(in, a),
        WaterHumidificationToTarget(in, b), SteamHumidificationByWater(in, a),
        SteamHumidificationToTarget(in, b), DesiccantByWater(in, a),
        DesiccantToTarget(in, b),          CondensingShrByWater(in, b, std::fabs(a)),
        CondensingShrToTarget(in, b, std::fabs(b)), CondensingCoilByWater(in, a, std::fabs(a) / 10),
        CondensingCoilToTarget(in, a, std::fabs(b)),
    };
    for (const TreatmentOutcome& o : all) {
      if (!o.ok()) {
        EXPECT_TRUE(o.failure().text != 0 || o.failure().message != TreatmentMessage::None);
        continue;
      }
      const TreatmentResult& r = o.result();
      EXPECT_TRUE(std::isfinite(r.t2) && std::isfinite(r.x2) && std::isfinite(r.phi2) && std::isfinite(r.value));
      EXPECT_LE(r.phi2, 1);
      EXPECT_GE(r.x2, 0);
    }
  }
}

TEST(OutletPoint, EveryFieldFromTheOutlet) {
  const TreatmentInlet in = Inlet(20, 0.5);
  const TreatmentResult r = HeatingToTemperature(in, 32).result();
  const AirState s = OutletState(r, kPb);
  const AirState expected = StateFromTX(kPb, 32, in.a.x);
  EXPECT_EQ(s.t, 32);
  EXPECT_EQ(s.x, in.a.x);
  EXPECT_NEAR(s.phi, expected.phi, 1e-12);
  EXPECT_NEAR(s.i, expected.i, 1e-12);
  EXPECT_NEAR(s.rho, expected.rho, 1e-12);
  EXPECT_NEAR(s.pp + s.pa, kPb, 1e-6);
  EXPECT_EQ(s.tw, expected.tw);
  EXPECT_EQ(s.td, expected.td);
  EXPECT_EQ(OutletLabelPosition(TreatmentKind::Heating), LabelPosition::Top);
  EXPECT_EQ(OutletLabelPosition(TreatmentKind::AdiabaticCooling), LabelPosition::Bottom);
}

TEST(WindowData, CaptionsAndLabelsPerKind) {
  const TreatmentCaptions& h = CaptionsOf(TreatmentKind::Heating);
  EXPECT_EQ(h.window_caption, 1284);
  EXPECT_EQ(h.radio1, 1292);
  EXPECT_STREQ(h.result1.symbol, "Qh-->");
  EXPECT_STREQ(UnitLabel(h.result1.quantity, UnitSystem::IP), "BTU/h");
  const TreatmentCaptions& bf = CaptionsOf(TreatmentKind::CoolingBypass);
  EXPECT_EQ(bf.window_caption, 1286);
  EXPECT_EQ(bf.group, TreatmentGroup::CoilTemperature);
  EXPECT_STREQ(bf.input2.symbol, "BF");
  EXPECT_STREQ(UnitLabel(bf.input2.quantity, UnitSystem::SI), "%");
  const TreatmentCaptions& cd = CaptionsOf(TreatmentKind::CondensingDehumidification);
  EXPECT_EQ(cd.window_caption, 1290);
  EXPECT_EQ(cd.radio2, 1301);
  EXPECT_EQ(cd.group, TreatmentGroup::Shr);
  EXPECT_STREQ(UnitLabel(cd.result2.quantity, UnitSystem::IP), "lb/h");
  EXPECT_EQ(CaptionsOf(TreatmentKind::DesiccantDehumidification).window_caption, 1291);
  EXPECT_STREQ(AirFlowUnitLabel(UnitSystem::IP), "cfm");
  EXPECT_STREQ(UnitLabel(TreatmentQuantity::Temperature, UnitSystem::SI), "oC");
}

TEST(WindowData, TypedValuesAreConvertedOnceAtTheEdge) {
  using Q = TreatmentQuantity;
  EXPECT_DOUBLE_EQ(TypedToTreatmentValue(Q::Temperature, 86, UnitSystem::IP), 30);
  EXPECT_DOUBLE_EQ(TypedToTreatmentValue(Q::Temperature, 30, UnitSystem::SI), 30);
  EXPECT_DOUBLE_EQ(TypedToTreatmentValue(Q::Percent, 75, UnitSystem::IP), 0.75);
  EXPECT_DOUBLE_EQ(TypedToTreatmentValue(Q::Heat, HeatFlowToIP(3.35), UnitSystem::IP), 3.35);
  EXPECT_DOUBLE_EQ(TypedToTreatmentValue(Q::Water, MassToIP(3), UnitSystem::IP), 3);
  for (Q q : {Q::Temperature, Q::Heat, Q::Percent, Q::Water}) {
    for (UnitSystem u : {UnitSystem::SI, UnitSystem::IP}) {
      EXPECT_NEAR(TypedToTreatmentValue(q, TreatmentValueToShown(q, 12.5, u), u), 12.5, 1e-12);
    }
  }
  // Heating in IP: 86 °F typed gives the same load as 30 °C, shown in Btu/h.
  TreatmentInlet in = Inlet(20, 0.5);
  in.a.rho = 1.2;
  const TreatmentOutcome o = HeatingToTemperature(in, TypedToTreatmentValue(Q::Temperature, 86, UnitSystem::IP));
  ASSERT_TRUE(o.ok());
  EXPECT_NEAR(TreatmentValueToShown(Q::Heat, o.result().value, UnitSystem::IP), HeatFlowToIP(3.35), 1e-9);
}

TEST(WindowData, EveryCoreMessageHasBothLanguages) {
  for (int m = static_cast<int>(TreatmentMessage::NonFiniteInput);
       m <= static_cast<int>(TreatmentMessage::ComputationFailed); ++m) {
    const auto msg = static_cast<TreatmentMessage>(m);
    EXPECT_FALSE(TreatmentMessageText(msg, false).empty()) << m;
    EXPECT_FALSE(TreatmentMessageText(msg, true).empty()) << m;
    // The SHR dialog's own text is the same in every language.
    if (msg != TreatmentMessage::ShrTemperatureNotReached) {
      EXPECT_NE(TreatmentMessageText(msg, false), TreatmentMessageText(msg, true)) << m;
    }
  }
}

}  // namespace
}  // namespace orvanta
