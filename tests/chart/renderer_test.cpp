// The chart's drawing: isolines, points and their labels, coefficient and
// process lines with arrowheads, and the order of the whole redraw.
#include "chart/renderer.h"

#include <gtest/gtest.h>

#include <utility>

#include <algorithm>
#include <cmath>

#include "chart/recording_canvas.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta::chart {
namespace {

constexpr double kPb = 101300;

ChartPoint Point(const std::string& name, double t, double x, LabelPosition pos = LabelPosition::Right) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(kPb, t, x);
  p.label_position = pos;
  return p;
}

AirProcess Process(const std::string& name, const std::string& a, const std::string& b, double flow = 1000) {
  AirProcess p;
  p.name = name;
  p.start_point = a;
  p.end_point = b;
  p.air_flow = flow;
  return p;
}

ChartSettings Plain(ChartLayout layout = ChartLayout::Mollier) {
  ChartSettings s;
  s.layout = layout;
  s.comfort_zone = 0;
  return s;
}

std::vector<std::string> TextsOfColor(const RecordingCanvas& c, Rgb color) {
  std::vector<std::string> out;
  for (const auto& t : c.Texts())
    if (t.font.color == color) out.push_back(t.text);
  return out;
}

TEST(Isenthalps, SiValuesFromMinus25To95OnTheDefaultRange) {
  const auto values = IsenthalpValues({-30, 40, 20}, UnitSystem::SI);
  ASSERT_EQ(values.size(), 25u);
  EXPECT_EQ(values.front(), -25);
  EXPECT_EQ(values.back(), 95);

  ChartSettings s = Plain();
  s.relative_humidity_lines = s.density_lines = false;  // only isenthalps (and the 5 % line)
  ChartProject project;
  RecordingCanvas c;
  RenderChart(c, s, project, 1600, 1000);
  const auto labels = TextsOfColor(c, s.enthalpy_color);
  ASSERT_EQ(labels.size(), 25u);
  EXPECT_EQ(labels.front(), "-25");
  EXPECT_EQ(labels[1], "-20");
  EXPECT_EQ(labels.back(), "95");
  EXPECT_EQ(c.LinesOfColor(s.enthalpy_color).size(), 25u);
}

TEST(Isenthalps, InchPoundLinesEveryTwoBtuFromMinus18) {
  const auto values = IsenthalpValues({-30, 40, 20}, UnitSystem::IP);
  ChartSettings s = Plain();
  s.units = UnitSystem::IP;
  RecordingCanvas c;
  const ChartGeometry g(s, 1600, 1000);
  for (double h : values) DrawIsenthalp({c, g, s}, h);
  const auto labels = TextsOfColor(c, s.enthalpy_color);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "-18");
  EXPECT_EQ(labels[1], "-16");
  // The last line is the first one not below hmax = 92 kJ/kg (39.55 Btu/lb).
  EXPECT_EQ(labels.back(), "40");
}

TEST(Isenthalps, OneStraightLineFromTheAxisToSaturationOrTheRangeBottom) {
  ChartSettings s = Plain();
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawIsenthalp({c, g, s}, 50);
  const auto lines = c.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].a, g.MapToChart(50 / 1.005, 0));
  // The end lies on saturation: the moisture content there is that of 100 %.
  const TX end = g.MapFromChart(lines[0].b.x, lines[0].b.y);
  EXPECT_NEAR(RelativeHumidity(kPb, SaturationPressure(end.t), end.x), 1.0, 0.05);
  const auto texts = c.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].a, lines[0].b);
  EXPECT_EQ(c.font().color, colors::kBlack);
}

