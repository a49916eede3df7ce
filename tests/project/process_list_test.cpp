// The process list with loads, its export, the process dialog's flows,
// epsilon from the gains and drawing a treatment into the project.
#include "project/process_list.h"

#include <gtest/gtest.h>

#include "project/direction_coefficient.h"
#include "project/treatment_draw.h"
#include "project_test_support.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

using testing_support::MakePoint;

constexpr double kPb = 101325;

ChartPoint PointWithDensity(const std::string& name, double t, double x, double rho) {
  ChartPoint p = MakePoint(name, kPb, t, x * 1000);
  p.state.rho = rho;
  return p;
}

// Heating 20 -> 30 °C at constant x, humidification by 2 g/kg and a cooling
// with drying, each at 1000 m3/h from a start point of density 1.2.
ChartProject LoadProject() {
  ChartProject p;
  p.set_pb(kPb);
  (void)p.AddPoint(PointWithDensity("1", 20, 0.007, 1.2));
  (void)p.AddPoint(PointWithDensity("2", 30, 0.007, 1.2));
  (void)p.AddPoint(PointWithDensity("3", 30, 0.009, 1.2));
  (void)p.AddPoint(PointWithDensity("4", 14, 0.0085, 1.2));
  (void)p.AddProcess({.name = "1-2", .start_point = "1", .end_point = "2", .draw_line = true, .air_flow = 1000});
  (void)p.AddProcess({.name = "2-3", .start_point = "2", .end_point = "3", .draw_line = false, .air_flow = 1000});
  (void)p.AddProcess({.name = "3-4", .start_point = "3", .end_point = "4", .draw_line = true, .air_flow = 1000});
  (void)p.AddProcess({.name = "gone", .start_point = "1", .end_point = "X", .draw_line = true, .air_flow = 1000});
  return p;
}

TEST(ProcessList, LoadsOfTheWorkedExamples) {
  const auto rows = ProcessListRows(LoadProject(), UnitSystem::SI, FlowShownAs::Volume);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], (ProcessListRow{"1-2", "1", "2", "3.33", "3.33", "0", "1000", true}));
  EXPECT_EQ(rows[1].moisture, "2.4");
  EXPECT_EQ(rows[1].sensible, "0");
  EXPECT_FALSE(rows[1].draw_line);
  // Cooling and drying are negative.
  EXPECT_EQ(rows[2].total.front(), '-');
  EXPECT_EQ(rows[2].sensible, "-5.33");
  EXPECT_EQ(rows[2].moisture, "-0.6");
  // A missing point shows no loads.
  EXPECT_EQ(rows[3].total, "");
  EXPECT_EQ(rows[3].moisture, "");
  EXPECT_EQ(rows[3].flow, "1000");
}

TEST(ProcessList, InchPoundAndMassFlow) {
  const ChartProject p = LoadProject();
  const auto ip = ProcessListRows(p, UnitSystem::IP, FlowShownAs::Volume, ',');
  EXPECT_EQ(ip[0].total, "11373,33");  // 3412 * 1.2 * 1000 / 3600 * 10
  EXPECT_EQ(ip[1].moisture, "5,29");     // 2.4 kg/h * 2.204623
  EXPECT_EQ(ip[0].flow, "588,6");        // 1000 * 0.58858
  const auto mass = ProcessListRows(p, UnitSystem::SI, FlowShownAs::Mass);
  EXPECT_EQ(mass[0].flow, "1200");
  EXPECT_EQ(mass[3].flow, "1200");  // the start point exists
  EXPECT_EQ(ProcessListRows(p, UnitSystem::IP, FlowShownAs::Mass)[0].flow, "2645.5");
}

