#include "project/chart_project.h"

#include <gtest/gtest.h>

#include "project_test_support.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

using testing_support::MakePoint;
constexpr double kPb = 101300;

ChartProject ThreePointsTwoProcessesTwoCoefficients() {
  ChartProject p;
  EXPECT_TRUE(p.AddPoint(MakePoint("A", kPb, 30, 10)));
  EXPECT_TRUE(p.AddPoint(MakePoint("B", kPb, 15, 8)));
  EXPECT_TRUE(p.AddPoint(MakePoint("C", kPb, 22, 9)));
  EXPECT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B", .draw_line = true, .air_flow = 1000}));
  EXPECT_TRUE(p.AddProcess({.name = "B-C", .start_point = "B", .end_point = "C", .draw_line = true, .air_flow = 500}));
  EXPECT_TRUE(p.AddCoefficient({.name = "e1", .epsilon = 5000, .point_name = "C", .draw_line = true,
                                .heat_gain = "5", .moisture_gain = "0.001"}));
  EXPECT_TRUE(p.AddCoefficient({.name = "e2", .epsilon = 3000, .point_name = "A", .draw_line = true,
                                .heat_gain = "", .moisture_gain = ""}));
  return p;
}

TEST(ChartProjectCapacity, RefusesBeyondFiftyPointsTwentyProcessesNineteenCoefficients) {
  ChartProject p;
  for (int k = 0; k < 50; ++k) ASSERT_TRUE(p.AddPoint(MakePoint("P" + std::to_string(k), kPb, 20, 5)));
  const EditResult point = p.AddPoint(MakePoint("extra", kPb, 20, 5));
  EXPECT_FALSE(point);
  EXPECT_EQ(point.error, EditError::PointTableFull);
  EXPECT_NE(point.Message().find("50 points"), std::string::npos);
  EXPECT_EQ(p.point_count(), 50);

  for (int k = 0; k < 20; ++k) ASSERT_TRUE(p.AddProcess({.name = "pr" + std::to_string(k)}));
  EXPECT_EQ(p.AddProcess({.name = "extra"}).error, EditError::ProcessTableFull);
  EXPECT_EQ(p.process_count(), 20);

  for (int k = 0; k < 19; ++k) ASSERT_TRUE(p.AddCoefficient({.name = "c" + std::to_string(k)}));
  const EditResult coefficient = p.AddCoefficient({.name = "c19"});
  EXPECT_EQ(coefficient.error, EditError::CoefficientTableFull);
  EXPECT_NE(coefficient.Message().find("19"), std::string::npos);
  EXPECT_EQ(p.coefficient_count(), 19);
  EXPECT_FALSE(p.coefficient(19).Used());
}

TEST(ChartProjectCapacity, TextsAreCutToTheirCharacterCapacity) {
  ChartProject p;
  ChartPoint pt = MakePoint("ŁÓDŹŻĆŚĘĄŃ-overflow", kPb, 20, 5);  // 10 Polish letters, then more
  pt.description = std::string(40, 'd');
  pt.process_name = std::string(25, 'p');
  pt.coefficient_name = std::string(25, 'c');
  ASSERT_TRUE(p.AddPoint(pt));
  EXPECT_EQ(p.point(0).name, "ŁÓDŹŻĆŚĘĄŃ");  // characters, not UTF-8 bytes
  EXPECT_EQ(p.point(0).description, std::string(30, 'd'));
  EXPECT_EQ(p.point(0).process_name, std::string(20, 'p'));
  EXPECT_EQ(p.point(0).coefficient_name, std::string(20, 'c'));

  ASSERT_TRUE(p.AddProcess({.name = std::string(21, 'n'), .start_point = "0123456789X", .end_point = "ab"}));
  EXPECT_EQ(p.process(0).name, std::string(20, 'n'));
  EXPECT_EQ(p.process(0).start_point, "0123456789");

  ASSERT_TRUE(p.AddCoefficient({.name = std::string(30, 'k'), .point_name = "0123456789X",
                                .heat_gain = "12345678901", .moisture_gain = "0.0000000001"}));
  EXPECT_EQ(p.coefficient(0).name, std::string(20, 'k'));
  EXPECT_EQ(p.coefficient(0).point_name, "0123456789");
  EXPECT_EQ(p.coefficient(0).heat_gain, "1234567890");
  EXPECT_EQ(p.coefficient(0).moisture_gain, "0.00000000");

  // Characters the file's code page lacks are stored as they will be read back.
  ASSERT_TRUE(p.AddPoint(MakePoint("t→x€", kPb, 20, 5)));
  EXPECT_EQ(p.point(1).name, "t?x€");
}