TEST(RelativeHumidity, FivePercentLineIsDrawnEvenWithTheIsolinesOff) {
  ChartSettings s = Plain();
  s.relative_humidity_lines = false;
  ChartProject project;
  RecordingCanvas c;
  RenderChart(c, s, project, 1600, 1000);
  const auto labels = TextsOfColor(c, s.humidity_color);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0], "5%");

  s.relative_humidity_lines = true;
  RecordingCanvas all;
  RenderChart(all, s, project, 1600, 1000);
  const auto eleven = TextsOfColor(all, s.humidity_color);
  ASSERT_EQ(eleven.size(), 11u);
  EXPECT_EQ(eleven.front(), "10%");
  EXPECT_EQ(eleven[9], "100%");
  EXPECT_EQ(eleven.back(), "5%");
}

TEST(RelativeHumidity, StartsOnTheAxisAndLabelsStayInsideTheBitmap) {
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    ChartSettings s = Plain(layout);
    const ChartGeometry g(s, 1600, 1000);
    RecordingCanvas c;
    DrawRelativeHumidityLine({c, g, s}, 1.0);
    const auto lines = c.Lines();
    ASSERT_GT(lines.size(), 10u);
    if (layout == ChartLayout::Mollier)
      EXPECT_EQ(lines.front().a.y, 980);
    else
      EXPECT_EQ(lines.front().a.x, 20);
    const auto label = c.Texts().at(0);
    EXPECT_EQ(label.text, "100%");
    EXPECT_GE(label.a.y, 1);
    EXPECT_LT(label.a.x, 1600);
  }
}

TEST(DensityLines, NoneWhenTheRangeTopIsZero) {
  EXPECT_TRUE(DensityValues({-30, 0, 20}, kPb).empty());
  ChartSettings s = Plain();
  s.range = {-30, 0, 20};
  ChartProject project;
  RecordingCanvas c;
  RenderChart(c, s, project, 1600, 1000);
  EXPECT_TRUE(c.LinesOfColor(s.density_color).empty());
}

TEST(DensityLines, EvenHundredthsTwoHundredthsApart) {
  const auto v = DensityValues({-30, 40, 20}, kPb);
  ASSERT_EQ(v.size(), 27u);  // rnd(40 / 1.5)
  for (size_t k = 0; k < v.size(); ++k) {
    EXPECT_EQ(Rnd(v[k] * 100) % 2, 0) << v[k];
    if (k > 0) {
      EXPECT_NEAR(v[k] - v[k - 1], 0.02, 1e-9);
    }
  }
}

TEST(DensityLines, ALineSaturatedBelowTheRangeIsNotDrawn) {
  ChartSettings s = Plain();
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas cold;
  DrawDensityLine({cold, g, s}, 1.50);  // dry end near -38 °C
  EXPECT_TRUE(cold.primitives().empty());
  RecordingCanvas warm;
  DrawDensityLine({warm, g, s}, 1.20);
  ASSERT_EQ(warm.Lines().size(), 1u);
  EXPECT_EQ(warm.Texts().at(0).text, "1.2");
  EXPECT_EQ(warm.Texts().at(0).a.x, 30);
}

TEST(PointLabels, ValuePartsBySwitchWithGreekLetters) {
  ChartSettings s = Plain();
  ChartPoint p = Point("P1", 20, 0.008);
  const PointLabel all = PointLabelOf(p, s, '.');
  EXPECT_EQ(all.text.rfind("P1 [DBT=20; X=8; h=", 0), 0u) << all.text;
  EXPECT_NE(all.text.find("; \u03C6="), std::string::npos);
  EXPECT_NE(all.text.find("; \u03C1="), std::string::npos);
  EXPECT_EQ(all.text.back(), ']');

  for (auto flag : kCheckBoxFlags) s.*flag = false;
  EXPECT_EQ(PointLabelOf(p, s, '.').text, "P1 ");
  EXPECT_EQ(PointLabelOf(p, s, '.').value_chars, 0);
  s.label_t = true;  // t only
  const PointLabel t_only = PointLabelOf(p, s, '.');
  EXPECT_EQ(t_only.text, "P1 [DBT=20; ]");
  EXPECT_EQ(t_only.value_chars, 10);

  s.units = UnitSystem::IP;
  s.label_t = s.label_phi = s.label_rho = true;
  EXPECT_EQ(PointLabelOf(p, s, ',').text,
            "P1 [DBT=68; RH=" + NumberText(RoundTo(100 * p.state.phi, -2), ',') + "; d=" +
                NumberText(RoundTo(p.state.rho * 0.06243, -4), ',') + "; ]");
}

