// The isoline traces search their end by step index and skip the exponential
// away from the saturation crossing; they must draw exactly what the plain
// step-by-step walks drew. The walks are kept here as the reference, and the
// whole chart is recorded both ways and compared primitive by primitive.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "chart/comfort_zones.h"
#include "chart/process_table.h"
#include "chart/recording_canvas.h"
#include "chart/renderer.h"
#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/state.h"
#include "psychro/units.h"

namespace orvanta::chart {
namespace {

// ---- the reference: the step-by-step walks, one exponential per step

constexpr int kWalkSteps = 400000;

void WalkedIsenthalp(const DrawContext& d, double h) {
  Canvas& c = d.canvas;
  const double pb = d.s.pb;
  const int torg_down = d.g.range().torg_down;
  c.SetPenColor(d.s.enthalpy_color);
  c.SetFontColor(d.s.enthalpy_color);
  const PixelPoint start = d.g.MapToChart(TemperatureFromEnthalpy(h, 0), 0);
  c.MoveTo(start.x, start.y);
  double x = 0, t = TemperatureFromEnthalpy(h, 0);
  for (int step = 0; step < kWalkSteps; ++step) {
    x += 0.00002;
    t = TemperatureFromEnthalpy(h, x);
    const double phi = RelativeHumidity(pb, SaturationPressure(t), x);
    if (!(phi < 1) || t <= torg_down) break;
  }
  const PixelPoint end = d.g.MapToChart(t, x);
  c.LineTo(end.x, end.y);
  const std::string label = d.s.units == UnitSystem::SI ? NumberText(h, d.decimal_separator)
                                                        : std::to_string(Rnd(EnthalpyToIP(h)));
  c.TextOut(end.x, end.y, label);
  c.SetFontColor(colors::kBlack);
}

void WalkedRelativeHumidityLine(const DrawContext& d, double phi) {
  Canvas& c = d.canvas;
  const ChartGeometry& g = d.g;
  const double pb = d.s.pb;
  const ChartRange& range = g.range();
  const bool mollier = g.layout() == ChartLayout::Mollier;
  const double x_max = range.xorg / 1000.0;
  c.SetPenColor(d.s.humidity_color);
  c.SetFontColor(d.s.humidity_color);
  double t = range.torg_down;
  double x = MoistureContent(pb, SaturationPressure(t), phi);
  const PixelPoint on_axis = g.MapToChart(t, x);
  if (mollier)
    c.MoveTo(on_axis.x, g.himg() - 20);
  else
    c.MoveTo(20, on_axis.y);
  PixelPoint last = on_axis;
  int t_steps = 0;
  for (int step = 0; step < kWalkSteps; ++step) {
    x += 0.00005;
    const double p_req = SaturationPressureForHumidity(pb, x, phi);
    while (SaturationPressure(t) < p_req && t_steps < kWalkSteps) {
      t += 0.005;
      ++t_steps;
    }
    last = g.MapToChart(t, x);
    c.LineTo(last.x, last.y);
    if (t_steps >= kWalkSteps || !std::isfinite(t)) break;
    if (mollier) {
      if (last.x >= g.wimg() || !(range.torg_up + 2 > t)) break;
    } else {
      if (x_max + 0.001 <= x || !(range.torg_up + 0.9 > t)) break;
    }
  }
  const std::string label = NumberText(phi * 100, d.decimal_separator) + "%";
  if (mollier) {
    const int lx = last.x >= g.wimg() ? g.wimg() - 35 : last.x;
    const int ly = last.y < 1 ? 1 : last.y;
    c.TextOut(lx, ly, label);
  } else {
    c.TextOut(static_cast<int>(Rnd((t - range.torg_down - 0.5) * g.hscale())) + 20,
              g.himg() - (static_cast<int>(Rnd(1000 * x * g.vscale())) - 2), label);
  }
  c.SetFontColor(colors::kBlack);
}

void WalkedDensityLine(const DrawContext& d, double rho) {
  Canvas& c = d.canvas;
  const ChartGeometry& g = d.g;
  const double pb = d.s.pb;
  const int torg_down = g.range().torg_down;
  const double t_dry = TemperatureFromDensity(pb, rho, 0);
  double x = 0, t = t_dry;
  bool saturated = false;
  for (int step = 0; step < kWalkSteps; ++step) {
    x += 0.0001;
    t = TemperatureFromDensity(pb, rho, x);
    if (!std::isfinite(t)) break;
    if (RelativeHumidity(pb, SaturationPressure(t), x) >= 1) {
      saturated = true;
      break;
    }
  }
  if (!saturated || !std::isfinite(t_dry) || torg_down >= t) return;
  c.SetPenColor(d.s.density_color);
  c.SetFontColor(d.s.density_color);
  const PixelPoint a = g.MapToChart(t_dry, 0), b = g.MapToChart(t, x);
  c.MoveTo(a.x, a.y);
  c.LineTo(b.x, b.y);
  const std::string label = d.s.units == UnitSystem::SI ? NumberText(RoundTo(rho, -2), d.decimal_separator)
                                                        : NumberText(RoundTo(DensityToIP(rho), -3), d.decimal_separator);
  if (g.layout() == ChartLayout::Mollier)
    c.TextOut(30, g.himg() - (static_cast<int>(Rnd((t_dry - torg_down) * g.vscale())) + 32), label);
  else
    c.TextOut(static_cast<int>(Rnd((t_dry - torg_down) * g.hscale())) + 25, g.himg() - 51, label);
  c.SetFontColor(colors::kBlack);
}

// The whole redraw as RenderChart composes it, with the walked traces.
void RenderWithWalkedTraces(Canvas& c, const ChartSettings& settings, const ChartProject& project, int wimg,
                            int himg) {
  const ChartGeometry g(settings, wimg, himg);
  const DrawContext d{c, g, settings, '.'};
  DrawFrameAxesAndGrid(c, g, settings.units);
  c.SetFontName("Tahoma");
  c.SetFontHeight(15);
  if (settings.DrawIsenthalps())
    for (double h : IsenthalpValues(g.range(), settings.units)) WalkedIsenthalp(d, h);
  if (settings.DrawRelativeHumidityLines())
    for (int k = 1; k <= 10; ++k) WalkedRelativeHumidityLine(d, k / 10.0);
  WalkedRelativeHumidityLine(d, 0.05);
  if (settings.DrawDensityLines())
    for (double rho : DensityValues(g.range(), settings.pb)) WalkedDensityLine(d, rho);
  const int isoline_font_height = c.font().height;
  c.SetFontHeight(settings.label_font_height);
  c.SetPenColor(settings.point_color);
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenWidth(2);
  DrawComfortZone(c, g, settings.comfort_zone, settings.pb, settings.polish_labels);
  DrawPoints(d, project);
  c.SetFontHeight(isoline_font_height);
  DrawCoefficientLines(d, project);
  c.SetPenColor(colors::kBlack);
  DrawProcessLines(d, project);
  if (project.process_count() > 0 && settings.ShowProcessTable()) {
    ProcessTableOptions table;
    table.units = settings.units;
    table.polish = settings.polish_texts;
    DrawProcessTable(c, g, project, settings.pb, table);
  }
  c.Flush();
}

// ---- the cases

ChartProject FullProject(double pb) {
  ChartProject p;
  for (int k = 0; k < ChartProject::kPointSlots; ++k) {
    ChartPoint pt;
    pt.name = "P" + std::to_string(k + 1);
    pt.state = StateFromTX(pb, -20 + (k % 10) * 5.5, 0.001 + (k / 10) * 0.0035);
    pt.label_position = static_cast<LabelPosition>(k % 5);
    EXPECT_TRUE(p.AddPoint(pt));
  }
  for (int k = 0; k < ChartProject::kProcessSlots; ++k) {
    AirProcess pr;
    pr.name = "PR" + std::to_string(k + 1);
    pr.start_point = "P" + std::to_string(k + 1);
    pr.end_point = "P" + std::to_string(k + 12);
    pr.air_flow = 1000 + 250 * k;
    EXPECT_TRUE(p.AddProcess(pr));
  }
  for (int k = 0; k < ChartProject::kMaxCoefficients; ++k) {
    DirectionCoefficient dc;
    dc.name = "E" + std::to_string(k + 1);
    dc.point_name = "P" + std::to_string(2 * k + 3);
    dc.epsilon = -20000 + 2500 * k;
    EXPECT_TRUE(p.AddCoefficient(dc));
  }
  return p;
}

std::string Describe(const Primitive& p) {
  return std::to_string(static_cast<int>(p.kind)) + " (" + std::to_string(p.a.x) + "," + std::to_string(p.a.y) +
         ")-(" + std::to_string(p.b.x) + "," + std::to_string(p.b.y) + ") \"" + p.text + "\"";
}

bool Same(const Primitive& a, const Primitive& b) {
  return a.kind == b.kind && a.a.x == b.a.x && a.a.y == b.a.y && a.b.x == b.b.x && a.b.y == b.b.y &&
         a.text == b.text && a.pen == b.pen && a.brush == b.brush && a.font == b.font;
}

// Index of the first differing primitive, or -1 when the recordings agree.
long FirstDifference(const RecordingCanvas& a, const RecordingCanvas& b) {
  const auto& pa = a.primitives();
  const auto& pb = b.primitives();
  const std::size_t n = std::min(pa.size(), pb.size());
  for (std::size_t k = 0; k < n; ++k)
    if (!Same(pa[k], pb[k])) return static_cast<long>(k);
  return pa.size() == pb.size() ? -1 : static_cast<long>(n);
}

void ExpectSameChart(const ChartSettings& s, const ChartProject& project, int w, int h) {
  RecordingCanvas searched, walked;
  RenderChart(searched, s, project, w, h);
  RenderWithWalkedTraces(walked, s, project, w, h);
  // A chart of a few lines would prove little.
  ASSERT_GT(searched.primitives().size(), 2000u);
  const long k = FirstDifference(searched, walked);
  ASSERT_EQ(k, -1) << "first difference at primitive " << k << ": "
                   << (k < static_cast<long>(searched.primitives().size()) ? Describe(searched.primitives()[k]) : "-")
                   << " vs "
                   << (k < static_cast<long>(walked.primitives().size()) ? Describe(walked.primitives()[k]) : "-");
}

using ChartCase = std::tuple<ChartLayout, UnitSystem, int /*width*/, int /*height*/>;

class FullChartIdentity : public ::testing::TestWithParam<ChartCase> {};

TEST_P(FullChartIdentity, SearchedTracesDrawWhatTheWalksDrew) {
  const auto [layout, units, w, h] = GetParam();
  ChartSettings s;
  s.layout = layout;
  s.units = units;
  s.comfort_zone = 5;
  ExpectSameChart(s, FullProject(s.pb), w, h);
}

INSTANTIATE_TEST_SUITE_P(BothLayoutsBothUnitsTwoSizes, FullChartIdentity,
                         ::testing::Combine(::testing::Values(ChartLayout::Mollier, ChartLayout::Carrier),
                                            ::testing::Values(UnitSystem::SI, UnitSystem::IP),
                                            ::testing::Values(1920, 800), ::testing::Values(1080, 500)));

// Ranges and pressures at the limits the settings allow, where the traces
// are longest and the crossings lie at very different exponents.
TEST(FullChartIdentityAtTheLimits, RangesAndPressures) {
  struct Case {
    ChartRange range;
    double pb;
  };
  const Case cases[] = {{{-60, 200, 200}, 101300}, {{-60, 200, 200}, 80000}, {{0, 0, 5}, 120000},
                        {{-5, 60, 50}, 95000},     {{-60, 10, 5}, 80000},    {{-30, 40, 20}, 120000}};
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.range.torg_down) + ".." + std::to_string(c.range.torg_up) + " °C, " +
                   std::to_string(c.range.xorg) + " g/kg, " + std::to_string(c.pb) + " Pa, layout " +
                   std::to_string(static_cast<int>(layout)));
      ChartSettings s;
      s.layout = layout;
      s.range = c.range;
      s.pb = c.pb;
      RecordingCanvas searched, walked;
      RenderChart(searched, s, ChartProject{}, 1200, 800);
      RenderWithWalkedTraces(walked, s, ChartProject{}, 1200, 800);
      ASSERT_GT(searched.primitives().size(), 100u);
      EXPECT_EQ(FirstDifference(searched, walked), -1);
    }
  }
}