TEST(ProcessList, HeadingsByLanguageAndUnits) {
  const auto pl = ListHeadings(true, UnitSystem::SI, FlowShownAs::Volume);
  EXPECT_EQ(pl.total, "CIEPŁO CAŁK.");
  EXPECT_EQ(pl.moisture, "  WILGOĆ");
  EXPECT_EQ(pl.heat_unit, "[kW]");
  EXPECT_EQ(pl.flow, "V [m3/h]");
  EXPECT_EQ(pl.line_item, "linia");
  const auto en_ip = ListHeadings(false, UnitSystem::IP, FlowShownAs::Mass);
  EXPECT_EQ(en_ip.sensible, " SEN.HEAT");
  EXPECT_EQ(ListHeadings(false, UnitSystem::SI, FlowShownAs::Mass).sensible, " SEN. HEAT");
  EXPECT_EQ(en_ip.heat_unit, "[BTU/h]");
  EXPECT_EQ(en_ip.moisture_unit, "[lb/h]");
  EXPECT_EQ(en_ip.flow, "m [lb/h]");
  EXPECT_EQ(en_ip.line_item, "line");
}

TEST(ProcessExport, LayoutAndLongNamesShiftTheColumns) {
  EXPECT_EQ(PadColumn("ab", 4), "ab   ");
  EXPECT_EQ(PadColumn("abcd", 4), "abcd");
  EXPECT_EQ(PadColumn("łódź", 6), "łódź   ");  // counted in characters
  std::vector<ProcessListRow> rows = {{"1-2", "1", "2", "3.33", "3.33", "0", "1000", true},
                                      {"a-very-long-process-name-x", "1", "2", "1", "2", "3", "4", true}};
  const std::string text = ProcessExportText("Projekt", 101325, rows, {{"1", "DBT= 20 C"}});
  const std::string expected =
      "\n\n   Projekt\n   WYKRES MOLLIERA\n   Pb= 1013.25hPa\n\n   LISTA PRZEMIAN\n\n"
      "     NAZWA PRZEMIANY       PUNKT 1   PUNKT2     V     CIEPŁO CAŁKOWITE     CIEPŁO JAWNE     WILGOĆ "
      "CAŁKOWITA\n"
      "           [-]               [-]      [-]     [m3/h]      [kW]                  [kW]               [kg/h]\n"
      "     1-2                      1       2        1000      3.33                  3.33                 0          \n"
      "     a-very-long-process-name-x1       2        4         1                     2                    3          \n"
      "\n\n   ZDEFINIOWANE PUNKTY\n\n     1\n     DBT= 20 C\n\n";
  EXPECT_EQ(text, expected);
  EXPECT_NE(ProcessExportText("Projekt", 101325, rows, {}, ',').find("   Pb= 1013,25hPa\n"), std::string::npos);
}

TEST(ProcessDialogFlows, EveryViewFollowsTheTypedOne) {
  const auto v = FlowViewsFromVolume(1000, 1.2);
  ASSERT_TRUE(v);
  EXPECT_DOUBLE_EQ(v->mass_kg_h, 1200);
  EXPECT_DOUBLE_EQ(v->volume_cfm, 588.58);
  EXPECT_DOUBLE_EQ(v->mass_lb_h, 1200 * 2.204623);
  const auto m = FlowViewsFromMass(1200, 1.2);
  ASSERT_TRUE(m);
  EXPECT_DOUBLE_EQ(m->volume_m3h, 1000);
  EXPECT_DOUBLE_EQ(FlowViewsFromCfm(588.58, 1.2)->volume_m3h, 1000);
  EXPECT_NEAR(FlowViewsFromLbPerHour(1200 * 2.204623, 1.2)->volume_m3h, 1000, 1e-9);
  EXPECT_FALSE(FlowViewsFromVolume(1000, 0));
  EXPECT_FALSE(FlowViewsFromVolume(NAN, 1.2));
}

