// The process table on the chart and the loads behind it.
#include "chart/process_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/recording_canvas.h"
#include "chart/renderer.h"
#include "project/process_loads.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta::chart {
namespace {

AirState State(double t, double x, double i, double rho) {
  AirState s;
  s.t = t;
  s.x = x;
  s.i = i;
  s.rho = rho;
  return s;
}

ChartPoint Point(const std::string& name, const AirState& s) {
  ChartPoint p;
  p.name = name;
  p.state = s;
  return p;
}

AirProcess Process(const std::string& name, const std::string& a, const std::string& b, double flow) {
  AirProcess p;
  p.name = name;
  p.start_point = a;
  p.end_point = b;
  p.air_flow = flow;
  return p;
}

TEST(ProcessLoads, HeatingAtConstantMoistureIsSensible) {
  const auto l = ComputeProcessLoads(State(20, 0.008, 40.4, 1.2), State(30, 0.008, 50.6, 1.2), 1000, UnitSystem::SI);
  ASSERT_TRUE(l);
  EXPECT_TRUE(l->sensible_process);
  EXPECT_DOUBLE_EQ(l->total, 3.33);
  EXPECT_DOUBLE_EQ(l->sensible, 3.33);
  const ProcessLoadText t = LoadTextsOf(l);
  EXPECT_EQ(t, (ProcessLoadText{"3.33", "3.33", "0", "0"}));
}

TEST(ProcessLoads, HumidificationCoolingAndInchPound) {
  const AirState s = State(20, 0.006, 35.3, 1.2);
  const AirState e = State(20, 0.008, 40.4, 1.2);
  const auto si = ComputeProcessLoads(s, e, 1000, UnitSystem::SI);
  ASSERT_TRUE(si);
  EXPECT_FALSE(si->sensible_process);
  EXPECT_DOUBLE_EQ(si->moisture, 2.4);
  EXPECT_DOUBLE_EQ(si->total, 1.7);  // 1.2 * 1000/3600 * 5.1
  EXPECT_DOUBLE_EQ(si->sensible, 0);
  EXPECT_EQ(LoadTextsOf(si, ','), (ProcessLoadText{"1,7", "0", "1,7", "2,4"}));

  const auto ip = ComputeProcessLoads(s, e, 1000, UnitSystem::IP);
  ASSERT_TRUE(ip);
  EXPECT_DOUBLE_EQ(ip->total, RoundTo(3412 * 5.1 * 1000 / 3600 * 1.2, -2));
  EXPECT_DOUBLE_EQ(ip->moisture, RoundTo(2.204623 * 0.002 * 1000 * 1.2, -2));

  const auto cooling = ComputeProcessLoads(State(30, 0.012, 60.8, 1.15), State(14, 0.009, 36.8, 1.22), 2000,
                                           UnitSystem::SI);
  ASSERT_TRUE(cooling);
  EXPECT_LT(cooling->total, 0);
  EXPECT_LT(cooling->sensible, 0);
  EXPECT_LT(cooling->moisture, 0);
  // Latent is the difference of the two written heats.
  const ProcessLoadText t = LoadTextsOf(cooling);
  EXPECT_DOUBLE_EQ(std::stod(t.latent), RoundTo(std::stod(t.total) - std::stod(t.sensible), -2));
}

TEST(ProcessLoads, MissingPointGivesEmptyTexts) {
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", State(20, 0.008, 40, 1.2))));
  ASSERT_TRUE(project.AddProcess(Process("A-B", "A", "B", 1000)));
  EXPECT_FALSE(ProcessLoadsOf(project, 0, UnitSystem::SI).has_value());
  EXPECT_EQ(LoadTextsOf(ProcessLoadsOf(project, 0, UnitSystem::SI)), ProcessLoadText{});
  const auto bad = ComputeProcessLoads(State(20, 0.008, 40, std::nan("")), State(30, 0.008, 50, 1.2), 1000,
                                       UnitSystem::SI);
  EXPECT_FALSE(bad.has_value());
}

TEST(ProcessTable, TitleHeadingsAndUnitLines) {
  EXPECT_EQ(ProcessTableTitle(ChartLayout::Mollier, true, 101300, UnitSystem::SI, '.'),
            "  WYKRES MOLLIERA  pb=1013 hPa");
  EXPECT_EQ(ProcessTableTitle(ChartLayout::Carrier, false, 101325, UnitSystem::SI, ','),
            "  CARRIER CHART  pb=1013,25 hPa");
  EXPECT_EQ(ProcessTableTitle(ChartLayout::Carrier, true, 101300, UnitSystem::IP, '.'),
            "  WYKRES CARRIERA  pb=29.91 in.Hg");
  EXPECT_EQ(ProcessTableHeading(true, false),
            "     NAZWA PRZEMIANY       PUNKT 1      PUNKT2       V            CIEPŁO CAŁKOWITE     CIEPŁO JAWNE       "
            "WILGOĆ CAŁKOWITA");
  EXPECT_EQ(ProcessTableHeading(false, true),
            "       PROCESS NAME       POINT 1      POINT 2       m              TOTAL HEAT            SENSIBLE HEAT  "
            "      TOTAL MOISTURE ");
  EXPECT_EQ(ProcessTableUnitLine(UnitSystem::SI, false),
            "                     [-]                         [-]              [-]        [m3/h]                 [kW]   "
            "                       [kW]                         [kg/h]");
  EXPECT_EQ(ProcessTableUnitLine(UnitSystem::IP, true),
            "                     [-]                         [-]              [-]        [lb/h]                 [BTU/h]"
            "                        [BTU/h]                       [lb/h]");
}

TEST(ProcessTable, RowsCellsAndLoadsOnTheChart) {
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", State(20, 0.008, 40.4, 1.2))));
  ASSERT_TRUE(project.AddPoint(Point("B", State(30, 0.008, 50.6, 1.2))));
  ASSERT_TRUE(project.AddProcess(Process("HEAT", "A", "B", 1000)));
  ASSERT_TRUE(project.AddProcess(Process("SAME", "A", "A", 1000)));
  ASSERT_TRUE(project.AddProcess(Process("GONE", "A", "Z", 500)));
  ChartSettings s;
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  c.SetFontHeight(15);
  ProcessTableOptions o;
  const ProcessLoadTexts loads = DrawProcessTable(c, g, project, 101300, o);
  ASSERT_EQ(loads.size(), 3u);
  EXPECT_EQ(loads[0], (ProcessLoadText{"3.33", "3.33", "0", "0"}));
  EXPECT_EQ(loads[1], (ProcessLoadText{"0", "0", "0", "0"}));
  EXPECT_EQ(loads[2], ProcessLoadText{});

  const int a = 250, r = 1000 - 15 * 3 - 80;
  const auto title = c.TextsEqual("  MOLLIER CHART  pb=1013 hPa");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].a, (PixelPoint{a, r - 30}));
  EXPECT_EQ(title[0].font.height, 20);
  EXPECT_EQ(c.TextsEqual(ProcessTableHeading(false, false)).at(0).a, (PixelPoint{a, r}));
  EXPECT_EQ(c.TextsEqual(ProcessTableUnitLine(UnitSystem::SI, false)).at(0).a, (PixelPoint{a, r + 15}));

  // Row 1: seven cells, text at y = G, rectangles from G - 1 to G + 19.
  const int g1 = r + 15 + 15;
  const auto rects = c.Of(Primitive::Kind::Rectangle);
  ASSERT_EQ(rects.size(), 21u);
  EXPECT_EQ(rects[0].a, (PixelPoint{a - 10, g1 - 1}));
  EXPECT_EQ(rects[0].b, (PixelPoint{a + 120, g1 + 19}));
  EXPECT_EQ(rects[6].a, (PixelPoint{a + 490, g1 - 1}));
  EXPECT_EQ(rects[6].b, (PixelPoint{a + 620, g1 + 19}));
  EXPECT_EQ(rects[7].a.y, g1 + 15 - 1);
  EXPECT_EQ(rects[0].brush.color, colors::kWhite);
  EXPECT_EQ(rects[0].pen.color, colors::kBlack);
  EXPECT_EQ(c.TextsEqual("HEAT").at(0).a, (PixelPoint{a + 20, g1}));
  EXPECT_EQ(c.TextsEqual("1000").at(0).a, (PixelPoint{a + 250, g1}));
  const auto heat = c.TextsEqual("3.33");
  ASSERT_EQ(heat.size(), 2u);
  EXPECT_EQ(heat[0].a, (PixelPoint{a + 325, g1}));
  EXPECT_EQ(heat[1].a, (PixelPoint{a + 425, g1}));
  EXPECT_EQ(c.TextsEqual("GONE").at(0).a.y, g1 + 30);
  EXPECT_EQ(c.font().height, 15);  // restored
}

