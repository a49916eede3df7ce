// The year chart of the energy calculator: the outdoor temperature and the
// hourly energies of a calculated year, drawn with QPainter (the window and
// the report's picture share it), and its widget with the hover readout.
#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "calculators/energy/energy.h"

class QFontMetrics;
class QPainter;

namespace orvanta {

// What the year chart draws: the climate year, the results of the last
// calculation and which curves are on.
struct YearChartData {
  const std::vector<ClimateHour>* year = nullptr;
  const EnergyResults* results = nullptr;
  EnergySections sections;
  int hover = -1;  // position under the mouse, -1 for none
};
// Draws the year chart into `area`: the outdoor temperature as bars from the
// mid-height axis, the hourly heating, cooling, humidification and
// adiabatic water as curves, axes in °C and kWh, the month ticks and a
// legend. Empty (frame only) before a calculation.
void PaintYearChart(QPainter& p, const QRect& area, const YearChartData& data);
// The plot inside `area` when drawn with font metrics `fm` (hours map across its width).
QRect YearChartPlot(const QRect& area, const QFontMetrics& fm);
// Where the legend's entries go (temperature first, then the curves of the
// sections on): in rows above the plot, clear of the energy axis's unit.
std::vector<QRect> YearChartLegend(const QRect& area, const QFontMetrics& fm, const EnergySections& on);

// "Image1": the year chart; moving the mouse over it reports the hour.
class YearChartView : public QWidget {
 public:
  explicit YearChartView(QWidget* parent);
  void SetData(const YearChartData& data);
  // The plot rectangle inside the widget (hours map across its width).
  QRect PlotRect() const;
  // The position of the year under widget x, or -1 outside the plot.
  int HourAt(int x) const;
  std::function<void(int)> hovered;
  QSize sizeHint() const override { return {860, 340}; }
  QSize minimumSizeHint() const override { return {560, 240}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent*) override;

 private:
  YearChartData data_;
};

}  // namespace orvanta