// Single traces at many values, including lines that never reach saturation
// and values no chart asks for (a negative phi, a zero density).
TEST(TraceIdentity, SingleTracesAtOddValues) {
  ChartSettings s;
  s.range = {-60, 200, 200};
  for (double pb : {101300.0, 80000.0, 20000.0, 1000.0, -5000.0}) {
    s.pb = pb;
    const ChartGeometry g(s, 900, 600);
    for (double h : {-200.0, -60.0, 0.0, 1.0, 57.5, 300.0, 900.0, static_cast<double>(NAN)}) {
      RecordingCanvas a, b;
      DrawIsenthalp(DrawContext{a, g, s}, h);
      WalkedIsenthalp(DrawContext{b, g, s}, h);
      EXPECT_EQ(FirstDifference(a, b), -1) << "h " << h << " pb " << pb;
    }
    for (double phi : {0.001, 0.05, 0.5, 1.0, 1.5}) {
      RecordingCanvas a, b;
      DrawRelativeHumidityLine(DrawContext{a, g, s}, phi);
      WalkedRelativeHumidityLine(DrawContext{b, g, s}, phi);
      EXPECT_EQ(FirstDifference(a, b), -1) << "phi " << phi << " pb " << pb;
    }
    for (double rho : {0.3, 0.7, 0.74, 1.0, 1.2, 1.6, 3.4, 0.0, -1.0, 0.02, 0.005, 2.6}) {
      RecordingCanvas a, b;
      DrawDensityLine(DrawContext{a, g, s}, rho);
      WalkedDensityLine(DrawContext{b, g, s}, rho);
      EXPECT_EQ(FirstDifference(a, b), -1) << "rho " << rho << " pb " << pb;
    }
  }
}

