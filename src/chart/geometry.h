// Turning an air state into a chart pixel and back, the axes, ticks and grid,
// the range (zoom) commands and the texts of the pressure panel.
#pragma once

#include <optional>
#include <string>

#include "chart/canvas.h"
#include "chart/chart_settings.h"

namespace orvanta::chart {

// The range values clamped to their limits, with a zero temperature span
// (both ends 0) opened to 0..5 so that no scale is divided by zero.
ChartRange SanitizedRange(ChartRange r);

struct TX {
  double t = 0;  // [°C]
  double x = 0;  // [kg/kg]
};

class ChartGeometry {
 public:
  ChartGeometry(const ChartSettings& settings, int wimg, int himg);

  PixelPoint MapToChart(double t, double x) const;
  // x not above 0 becomes 1e-6 kg/kg; t is not limited.
  TX MapFromChart(int mx, int my) const;

  ChartLayout layout() const { return layout_; }
  const ChartRange& range() const { return range_; }
  int wimg() const { return wimg_; }
  int himg() const { return himg_; }
  int trange() const { return trange_; }
  int xrange() const { return xrange_; }
  int moisture_step() const { return xrange_ < 50 ? 1 : 2; }
  int hrange() const { return hrange_; }
  int vrange() const { return vrange_; }
  double hscale() const { return hscale_; }
  double vscale() const { return vscale_; }
  int hstep() const { return hstep_; }
  int vstep() const { return vstep_; }
  int hcount() const { return hcount_; }
  int vcount() const { return vcount_; }

 private:
  ChartLayout layout_;
  ChartRange range_;
  int wimg_, himg_;
  int trange_, xrange_, hrange_, vrange_;
  double hscale_, vscale_;
  int hstep_, vstep_, hcount_, vcount_;
};

// Clears the bitmap and draws frame, axes with arrowheads, axis titles, ticks
// with labels and the grid, leaving the font at height 15 and the pen as the
// grid's (silver, width 1) for the isolines that follow.
void DrawFrameAxesAndGrid(Canvas& canvas, const ChartGeometry& g, UnitSystem units);

// The axis titles (horizontal, vertical) of a layout and unit system.
struct AxisTitles {
  std::string horizontal, vertical;
};
AxisTitles AxisTitleTexts(ChartLayout layout, UnitSystem units);

// Zoom commands. Each returns the new range, or nullopt when the command is
// refused because it would make the temperature span zero (the caller keeps
// the range it has). A value already at its limit stays there.
std::optional<ChartRange> ZoomXPlus(ChartRange r);       // Xorg + 5, at most 200
std::optional<ChartRange> ZoomXMinus(ChartRange r);      // Xorg - 5, at least 5
std::optional<ChartRange> ZoomTPlus(ChartRange r);       // Torgup + 5, at most 200
std::optional<ChartRange> ZoomTMinus(ChartRange r);      // Torgup - 5, at least 0
std::optional<ChartRange> ZoomTDownPlus(ChartRange r);   // Torgdown + 5, 0 at most
std::optional<ChartRange> ZoomTDownMinus(ChartRange r);  // Torgdown - 5, -60 at least
ChartRange DefaultRange();                               // -30..40 °C, 0..20 g/kg

// Texts of the barometric-pressure panel: value (Label18), unit (Label19) and
// altitude line (Label38) = altitude_caption + " " + altitude + " m".
struct PressurePanel {
  std::string value, unit, altitude;
};
PressurePanel PressurePanelTexts(double pb, UnitSystem units, const std::string& altitude_caption,
                                 char decimal_separator = '.');

}  // namespace orvanta::chart
