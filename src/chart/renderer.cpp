#include "chart/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/comfort_zones.h"
#include "chart/process_table.h"
#include "psychro/air.h"
#include "psychro/first_hit.h"
#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta::chart {

namespace {

int Px(double v) { return static_cast<int>(Rnd(v)); }

int Utf8Length(const std::string& s) {
  int n = 0;
  for (unsigned char ch : s)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

void LineTo(Canvas& c, PixelPoint p) { c.LineTo(p.x, p.y); }
void MoveTo(Canvas& c, PixelPoint p) { c.MoveTo(p.x, p.y); }

// The values a walk x = 0, x += step, x += step, ... takes, with the rounding
// of each addition, kept so that a search over the step index sees exactly
// the walk's x. Grown on demand, one per thread.
class StepGrid {
 public:
  explicit StepGrid(double step) : step_(step), x_{0.0} {}
  double operator()(long k) {
    while (static_cast<long>(x_.size()) <= k) x_.push_back(x_.back() + step_);
    return x_[static_cast<std::size_t>(k)];
  }

 private:
  double step_;
  std::vector<double> x_;
};

constexpr double kIsenthalpStep = 0.00002;
constexpr double kDensityStep = 0.0001;

StepGrid& IsenthalpGrid() {
  thread_local StepGrid grid(kIsenthalpStep);
  return grid;
}

StepGrid& DensityGrid() {
  thread_local StepGrid grid(kDensityStep);
  return grid;
}

// Steps t by 0.005 K while SaturationPressure(t) < p_req, exactly as the walk
// `while (SaturationPressure(t) < p_req) t += 0.005` does, but evaluates the
// exponential only next to the crossing: below t_safe the exponent
// 17.269 t / (t + 237.3) lies under ln(p_req / 610.5) by a margin far beyond
// every rounding error, so the test is true there for sure.
void StepToSaturationPressure(double& t, int& steps, int budget, double p_req) {
  const double level = std::log(p_req / 610.5);
  const double below = level - 1e-9 * (1 + std::fabs(level));
  double t_safe = -INFINITY;  // NaN, zero or negative p_req: no sure steps
  if (below >= 17.269)
    t_safe = INFINITY;  // the formula never reaches p_req
  else if (below > -INFINITY)
    t_safe = 237.3 * below / (17.269 - below);
  // Far from the formula's pole at -237.3 °C only, where its slope is small.
  while (t < t_safe && t > -200 && steps < budget) {
    t += 0.005;
    ++steps;
  }
  while (steps < budget && SaturationPressure(t) < p_req) {
    t += 0.005;
    ++steps;
  }
}

}  // namespace

int TraceStepBudget(const ChartGeometry& g) {
  const long long pixels = static_cast<long long>(std::max(g.wimg(), 1)) + std::max(g.himg(), 1);
  return static_cast<int>(std::clamp<long long>(kTraceStepsPerPixel * pixels, kTraceStepsMin, kTraceStepsMax));
}

// ---------------------------------------------------------------- isolines

std::vector<double> IsenthalpValues(const ChartRange& range, UnitSystem units) {
  const double hmax = static_cast<double>(
      Rnd(AirEnthalpy(range.torg_up, range.xorg / 1000.0)));
  std::vector<double> values;
  if (units == UnitSystem::SI) {
    double h = range.torg_down;
    do {
      h += 5;
      values.push_back(h);
    } while (h < hmax);
  } else {
    // -46.520282844 kJ/kg = -20 Btu/lb; the step is 2 Btu/lb.
    double h = -46.520282844;
    do {
      h += 4.6520282844;
      values.push_back(h);
    } while (hmax > h);
  }
  return values;
}

void DrawIsenthalp(const DrawContext& d, double h) {
  Canvas& c = d.canvas;
  const double pb = d.s.pb;
  const int torg_down = d.g.range().torg_down;
  c.SetPenColor(d.s.enthalpy_color);
  c.SetFontColor(d.s.enthalpy_color);
  MoveTo(c, d.g.MapToChart(TemperatureFromEnthalpy(h, 0), 0));
  // The walk x += 0.00002 ends at the first step that is saturated or below
  // the range. Along the isenthalp t falls and phi rises with every step, so
  // the first such step is found by search over the step index.
  StepGrid& xs = IsenthalpGrid();
  const long budget = TraceStepBudget(d.g);
  const long k = FirstHit(budget, [&](long step) {
    const double xk = xs(step);
    const double tk = TemperatureFromEnthalpy(h, xk);
    return !(RelativeHumidity(pb, SaturationPressure(tk), xk) < 1) || tk <= torg_down;
  });
  const double x = xs(k == 0 ? budget : k);
  const double t = TemperatureFromEnthalpy(h, x);
  const PixelPoint end = d.g.MapToChart(t, x);
  LineTo(c, end);
  const std::string label = d.s.units == UnitSystem::SI ? NumberText(h, d.decimal_separator)
                                                        : std::to_string(Rnd(EnthalpyToIP(h)));
  c.TextOut(end.x, end.y, label);
  c.SetFontColor(colors::kBlack);
}

void DrawRelativeHumidityLine(const DrawContext& d, double phi) {
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
  const int budget = TraceStepBudget(g);
  int t_steps = 0;
  for (int step = 0; step < budget; ++step) {
    x += 0.00005;
    StepToSaturationPressure(t, t_steps, budget, SaturationPressureForHumidity(pb, x, phi));
    last = g.MapToChart(t, x);
    LineTo(c, last);
    if (t_steps >= budget || !std::isfinite(t)) break;
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
    c.TextOut(Px((t - range.torg_down - 0.5) * g.hscale()) + 20, g.himg() - (Px(1000 * x * g.vscale()) - 2), label);
  }
  c.SetFontColor(colors::kBlack);
}

std::vector<double> DensityValues(const ChartRange& range, double pb) {
  std::vector<double> values;
  const long long n = Rnd(range.torg_up / 1.5);
  double rho0 = AirDensity(pb, range.torg_up, 0);
  if (!std::isfinite(rho0)) return values;
  if (Rnd(100 * rho0) % 2 != 0) rho0 += 0.01;
  for (long long k = 1; k <= n; ++k) values.push_back(RoundTo(rho0, -2) - 0.04 + 0.02 * k);
  return values;
}

void DrawDensityLine(const DrawContext& d, double rho) {
  Canvas& c = d.canvas;
  const ChartGeometry& g = d.g;
  const double pb = d.s.pb;
  const int torg_down = g.range().torg_down;
  const double t_dry = TemperatureFromDensity(pb, rho, 0);
  // The walk x += 0.0001 ends at the first step whose t is not finite or whose
  // state is saturated; the line is drawn when that end is saturated and lies
  // above the range bottom. Unless pb, rho > 0 it never is: t stays at or
  // below -273.15 °C, or phi stays below 0. For pb, rho > 0 t falls with x
  // (from t_dry), so a t_dry below the range draws nothing either; otherwise
  // phi rises with every step while t is above the saturation formula's pole
  // (-237.3 °C), and the end is found by search over the step index. A walk
  // that reaches -230 °C unsaturated can only end lower: not drawn.
  if (!(pb > 0 && rho > 0) || !(t_dry >= torg_down - 1)) return;
  StepGrid& xs = DensityGrid();
  const long budget = TraceStepBudget(g);
  const auto t_at = [&](long step) { return TemperatureFromDensity(pb, rho, xs(step)); };
  const auto saturated_at = [&](long step) {
    const double tk = t_at(step);
    return std::isfinite(tk) && RelativeHumidity(pb, SaturationPressure(tk), xs(step)) >= 1;
  };
  const long k = FirstHit(budget, [&](long step) {
    const double tk = t_at(step);
    return !std::isfinite(tk) || tk <= -230 || RelativeHumidity(pb, SaturationPressure(tk), xs(step)) >= 1;
  });
  const bool saturated = k != 0 && saturated_at(k);
  const double x = xs(k == 0 ? budget : k);
  const double t = t_at(k == 0 ? budget : k);
  // A line whose saturated end lies below the range (or that never reaches
  // saturation) is not drawn.
  if (!saturated || !std::isfinite(t_dry) || torg_down >= t) return;
  c.SetPenColor(d.s.density_color);
  c.SetFontColor(d.s.density_color);
  MoveTo(c, g.MapToChart(t_dry, 0));
  LineTo(c, g.MapToChart(t, x));
  const std::string label = d.s.units == UnitSystem::SI ? NumberText(RoundTo(rho, -2), d.decimal_separator)
                                                        : NumberText(RoundTo(DensityToIP(rho), -3), d.decimal_separator);
  if (g.layout() == ChartLayout::Mollier)
    c.TextOut(30, g.himg() - (Px((t_dry - torg_down) * g.vscale()) + 32), label);
  else
    c.TextOut(Px((t_dry - torg_down) * g.hscale()) + 25, g.himg() - 51, label);
  c.SetFontColor(colors::kBlack);
}

// ------------------------------------------------------------------ points

PointLabel PointLabelOf(const ChartPoint& p, const ChartSettings& s, char sep) {
  const AirState& st = p.state;
  auto num = [sep](double v, int decimals) { return NumberText(RoundTo(v, -decimals), sep); };
  std::string parts;
  if (s.units == UnitSystem::SI) {
    if (s.LabelT()) parts += "DBT=" + num(st.t, 2) + "; ";
    if (s.LabelX()) parts += "X=" + num(1000 * st.x, 2) + "; ";
    if (s.LabelH()) parts += "h=" + num(st.i, 2) + "; ";
    if (s.LabelPhi()) parts += "\u03C6=" + num(100 * st.phi, 2) + "; ";
    if (s.LabelRho()) parts += "\u03C1=" + num(st.rho, 2) + "; ";
  } else {
    if (s.LabelT()) parts += "DBT=" + num(TemperatureToIP(st.t), 2) + "; ";
    if (s.LabelX()) parts += "W=" + num(7000 * st.x, 2) + "; ";
    if (s.LabelH()) parts += "h=" + num(EnthalpyToIP(st.i), 2) + "; ";
    if (s.LabelPhi()) parts += "RH=" + num(100 * st.phi, 2) + "; ";
    if (s.LabelRho()) parts += "d=" + num(DensityToIP(st.rho), 4) + "; ";
  }
  if (!parts.empty()) parts = "[" + parts + "]";
  return PointLabel{p.name + " " + parts, Utf8Length(parts)};
}

PixelPoint LabelOffset(LabelPosition pos, int font_height, int value_chars) {
  switch (pos) {
    case LabelPosition::Bottom: return {0, -10};
    case LabelPosition::Top: return {-10, 30};
    case LabelPosition::Left:
      return {-static_cast<int>(Rnd(static_cast<double>(font_height) * value_chars * 0.42)) - 28, 10};
    case LabelPosition::Right:
    case LabelPosition::None: break;
  }
  return {12, 10};
}

PixelPoint DefaultLabelOffset(LabelPosition pos) { return LabelOffset(pos, 0, 0); }

PixelPoint KeepLabelInside(PixelPoint point, PixelPoint label, int width, int height, int wimg, int himg) {
  constexpr int kGap = 12, kEdge = 2;
  if (label.x + width > wimg - kEdge) {
    // Past the right edge: the label goes to the left of its point.
    label.x = std::min(point.x - kGap - width, wimg - kEdge - width);
  }
  if (label.x < kEdge) label.x = std::min(kEdge, std::max(0, wimg - width));
  label.y = std::clamp(label.y, 0, std::max(0, himg - height));
  return label;
}

void DrawPoints(const DrawContext& d, const ChartProject& project) {
  Canvas& c = d.canvas;
  // A point's own label position stays in force for the following points
  // that have none.
  PixelPoint offset = DefaultLabelOffset(d.s.default_label);
  for (int k = 0; k < project.point_count(); ++k) {
    const ChartPoint& p = project.point(k);
    const PixelPoint at = d.g.MapToChart(p.state.t, p.state.x);
    c.SetPenColor(d.s.point_color);
    c.SetPenWidth(2);
    c.Ellipse(at.x - 5, at.y - 5, at.x + 5, at.y + 5);
    const PointLabel label = PointLabelOf(p, d.s, d.decimal_separator);
    if (p.label_position != LabelPosition::None)
      offset = LabelOffset(p.label_position, d.s.label_font_height, label.value_chars);
    c.SetFontColor(colors::kBlack);
    const PixelPoint place = KeepLabelInside(at, {at.x + offset.x, at.y - offset.y}, c.TextWidth(label.text),
                                             std::abs(c.font().height), d.g.wimg(), d.g.himg());
    c.TextOut(place.x, place.y, label.text);
  }
}

// ------------------------------------------------- direction coefficients

namespace {

constexpr double kEpsilonLimit = 1.5e6;
constexpr double kEpsilonRising = 2552.5;
constexpr double kCoefficientStep = 0.00001;

struct DirectionLine {
  double t0, x0, eps;
  double T(double x) const {
    return TemperatureOnDirectionLine(x, t0, x0, eps);
  }
};

}  // namespace

void DrawCoefficientLines(const DrawContext& d, const ChartProject& project) {
  Canvas& c = d.canvas;
  const ChartGeometry& g = d.g;
  const ChartRange& range = g.range();
  const double t_low = range.torg_down + 3, t_high = range.torg_up - 1;
  for (int k = 0; k < project.coefficient_count(); ++k) {
    const DirectionCoefficient& dc = project.coefficient(k);
    if (!dc.draw_line) continue;
    const int pi = project.FindPoint(dc.point_name);
    if (pi < 0) continue;
    const AirState& p0 = project.point(pi).state;
    if (!std::isfinite(p0.t) || !std::isfinite(p0.x) || !std::isfinite(dc.epsilon)) continue;
    const DirectionLine line{p0.t, p0.x, std::clamp(dc.epsilon, -kEpsilonLimit, kEpsilonLimit)};
    const int budget = TraceStepBudget(g);
    const bool rising = line.eps > kEpsilonRising;
    c.SetPenColor(d.s.coefficient_color);
    c.SetPenWidth(2);
    const PixelPoint origin = g.MapToChart(p0.t, p0.x);

    // 1. Towards lower x.
    MoveTo(c, origin);
    double x = p0.x;
    for (int step = 0; step < budget; ++step) {
      x -= kCoefficientStep;
      const double t = line.T(x);
      LineTo(c, g.MapToChart(t, x));
      if (rising ? (t <= t_low || x <= 0.001) : (t > t_high || x < 0.001)) break;
    }

    // 2. The far end: the largest x of the range whose temperature lies
    // inside it. The search ends at x = 0.
    std::optional<double> t_end;
    double x_end = range.xorg / 1000.0;
    for (int step = 0; x_end > 0 && step < budget; x_end -= kCoefficientStep, ++step) {
      const double t = line.T(x_end);
      if (t > t_low && t < t_high) {
        t_end = t;
        break;
      }
    }

    // 3. Towards higher x, up to the far end's temperature (not beyond the
    // range's moisture end: a line that moves away from it stops there).
    double t3 = p0.t, x3 = p0.x;
    if (t_end) {
      MoveTo(c, origin);
      const double x_limit = std::max(range.xorg / 1000.0, p0.x) + kCoefficientStep;
      x = p0.x;
      for (int step = 0; step < budget; ++step) {
        x += kCoefficientStep;
        const double t = line.T(x);
        LineTo(c, g.MapToChart(t, x));
        t3 = t;
        x3 = x;
        if (rising ? t >= *t_end : t <= *t_end) break;
        if (x > x_limit) break;
      }
    }

    // 4. Label by the end of the traced line.
    c.SetFontHeight(15);
    c.SetFontColor(colors::kBlack);
    const std::string text = dc.name + "=" + NumberText(RoundTo(dc.epsilon, -2), d.decimal_separator) + " kJ/kg";
    if (g.layout() == ChartLayout::Mollier)
      c.TextOut(Px((1000 * x3 - 1) * g.hscale()) + 20, g.himg() - (Px((t3 - range.torg_down) * g.vscale()) + 20),
                text);
    else
      c.TextOut(Px((t3 - range.torg_down) * g.hscale()) - 60, g.himg() - (Px((1000 * x3 - 1) * g.vscale()) + 20),
                text);
  }
}

// ---------------------------------------------------------------- processes

std::optional<Arrowhead> ComputeArrowhead(PixelPoint start, PixelPoint tip) {
  const double x1 = start.x, y1 = start.y, x2 = tip.x, y2 = tip.y;
  const bool vertical = start.x == tip.x;
  if (!vertical && start.y == tip.y) return std::nullopt;
  constexpr double kStep = 0.001;  // px of x per step of the walks
  constexpr long long kMaxArrowSteps = 400000;  // the walks cover 15 px and 5 px
  double perp;
  double bx = x2, by = y2;
  if (vertical) {
    perp = -0.001;
    by = y1 < y2 ? y2 - 15 : y2 + 15;
  } else {
    const double m = (y2 - y1) / (x2 - x1);
    perp = -1 / m;
    const double dir = x1 < x2 ? -kStep : kStep;  // back towards the start
    // Steps closer than 14 px (14.5 with y rounded) cannot reach 15 px:
    // start the walk there.
    const long long first = std::max(1LL, static_cast<long long>(14 / std::sqrt(1 + m * m) / kStep));
    for (long long k = first; k < first + kMaxArrowSteps; ++k) {
      bx = x2 + k * dir;
      by = static_cast<double>(Rnd(y2 + m * (bx - x2)));
      if ((bx - x2) * (bx - x2) + (by - y2) * (by - y2) >= 15 * 15) break;
    }
  }
  auto wing = [&](double dir) {
    double wx = bx, wy = by;
    const long long first = std::max(1LL, static_cast<long long>(4.9 / std::sqrt(1 + perp * perp) / kStep));
    for (long long k = first; k < first + kMaxArrowSteps; ++k) {
      wx = bx + k * dir;
      wy = by + perp * (wx - bx);
      if ((wx - bx) * (wx - bx) + (wy - by) * (wy - by) >= 5 * 5) break;
    }
    return PixelPoint{Px(wx), Px(wy)};
  };
  return Arrowhead{PixelPoint{Px(bx), Px(by)}, wing(kStep), wing(-kStep)};
}

void DrawProcessLines(const DrawContext& d, const ChartProject& project) {
  Canvas& c = d.canvas;
  for (int k = 0; k < project.process_count(); ++k) {
    const AirProcess& p = project.process(k);
    if (!p.draw_line) continue;
    const int a = project.FindPoint(p.start_point), b = project.FindPoint(p.end_point);
    if (a < 0 || b < 0) continue;
    const PixelPoint start = d.g.MapToChart(project.point(a).state.t, project.point(a).state.x);
    const PixelPoint tip = d.g.MapToChart(project.point(b).state.t, project.point(b).state.x);
    Rgb color = d.s.process_color;
    if (k == d.s.selected_process) {
      color = colors::kYellow;
    } else if (k == d.s.previous_selected_process) {
      color = colors::kNavy;
    }
    c.SetPenColor(color);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenWidth(2);
    MoveTo(c, start);
    LineTo(c, tip);
    if (!d.s.DrawArrowheads()) continue;
    const std::optional<Arrowhead> head = ComputeArrowhead(start, tip);
    if (!head) continue;
    c.SetPenColor(colors::kGreen);
    MoveTo(c, head->base);
    LineTo(c, head->wing_a);
    LineTo(c, tip);
    MoveTo(c, head->base);
    LineTo(c, head->wing_b);
    LineTo(c, tip);
  }
}

// --------------------------------------------------------------- the chart

RenderResult RenderChart(Canvas& c, const ChartSettings& settings, const ChartProject& project, int wimg, int himg,
                         const RenderOptions& options) {
  const ChartGeometry g(settings, wimg, himg);
  const DrawContext d{c, g, settings, options.decimal_separator};
  DrawFrameAxesAndGrid(c, g, settings.units);
  c.SetFontName("Tahoma");
  c.SetFontHeight(15);

  if (settings.DrawIsenthalps())
    for (double h : IsenthalpValues(g.range(), settings.units)) DrawIsenthalp(d, h);
  if (settings.DrawRelativeHumidityLines())
    for (int k = 1; k <= 10; ++k) DrawRelativeHumidityLine(d, k / 10.0);
  DrawRelativeHumidityLine(d, 0.05);
  if (settings.DrawDensityLines())
    for (double rho : DensityValues(g.range(), settings.pb)) DrawDensityLine(d, rho);

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

  RenderResult result;
  if (project.process_count() > 0 && settings.ShowProcessTable()) {
    ProcessTableOptions table;
    table.units = settings.units;
    table.polish = settings.polish_texts;
    table.flow_as_mass = options.flow_as_mass;
    table.carrier_reference_y = options.carrier_table_reference;
    table.decimal_separator = options.decimal_separator;
    ProcessLoadTexts texts = DrawProcessTable(c, g, project, settings.pb, table);
    if (options.load_texts) *options.load_texts = std::move(texts);
    result.process_table_drawn = true;
  }
  c.Flush();
  return result;
}

}  // namespace orvanta::chart
