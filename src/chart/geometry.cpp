#include "chart/geometry.h"

#include <algorithm>
#include <string>

#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta::chart {

ChartRange SanitizedRange(ChartRange r) {
  r.torg_down = std::clamp(r.torg_down, kTorgDownMin, kTorgDownMax);
  r.torg_up = std::clamp(r.torg_up, kTorgUpMin, kTorgUpMax);
  r.xorg = std::clamp(r.xorg, kXorgMin, kXorgMax);
  if (r.torg_up == r.torg_down) r.torg_up = r.torg_down + kRangeStep;
  return r;
}

ChartGeometry::ChartGeometry(const ChartSettings& settings, int wimg, int himg)
    : layout_(settings.layout), range_(SanitizedRange(settings.range)), wimg_(wimg), himg_(himg) {
  trange_ = range_.torg_up - range_.torg_down;
  xrange_ = range_.xorg;
  const int moisture_tick = moisture_step();
  // A bitmap smaller than the margins still gets a positive scale.
  const double width = std::max(1, wimg_ - 60);
  const double height = std::max(1, himg_ - 60);
  if (layout_ == ChartLayout::Mollier) {
    hrange_ = xrange_;
    vrange_ = trange_;
    hstep_ = moisture_tick;
    vstep_ = 5;
  } else {
    hrange_ = trange_;
    vrange_ = xrange_;
    hstep_ = 5;
    vstep_ = moisture_tick;
  }
  hscale_ = width / hrange_;
  vscale_ = height / vrange_;
  hcount_ = static_cast<int>(Rnd(static_cast<double>(hrange_) / hstep_));
  vcount_ = static_cast<int>(Rnd(static_cast<double>(vrange_) / vstep_));
}

namespace {
// Pixel offsets far beyond any bitmap are held at +-1e6 so that absurd states
// never overflow the integer arithmetic; such points are clipped anyway.
int PixelOffset(double v) { return static_cast<int>(std::clamp<long long>(Rnd(v), -1'000'000, 1'000'000)); }
}  // namespace

PixelPoint ChartGeometry::MapToChart(double t, double x) const {
  const double dt = t - range_.torg_down;
  if (layout_ == ChartLayout::Mollier)
    return {PixelOffset(1000 * x * hscale_) + 20, himg_ - (PixelOffset(dt * vscale_) + 20)};
  return {PixelOffset(dt * hscale_) + 20, himg_ - (PixelOffset(1000 * x * vscale_) + 20)};
}

TX ChartGeometry::MapFromChart(int mx, int my) const {
  TX r;
  if (layout_ == ChartLayout::Mollier) {
    r.x = (mx - 20) / hscale_ / 1000;
    r.t = (himg_ - my - 20) / vscale_ + range_.torg_down;
  } else {
    r.x = range_.xorg / 1000.0 - (my - 40) / vscale_ / 1000;
    r.t = (mx - 20) / hscale_ + range_.torg_down;
  }
  if (!(r.x > 0)) r.x = 1e-6;
  return r;
}

AxisTitles AxisTitleTexts(ChartLayout layout, UnitSystem units) {
  const bool si = units == UnitSystem::SI;
  if (layout == ChartLayout::Mollier)
    return si ? AxisTitles{"X [g/kg]", "t (DBT) [°C]"} : AxisTitles{"W [gr/lb]", "DB [°F]"};
  return si ? AxisTitles{"t (DBT) [°C]", "X [g/kg]"} : AxisTitles{"DBT [°F]", "W [gr/lb]"};
}

namespace {

// Tick label of the i-th tick of an axis.
std::string TickText(bool moisture_axis, int i, int step, int torg_down, UnitSystem units) {
  if (moisture_axis) {
    const double g = static_cast<double>(i) * step;
    return std::to_string(Rnd(units == UnitSystem::SI ? g : 7 * g));
  }
  if (units == UnitSystem::SI) return std::to_string(Rnd(i * 5.0) + torg_down);
  return std::to_string(Rnd(TemperatureToIP(i * 5.0 + torg_down)));
}

}  // namespace