TEST(ChartProjectEdit, RefusalsChangeNothing) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  p.set_modified(false);
  const ChartProject before = p;
  EXPECT_EQ(p.AddPoint(MakePoint("B", kPb, 10, 5)).error, EditError::DuplicatePointName);
  EXPECT_EQ(p.AddPoint(MakePoint("", kPb, 10, 5)).error, EditError::EmptyName);
  EXPECT_EQ(p.AddProcess({.name = ""}).error, EditError::EmptyName);
  EXPECT_EQ(p.AddCoefficient({.name = ""}).error, EditError::EmptyName);
  EXPECT_EQ(p.ReplacePoint(3, MakePoint("D", kPb, 10, 5), "C").error, EditError::NoSuchItem);
  EXPECT_EQ(p.ReplacePoint(0, MakePoint("", kPb, 10, 5), "A").error, EditError::EmptyName);
  EXPECT_EQ(p.ReplaceProcess(-1, {.name = "x"}).error, EditError::NoSuchItem);
  EXPECT_EQ(p.ReplaceCoefficient(2, {.name = "x"}).error, EditError::NoSuchItem);
  p.DeletePoint(3);
  p.DeleteProcess(-1);
  p.DeleteCoefficient(5);
  EXPECT_TRUE(p.ContentEquals(before));
  EXPECT_FALSE(p.modified());
}

TEST(ChartProjectEdit, EveryChangeSetsModified) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  auto check = [&](auto change) {
    p.set_modified(false);
    change();
    EXPECT_TRUE(p.modified());
  };
  check([&] { (void)p.ReplacePoint(0, p.point(0), "A"); });
  check([&] { (void)p.ReplaceProcess(0, p.process(0)); });
  check([&] { (void)p.ReplaceCoefficient(0, p.coefficient(0)); });
  check([&] { p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "e1", .enabled = true}); });
  check([&] { p.DeleteCoefficient(1); });
  check([&] { p.DeleteProcess(1); });
  check([&] { p.DeletePoint(2); });
}

TEST(ChartProjectEdit, RenamingAPointCarriesTheNameIntoProcessesAndCoefficients) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  ChartPoint b = p.point(1);
  b.name = "B2";
  ASSERT_TRUE(p.ReplacePoint(1, b, "B"));
  EXPECT_EQ(p.point(1).name, "B2");
  EXPECT_EQ(p.process(0).end_point, "B2");
  EXPECT_EQ(p.process(1).start_point, "B2");
  EXPECT_EQ(p.coefficient(0).point_name, "C");

  ChartPoint c = p.point(2);
  c.name = "C-new";
  ASSERT_TRUE(p.ReplacePoint(2, c, "C"));
  EXPECT_EQ(p.process(1).end_point, "C-new");
  EXPECT_EQ(p.coefficient(0).point_name, "C-new");
  EXPECT_EQ(p.coefficient(1).point_name, "A");

  // A replaced point is not compared with the other names.
  ChartPoint a = p.point(0);
  a.name = "B2";
  EXPECT_TRUE(p.ReplacePoint(0, a, "A"));
  EXPECT_EQ(p.process(0).start_point, "B2");
}

TEST(ChartProjectDelete, DeletingAPointEmptiesItsReferencesAndMovesTheRestDown) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  ChartPoint tied = MakePoint("T", kPb, 25, 0);
  tied.on_process = true;
  tied.process_name = "A-B";
  ASSERT_TRUE(p.AddPoint(tied));
  const ChartPoint c = p.point(2);

  p.DeletePoint(0);  // "A": start of A-B, point of e2
  EXPECT_EQ(p.point_count(), 3);
  EXPECT_EQ(p.point(0).name, "B");
  EXPECT_EQ(p.point(1), c);  // every field moves with the point
  EXPECT_EQ(p.point(2).name, "T");
  EXPECT_EQ(p.point(3), ChartProject::EmptyPointSlot());
  EXPECT_EQ(p.point(3).label_position, LabelPosition::None);

  EXPECT_EQ(p.process_count(), 2);  // the process stays, without its start and line
  EXPECT_EQ(p.process(0).start_point, "");
  EXPECT_EQ(p.process(0).end_point, "B");
  EXPECT_FALSE(p.process(0).draw_line);
  EXPECT_TRUE(p.process(1).draw_line);
  EXPECT_EQ(p.coefficient(1).point_name, "");
  EXPECT_FALSE(p.coefficient(1).draw_line);
  EXPECT_TRUE(p.coefficient(0).draw_line);

  // The tied point keeps its tie; its refresh now fails quietly.
  EXPECT_TRUE(p.point(2).on_process);
  const AirState kept = p.point(2).state;
  p.RefreshDependentPoints();
  EXPECT_EQ(p.point(2).state, kept);
}

