#include "project/point_input.h"

#include <gtest/gtest.h>

#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

PointFieldTexts Fields(const std::optional<AirState>& s, UnitSystem u = UnitSystem::SI) {
  EXPECT_TRUE(s.has_value());
  return s ? FieldTextsForState(*s, u, 4) : PointFieldTexts{};
}

TEST(PointInput, WorkedExampleTwentyDegreesAndMoisture) {
  const auto f = Fields(StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", "7.26"));
  EXPECT_EQ(f.phi, "50.01");
  EXPECT_EQ(f.i, "38.52");
  EXPECT_EQ(f.tw, "13.73");
  EXPECT_EQ(f.td, "9.3");
  EXPECT_EQ(f.x, "7.26");
  // Partial pressures with four decimals, and they add up to pb.
  const AirState s = *StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", "7.26");
  EXPECT_EQ(f.pp, NumberText(RoundTo(s.pp, -4)));
  EXPECT_NEAR(s.pp + s.pa, kPb, 1e-9);
}

TEST(PointInput, GuardsNegativeAndZeroMoisture) {
  const auto negative = StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", "-1");
  const auto tenth = StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", "0.1");
  ASSERT_TRUE(negative && tenth);
  EXPECT_EQ(*negative, *tenth);

  const auto dry = Fields(StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", "0"));
  EXPECT_EQ(dry.phi, "0");
  EXPECT_EQ(dry.td, "-39.9");
}

TEST(PointInput, RelativeHumidityAboveHundredGivesSaturatedState) {
  const auto s = StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::RelativeHumidity, "20", "120");
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->phi, 1);
  EXPECT_DOUBLE_EQ(s->x, MoistureContent(kPb, SaturationPressure(20), 1.2));
  EXPECT_EQ(FieldTextsForState(*s, UnitSystem::SI, 4).phi, "100");
  // Zero or negative relative humidity is taken as 0.001 %.
  const auto zero = StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::RelativeHumidity, "20", "0");
  ASSERT_TRUE(zero);
  EXPECT_NEAR(zero->phi, 0.00001, 1e-9);
}

TEST(PointInput, InchPoundInputGivesTheSameStateAsSi) {
  const auto ip = StateFromTypedValues(kPb, UnitSystem::IP, GivenQuantity::Enthalpy, "68", "16.56");
  const auto si = StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Enthalpy, "20", "38.52");
  ASSERT_TRUE(ip && si);
  EXPECT_NEAR(ip->t, 20, 1e-12);
  EXPECT_NEAR(ip->x, si->x, 1e-5);
  EXPECT_EQ(FieldTextsForState(*ip, UnitSystem::SI, 4).x, "7.26");
  // And it is shown in IP units.
  const PointFieldTexts f = FieldTextsForState(*ip, UnitSystem::IP, 4);
  EXPECT_EQ(f.t, "68");
  EXPECT_EQ(f.x, "50.8");  // 7.257 g/kg
}

TEST(PointInput, TextsThatAreNotNumbersStopTheRecomputation) {
  EXPECT_FALSE(StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "abc", "7"));
  EXPECT_FALSE(StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20", ""));
  EXPECT_TRUE(StateFromTypedValues(kPb, UnitSystem::SI, GivenQuantity::Moisture, "20,5", "7", ','));
}

class TiedPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    Add("A", StateFromTX(kPb, 20, 0.006));
    Add("B", StateFromTX(kPb, 30, 0.010));
    Add("C", StateFromTX(kPb, 30, 0.006));
    AirProcess ab{"A-B", "A", "B", true, 1000};
    ASSERT_TRUE(project.AddProcess(ab));
    AirProcess ac{"A-C", "A", "C", true, 1000};
    ASSERT_TRUE(project.AddProcess(ac));
    DirectionCoefficient e;
    e.name = "E1";
    e.epsilon = 5000;
    e.point_name = "A";
    ASSERT_TRUE(project.AddCoefficient(e));
  }
  void Add(const char* name, AirState s) {
    ChartPoint p;
    p.name = name;
    p.state = s;
    ASSERT_TRUE(project.AddPoint(p));
  }
  ChartProject project;
};

TEST_F(TiedPoints, ProcessLineGivesStatesOnlyWithinTheSegment) {
  const auto mid = StateOnProcessLine(project, kPb, "A-B", 25);
  ASSERT_TRUE(mid);
  EXPECT_NEAR(mid->x, 0.008, 1e-12);
  EXPECT_FALSE(StateOnProcessLine(project, kPb, "A-B", 40));
  // On a line of constant x every temperature lies within.
  const auto beyond = StateOnProcessLine(project, kPb, "A-C", 40);
  ASSERT_TRUE(beyond);
  EXPECT_DOUBLE_EQ(beyond->x, 0.006);
  EXPECT_FALSE(StateOnProcessLine(project, kPb, "missing", 25));
}

TEST_F(TiedPoints, CoefficientLineHasNoSegmentLimit) {
  const auto s = StateOnCoefficientLine(project, kPb, "E1", 40);
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->x, MoistureOnDirectionLine(40, project.point(0).state, 5000));
  EXPECT_DOUBLE_EQ(s->t, 40);
  EXPECT_FALSE(StateOnCoefficientLine(project, kPb, "E2", 40));
}

TEST(PointInput, ShownFieldsAreReadBackInSi) {
  PointFieldTexts f{"50.82", "68", "120", "16.56", "0.07", "0.5", "29.4", "48.74", "56.71"};
  const auto s = StateFromShownFields(f, UnitSystem::IP);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->x, 0.00726, 1e-12);
  EXPECT_NEAR(s->t, 20, 1e-12);
  EXPECT_DOUBLE_EQ(s->phi, 1);  // never above saturation when stored
  EXPECT_NEAR(s->i, 16.56 / 0.42992, 1e-9);
  EXPECT_NEAR(s->pp, 0.5 * 3386.389, 1e-9);
  f.rho = "x";
  EXPECT_FALSE(StateFromShownFields(f, UnitSystem::IP));
}

TEST(PointInput, AirFlowFollowsWithTheDensity) {
  const AirFlowPair by_volume = AirFlowFromVolume(1000, 1.2);
  EXPECT_DOUBLE_EQ(by_volume.mass, 1200);
  const AirFlowPair by_mass = AirFlowFromMass(1000, 1.2);
  EXPECT_DOUBLE_EQ(by_mass.volume, 833);
  EXPECT_DOUBLE_EQ(AirFlowFromMass(1000, 0).volume, 0);
}

}  // namespace
}  // namespace orvanta
