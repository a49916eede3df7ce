// The chart canvas on a QPainter: a window, a QImage, a PDF or an SVG.
// Geometry is drawn without antialiasing so every pixel lands where the
// chart's formulas put it; text keeps the painter's text rendering.
// Fonts: a family that is not installed (the chart asks for "Tahoma") is
// replaced by the semi-condensed face of "DejaVu Sans", whose letter widths
// are close to what the label offsets assume, or else by the application's
// default family.
// Connected lines drawn with the same pen are collected into one polyline
// (the isolines are traced in thousands of tiny steps) and painted when
// another primitive comes, the pen changes, Flush() is called or the canvas
// is destroyed; destroy or flush the canvas before ending the painter.
// Font heights follow Canvas: positive = line height (ascent + descent) in
// pixels, negative = em height in pixels.
#pragma once

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPolygon>

#include "chart/canvas.h"

namespace orvanta::chart {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;
  void Flush() override;
  int TextWidth(std::string_view utf8) const override;

  // The Qt font the canvas uses for a canvas font.
  static QFont QtFontOf(const Font& font);

 protected:
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawRectangle(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawEllipse(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawText(PixelPoint top_left, std::string_view utf8) override;

 private:
  void ApplyPen(const Pen& p);
  void ApplyBrush();
  QPainter& painter_;
  QPolygon polyline_;  // pending connected lines
  Pen polyline_pen_;
  // The Qt font of the last text, kept while the canvas font stays the same.
  Font text_font_;
  QFont text_qfont_;
  int text_height_ = 0, text_ascent_ = 0;
  bool text_font_valid_ = false;
};

QColor ToQColor(Rgb c);

}  // namespace orvanta::chart