TEST(PointLabels, LeftLabelOfTenValueCharactersSitsAt91PixelsLeft) {
  ChartSettings s = Plain();
  for (auto flag : kCheckBoxFlags) s.*flag = false;
  s.label_t = true;
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("P1", 20, 0.008, LabelPosition::Left)));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  c.SetFontHeight(s.label_font_height);
  DrawPoints({c, g, s}, project);
  const PixelPoint at = g.MapToChart(20, 0.008);
  const auto label = c.TextsEqual("P1 [DBT=20; ]");
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].a, (PixelPoint{at.x - 91, at.y - 10}));
  EXPECT_EQ(LabelOffset(LabelPosition::Left, 15, 10), (PixelPoint{-91, 10}));
}

TEST(PointLabels, AnOwnPositionStaysInForceForFollowingPointsWithoutOne) {
  ChartSettings s = Plain();
  s.default_label = LabelPosition::Bottom;
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 10, 0.005, LabelPosition::None)));
  ASSERT_TRUE(project.AddPoint(Point("B", 15, 0.006, LabelPosition::Top)));
  ASSERT_TRUE(project.AddPoint(Point("C", 20, 0.007, LabelPosition::None)));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawPoints({c, g, s}, project);
  const auto texts = c.Texts();
  ASSERT_EQ(texts.size(), 3u);
  const PixelPoint a = g.MapToChart(10, 0.005), b = g.MapToChart(15, 0.006), cc = g.MapToChart(20, 0.007);
  EXPECT_EQ(texts[0].a, (PixelPoint{a.x + 0, a.y + 10}));   // default: bottom
  EXPECT_EQ(texts[1].a, (PixelPoint{b.x - 10, b.y - 30}));  // its own: top
  EXPECT_EQ(texts[2].a, (PixelPoint{cc.x - 10, cc.y - 30})); // still top
  // Markers: 10 px circles in the point colour, pen width 2, white inside.
  const auto markers = c.Of(Primitive::Kind::Ellipse);
  ASSERT_EQ(markers.size(), 3u);
  EXPECT_EQ(markers[0].a, (PixelPoint{a.x - 5, a.y - 5}));
  EXPECT_EQ(markers[0].b, (PixelPoint{a.x + 5, a.y + 5}));
  EXPECT_EQ(markers[0].pen.color, s.point_color);
  EXPECT_EQ(markers[0].pen.width, 2);
  EXPECT_EQ(markers[0].brush.color, colors::kWhite);
}

TEST(PointLabels, ALabelThatWouldPassTheRightEdgeGoesLeftOfItsPoint) {
  ChartSettings s = Plain();
  ChartProject project;
  // Near the right edge of a 1600-px Mollier chart, where a right label is cut.
  ASSERT_TRUE(project.AddPoint(Point("Zewn", 30, 0.0195, LabelPosition::Right)));
  ASSERT_TRUE(project.AddPoint(Point("Mid", 20, 0.008, LabelPosition::Right)));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  c.SetFontHeight(s.label_font_height);
  DrawPoints({c, g, s}, project);
  const auto texts = c.Texts();
  ASSERT_EQ(texts.size(), 2u);
  const PixelPoint edge = g.MapToChart(30, 0.0195), mid = g.MapToChart(20, 0.008);
  const int width = c.TextWidth(texts[0].text);
  ASSERT_GT(edge.x + 12 + width, 1600 - 2) << "the point must be close enough to the edge for the test";
  EXPECT_EQ(texts[0].a, (PixelPoint{edge.x - 12 - width, edge.y - 10}));
  EXPECT_LE(texts[0].a.x + width, 1600 - 2);
  EXPECT_EQ(texts[1].a, (PixelPoint{mid.x + 12, mid.y - 10}));  // fits: where its offset puts it
}

