// The chart canvas on a QPainter: a window, a QImage, a PDF or an SVG.
// Geometry is drawn without antialiasing so every pixel lands where the
// chart's formulas put it; text keeps the painter's text rendering.
// Fonts: a family that is not installed (the chart asks for "Tahoma") is
// replaced by "DejaVu Sans", or by the application's default family.
// Font heights follow Canvas: positive = line height (ascent + descent) in
// pixels, negative = em height in pixels.
#pragma once

#include <QFont>
#include <QHash>
#include <QPainter>

#include "chart/canvas.h"

namespace orvanta::chart {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  // The Qt font the canvas uses for a canvas font.
  static QFont QtFontOf(const Font& font);

 protected:
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawRectangle(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawEllipse(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawText(PixelPoint top_left, std::string_view utf8) override;

 private:
  void ApplyPen();
  void ApplyBrush();
  QPainter& painter_;
};

QColor ToQColor(Rgb c);

}  // namespace orvanta::chart
