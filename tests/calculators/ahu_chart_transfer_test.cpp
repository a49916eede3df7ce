// The unit drawn on the chart: points, processes and the coefficient it appends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/ahu/chart_transfer.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

// Every section on, recovery and recirculation in use, both cooler temperatures given.
UnitInputs FullUnit() {
  UnitInputs in;
  in.t_outdoor = 30;
  in.phi_outdoor = 0.45;
  in.eta_t = 0.5;
  in.r = 0.2;
  in.t_supply = 18;
  in.t_room = 24;
  in.phi_room = 0.5;
  in.t_cooler_out = 14;
  in.t_cooler_surface = 8;
  return in;
}

std::vector<std::string> Names(const ChartTransfer& t) {
  std::vector<std::string> out;
  for (const ChartPoint& p : t.points) out.push_back(p.name);
  return out;
}

std::vector<std::string> ProcessNames(const ChartTransfer& t) {
  std::vector<std::string> out;
  for (const AirProcess& p : t.processes) out.push_back(p.name);
  return out;
}

TEST(AhuChartTransfer, ExhaustAtTheBottomGivesSixPointsAndFiveProcesses) {
  const UnitStates s = ComputeUnit(FullUnit());
  ASSERT_TRUE(s.ok());
  ChartTransferOptions o;
  o.label_position = LabelPosition::Top;
  const ChartTransfer t = BuildChartTransfer(s.settled, s, o);
  EXPECT_EQ(Names(t), (std::vector<std::string>{"Z", "R", "M", "CH", "N+", "W=P"}));
  EXPECT_EQ(ProcessNames(t),
            (std::vector<std::string>{"Z-R", "R-M", "M-CH", "CH-N+", "N+-W=P"}));
  EXPECT_FALSE(t.coefficient);  // user mode
  // States and labels as computed; the exhaust point says what it is.
  EXPECT_EQ(t.points[0].state, s.cz);
  EXPECT_EQ(t.points[3].state, s.ch);
  EXPECT_EQ(t.points[5].state, s.w);
  EXPECT_EQ(t.points[5].description, "WYWIEW");
  EXPECT_EQ(t.points[1].description, "");
  for (const ChartPoint& p : t.points) EXPECT_EQ(p.label_position, LabelPosition::Top);
  // Flows: each process carries the flow of its start section at that section's density.
  const double vn = 1000;
  EXPECT_DOUBLE_EQ(t.processes[0].air_flow, s.v_outdoor);
  EXPECT_DOUBLE_EQ(t.processes[1].air_flow, s.v_outdoor * s.cz.rho / s.rot.rho);
  EXPECT_DOUBLE_EQ(t.processes[2].air_flow, vn * s.n.rho / s.rec.rho);
  EXPECT_DOUBLE_EQ(t.processes[3].air_flow, vn * s.n.rho / s.ch.rho);
  EXPECT_DOUBLE_EQ(t.processes[4].air_flow, vn);
  for (const AirProcess& p : t.processes) EXPECT_TRUE(p.draw_line);
  EXPECT_EQ(t.processes[2].start_point, "M");
  EXPECT_EQ(t.processes[2].end_point, "CH");

  ChartProject project;
  ASSERT_TRUE(AppendChartTransfer(project, t));
  EXPECT_EQ(project.point_count(), 6);
  EXPECT_EQ(project.process_count(), 5);
  EXPECT_TRUE(project.modified());
}

TEST(AhuChartTransfer, ExhaustAtTheTopAddsTheRoomHalfway) {
  const UnitStates s = ComputeUnit(FullUnit());
  ChartTransferOptions o;
  o.exhaust_at_top = true;
  const ChartTransfer t = BuildChartTransfer(s.settled, s, o);
  EXPECT_EQ(Names(t), (std::vector<std::string>{"Z", "R", "M", "CH", "N+", "W", "P"}));
  EXPECT_EQ(ProcessNames(t), (std::vector<std::string>{"Z-R", "R-M", "M-CH", "CH-N+", "N+-W"}));
  const ChartPoint& room = t.points.back();
  EXPECT_EQ(room.description, "POMIESZCZENIE");
  // Halfway between the supply (18 °C) and the exhaust (24 °C).
  EXPECT_DOUBLE_EQ(room.state.t, 21);
  EXPECT_DOUBLE_EQ(room.state.x, s.n.x + 0.5 * (s.w.x - s.n.x));
  EXPECT_EQ(room.state, StateFromTX(101325, 21, room.state.x));
  // Without the exhaust point there is no room point either.
  o.draw_exhaust = false;
  EXPECT_EQ(Names(BuildChartTransfer(s.settled, s, o)),
            (std::vector<std::string>{"Z", "R", "M", "CH", "N+"}));
}