void DrawFrameAxesAndGrid(Canvas& c, const ChartGeometry& g, UnitSystem units) {
  const int w = g.wimg(), h = g.himg();
  // 1. Clear to white.
  c.SetPenColor(colors::kWhite);
  c.SetPenWidth(1);
  c.SetPenStyle(PenStyle::Solid);
  c.SetBrushColor(colors::kWhite);
  c.SetBrushStyle(BrushStyle::Solid);
  c.Rectangle(0, 0, w + 1, h + 1);
  // 2. Frame.
  c.SetPenColor(colors::kBlack);
  c.SetPenWidth(2);
  c.MoveTo(0, 0);
  c.LineTo(w, 0);
  c.LineTo(w, h);
  c.LineTo(0, h);
  c.LineTo(0, 0);
  c.SetFontName("Tahoma");
  c.SetFontSize(10);
  // 3. Axes with arrowheads.
  c.SetPenWidth(1);
  c.Line(20, h - 20, w - 10, h - 20);
  c.Line(w - 10, h - 20, w - 20, h - 25);
  c.Line(w - 10, h - 20, w - 20, h - 15);
  c.Line(20, h - 20, 20, 10);
  c.Line(20, 10, 15, 20);
  c.Line(20, 10, 25, 20);
  // 4. Titles.
  c.SetFontColor(colors::kBlack);
  const AxisTitles titles = AxisTitleTexts(g.layout(), units);
  const bool carrier_si = g.layout() == ChartLayout::Carrier && units == UnitSystem::SI;
  c.TextOut(carrier_si ? w - 100 : w - 80, h - 40, titles.horizontal);
  c.TextOut(65, 5, titles.vertical);
  // 5. Ticks and their labels.
  c.SetFontHeight(13);
  const bool mollier = g.layout() == ChartLayout::Mollier;
  for (int i = 1; i <= g.hcount(); ++i) {
    const int p = static_cast<int>(Rnd(i * g.hstep() * g.hscale())) + 20;
    c.Line(p, h - 15, p, h - 25);
    c.TextOut(p - 5, h - 14, TickText(mollier, i, g.hstep(), g.range().torg_down, units));
  }
  for (int i = 1; i <= g.vcount(); ++i) {
    const long long off = Rnd(i * g.vstep() * g.vscale());
    const int q = h - (static_cast<int>(off) + 20);
    c.Line(15, q, 25, q);
    c.TextOut(1, h - (static_cast<int>(off) + 25), TickText(!mollier, i, g.vstep(), g.range().torg_down, units));
  }
  // 6. Grid, one line per whole unit; the extra lines fill the margin.
  c.SetPenColor(colors::kSilver);
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenWidth(1);
  c.SetFontHeight(15);
  for (int k = 1; k <= g.hrange() + 3; ++k) {
    const int p = static_cast<int>(Rnd(k * g.hscale())) + 20;
    c.Line(p, h - 25, p, 0);
  }
  for (int k = 1; k <= g.vrange() + 7; ++k) {
    const int q = h - (static_cast<int>(Rnd(k * g.vscale())) + 20);
    c.Line(25, q, w, q);
  }
}

namespace {
std::optional<ChartRange> Checked(ChartRange r) {
  if (r.torg_down == r.torg_up) return std::nullopt;
  return r;
}
}  // namespace

std::optional<ChartRange> ZoomXPlus(ChartRange r) {
  r.xorg = std::min(r.xorg + kRangeStep, kXorgMax);
  return r;
}
std::optional<ChartRange> ZoomXMinus(ChartRange r) {
  r.xorg = std::max(r.xorg - kRangeStep, kXorgMin);
  return r;
}
std::optional<ChartRange> ZoomTPlus(ChartRange r) {
  r.torg_up = std::min(r.torg_up + kRangeStep, kTorgUpMax);
  return Checked(r);
}
std::optional<ChartRange> ZoomTMinus(ChartRange r) {
  r.torg_up = std::max(r.torg_up - kRangeStep, kTorgUpMin);
  return Checked(r);
}
std::optional<ChartRange> ZoomTDownPlus(ChartRange r) {
  r.torg_down += kRangeStep;
  if (r.torg_down >= 0) r.torg_down = 0;
  return Checked(r);
}
std::optional<ChartRange> ZoomTDownMinus(ChartRange r) {
  r.torg_down -= kRangeStep;
  if (r.torg_down < -59) r.torg_down = kTorgDownMin;
  return Checked(r);
}
ChartRange DefaultRange() { return ChartRange{-30, 40, 20}; }

PressurePanel PressurePanelTexts(double pb, UnitSystem units, const std::string& altitude_caption,
                                 char decimal_separator) {
  PressurePanel p;
  if (units == UnitSystem::SI) {
    p.value = NumberText(pb / 100, decimal_separator);
    p.unit = "hPa";
  } else {
    p.value = NumberText(RoundTo(PressureToIP(pb), -1), decimal_separator);
    p.unit = "InHg";
  }
  p.altitude = altitude_caption + " " +
               NumberText(RoundTo(AltitudeFromPressure(pb / 100), -1), decimal_separator) + " m";
  return p;
}

}  // namespace orvanta::chart
