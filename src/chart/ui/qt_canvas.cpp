#include "chart/ui/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMutex>
#include <QString>
#include <cmath>

namespace orvanta::chart {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

namespace {

// The family drawn for a requested one, and whether the narrow (semi-
// condensed) face of the substitute is to be used: the chart's label
// offsets assume the narrow letters of the family it asks for.
struct Substitute {
  QString family;
  bool narrow = false;
};

Substitute InstalledFamily(const std::string& name) {
  static QHash<QString, Substitute> cache;
  static QMutex mutex;
  QMutexLocker lock(&mutex);
  const QString wanted = QString::fromStdString(name);
  auto it = cache.find(wanted);
  if (it != cache.end()) return *it;
  const QStringList families = QFontDatabase::families();
  Substitute family{wanted, false};
  if (!families.contains(wanted, Qt::CaseInsensitive)) {
    if (families.contains("DejaVu Sans"))
      family = {"DejaVu Sans", true};
    else
      family = {QGuiApplication::font().family(), false};
  }
  cache.insert(wanted, family);
  return family;
}

// Line height (ascent + descent) per pixel of em size, per family.
double LineHeightRatio(const QFont& face) {
  static QHash<QString, double> cache;
  static QMutex mutex;
  QMutexLocker lock(&mutex);
  const QString key = face.family() + QString::number(face.stretch());
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  QFont f(face);
  f.setPixelSize(100);
  const QFontMetricsF fm(f);
  double ratio = (fm.ascent() + fm.descent()) / 100.0;
  if (!(ratio > 0.5 && ratio < 3)) ratio = 1.2;
  cache.insert(key, ratio);
  return ratio;
}

}  // namespace

QFont QtCanvas::QtFontOf(const Font& font) {
  const Substitute family = InstalledFamily(font.name);
  QFont f(family.family);
  if (family.narrow) f.setStretch(QFont::SemiCondensed);
  int pixel_size = font.height < 0 ? -font.height
                                   : static_cast<int>(std::lround(font.height / LineHeightRatio(f)));
  f.setPixelSize(std::max(1, pixel_size));
  return f;
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtCanvas::~QtCanvas() { Flush(); }

void QtCanvas::Flush() {
  if (polyline_.isEmpty()) return;
  // A line from a pixel to itself draws nothing (a process from a point to
  // itself leaves no dot in its marker).
  if (polyline_.size() > 1) {
    ApplyPen(polyline_pen_);
    painter_.drawPolyline(polyline_);
  }
  polyline_.clear();
}

void QtCanvas::ApplyPen(const Pen& p) {
  if (p.style == PenStyle::Clear) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen qp(ToQColor(p.color));
  qp.setWidth(std::max(1, p.width));
  // Square ends and bevelled joins: at the chart's pen widths (1 and 2) they
  // look like round ones and stroke much faster along traced isolines.
  qp.setCapStyle(Qt::SquareCap);
  qp.setJoinStyle(Qt::BevelJoin);
  qp.setStyle(p.style == PenStyle::Dash ? Qt::DashLine : p.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(qp);
}

void QtCanvas::ApplyBrush() {
  if (brush().style == BrushStyle::Clear)
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(ToQColor(brush().color));
}

void QtCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  const QPoint a(from.x, from.y), b(to.x, to.y);
  if (!polyline_.isEmpty() && polyline_.last() == a && polyline_pen_ == pen()) {
    if (b != a) polyline_.append(b);
    return;
  }
  Flush();
  polyline_pen_ = pen();
  polyline_.append(a);
  if (b != a) polyline_.append(b);
}

void QtCanvas::DrawRectangle(PixelPoint tl, PixelPoint br) {
  Flush();
  ApplyPen(pen());
  ApplyBrush();
  // The right and bottom edges are excluded, as the canvas contract says.
  painter_.drawRect(QRect(QPoint(tl.x, tl.y), QPoint(br.x - 1, br.y - 1)).normalized().adjusted(0, 0, -1, -1));
}

void QtCanvas::DrawEllipse(PixelPoint tl, PixelPoint br) {
  Flush();
  ApplyPen(pen());
  ApplyBrush();
  painter_.drawEllipse(QRect(QPoint(tl.x, tl.y), QPoint(br.x - 1, br.y - 1)).normalized().adjusted(0, 0, -1, -1));
}

int QtCanvas::TextWidth(std::string_view utf8) const {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  return QFontMetrics(QtFontOf(font())).horizontalAdvance(text);
}

void QtCanvas::DrawText(PixelPoint tl, std::string_view utf8) {
  Flush();
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (!text_font_valid_ || !(text_font_ == font())) {
    text_font_ = font();
    text_qfont_ = QtFontOf(text_font_);
    const QFontMetrics fm(text_qfont_);
    text_height_ = fm.height();
    text_ascent_ = fm.ascent();
    text_font_valid_ = true;
  }
  painter_.setFont(text_qfont_);
  if (brush().style != BrushStyle::Clear) {
    const int width = painter_.fontMetrics().horizontalAdvance(text);
    painter_.fillRect(QRect(tl.x, tl.y, width, text_height_), ToQColor(brush().color));
  }
  painter_.setPen(ToQColor(font().color));
  painter_.drawText(tl.x, tl.y + text_ascent_, text);
}

}  // namespace orvanta::chart
