#include "calculators/ui/energy_year_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

namespace {

// Curve colours of the year chart, also used by its legend.
const QColor kHeatColour(200, 30, 30);
const QColor kCoolColour(30, 70, 210);
const QColor kHumidColour(20, 150, 40);
const QColor kWaterColour(140, 40, 170);
const QColor kTemperatureColour(192, 192, 192);

QString Num(double v, int decimals) {
  return QString::fromStdString(calculators::ShownNumber(v, decimals, UiDecimalSeparator()));
}

}  // namespace

namespace {

struct LegendEntry {
  QString text;
  QColor colour;
  bool bar;
};

// The outdoor temperature and the curves of the sections on.
std::vector<LegendEntry> LegendEntries(const EnergySections& on) {
  const bool pl = calcui::PolishTexts();
  std::vector<LegendEntry> legend = {{pl ? "temperatura zewnętrzna [°C]" : "outdoor temperature [°C]", kTemperatureColour, true}};
  if (on.heater) legend.push_back({pl ? "ogrzewanie [kWh]" : "heating [kWh]", kHeatColour, false});
  if (on.cooler) legend.push_back({pl ? "chłodzenie [kWh]" : "cooling [kWh]", kCoolColour, false});
  if (on.humidifier) legend.push_back({pl ? "nawilżanie [kWh]" : "humidification [kWh]", kHumidColour, false});
  if (on.adiabatic)
    legend.push_back({pl ? "woda chłodnicy adiabatycznej [kg]" : "adiabatic cooler water [kg]", kWaterColour, false});
  return legend;
}

constexpr int kLegendMark = 24;  // the colour sample and its gap before the text
constexpr int kLegendGap = 18;   // between two entries

// The legend's entries placed in rows from `left` that wrap before `right`.
std::vector<QRect> PlaceLegend(const std::vector<LegendEntry>& entries, int left, int right, int top,
                               const QFontMetrics& fm) {
  std::vector<QRect> boxes;
  const int h = fm.height() + 4;
  int x = left, y = top;
  for (const LegendEntry& e : entries) {
    const int w = kLegendMark + fm.horizontalAdvance(e.text);
    if (x > left && x + w > right) {
      x = left;
      y += h;
    }
    boxes.emplace_back(x, y, w, h);
    x += w + kLegendGap;
  }
  return boxes;
}

struct YearChartLayout {
  QRect plot;
  int legend_left = 0, legend_right = 0, legend_top = 0;
};

// The legend keeps clear of the energy axis's unit above the plot's right
// edge; its rows are counted for the full legend (every section on), so the
// plot keeps its place whatever the switches.
YearChartLayout LayoutOf(const QRect& area, const QFontMetrics& fm) {
  const int h = fm.height();
  YearChartLayout l;
  const int left = fm.horizontalAdvance("-30 °C") + 14;
  const int right = fm.horizontalAdvance("kWh, kg") + 16;
  l.legend_left = area.left() + 8;
  l.legend_right = area.right() - right;
  l.legend_top = area.top() + 4;
  const std::vector<QRect> full = PlaceLegend(LegendEntries(EnergySections{}), l.legend_left, l.legend_right,
                                              l.legend_top, fm);
  const int legend_bottom = full.empty() ? l.legend_top : full.back().bottom();
  l.plot = QRect(area.left() + left, legend_bottom + 6, area.width() - left - right,
                 area.bottom() - legend_bottom - 6 - (h + 10));
  return l;
}

// A round step for about `n` ticks over `span`.
double NiceStep(double span, int n) {
  if (span <= 0) return 1;
  const double raw = span / n;
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (raw <= m * p) return m * p;
  return 10 * p;
}

// The polyline through every hour, reduced to what a pixel column can show:
// per column its first, lowest, highest and last value, in the order they
// come, so the drawn line is the same as through all 8760 points.
template <class XOf>
void AddDecimatedCurve(QPolygonF& line, const std::vector<double>& values, const XOf& x_of, double mid,
                       double ke) {
  for (int j = 0; j < 8760;) {
    const int x = x_of(j);
    const int first = j;
    int low = j, high = j;
    for (; j < 8760 && x_of(j) == x; ++j) {
      if (values[j] < values[low]) low = j;
      if (values[j] > values[high]) high = j;
    }
    const int last = j - 1;
    int picks[4] = {first, std::min(low, high), std::max(low, high), last};
    int previous = -1;
    for (int k : picks) {
      if (k == previous) continue;
      line << QPointF(x, mid - values[k] * ke);
      previous = k;
    }
  }
}

}  // namespace

