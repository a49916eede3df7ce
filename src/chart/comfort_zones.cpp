#include "chart/comfort_zones.h"

#include <array>
#include <cmath>

#include "psychro/air.h"

namespace orvanta::chart {

namespace {

struct Vertex {
  double t, phi;
};
struct Polygon {
  std::array<Vertex, 4> v;
};
struct Box {
  double t_lo, t_hi, phi_lo, phi_hi;
};
struct Label {
  double t, x_g_per_kg;
  const char* polish;
  const char* english;
};

constexpr Polygon kAshraeSummer{{{{23.3, 0.25}, {22.8, 0.82}, {26.1, 0.64}, {27.2, 0.20}}}};
constexpr Polygon kAshraeWinter{{{{20.6, 0.30}, {20.0, 0.85}, {23.3, 0.66}, {24.4, 0.24}}}};
constexpr Box kEnSummer{23, 26, 0.30, 0.70};
constexpr Box kEnWinter{19, 24, 0.30, 0.70};
constexpr Box kDin{20, 26, 0.30, 0.65};

Label LabelOf(int index) {
  switch (index) {
    case kZoneAshraeSummer: return {27.5, 5, "ASHRAE 1997:lato", "ASHRAE 1997:summer"};
    case kZoneAshraeWinter: return {25.0, 5, "ASHRAE 1997:zima", "ASHRAE 1997:winter"};
    case kZoneEnSummer: return {26.5, 7, "EN 13779:lato", "EN 13779:summer"};
    case kZoneEnWinter: return {24.5, 6, "EN 13779:zima", "EN 13779:winter"};
    case kZoneDin: return {26.5, 6.5, "DIN 19461", "DIN 19461"};
    default: return {0, 0, "", ""};
  }
}

}  // namespace

double DinSaturationPressure(double t) { return SaturationPressurePolynomial(t); }

double ZoneMoisture(int index, double pb, double t, double phi) {
  const double ps = index == kZoneDin ? DinSaturationPressure(t) : SaturationPressure(t);
  return MoistureContent(pb, ps, phi);
}

std::string ComfortZoneLabel(int index, bool polish) {
  const Label l = LabelOf(index);
  return polish ? l.polish : l.english;
}

void DrawComfortZone(Canvas& c, const ChartGeometry& g, int index, double pb, bool polish) {
  if (index < kZoneAshraeSummer || index > kZoneDin) return;
  const Rgb saved_color = c.pen().color;
  const int saved_height = c.font().height;
  c.SetPenColor(colors::kNavy);
  auto at = [&](double t, double phi) { return g.MapToChart(t, ZoneMoisture(index, pb, t, phi)); };
  auto line_to = [&](PixelPoint p) { c.LineTo(p.x, p.y); };

  if (index == kZoneAshraeSummer || index == kZoneAshraeWinter) {
    const Polygon& poly = index == kZoneAshraeSummer ? kAshraeSummer : kAshraeWinter;
    const PixelPoint first = at(poly.v[0].t, poly.v[0].phi);
    c.MoveTo(first.x, first.y);
    for (size_t k = 1; k < poly.v.size(); ++k) line_to(at(poly.v[k].t, poly.v[k].phi));
    line_to(first);
  } else {
    const Box& b = index == kZoneEnSummer ? kEnSummer : index == kZoneEnWinter ? kEnWinter : kDin;
    const PixelPoint start = at(b.t_lo, b.phi_lo);
    c.MoveTo(start.x, start.y);
    line_to(at(b.t_lo, b.phi_hi));
    // Upper edge along phi_hi in 0.1 K steps, closed at t_hi with the
    // moisture content of the last traced step.
    double t = b.t_lo, x_last = 0;
    do {
      x_last = ZoneMoisture(index, pb, t, b.phi_hi);
      line_to(g.MapToChart(t, x_last));
      t += 0.1;
    } while (t < b.t_hi);
    line_to(g.MapToChart(b.t_hi, x_last));
    if (index == kZoneEnWinter) line_to(at(b.t_hi, b.phi_hi));
    line_to(at(b.t_hi, b.phi_lo));
    // Lower edge back along phi_lo.
    t = b.t_hi;
    do {
      x_last = ZoneMoisture(index, pb, t, b.phi_lo);
      line_to(g.MapToChart(t, x_last));
      t -= 0.1;
    } while (t > b.t_lo);
    line_to(g.MapToChart(b.t_lo, x_last));
  }

  c.SetFontHeight(13);
  const Label l = LabelOf(index);
  const PixelPoint lp = g.MapToChart(l.t, l.x_g_per_kg / 1000);
  c.TextOut(lp.x, lp.y, polish ? l.polish : l.english);
  c.SetPenColor(saved_color);
  c.SetFontHeight(saved_height);
}

}  // namespace orvanta::chart
