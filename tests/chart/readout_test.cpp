#include "chart/readout.h"

#include <gtest/gtest.h>

#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

TEST(CursorReadout, ShowsTheStateUnderTheCursorInSi) {
  const AirState s = CursorState(kPb, 20, 0.00726);
  const ReadoutTexts r = CursorReadoutTexts(s, UnitSystem::SI);
  EXPECT_EQ(r[kReadoutX], "7.26");
  EXPECT_EQ(r[kReadoutT], "20");
  EXPECT_EQ(r[kReadoutI], "38.5");
  EXPECT_EQ(r[kReadoutPhi], "50");
  EXPECT_EQ(r[kReadoutTd], "9.3");
  EXPECT_EQ(r[kReadoutTw], "13.7");
  // Density three decimals, pressures one.
  EXPECT_EQ(r[kReadoutRho], NumberText(RoundTo(s.rho, -3)));
  EXPECT_EQ(r[kReadoutPp], NumberText(RoundTo(s.pp, -1)));
  EXPECT_EQ(r[kReadoutPa], NumberText(RoundTo(s.pa, -1)));
  EXPECT_NEAR(s.pp + s.pa, kPb, 1e-9);
}

TEST(CursorReadout, ShowsGrainsFahrenheitAndInchesOfMercuryInIp) {
  const AirState s = CursorState(kPb, 20, 0.010);
  const ReadoutTexts r = CursorReadoutTexts(s, UnitSystem::IP, ',');
  EXPECT_EQ(r[kReadoutX], "70");
  EXPECT_EQ(r[kReadoutT], "68");
  EXPECT_EQ(r[kReadoutPp], NumberText(RoundTo(s.pp / 3386.389, -4), ','));
  EXPECT_EQ(r[kReadoutRho], NumberText(RoundTo(s.rho * 0.06243, -3), ','));
  EXPECT_NE(r[kReadoutPa].find(','), std::string::npos);  // 29,xxxx in.Hg
}

TEST(CursorReadout, ClipsSupersaturatedAirAndGuardsDryEdge) {
  const AirState wet = CursorState(kPb, 10, 0.030);
  EXPECT_EQ(CursorReadoutTexts(wet, UnitSystem::SI)[kReadoutPhi], "100");
  const AirState left_of_origin = CursorState(kPb, 10, -0.002);
  EXPECT_DOUBLE_EQ(left_of_origin.x, 1e-6);
  EXPECT_DOUBLE_EQ(CursorState(kPb, 10, 0).x, 1e-6);
}

TEST(PointHitTest, FindsTheFirstPointWithinTolerances) {
  ChartProject project;
  ChartPoint a;
  a.name = "A";
  a.state = StateFromTX(kPb, 20, 0.008);
  ChartPoint b = a;
  b.name = "B";
  ASSERT_TRUE(project.AddPoint(a));
  ASSERT_TRUE(project.AddPoint(b));
  EXPECT_EQ(PointAt(project, 20, 0.008), 0);  // both match; list order wins
  EXPECT_EQ(PointAt(project, 20.29, 0.00814), 0);
  EXPECT_EQ(PointAt(project, 19.71, 0.00786), 0);
  EXPECT_EQ(PointAt(project, 20.31, 0.008), -1);
  EXPECT_EQ(PointAt(project, 20, 0.00816), -1);
  EXPECT_EQ(PointAt(ChartProject{}, 20, 0.008), -1);
}

TEST(PointsTreeLines, WorkedExampleInSiAndIp) {
  const AirState s = StateFromTX(kPb, 20, 0.00726);
  const PointTreeLines si = PointTreeChildLines(s, UnitSystem::SI);
  EXPECT_EQ(si[0], "DBT= 20 C");
  EXPECT_EQ(si[1], "X= 7.26 g/kg");
  EXPECT_EQ(si[2], "\u03C6= 50.01 %");
  EXPECT_EQ(si[3], "h= 38.52 kJ/kg");
  EXPECT_EQ(si[4], "\u03C1= " + NumberText(RoundTo(s.rho, -2)) + " kg/m3");
  EXPECT_EQ(si[5], "vp= " + NumberText(RoundTo(s.pp, -2)) + " Pa");
  EXPECT_EQ(si[6], "vd= " + NumberText(RoundTo(s.pa, -2)) + " Pa");
  EXPECT_EQ(si[7], "DPT= 9.3 C");
  EXPECT_EQ(si[8], "WBT= 13.73 C");

  const PointTreeLines ip = PointTreeChildLines(s, UnitSystem::IP);
  EXPECT_EQ(ip[0], "DBT= 68 F");
  EXPECT_EQ(ip[1], "W= 50.82 gr/lb");
  EXPECT_EQ(ip[2], "RH= 50.01 %");
  EXPECT_EQ(ip[3], "h= 16.56 Btu/lb");
  EXPECT_EQ(ip[4], "d= " + NumberText(RoundTo(s.rho * 0.06243, -4)) + " lb/ft3");
  EXPECT_EQ(ip[5], "vp= " + NumberText(RoundTo(s.pp / 3386.389, -4)) + " in.Hg");
  EXPECT_EQ(ip[7], "DPT= " + NumberText(RoundTo(9.3 * 1.8 + 32, -2)) + " F");
  EXPECT_EQ(ip[8], "WBT= " + NumberText(RoundTo(s.tw * 1.8 + 32, -2)) + " F");
}

}  // namespace
}  // namespace orvanta