TEST(PointLabels, KeptInsideAtEveryEdge) {
  // Left of the picture: moved in to 2 px; wider than the picture: from 0.
  EXPECT_EQ(KeepLabelInside({30, 50}, {-60, 40}, 100, 13, 800, 600), (PixelPoint{2, 40}));
  EXPECT_EQ(KeepLabelInside({30, 50}, {-60, 40}, 900, 13, 800, 600), (PixelPoint{0, 40}));
  // Above and below: clamped to the picture's height.
  EXPECT_EQ(KeepLabelInside({400, 5}, {412, -5}, 100, 13, 800, 600), (PixelPoint{412, 0}));
  EXPECT_EQ(KeepLabelInside({400, 598}, {412, 595}, 100, 13, 800, 600), (PixelPoint{412, 587}));
  // Right edge with the point itself at the edge: the label ends 2 px inside.
  EXPECT_EQ(KeepLabelInside({799, 50}, {811, 40}, 100, 13, 800, 600), (PixelPoint{687, 40}));
  // Fits: unchanged.
  EXPECT_EQ(KeepLabelInside({400, 300}, {412, 290}, 100, 13, 800, 600), (PixelPoint{412, 290}));
}

TEST(Arrowheads, HorizontalLinesGetNone) {
  EXPECT_FALSE(ComputeArrowhead({100, 200}, {300, 200}).has_value());
  EXPECT_FALSE(ComputeArrowhead({300, 200}, {100, 200}).has_value());
}

TEST(Arrowheads, VerticalRuleAlsoForAProcessFromAPointToItself) {
  const auto down = ComputeArrowhead({100, 100}, {100, 300});
  ASSERT_TRUE(down);
  EXPECT_EQ(down->base, (PixelPoint{100, 285}));
  const auto up = ComputeArrowhead({100, 300}, {100, 100});
  ASSERT_TRUE(up);
  EXPECT_EQ(up->base, (PixelPoint{100, 115}));
  // Nearly horizontal wings 5 px either side.
  EXPECT_EQ(up->wing_a, (PixelPoint{105, 115}));
  EXPECT_EQ(up->wing_b, (PixelPoint{95, 115}));
  const auto self = ComputeArrowhead({100, 100}, {100, 100});
  ASSERT_TRUE(self);
  EXPECT_EQ(self->base, (PixelPoint{100, 115}));
}

TEST(Arrowheads, DiagonalBaseFifteenBackWingsFiveAcross) {
  const PixelPoint start{100, 400}, tip{400, 100};
  const auto head = ComputeArrowhead(start, tip);
  ASSERT_TRUE(head);
  EXPECT_NEAR(std::hypot(head->base.x - tip.x, head->base.y - tip.y), 15, 1);
  EXPECT_LT(head->base.x, tip.x);  // back towards the start
  EXPECT_GT(head->base.y, tip.y);
  for (PixelPoint w : {head->wing_a, head->wing_b}) {
    EXPECT_NEAR(std::hypot(w.x - head->base.x, w.y - head->base.y), 5, 1);
    // Perpendicular to the line (direction (1, -1)).
    EXPECT_NEAR((w.x - head->base.x) * 1.0 + (w.y - head->base.y) * -1.0, 0, 1.5);
  }
}