TEST(ChartProjectDelete, DeletingAProcessUntiesItsPointsAndClearsTheLink) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  ChartPoint tied = MakePoint("T", kPb, 25, 0);
  tied.on_process = true;
  tied.process_name = "A-B";
  ASSERT_TRUE(p.AddPoint(tied));
  p.RefreshDependentPoints();
  const AirState state_on_line = p.point(3).state;
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "e1", .enabled = true});

  p.DeleteProcess(0);
  EXPECT_EQ(p.process_count(), 1);
  EXPECT_EQ(p.process(0).name, "B-C");
  EXPECT_EQ(p.process(0).air_flow, 500);
  EXPECT_EQ(p.process(1), ChartProject::EmptyProcessSlot());
  EXPECT_FALSE(p.point(3).on_process);
  EXPECT_EQ(p.point(3).process_name, "");
  EXPECT_EQ(p.point(3).state, state_on_line);
  EXPECT_EQ(p.air_flow_link(), AirFlowLink{});

  // A link to another process survives.
  p.SetAirFlowLink({.process_name = "B-C", .coefficient_name = "e1", .enabled = true});
  ASSERT_TRUE(p.AddProcess({.name = "X"}));
  p.DeleteProcess(1);
  EXPECT_TRUE(p.air_flow_link().enabled);
}

TEST(ChartProjectDelete, DeletingCoefficientTwoOfThreeKeepsTheOthersWhole) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  const DirectionCoefficient first = p.coefficient(0);
  DirectionCoefficient third{.name = "e3", .epsilon = -700, .point_name = "B", .draw_line = false,
                             .heat_gain = "7", .moisture_gain = "0.0002"};
  ASSERT_TRUE(p.AddCoefficient(third));
  ChartPoint tied = MakePoint("T", kPb, 25, 0);
  tied.on_coefficient = true;
  tied.coefficient_name = "e2";
  ASSERT_TRUE(p.AddPoint(tied));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "e2", .enabled = true});

  p.DeleteCoefficient(1);
  EXPECT_EQ(p.coefficient_count(), 2);
  EXPECT_EQ(p.coefficient(0), first);
  EXPECT_EQ(p.coefficient(1), third);
  EXPECT_EQ(p.coefficient(2), ChartProject::EmptyCoefficientSlot());
  EXPECT_FALSE(p.point(3).on_coefficient);
  EXPECT_EQ(p.point(3).coefficient_name, "");
  EXPECT_FALSE(p.air_flow_link().enabled);
  EXPECT_EQ(p.air_flow_link().process_name, "");
}

TEST(ChartProjectFind, SearchesUsedSlotsOnlyAndReturnsTheFirstMatch) {
  ChartProject p = ThreePointsTwoProcessesTwoCoefficients();
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "C", .end_point = "A"}));
  EXPECT_EQ(p.FindPoint("C"), 2);
  EXPECT_EQ(p.FindPoint("c"), -1);  // exact, case-sensitive
  EXPECT_EQ(p.FindPoint(""), -1);   // empty slots never match
  EXPECT_EQ(p.FindProcess("A-B"), 0);
  EXPECT_EQ(p.FindCoefficient("e2"), 1);
  EXPECT_EQ(p.FindCoefficient(""), -1);
  p.DeleteProcess(0);
  EXPECT_EQ(p.FindProcess("A-B"), 1);
}

TEST(ChartProjectRefresh, APointOnAProcessLineFollowsTheLine) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", kPb, 30, 12)));
  ASSERT_TRUE(p.AddPoint(MakePoint("B", kPb, 10, 6)));
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B"}));
  ChartPoint tied = MakePoint("T", kPb, 20, 1);
  tied.on_process = true;
  tied.process_name = "A-B";
  ASSERT_TRUE(p.AddPoint(tied));
  p.set_modified(false);

  p.RefreshDependentPoints();
  EXPECT_DOUBLE_EQ(p.point(2).state.x, 0.009);
  EXPECT_EQ(p.point(2).state, StateFromTX(kPb, 20, p.point(2).state.x));
  EXPECT_FALSE(p.modified());  // the refresh is not an edit

  // Outside the segment the line is extended (the within test does not apply).
  ChartPoint moved = p.point(2);
  moved.state.t = 40;
  ASSERT_TRUE(p.ReplacePoint(2, moved, "T"));
  p.RefreshDependentPoints();
  EXPECT_DOUBLE_EQ(p.point(2).state.x, 0.015);

  // A line of constant t has no answer: the point stays as it is.
  ChartPoint flat = MakePoint("B", kPb, 30, 6);
  ASSERT_TRUE(p.ReplacePoint(1, flat, "B"));
  const AirState before = p.point(2).state;
  p.RefreshDependentPoints();
  EXPECT_EQ(p.point(2).state, before);
}

