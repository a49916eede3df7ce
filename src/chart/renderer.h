// The full chart: frame, axes and grid, isolines, comfort zone, points,
// direction-coefficient lines, process lines and the process table, drawn
// afresh in this order from the project and the chart settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "project/chart_project.h"
#include "project/process_loads.h"

namespace orvanta::chart {

// What the chart needs besides the settings and the project.
struct RenderOptions {
  char decimal_separator = '.';
  // The flow choice of the point and process dialogs: volume (V) or mass (m).
  bool flow_as_mass = false;
  // CARRIER layout: the process table hangs below this line (the bottom edge
  // of the main window's point panel).
  int carrier_table_reference = 530;
  // The report buffer of process loads. Overwritten whenever the process
  // table is drawn; left as it is otherwise. May be null.
  ProcessLoadTexts* load_texts = nullptr;
};

struct RenderResult {
  bool process_table_drawn = false;
};

// Draws the whole chart on a wimg x himg bitmap. Drawing never changes the
// project: the caller refreshes its dependent points (RefreshDependentPoints)
// first, as the full redraw does.
RenderResult RenderChart(Canvas& canvas, const ChartSettings& settings, const ChartProject& project, int wimg, int himg,
                         const RenderOptions& options = {});

// The pieces, for tests and for callers that draw one element.
struct DrawContext {
  Canvas& canvas;
  const ChartGeometry& g;
  const ChartSettings& s;
  char decimal_separator = '.';
};

// The isenthalp values of the range: SI every 5 kJ/kg from Torgdown + 5,
// IP every 2 Btu/lb from -18 Btu/lb (values in kJ/kg), up to the first value
// not below the enthalpy of the range's top-right corner.
std::vector<double> IsenthalpValues(const ChartRange& range, UnitSystem units);
// The density isoline values [kg/m3] of the range at pb.
std::vector<double> DensityValues(const ChartRange& range, double pb);

// The most steps one isoline or coefficient trace may take on a bitmap of
// this size: proportional to the bitmap's width plus height, at least what
// the widest range needs (260 K in 0.005 K steps) and at most 400 000, so
// that no value in a project or in the settings can make a redraw slow.
inline constexpr long long kTraceStepsPerPixel = 300;
inline constexpr long long kTraceStepsMin = 60'000, kTraceStepsMax = 400'000;
int TraceStepBudget(const ChartGeometry& g);

void DrawIsenthalp(const DrawContext& d, double h);
void DrawRelativeHumidityLine(const DrawContext& d, double phi);
void DrawDensityLine(const DrawContext& d, double rho);

// Label of a point: the name, a space and the bracketed value parts chosen by
// the settings. value_chars is the number of characters of the value part.
struct PointLabel {
  std::string text;
  int value_chars = 0;
};
PointLabel PointLabelOf(const ChartPoint& p, const ChartSettings& s, char decimal_separator);
// Label offset (dx, dy) for a position; for Left the value-part length n and
// the label font height give -rnd(F n 0.42) - 28. None counts as Right.
PixelPoint LabelOffset(LabelPosition pos, int font_height, int value_chars);
// The default offset of the settings' default label position (Left: -28).
PixelPoint DefaultLabelOffset(LabelPosition pos);
// Where a point's label of `width` x `height` pixels is written when its
// offset would put it (partly) outside the wimg x himg picture: moved to the
// left of the point when it passes the right edge, and inside the picture
// otherwise; labels that fit stay where their offset puts them.
PixelPoint KeepLabelInside(PixelPoint point, PixelPoint label, int width, int height, int wimg, int himg);

void DrawPoints(const DrawContext& d, const ChartProject& project);
void DrawCoefficientLines(const DrawContext& d, const ChartProject& project);
void DrawProcessLines(const DrawContext& d, const ChartProject& project);

// The arrowhead of a process line at `tip`, in pixels: base 15 px back along
// the line, wings 5 px either side on the perpendicular. nullopt when the
// line is horizontal in pixels (and not a single point).
struct Arrowhead {
  PixelPoint base, wing_a, wing_b;
};
std::optional<Arrowhead> ComputeArrowhead(PixelPoint start, PixelPoint tip);

}  // namespace orvanta::chart