TEST(ProcessLines, DrawnWithArrowheadsAndSkippedWhenAPointIsMissing) {
  ChartSettings s = Plain();
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 10, 0.005)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.012)));
  ASSERT_TRUE(project.AddPoint(Point("C", 30, 0.005)));
  ASSERT_TRUE(project.AddProcess(Process("A-B", "A", "B")));
  ASSERT_TRUE(project.AddProcess(Process("A-X", "A", "X")));  // no point X
  AirProcess hidden = Process("B-C", "B", "C");
  hidden.draw_line = false;
  ASSERT_TRUE(project.AddProcess(hidden));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawProcessLines({c, g, s}, project);
  const auto red = c.LinesOfColor(s.process_color);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].a, g.MapToChart(10, project.point(0).state.x));
  EXPECT_EQ(red[0].b, g.MapToChart(30, project.point(1).state.x));
  EXPECT_EQ(red[0].pen.width, 2);
  const auto green = c.LinesOfColor(colors::kGreen);
  ASSERT_EQ(green.size(), 4u);
  EXPECT_EQ(green[1].b, red[0].b);
  EXPECT_EQ(green[3].b, red[0].b);

  s.arrowheads = false;  // no arrowheads
  RecordingCanvas plain;
  DrawProcessLines({plain, g, s}, project);
  EXPECT_TRUE(plain.LinesOfColor(colors::kGreen).empty());
}

TEST(ProcessLines, SensibleHeatingInCarrierHasNoArrowhead) {
  ChartSettings s = Plain(ChartLayout::Carrier);
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 10, 0.005)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.005)));
  ASSERT_TRUE(project.AddProcess(Process("A-B", "A", "B")));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawProcessLines({c, g, s}, project);
  EXPECT_EQ(c.LinesOfColor(s.process_color).size(), 1u);
  EXPECT_TRUE(c.LinesOfColor(colors::kGreen).empty());
}

TEST(CoefficientLines, TracedBothWaysWithTheLabelAtTheFarEnd) {
  ChartSettings s = Plain();
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("R", 24, 0.009)));
  DirectionCoefficient dc;
  dc.name = "E1";
  dc.point_name = "R";
  dc.epsilon = 10000;
  ASSERT_TRUE(project.AddCoefficient(dc));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawCoefficientLines({c, g, s}, project);
  const auto lines = c.LinesOfColor(s.coefficient_color);
  ASSERT_GT(lines.size(), 100u);
  const auto label = c.TextsEqual("E1=10000 kJ/kg");
  ASSERT_EQ(label.size(), 1u);
  // Both segments start at the point.
  const PixelPoint origin = g.MapToChart(24, 0.009);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const Primitive& l) { return l.a == origin; }), 2);
  // The rising line ends near the top of the range (Torgup - 1).
  const Primitive& last = lines.back();
  EXPECT_NEAR(g.MapFromChart(last.b.x, last.b.y).t, 39, 0.5);
}

TEST(CoefficientLines, ALineThatNeverEntersTheRangeEndsWithoutASecondSegment) {
  ChartSettings s = Plain();
  ChartProject project;
  ChartPoint hot = Point("H", 100, 0.010);
  ASSERT_TRUE(project.AddPoint(hot));
  DirectionCoefficient dc;
  dc.name = "ISO";
  dc.point_name = "H";
  dc.epsilon = 2501 + 1.84 * 100;  // the isotherm of 100 °C, far above the range
  ASSERT_TRUE(project.AddCoefficient(dc));
  DirectionCoefficient orphan = dc;
  orphan.name = "LOST";
  orphan.point_name = "NOPE";
  ASSERT_TRUE(project.AddCoefficient(orphan));
  const ChartGeometry g(s, 1600, 1000);
  RecordingCanvas c;
  DrawCoefficientLines({c, g, s}, project);
  const PixelPoint origin = g.MapToChart(100, 0.010);
  const auto lines = c.LinesOfColor(s.coefficient_color);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const Primitive& l) { return l.a == origin; }), 1);
  EXPECT_EQ(c.TextsEqual("ISO=2685 kJ/kg").size(), 1u);
  EXPECT_TRUE(c.TextsEqual("LOST=2685 kJ/kg").empty());
}