TEST(AirFlowFromCoefficient, HeatGainOverTheEnthalpyDifference) {
  const AirState a = StateFromTX(kPb, 14, 0.008), b = StateFromTX(kPb, 24, 0.009);
  const double expected = static_cast<double>(Rnd(std::fabs(10 / (a.i - b.i) * 3600) / a.rho));
  DirectionCoefficient c{.name = "room", .epsilon = 0, .point_name = "", .draw_line = true, .heat_gain = "10",
                         .moisture_gain = ""};
  EXPECT_EQ(AirFlowFromCoefficient(c, a, b, false), expected);
  EXPECT_EQ(AirFlowFromCoefficient(c, a, a, true), 0);
  c.heat_gain = "10,0";
  EXPECT_EQ(AirFlowFromCoefficient(c, a, b, false, ','), expected);
  c.heat_gain = "";
  EXPECT_FALSE(AirFlowFromCoefficient(c, a, b, false));  // language text 1024
  EXPECT_FALSE(AirFlowFromHeatGain(10, a, a, false));     // equal enthalpies
}

TEST(Epsilon, FromTheGains) {
  const double w = MoistureGainPerSecond(7.2);
  EXPECT_EQ(w, 0.002);
  EXPECT_EQ(EpsilonFromGains(10, w), 5000);
  EXPECT_EQ(MoistureGainPerHour(w), 7.2);
  EXPECT_FALSE(EpsilonFromGains(5, 0));
  EXPECT_FALSE(EpsilonFromGains(NAN, 0.001));
  // IP: Btu/h and lb/s, the result in kJ/kg.
  EXPECT_EQ(EpsilonFromGains(34120, 0.002 * 2.204623, UnitSystem::IP), 5000);
  EXPECT_EQ(EpsilonFromGains(-3, 0.002), -1500);
  EXPECT_EQ(MoistureGainPerSecond(1), RoundTo(1.0 / 3600, -10));
}

TEST(DrawTreatment, AddsPointAndProcessOnceOnly) {
  ChartProject p;
  p.set_pb(kPb);
  (void)p.AddPoint(MakePoint("1", kPb, 20, 7));
  const TreatmentInlet in{p.point(0).state, kPb, 1500};
  const TreatmentResult r = HeatingToTemperature(in, 30).result();
  const DrawOutcome first = DrawTreatment(p, "1", "2", r, 1500, OutletLabelPosition(TreatmentKind::Heating));
  ASSERT_TRUE(first.ok());
  ASSERT_EQ(p.point_count(), 2);
  EXPECT_EQ(p.point(1).state, OutletState(r, kPb));
  EXPECT_EQ(p.point(1).label_position, LabelPosition::Top);
  ASSERT_EQ(p.process_count(), 1);
  EXPECT_EQ(p.process(0), (AirProcess{"1-2", "1", "2", true, 1500}));

  const DrawOutcome again = DrawTreatment(p, "1", "2", r, 1500, LabelPosition::Top);
  EXPECT_EQ(again.text, kTextPointExists);
  EXPECT_FALSE(again.point_added);
  EXPECT_EQ(p.point_count(), 2);

  // The process name is taken by another process: the point stays and the
  // caller is told that no process was added.
  (void)p.AddProcess({.name = "1-3", .start_point = "2", .end_point = "1", .draw_line = true, .air_flow = 1});
  const DrawOutcome clash = DrawTreatment(p, "1", "3", r, 1500, LabelPosition::Top);
  EXPECT_EQ(clash.text, kTextProcessExists);
  EXPECT_TRUE(clash.point_added);
  EXPECT_FALSE(clash.process_added);
  EXPECT_GE(p.FindPoint("3"), 0);
  EXPECT_EQ(p.process_count(), 2);
}

TEST(DrawTreatment, BypassPointBetweenCoilAndInlet) {
  const AirState p1 = StateFromTX(kPb, 28, 0.012), p2 = StateFromTX(kPb, 10, 0.0076);
  const BypassMixture m = BypassPoint(p1, p2, 0.25);
  EXPECT_DOUBLE_EQ(m.t, 10 + 0.25 * 18);
  EXPECT_DOUBLE_EQ(m.x, 0.0076 + 0.25 * (0.012 - 0.0076));
}

}  // namespace
}  // namespace orvanta