TEST(ChartProjectRefresh, TiedPointsUseTheStatesEarlierSlotsJustTook) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", kPb, 30, 12)));
  ASSERT_TRUE(p.AddPoint(MakePoint("B", kPb, 10, 6)));
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B"}));
  ChartPoint m = MakePoint("M", kPb, 20, 1);  // will move to x = 9 g/kg
  m.on_process = true;
  m.process_name = "A-B";
  ASSERT_TRUE(p.AddPoint(m));
  ASSERT_TRUE(p.AddPoint(MakePoint("D", kPb, 10, 1)));
  ASSERT_TRUE(p.AddProcess({.name = "M-D", .start_point = "M", .end_point = "D"}));
  ChartPoint n = MakePoint("N", kPb, 15, 1);
  n.on_process = true;
  n.process_name = "M-D";
  ASSERT_TRUE(p.AddPoint(n));

  p.RefreshDependentPoints();
  EXPECT_DOUBLE_EQ(p.point(2).state.x, 0.009);
  EXPECT_NEAR(p.point(4).state.x, (0.009 + 0.001) / 2, 1e-15);
}

TEST(ChartProjectRefresh, APointOnACoefficientLineFollowsTheLine) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("R", kPb, 24, 9)));
  ASSERT_TRUE(p.AddCoefficient({.name = "eps", .epsilon = 8000, .point_name = "R"}));
  ChartPoint s = MakePoint("S", kPb, 16, 1);
  s.on_coefficient = true;
  s.coefficient_name = "eps";
  ASSERT_TRUE(p.AddPoint(s));
  p.RefreshDependentPoints();
  const double x = MoistureOnDirectionLine(16, p.point(0).state, 8000);
  EXPECT_EQ(p.point(1).state, StateFromTX(kPb, 16, x));
  // The line really has the coefficient: delta i / delta x = epsilon.
  const AirState& r = p.point(0).state;
  const AirState& t = p.point(1).state;
  EXPECT_NEAR((r.i - t.i) / (r.x - t.x), 8000, 1);

  ChartPoint orphan = MakePoint("O", kPb, 16, 1);
  orphan.on_coefficient = true;
  orphan.coefficient_name = "missing";
  ASSERT_TRUE(p.AddPoint(orphan));
  p.RefreshDependentPoints();
  EXPECT_EQ(p.point(2).state, StateFromTX(kPb, 16, 0.001));
}

TEST(ChartProjectRefresh, MixingHookRunsFirstThenProcessTiesThenCoefficientTiesThenTheLink) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", kPb, 30, 12)));
  ASSERT_TRUE(p.AddPoint(MakePoint("B", kPb, 10, 6)));
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B"}));
  ChartPoint tied = MakePoint("T", kPb, 20, 1);
  tied.on_process = true;
  tied.process_name = "A-B";
  ASSERT_TRUE(p.AddPoint(tied));
  std::vector<double> seen;
  p.SetMixingRefresh([&](ChartProject& project) {
    seen.push_back(project.point(2).state.x);  // before the process tie moved it
    ChartPoint a = project.point(0);
    a.state = StateFromTX(project.pb(), 30, 0.014);
    (void)project.ReplacePoint(0, a, "A");
  });
  p.RefreshDependentPoints();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_DOUBLE_EQ(seen[0], 0.001);
  EXPECT_DOUBLE_EQ(p.point(2).state.x, 0.010);  // on the line through the mixed A
}

