// Chart geometry: scales, ticks and their labels, titles, grid, the mapping
// between states and pixels, zoom commands and the pressure panel.
#include "chart/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/recording_canvas.h"
#include "psychro/number_text.h"

namespace orvanta::chart {
namespace {

ChartSettings Settings(ChartLayout layout, ChartRange range = {}, UnitSystem units = UnitSystem::SI) {
  ChartSettings s;
  s.layout = layout;
  s.range = range;
  s.units = units;
  return s;
}

// Texts drawn at a given y (tick labels of the horizontal axis sit at Himg - 14).
std::vector<Primitive> TextsAtY(const RecordingCanvas& c, int y) {
  std::vector<Primitive> out;
  for (const auto& t : c.Texts())
    if (t.a.y == y) out.push_back(t);
  return out;
}
std::vector<Primitive> TextsAtX(const RecordingCanvas& c, int x) {
  std::vector<Primitive> out;
  for (const auto& t : c.Texts())
    if (t.a.x == x) out.push_back(t);
  return out;
}

TEST(ChartGeometry, ScalesStepsAndCountsPerLayout) {
  const ChartGeometry m(Settings(ChartLayout::Mollier), 1600, 1000);
  EXPECT_EQ(m.trange(), 70);
  EXPECT_EQ(m.xrange(), 20);
  EXPECT_DOUBLE_EQ(m.hscale(), 1540.0 / 20);
  EXPECT_DOUBLE_EQ(m.vscale(), 940.0 / 70);
  EXPECT_EQ(m.hstep(), 1);
  EXPECT_EQ(m.vstep(), 5);
  EXPECT_EQ(m.hcount(), 20);
  EXPECT_EQ(m.vcount(), 14);

  const ChartGeometry c(Settings(ChartLayout::Carrier, {-30, 40, 50}), 1600, 1000);
  EXPECT_DOUBLE_EQ(c.hscale(), 1540.0 / 70);
  EXPECT_DOUBLE_EQ(c.vscale(), 940.0 / 50);
  EXPECT_EQ(c.hstep(), 5);
  EXPECT_EQ(c.vstep(), 2);
  EXPECT_EQ(c.hcount(), 14);
  EXPECT_EQ(c.vcount(), 25);
}

TEST(ChartGeometry, MoistureTicksEveryGramUpTo45AndEveryTwoFrom50) {
  for (int xorg : {45, 50}) {
    const ChartGeometry g(Settings(ChartLayout::Mollier, {-30, 40, xorg}), 1600, 1000);
    RecordingCanvas c;
    DrawFrameAxesAndGrid(c, g, UnitSystem::SI);
    const auto labels = TextsAtY(c, 1000 - 14);
    const int step = xorg == 45 ? 1 : 2;
    ASSERT_EQ(static_cast<int>(labels.size()), xorg / step) << xorg;
    for (size_t i = 0; i < labels.size(); ++i) {
      const int k = static_cast<int>(i) + 1;
      const int p = static_cast<int>(Rnd(k * step * g.hscale())) + 20;
      EXPECT_EQ(labels[i].text, std::to_string(k * step));
      EXPECT_EQ(labels[i].a.x, p - 5);
    }
    // The tick marks themselves: from (p, Himg - 15) to (p, Himg - 25).
    int ticks = 0;
    for (const auto& l : c.Lines())
      if (l.a.y == 985 && l.b.y == 975 && l.a.x == l.b.x) ++ticks;
    EXPECT_EQ(ticks, xorg / step);
  }
}

TEST(ChartGeometry, TemperatureTicksFromTorgdownPlusFiveWithoutOriginLabel) {
  const ChartGeometry g(Settings(ChartLayout::Mollier), 1600, 1000);
  RecordingCanvas c;
  DrawFrameAxesAndGrid(c, g, UnitSystem::SI);
  const auto labels = TextsAtX(c, 1);
  ASSERT_EQ(labels.size(), 14u);
  for (int i = 1; i <= 14; ++i) {
    EXPECT_EQ(labels[i - 1].text, std::to_string(-30 + 5 * i));
    EXPECT_EQ(labels[i - 1].a.y, 1000 - (static_cast<int>(Rnd(i * 5 * g.vscale())) + 25));
  }
  EXPECT_EQ(labels.front().text, "-25");
  EXPECT_EQ(labels.back().text, "40");
}

TEST(ChartGeometry, InchPoundTickLabels) {
  const ChartGeometry g(Settings(ChartLayout::Mollier), 1600, 1000);
  RecordingCanvas c;
  DrawFrameAxesAndGrid(c, g, UnitSystem::IP);
  EXPECT_EQ(TextsAtY(c, 986).front().text, "7");    // 1 g/kg
  EXPECT_EQ(TextsAtX(c, 1).front().text, "-13");    // -25 °C
  EXPECT_EQ(TextsAtX(c, 1).back().text, "104");     // 40 °C

  // CARRIER puts temperature on the horizontal axis.
  const ChartGeometry carrier(Settings(ChartLayout::Carrier), 1600, 1000);
  RecordingCanvas cc;
  DrawFrameAxesAndGrid(cc, carrier, UnitSystem::IP);
  EXPECT_EQ(TextsAtY(cc, 986).front().text, "-13");
  EXPECT_EQ(TextsAtX(cc, 1).front().text, "7");
}

TEST(ChartGeometry, AxisTitlesPerLayoutAndUnits) {
  struct Case {
    ChartLayout layout;
    UnitSystem units;
    const char* h;
    int hx;
    const char* v;
  };
  const Case cases[] = {
      {ChartLayout::Mollier, UnitSystem::SI, "X [g/kg]", 1600 - 80, "t (DBT) [°C]"},
      {ChartLayout::Mollier, UnitSystem::IP, "W [gr/lb]", 1600 - 80, "DB [°F]"},
      {ChartLayout::Carrier, UnitSystem::SI, "t (DBT) [°C]", 1600 - 100, "X [g/kg]"},
      {ChartLayout::Carrier, UnitSystem::IP, "DBT [°F]", 1600 - 80, "W [gr/lb]"},
  };
  for (const Case& k : cases) {
    const ChartGeometry g(Settings(k.layout), 1600, 1000);
    RecordingCanvas c;
    DrawFrameAxesAndGrid(c, g, k.units);
    const auto h = c.TextsEqual(k.h);
    const auto v = c.TextsEqual(k.v);
    ASSERT_EQ(h.size(), 1u) << k.h;
    ASSERT_EQ(v.size(), 1u) << k.v;
    EXPECT_EQ(h[0].a, (PixelPoint{k.hx, 960}));
    EXPECT_EQ(v[0].a, (PixelPoint{65, 5}));
    EXPECT_EQ(h[0].font.height, -13);  // 10 pt
  }
}

TEST(ChartGeometry, FrameAxesArrowheadsAndGrid) {
  const ChartGeometry g(Settings(ChartLayout::Mollier), 800, 600);
  RecordingCanvas c;
  DrawFrameAxesAndGrid(c, g, UnitSystem::SI);
  const auto& p = c.primitives();
  ASSERT_EQ(p[0].kind, Primitive::Kind::Rectangle);
  EXPECT_EQ(p[0].brush.color, colors::kWhite);
  auto has_line = [&](PixelPoint a, PixelPoint b, int width) {
    return std::any_of(p.begin(), p.end(), [&](const Primitive& q) {
      return q.kind == Primitive::Kind::Line && q.a == a && q.b == b && q.pen.width == width &&
             q.pen.color == colors::kBlack;
    });
  };
  EXPECT_TRUE(has_line({0, 0}, {800, 0}, 2));
  EXPECT_TRUE(has_line({0, 600}, {0, 0}, 2));
  EXPECT_TRUE(has_line({20, 580}, {790, 580}, 1));
  EXPECT_TRUE(has_line({790, 580}, {780, 575}, 1));
  EXPECT_TRUE(has_line({790, 580}, {780, 585}, 1));
  EXPECT_TRUE(has_line({20, 580}, {20, 10}, 1));
  EXPECT_TRUE(has_line({20, 10}, {15, 20}, 1));
  EXPECT_TRUE(has_line({20, 10}, {25, 20}, 1));
  // One silver line per whole unit plus the margin: 20 + 3 vertical, 70 + 7 horizontal.
  const auto grid = c.LinesOfColor(colors::kSilver);
  EXPECT_EQ(grid.size(), 23u + 77u);
  EXPECT_EQ(grid.front().a, (PixelPoint{static_cast<int>(Rnd(g.hscale())) + 20, 575}));
  EXPECT_EQ(grid.front().b.y, 0);
  EXPECT_EQ(c.font().height, 15);
}

TEST(ChartGeometry, MapToChartFollowsTheFormulas) {
  const ChartGeometry m(Settings(ChartLayout::Mollier), 1600, 1000);
  EXPECT_EQ(m.MapToChart(-30, 0), (PixelPoint{20, 980}));
  EXPECT_EQ(m.MapToChart(40, 0.020), (PixelPoint{1560, 40}));
  EXPECT_EQ(m.MapToChart(20, 0.010), (PixelPoint{static_cast<int>(Rnd(10 * m.hscale())) + 20,
                                                  1000 - (static_cast<int>(Rnd(50 * m.vscale())) + 20)}));
  const ChartGeometry c(Settings(ChartLayout::Carrier), 1600, 1000);
  EXPECT_EQ(c.MapToChart(-30, 0), (PixelPoint{20, 980}));
  EXPECT_EQ(c.MapToChart(40, 0.020), (PixelPoint{1560, 40}));
  // Nothing is clamped.
  EXPECT_LT(c.MapToChart(-50, 0).x, 0);
}

TEST(ChartGeometry, MapFromChartInvertsMapToChart) {
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    for (ChartRange range : {ChartRange{-30, 40, 20}, ChartRange{-60, 200, 200}, ChartRange{0, 5, 5}}) {
      const ChartGeometry g(Settings(layout, range), 1920, 1080);
      // Pixel -> state -> the same pixel, over the whole plot area.
      for (int px = 21; px < 1900; px += 37)
        for (int py = 30; py < 1060; py += 41) {
          const TX s = g.MapFromChart(px, py);
          EXPECT_EQ(g.MapToChart(s.t, s.x), (PixelPoint{px, py})) << px << "," << py;
        }
      // State -> pixel -> state within half a pixel.
      for (double t = range.torg_down; t <= range.torg_up; t += 3.7)
        for (double x = 0.0005; x <= range.xorg / 1000.0; x += 0.0013) {
          const PixelPoint p = g.MapToChart(t, x);
          const TX back = g.MapFromChart(p.x, p.y);
          const double t_scale = layout == ChartLayout::Mollier ? g.vscale() : g.hscale();
          const double x_scale = layout == ChartLayout::Mollier ? g.hscale() : g.vscale();
          EXPECT_NEAR(back.t, t, 0.5 / t_scale + 1e-9);
          EXPECT_NEAR(back.x, x, 0.5 / x_scale / 1000 + 1e-12);
        }
    }
  }
}

TEST(ChartGeometry, MapFromChartLeftOfTheOriginGivesTinyPositiveMoisture) {
  const ChartGeometry m(Settings(ChartLayout::Mollier), 1600, 1000);
  EXPECT_DOUBLE_EQ(m.MapFromChart(5, 500).x, 1e-6);
  EXPECT_DOUBLE_EQ(m.MapFromChart(20, 500).x, 1e-6);
  const ChartGeometry c(Settings(ChartLayout::Carrier), 1600, 1000);
  EXPECT_DOUBLE_EQ(c.MapFromChart(500, 995).x, 1e-6);
}

TEST(ChartGeometry, ZeroTemperatureSpanNeverDividesByZero) {
  const ChartGeometry g(Settings(ChartLayout::Mollier, {0, 0, 20}), 800, 600);
  EXPECT_GT(g.trange(), 0);
  EXPECT_TRUE(std::isfinite(g.vscale()));
  EXPECT_EQ(SanitizedRange({0, 0, 20}), (ChartRange{0, 5, 20}));
  EXPECT_EQ(SanitizedRange({-90, 300, 1}), (ChartRange{-60, 200, 5}));
}

TEST(ChartZoom, CommandsAndTheirBounds) {
  const ChartRange r{-30, 40, 20};
  EXPECT_EQ(*ZoomXPlus(r), (ChartRange{-30, 40, 25}));
  EXPECT_EQ(*ZoomXPlus({-30, 40, 200}), (ChartRange{-30, 40, 200}));
  EXPECT_EQ(*ZoomXMinus({-30, 40, 5}), (ChartRange{-30, 40, 5}));
  EXPECT_EQ(*ZoomTPlus({-30, 200, 20}), (ChartRange{-30, 200, 20}));
  EXPECT_EQ(*ZoomTMinus(r), (ChartRange{-30, 35, 20}));
  EXPECT_EQ(*ZoomTDownPlus({-5, 40, 20}), (ChartRange{0, 40, 20}));
  EXPECT_EQ(*ZoomTDownPlus({0, 40, 20}), (ChartRange{0, 40, 20}));
  EXPECT_EQ(*ZoomTDownMinus({-60, 40, 20}), (ChartRange{-60, 40, 20}));
  EXPECT_EQ(*ZoomTDownMinus({-55, 40, 20}), (ChartRange{-60, 40, 20}));
  EXPECT_EQ(DefaultRange(), (ChartRange{-30, 40, 20}));
}

TEST(ChartZoom, ACommandThatWouldLeaveNoTemperatureSpanIsRefused) {
  EXPECT_FALSE(ZoomTMinus({0, 5, 20}).has_value());
  EXPECT_FALSE(ZoomTDownPlus({-5, 0, 20}).has_value());
  EXPECT_TRUE(ZoomTMinus({-5, 5, 20}).has_value());
  EXPECT_TRUE(ZoomXPlus({0, 5, 20}).has_value());
}

TEST(PressurePanel, TextsInSiAndInchPound) {
  const PressurePanel si = PressurePanelTexts(101300, UnitSystem::SI, "Wysokość n.p.m.:");
  EXPECT_EQ(si.value, "1013");
  EXPECT_EQ(si.unit, "hPa");
  EXPECT_EQ(si.altitude.rfind("Wysokość n.p.m.: ", 0), 0u);
  EXPECT_EQ(si.altitude.substr(si.altitude.size() - 2), " m");
  const PressurePanel ip = PressurePanelTexts(101300, UnitSystem::IP, "Altitude", ',');
  EXPECT_EQ(ip.value, "29,9");
  EXPECT_EQ(ip.unit, "InHg");
  EXPECT_EQ(PressurePanelTexts(101325, UnitSystem::SI, "").value, "1013.25");
}

TEST(ChartGeometry, AbsurdStatesMapFarOutsideWithoutOverflow) {
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    ChartSettings s;
    s.layout = layout;
    const ChartGeometry g(s, 1600, 1000);
    const PixelPoint hot = g.MapToChart(1e12, 1e9);
    const PixelPoint cold = g.MapToChart(-1e12, -1e9);
    // Far beyond the bitmap on the right side of each axis, never wrapped round.
    EXPECT_GT(hot.x, 100000);
    EXPECT_LT(hot.y, -100000);
    EXPECT_LT(cold.x, -100000);
    EXPECT_GT(cold.y, 100000);
  }
}

}  // namespace
}  // namespace orvanta::chart