TEST(RenderChart, DrawsInTheOrderOfTheRedraw) {
  ChartSettings s = Plain();
  s.comfort_zone = 3;
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 10, 0.005)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.012)));
  ASSERT_TRUE(project.AddProcess(Process("A-B", "A", "B")));
  DirectionCoefficient dc;
  dc.name = "E";
  dc.point_name = "B";
  dc.epsilon = 8000;
  ASSERT_TRUE(project.AddCoefficient(dc));
  RecordingCanvas c;
  ProcessLoadTexts loads;
  RenderOptions o;
  o.load_texts = &loads;
  const RenderResult r = RenderChart(c, s, project, 1600, 1000, o);
  EXPECT_TRUE(r.process_table_drawn);
  ASSERT_EQ(loads.size(), 1u);
  const int grid = c.IndexOfText("X [g/kg]");
  const int isenthalp = c.IndexOfText("95");
  const int humidity = c.IndexOfText("10%");
  const int five = c.IndexOfText("5%");
  const int density = c.IndexOfText("1.2");
  const int zone = c.IndexOfText("EN 13779:summer");
  const int point = c.IndexOfText(PointLabelOf(project.point(0), s, '.').text);
  const int coefficient = c.IndexOfText("E=8000 kJ/kg");
  const int table = c.IndexOfText("  MOLLIER CHART  pb=1013 hPa");
  std::vector<int> order{grid, isenthalp, humidity, five, density, zone, point, coefficient, table};
  for (int i : order) EXPECT_GE(i, 0);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
  // Process lines come after the coefficient label and before the table.
  int process_line = -1;
  for (size_t i = 0; i < c.primitives().size(); ++i)
    if (c.primitives()[i].kind == Primitive::Kind::Line && c.primitives()[i].pen.color == s.process_color &&
        c.primitives()[i].pen.width == 2)
      process_line = static_cast<int>(i);
  EXPECT_GT(process_line, coefficient);
  EXPECT_LT(process_line, table);
  // Point labels use the label font height; the isolines 15.
  EXPECT_EQ(c.primitives()[point].font.height, s.label_font_height);
}

// Drawing leaves the project as it is; the redraw refreshes tied points
// first, and the chart then shows them on their line.
TEST(RenderChart, DrawingNeverMovesATiedPointTheRefreshBeforeItDoes) {
  ChartSettings s = Plain();
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 10, 0.004)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.012)));
  ASSERT_TRUE(project.AddProcess(Process("A-B", "A", "B")));
  ChartPoint tied = Point("T", 20, 0.001);  // off the line until refreshed
  tied.on_process = true;
  tied.process_name = "A-B";
  ASSERT_TRUE(project.AddPoint(tied));
  const ChartGeometry g(s, 1600, 1000);
  auto third_marker = [&] {
    RecordingCanvas c;
    RenderChart(c, s, std::as_const(project), 1600, 1000);
    const auto markers = c.Of(Primitive::Kind::Ellipse);
    EXPECT_EQ(markers.size(), 3u);
    return markers.size() == 3 ? markers[2].a : PixelPoint{};
  };

  const PixelPoint stored = g.MapToChart(20, 0.001);
  EXPECT_EQ(third_marker(), (PixelPoint{stored.x - 5, stored.y - 5}));
  EXPECT_EQ(project.point(2).state.x, 0.001);

  project.RefreshDependentPoints();
  const double x_on_line = 0.004 + (0.012 - 0.004) * 0.5;
  EXPECT_NEAR(project.point(2).state.x, x_on_line, 1e-9);
  const PixelPoint at = g.MapToChart(20, x_on_line);
  EXPECT_EQ(third_marker(), (PixelPoint{at.x - 5, at.y - 5}));
}

TEST(RenderChart, AnEmptyProjectAndAnyRangeDrawWithoutTrouble) {
  ChartProject project;
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier})
    for (ChartRange range : {ChartRange{-60, 200, 200}, ChartRange{0, 0, 5}, ChartRange{-5, 0, 5}}) {
      ChartSettings s = Plain(layout);
      s.range = range;
      s.units = UnitSystem::IP;
      RecordingCanvas c;
      const RenderResult r = RenderChart(c, s, project, 640, 480);
      EXPECT_FALSE(r.process_table_drawn);
      EXPECT_FALSE(c.primitives().empty());
    }
}

}  // namespace
}  // namespace orvanta::chart