// The worked example: 10 kW removed with 50 -> 30 kJ/kg at 1.2 kg/m3.
TEST(ChartProjectRefresh, AirFlowLinkSetsEveryProcessToTheDerivedFlow) {
  ChartProject p;
  ChartPoint a{.name = "A"};
  a.state.t = 25, a.state.i = 50, a.state.rho = 1.2;
  ChartPoint b{.name = "B"};
  b.state.t = 12, b.state.i = 30, b.state.rho = 1.24;
  ASSERT_TRUE(p.AddPoint(a));
  ASSERT_TRUE(p.AddPoint(b));
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B", .air_flow = 100}));
  ASSERT_TRUE(p.AddProcess({.name = "other", .start_point = "B", .end_point = "A", .air_flow = 7}));
  ASSERT_TRUE(p.AddProcess({.name = "loose", .air_flow = 9}));
  ASSERT_TRUE(p.AddCoefficient({.name = "room", .epsilon = 9000, .point_name = "A", .heat_gain = "10"}));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "room", .enabled = true});

  p.RefreshDependentPoints();
  for (int k = 0; k < 3; ++k) EXPECT_EQ(p.process(k).air_flow, 1500) << k;

  // A decimal comma is read as well; the result is rounded to whole m3/h.
  DirectionCoefficient c = p.coefficient(0);
  c.heat_gain = "12,5";
  ASSERT_TRUE(p.ReplaceCoefficient(0, c));
  p.RefreshDependentPoints();
  EXPECT_EQ(p.process(2).air_flow, 1875);
  c.heat_gain = "10.006";  // 1500.9 m3/h
  ASSERT_TRUE(p.ReplaceCoefficient(0, c));
  p.RefreshDependentPoints();
  EXPECT_EQ(p.process(2).air_flow, 1501);
}

TEST(ChartProjectRefresh, AirFlowLinkChangesNothingWhenItCannotCompute) {
  ChartProject p;
  ChartPoint a{.name = "A"};
  a.state.i = 50, a.state.rho = 1.2;
  ChartPoint b{.name = "B"};
  b.state.i = 30, b.state.rho = 1.2;
  ASSERT_TRUE(p.AddPoint(a));
  ASSERT_TRUE(p.AddPoint(b));
  ASSERT_TRUE(p.AddProcess({.name = "A-B", .start_point = "A", .end_point = "B", .air_flow = 100}));
  ASSERT_TRUE(p.AddCoefficient({.name = "room", .heat_gain = "ten"}));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "room", .enabled = true});
  auto flow_after_refresh = [&] {
    p.RefreshDependentPoints();
    return p.process(0).air_flow;
  };
  EXPECT_EQ(flow_after_refresh(), 100);  // Q not a number

  DirectionCoefficient c = p.coefficient(0);
  c.heat_gain = "10";
  ASSERT_TRUE(p.ReplaceCoefficient(0, c));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "room", .enabled = false});
  EXPECT_EQ(flow_after_refresh(), 100);  // disabled
  p.SetAirFlowLink({.process_name = "nope", .coefficient_name = "room", .enabled = true});
  EXPECT_EQ(flow_after_refresh(), 100);  // no such process

  ChartPoint same = p.point(1);
  same.state.i = 50;
  ASSERT_TRUE(p.ReplacePoint(1, same, "B"));
  p.SetAirFlowLink({.process_name = "A-B", .coefficient_name = "room", .enabled = true});
  EXPECT_EQ(flow_after_refresh(), 100);  // equal enthalpies

  same.state.i = 30;
  ASSERT_TRUE(p.ReplacePoint(1, same, "B"));
  ChartPoint no_density = p.point(0);
  no_density.state.rho = 0;
  ASSERT_TRUE(p.ReplacePoint(0, no_density, "A"));
  EXPECT_EQ(flow_after_refresh(), 100);  // the division fails
}

TEST(ChartProjectRefresh, RefreshAllPointsRecomputesFromTAndXAtThePressure) {
  ChartProject p;
  ASSERT_TRUE(p.AddPoint(MakePoint("A", kPb, 20, 7.26)));
  p.set_pb(90000);
  p.RefreshAllPoints();
  EXPECT_EQ(p.point(0).state, StateFromTX(90000, 20, 0.00726));
  EXPECT_NE(p.point(0).state.phi, StateFromTX(kPb, 20, 0.00726).phi);
}

TEST(ChartProjectRefresh, AnEmptyProjectRefreshesWithoutChange) {
  ChartProject p;
  const ChartProject before = p;
  p.RefreshDependentPoints();
  p.RefreshAllPoints();
  EXPECT_TRUE(p.ContentEquals(before));
}

TEST(ChartProjectClear, EmptiesEverythingButKeepsThePressure) {
  ChartProject p = testing_support::FullProject();
  p.set_modified(true);
  p.Clear();
  EXPECT_EQ(p.point_count(), 0);
  EXPECT_EQ(p.process_count(), 0);
  EXPECT_EQ(p.coefficient_count(), 0);
  EXPECT_EQ(p.air_flow_link(), AirFlowLink{});
  EXPECT_FALSE(p.modified());
  EXPECT_EQ(p.pb(), 98500);
  ChartProject fresh;
  fresh.set_pb(98500);
  EXPECT_TRUE(p.ContentEquals(fresh));
}

}  // namespace
}  // namespace orvanta