QRect YearChartPlot(const QRect& area, const QFontMetrics& fm) { return LayoutOf(area, fm).plot; }

std::vector<QRect> YearChartLegend(const QRect& area, const QFontMetrics& fm, const EnergySections& on) {
  const YearChartLayout l = LayoutOf(area, fm);
  return PlaceLegend(LegendEntries(on), l.legend_left, l.legend_right, l.legend_top, fm);
}

void PaintYearChart(QPainter& p, const QRect& area, const YearChartData& data) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(area, Qt::white);
  QFont font = p.font();
  const QFontMetrics fm(font);
  const YearChartLayout l = LayoutOf(area, fm);
  const QRect plot = l.plot;
  p.setPen(QPen(Qt::gray, 1));
  p.drawRect(plot.adjusted(0, 0, -1, -1));
  const bool drawn = data.year && data.results && data.results->has_chart() && data.year->size() == 8760;
  const double mid = plot.top() + plot.height() / 2.0;

  // Legend: the outdoor temperature and the curves of the sections on.
  {
    const std::vector<LegendEntry> legend = LegendEntries(data.sections);
    const std::vector<QRect> boxes = PlaceLegend(legend, l.legend_left, l.legend_right, l.legend_top, fm);
    for (size_t k = 0; k < legend.size(); ++k) {
      const LegendEntry& e = legend[k];
      const int x = boxes[k].left(), cy = boxes[k].center().y();
      if (e.bar) {
        p.fillRect(QRect(x, cy - 5, 18, 10), e.colour);
      } else {
        p.setPen(QPen(e.colour, 2));
        p.drawLine(x, cy, x + 18, cy);
      }
      p.setPen(Qt::black);
      p.drawText(QPoint(x + kLegendMark, cy + fm.ascent() / 2 - 1), e.text);
    }
  }

  if (!drawn) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(plot.left(), mid), QPointF(plot.right(), mid));
    p.restore();
    return;
  }
  const std::vector<ClimateHour>& year = *data.year;
  const EnergyResults& r = *data.results;
  const YearChartScale s = YearChart(r, year, plot.height());
  const int w = plot.width();
  auto x_of = [&](int position) { return plot.left() + YearChartX(position, w); };

  // Temperature bars from the axis. Several hours share a pixel column: the
  // column shows the union of their bars, drawn once.
  p.setPen(QPen(kTemperatureColour, 1));
  for (int i = 0; i < 8760;) {
    const int x = x_of(i);
    double high = 0, low = 0;
    for (; i < 8760 && x_of(i) == x; ++i) {
      high = std::max(high, year[i].t);
      low = std::min(low, year[i].t);
    }
    p.drawLine(QPointF(x, mid - low * s.ky), QPointF(x, mid - high * s.ky));
  }
  // Left axis: temperature.
  p.setPen(Qt::black);
  const double t_top = (plot.height() / 2.0) / s.ky;
  const double t_step = NiceStep(t_top, 4);
  for (double t = -std::floor(t_top / t_step) * t_step; t <= t_top + 1e-9; t += t_step) {
    const double y = mid - t * s.ky;
    p.setPen(QPen(QColor(225, 225, 225), 1, Qt::DotLine));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(Qt::black);
    p.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
    const QString label = Num(t, 0) + " °C";
    p.drawText(QRectF(area.left(), y - fm.height() / 2.0, plot.left() - area.left() - 6, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, label);
  }
  // Right axis: energy per hour (the curves' common scale).
  if (s.ke > 0) {
    const double e_top = (plot.height() / 2.0) / s.ke;
    const double e_step = NiceStep(e_top, 4);
    for (double e = e_step; e <= e_top + 1e-9; e += e_step) {
      const double y = mid - e * s.ke;
      p.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
      p.drawText(QRectF(plot.right() + 6, y - fm.height() / 2.0, area.right() - plot.right() - 6, fm.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, Num(e, e_step < 1 ? 2 : (e_step < 10 ? 1 : 0)));
    }
    p.drawText(QRectF(plot.right() + 4, plot.top() - fm.height() - 2, area.right() - plot.right() - 4, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, "kWh, kg");
    p.setRenderHint(QPainter::Antialiasing, true);
    const std::pair<const std::vector<double>*, std::pair<bool, QColor>> curves[] = {
        // The water first, so that the energy curves stay on top of it.
        {&r.water, {data.sections.adiabatic, kWaterColour}},
        {&r.heating, {data.sections.heater, kHeatColour}},
        {&r.cooling, {data.sections.cooler, kCoolColour}},
        {&r.humidification, {data.sections.humidifier, kHumidColour}},
    };
    for (const auto& [values, style] : curves) {
      if (!style.first || values->size() != 8760) continue;
      QPolygonF line{QPointF(x_of(0), mid)};
      AddDecimatedCurve(line, *values, x_of, mid, s.ke);
      QPen pen(style.second, 1.3);
      pen.setCosmetic(true);  // the rasteriser's fast line path
      p.setPen(pen);
      // Stroked in short pieces: one long path of many up-and-down strokes
      // is slow to fill antialiased.
      constexpr qsizetype kPiece = 32;
      for (qsizetype k = 0; k + 1 < line.size(); k += kPiece - 1)
        p.drawPolyline(line.constData() + k, int(std::min(kPiece, line.size() - k)));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  // The axis and the month ticks; each month's number under its middle.
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(QPointF(plot.left(), mid), QPointF(plot.right(), mid));
  std::vector<int> starts = {0};
  starts.insert(starts.end(), s.month_starts.begin(), s.month_starts.end());
  for (size_t k = 0; k < starts.size(); ++k) {
    const double x = x_of(starts[k]);
    if (k > 0) p.drawLine(QPointF(x, mid + 10), QPointF(x, mid - 10));
    const double next = k + 1 < starts.size() ? x_of(starts[k + 1]) : plot.right();
    p.drawText(QRectF(x, plot.bottom() + 4, next - x, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(year[starts[k]].month));
  }
  // The hour under the mouse.
  if (data.hover >= 0 && data.hover < 8760) {
    p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    const double x = x_of(data.hover);
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
  p.restore();
}

YearChartView::YearChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void YearChartView::SetData(const YearChartData& data) {
  data_ = data;
  update();
}

QRect YearChartView::PlotRect() const { return LayoutOf(rect(), fontMetrics()).plot; }

int YearChartView::HourAt(int x) const {
  const QRect plot = PlotRect();
  if (x < plot.left() || x > plot.right() || plot.width() <= 0) return -1;
  return HourUnderMouse(x - plot.left(), plot.width());
}

void YearChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintYearChart(p, rect(), data_);
}

void YearChartView::mouseMoveEvent(QMouseEvent* event) {
  const int hour = HourAt(event->position().toPoint().x());
  if (hour == data_.hover) return;
  data_.hover = hour;
  update();
  if (hour >= 0 && hovered) hovered(hour);
}

void YearChartView::leaveEvent(QEvent*) {
  data_.hover = -1;
  update();
}

}  // namespace orvanta