TEST(ProcessTable, CarrierPlacementAndMassFlowInInchPound) {
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", State(20, 0.008, 40.4, 1.2))));
  ASSERT_TRUE(project.AddPoint(Point("B", State(30, 0.008, 50.6, 1.2))));
  ASSERT_TRUE(project.AddProcess(Process("HEAT", "A", "B", 1000)));
  ChartSettings s;
  s.layout = ChartLayout::Carrier;
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  ProcessTableOptions o;
  o.units = UnitSystem::IP;
  o.flow_as_mass = true;
  o.carrier_reference_y = 400;
  o.polish = true;
  DrawProcessTable(c, g, project, 101300, o);
  EXPECT_EQ(c.TextsEqual("  WYKRES CARRIERA  pb=29.91 in.Hg").at(0).a, (PixelPoint{50, 370}));
  EXPECT_EQ(c.TextsEqual(std::to_string(Rnd(2.204623 * 1000 * 1.2))).at(0).a, (PixelPoint{50 + 250, 430}));
  EXPECT_EQ(c.TextsEqual(NumberText(RoundTo(3412 * 10 * 1000 / 3600.0 * 1.2, -2))).size(), 2u);
}

TEST(ProcessTable, SwitchedOffTableLeavesTheReportBufferAlone) {
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", State(20, 0.008, 40.4, 1.2))));
  ASSERT_TRUE(project.AddPoint(Point("B", State(30, 0.008, 50.6, 1.2))));
  ASSERT_TRUE(project.AddProcess(Process("HEAT", "A", "B", 1000)));
  ChartSettings s;
  s.process_table = false;
  ProcessLoadTexts buffer{{"1", "2", "3", "4"}};
  RenderOptions o;
  o.load_texts = &buffer;
  RecordingCanvas c;
  EXPECT_FALSE(RenderChart(c, s, project, 1600, 1000, o).process_table_drawn);
  EXPECT_EQ(buffer, (ProcessLoadTexts{{"1", "2", "3", "4"}}));
  s.process_table = true;
  EXPECT_TRUE(RenderChart(c, s, project, 1600, 1000, o).process_table_drawn);
  EXPECT_EQ(buffer, (ProcessLoadTexts{{"3.33", "3.33", "0", "0"}}));
}

}  // namespace
}  // namespace orvanta::chart
