#include "chart/recording_canvas.h"

namespace orvanta::chart {

void RecordingCanvas::Record(Primitive::Kind kind, PixelPoint a, PixelPoint b, std::string_view text) {
  primitives_.push_back(Primitive{kind, a, b, std::string(text), pen(), brush(), font()});
}

void RecordingCanvas::DrawLine(PixelPoint from, PixelPoint to) { Record(Primitive::Kind::Line, from, to, {}); }
void RecordingCanvas::DrawRectangle(PixelPoint tl, PixelPoint br) { Record(Primitive::Kind::Rectangle, tl, br, {}); }
void RecordingCanvas::DrawEllipse(PixelPoint tl, PixelPoint br) { Record(Primitive::Kind::Ellipse, tl, br, {}); }
void RecordingCanvas::DrawText(PixelPoint tl, std::string_view utf8) { Record(Primitive::Kind::Text, tl, tl, utf8); }

std::vector<Primitive> RecordingCanvas::Of(Primitive::Kind kind) const {
  std::vector<Primitive> out;
  for (const auto& p : primitives_)
    if (p.kind == kind) out.push_back(p);
  return out;
}

std::vector<Primitive> RecordingCanvas::TextsEqual(std::string_view text) const {
  std::vector<Primitive> out;
  for (const auto& p : primitives_)
    if (p.kind == Primitive::Kind::Text && p.text == text) out.push_back(p);
  return out;
}

int RecordingCanvas::IndexOfText(std::string_view text) const {
  for (size_t i = 0; i < primitives_.size(); ++i)
    if (primitives_[i].kind == Primitive::Kind::Text && primitives_[i].text == text) return static_cast<int>(i);
  return -1;
}

std::vector<Primitive> RecordingCanvas::LinesOfColor(Rgb color) const {
  std::vector<Primitive> out;
  for (const auto& p : primitives_)
    if (p.kind == Primitive::Kind::Line && p.pen.color == color) out.push_back(p);
  return out;
}

}  // namespace orvanta::chart
