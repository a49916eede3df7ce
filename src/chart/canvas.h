// The drawing surface of the chart, with the operations of a classic raster
// canvas: a pen (colour, width, style), a brush, a font (name, height,
// colour) and a current pen position. The chart code draws only through this
// interface; QtCanvas paints on a QPainter, RecordingCanvas records for tests.
//
// Coordinates are integer pixels, y growing downwards.
// - LineTo draws from the pen position to (x, y) and moves the pen there.
// - Rectangle and Ellipse take the bounding box (x1, y1)-(x2, y2) with the
//   right and bottom edges excluded; the inside is filled with the brush
//   (unless the brush is clear) and the outline drawn with the pen.
// - TextOut writes UTF-8 text with its top-left corner at (x, y), in the font
//   colour, on a background of the brush colour unless the brush is clear.
// - Font heights are pixel heights: a positive height is the height of the
//   text line (ascent + descent), a negative one the em height. SetFontSize
//   takes points at 96 dpi (size 10 = em height 13 px).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "chart/color.h"

namespace orvanta::chart {

enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
  Rgb color = colors::kBlack;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Rgb color = colors::kWhite;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  std::string name = "Tahoma";
  int height = -11;  // 8 pt
  Rgb color = colors::kBlack;
  friend bool operator==(const Font&, const Font&) = default;
};

struct PixelPoint {
  int x = 0, y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // State. Changing it draws nothing.
  void SetPenColor(Rgb c) { pen_.color = c; }
  void SetPenWidth(int w) { pen_.width = w; }
  void SetPenStyle(PenStyle s) { pen_.style = s; }
  void SetBrushColor(Rgb c) { brush_.color = c; }
  void SetBrushStyle(BrushStyle s) { brush_.style = s; }
  void SetFontName(std::string name) { font_.name = std::move(name); }
  void SetFontHeight(int h) { font_.height = h; }
  void SetFontSize(int points) { font_.height = -((points * 96 + 36) / 72); }
  void SetFontColor(Rgb c) { font_.color = c; }
  const Pen& pen() const { return pen_; }
  const Brush& brush() const { return brush_; }
  const Font& font() const { return font_; }
  PixelPoint pen_pos() const { return pos_; }

  // Drawing.
  void MoveTo(int x, int y) { pos_ = {x, y}; }
  void LineTo(int x, int y) {
    DrawLine(pos_, {x, y});
    pos_ = {x, y};
  }
  void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
  }
  void Rectangle(int x1, int y1, int x2, int y2) { DrawRectangle({x1, y1}, {x2, y2}); }
  void Ellipse(int x1, int y1, int x2, int y2) { DrawEllipse({x1, y1}, {x2, y2}); }
  void TextOut(int x, int y, std::string_view utf8) { DrawText({x, y}, utf8); }
  // Completes whatever a surface has buffered; the chart calls it when done.
  virtual void Flush() {}
  // Width in pixels of a text in the current font. Surfaces that draw real
  // letters measure them; the default estimates 0.55 of the font height per
  // character, near the average letter of the chart's fonts.
  virtual int TextWidth(std::string_view utf8) const;

 protected:
  // The primitives a surface implements, with the state above in force.
  virtual void DrawLine(PixelPoint from, PixelPoint to) = 0;
  virtual void DrawRectangle(PixelPoint top_left, PixelPoint bottom_right) = 0;
  virtual void DrawEllipse(PixelPoint top_left, PixelPoint bottom_right) = 0;
  virtual void DrawText(PixelPoint top_left, std::string_view utf8) = 0;

 private:
  Pen pen_;
  Brush brush_;
  Font font_;
  PixelPoint pos_;
};

}  // namespace orvanta::chart