TEST(AhuChartTransfer, UnusedSectionsAreLeftOutOfTheChain) {
  UnitInputs in = FullUnit();
  in.eta_t = 0;  // recovery on but doing nothing: no R
  UnitStates s = ComputeUnit(in);
  ChartTransfer t = BuildChartTransfer(s.settled, s, {});
  EXPECT_EQ(Names(t), (std::vector<std::string>{"Z", "M", "CH", "N+", "W=P"}));
  EXPECT_EQ(t.processes[0].name, "Z-M");
  EXPECT_DOUBLE_EQ(t.processes[0].air_flow, s.v_outdoor);

  in = FullUnit();
  in.t_cooler_surface.reset();  // cooler not computed: no CH
  in.r = 0;                     // no recirculation: no M
  s = ComputeUnit(in);
  t = BuildChartTransfer(s.settled, s, {});
  EXPECT_EQ(Names(t), (std::vector<std::string>{"Z", "R", "N+", "W=P"}));
  EXPECT_DOUBLE_EQ(t.processes[1].air_flow, s.v_outdoor * s.cz.rho / s.rot.rho);

  // Names are cut to 10 characters, process names to 20.
  ChartTransferOptions o;
  o.name_outdoor = "ZEWNETRZNE POWIETRZE";
  o.name_exhaust = "WYWIEWANE";
  t = BuildChartTransfer(s.settled, s, o);
  EXPECT_EQ(t.points.front().name, "ZEWNETRZNE");
  EXPECT_EQ(t.points.back().name, "WYWIEWANE=");
  EXPECT_EQ(t.processes.front().name, "ZEWNETRZNE-R");
}

TEST(AhuChartTransfer, DrawingSwitches) {
  const UnitStates s = ComputeUnit(FullUnit());
  ChartTransferOptions o;
  o.draw_points = false;  // nothing at all, processes included
  ChartTransfer t = BuildChartTransfer(s.settled, s, o);
  EXPECT_TRUE(t.points.empty());
  EXPECT_TRUE(t.processes.empty());
  ChartProject project;
  ASSERT_TRUE(AppendChartTransfer(project, t));
  EXPECT_EQ(project.point_count(), 0);

  o = {};
  o.draw_processes = false;
  t = BuildChartTransfer(s.settled, s, o);
  EXPECT_EQ(t.points.size(), 6u);
  EXPECT_TRUE(t.processes.empty());

  o = {};
  o.draw_cooler = false;  // a point switched off leaves the chain
  t = BuildChartTransfer(s.settled, s, o);
  EXPECT_EQ(ProcessNames(t), (std::vector<std::string>{"Z-R", "R-M", "M-N+", "N+-W=P"}));
}

TEST(AhuChartTransfer, BalanceModeAddsTheSupplyCoefficient) {
  UnitInputs in = FullUnit();
  in.mode = ExhaustMode::Balance;
  in.q_gains = 5;
  in.w_gains = 1.8;
  const UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  const ChartTransfer t = BuildChartTransfer(s.settled, s, {});
  ASSERT_TRUE(t.coefficient);
  EXPECT_EQ(t.coefficient->name, "epsylon");
  EXPECT_DOUBLE_EQ(t.coefficient->epsilon, 10000);
  EXPECT_EQ(t.coefficient->point_name, "N+");
  EXPECT_EQ(t.coefficient->heat_gain, "5");
  EXPECT_EQ(t.coefficient->moisture_gain, "0.0005");  // 1.8 kg/h = 0.0005 kg/s
  EXPECT_TRUE(t.coefficient->draw_line);
  // The flows follow the balance.
  EXPECT_DOUBLE_EQ(t.processes.back().air_flow, s.settled.v_supply);
  ChartProject project;
  ASSERT_TRUE(AppendChartTransfer(project, t));
  EXPECT_EQ(project.coefficient_count(), 1);
}

TEST(AhuChartTransfer, AppendingToAnOpenProjectIsAllOrNothing) {
  const UnitStates s = ComputeUnit(FullUnit());
  const ChartTransfer t = BuildChartTransfer(s.settled, s, {});
  ChartProject project;
  ChartPoint existing;
  existing.name = "M";
  existing.state = StateFromTX(101325, 10, 0.005);
  ASSERT_TRUE(project.AddPoint(existing));
  project.set_modified(false);
  const EditResult r = AppendChartTransfer(project, t);
  EXPECT_EQ(r.error, EditError::DuplicatePointName);
  EXPECT_EQ(project.point_count(), 1);
  EXPECT_EQ(project.process_count(), 0);
  EXPECT_FALSE(project.modified());
}

}  // namespace
}  // namespace orvanta