// ---- the step budget

TEST(TraceStepBudget, GrowsWithTheBitmapBetweenItsBounds) {
  const ChartSettings s;
  EXPECT_EQ(TraceStepBudget(ChartGeometry(s, 100, 100)), kTraceStepsMin);
  EXPECT_EQ(TraceStepBudget(ChartGeometry(s, 400, 300)), 300 * 700);
  EXPECT_LT(TraceStepBudget(ChartGeometry(s, 400, 300)), TraceStepBudget(ChartGeometry(s, 600, 300)));
  EXPECT_EQ(TraceStepBudget(ChartGeometry(s, 8000, 8000)), kTraceStepsMax);
  // The widest range's humidity line walks 260 K in 0.005 K steps.
  EXPECT_GE(kTraceStepsMin, 260 / 0.005);
}

// A project that drives every trace to its extremes (hot, wet, low pressure):
// each trace ends within its budget, so the drawing's work depends on the
// bitmap, not on the data.
TEST(TraceStepBudget, ExtremeDataStaysWithinTheBudget) {
  ChartSettings s;
  s.pb = 1000;
  s.range = {-60, 200, 200};
  ChartProject p;
  ChartPoint hot;
  hot.name = "H";
  hot.state = StateFromTX(s.pb, 200, 0.2);
  ASSERT_TRUE(p.AddPoint(hot));
  DirectionCoefficient dc;
  dc.name = "E";
  dc.point_name = "H";
  dc.epsilon = 1e6;
  ASSERT_TRUE(p.AddCoefficient(dc));
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    s.layout = layout;
    RecordingCanvas c;
    const int w = 400, h = 300;
    RenderChart(c, s, p, w, h);
    const long budget = TraceStepBudget(ChartGeometry(s, w, h));
    // The humidity lines draw one segment per moisture step: 11 lines at most
    // one budget each.
    EXPECT_LE(static_cast<long>(c.LinesOfColor(s.humidity_color).size()), 11 * (budget + 1));
    EXPECT_LE(static_cast<long>(c.LinesOfColor(s.coefficient_color).size()), 2 * (budget + 1));
    // Something was drawn: the density lines at 1000 Pa never saturate and are
    // left out, the isenthalps end at the range bottom.
    EXPECT_FALSE(c.LinesOfColor(s.enthalpy_color).empty());
  }
}

}  // namespace
}  // namespace orvanta::chart
