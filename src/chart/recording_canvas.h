// A canvas that draws nothing and remembers every primitive with the pen,
// brush and font it was drawn with, so tests can check pixel formulas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/canvas.h"

namespace orvanta::chart {

struct Primitive {
  enum class Kind { Line, Rectangle, Ellipse, Text };
  Kind kind = Kind::Line;
  PixelPoint a, b;   // line ends, or the bounding box; text: a = top-left
  std::string text;  // Text only
  Pen pen;
  Brush brush;
  Font font;
};

class RecordingCanvas : public Canvas {
 public:
  const std::vector<Primitive>& primitives() const { return primitives_; }
  void Clear() { primitives_.clear(); }

  std::vector<Primitive> Of(Primitive::Kind kind) const;
  std::vector<Primitive> Lines() const { return Of(Primitive::Kind::Line); }
  std::vector<Primitive> Texts() const { return Of(Primitive::Kind::Text); }
  // Texts equal to `text`, in drawing order.
  std::vector<Primitive> TextsEqual(std::string_view text) const;
  // Index in primitives() of the first text equal to `text`, or -1.
  int IndexOfText(std::string_view text) const;
  // Lines drawn with this pen colour.
  std::vector<Primitive> LinesOfColor(Rgb color) const;

 protected:
  void DrawLine(PixelPoint from, PixelPoint to) override;
  void DrawRectangle(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawEllipse(PixelPoint top_left, PixelPoint bottom_right) override;
  void DrawText(PixelPoint top_left, std::string_view utf8) override;

 private:
  void Record(Primitive::Kind kind, PixelPoint a, PixelPoint b, std::string_view text);
  std::vector<Primitive> primitives_;
};

}  // namespace orvanta::chart
