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

QString InstalledFamily(const std::string& name) {
  static QHash<QString, QString> cache;
  static QMutex mutex;
  QMutexLocker lock(&mutex);
  const QString wanted = QString::fromStdString(name);
  auto it = cache.find(wanted);
  if (it != cache.end()) return *it;
  const QStringList families = QFontDatabase::families();
  QString family = wanted;
  if (!families.contains(wanted, Qt::CaseInsensitive))
    family = families.contains("DejaVu Sans") ? QString("DejaVu Sans") : QGuiApplication::font().family();
  cache.insert(wanted, family);
  return family;
}

// Line height (ascent + descent) per pixel of em size, per family.
double LineHeightRatio(const QString& family) {
  static QHash<QString, double> cache;
  static QMutex mutex;
  QMutexLocker lock(&mutex);
  auto it = cache.find(family);
  if (it != cache.end()) return *it;
  QFont f(family);
  f.setPixelSize(100);
  const QFontMetricsF fm(f);
  double ratio = (fm.ascent() + fm.descent()) / 100.0;
  if (!(ratio > 0.5 && ratio < 3)) ratio = 1.2;
  cache.insert(family, ratio);
  return ratio;
}

}  // namespace

QFont QtCanvas::QtFontOf(const Font& font) {
  const QString family = InstalledFamily(font.name);
  QFont f(family);
  int pixel_size = font.height < 0 ? -font.height
                                   : static_cast<int>(std::lround(font.height / LineHeightRatio(family)));
  f.setPixelSize(std::max(1, pixel_size));
  return f;
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::ApplyPen() {
  const Pen& p = pen();
  if (p.style == PenStyle::Clear) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen qp(ToQColor(p.color));
  qp.setWidth(std::max(1, p.width));
  qp.setCapStyle(Qt::RoundCap);
  qp.setJoinStyle(Qt::RoundJoin);
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
  ApplyPen();
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::DrawRectangle(PixelPoint tl, PixelPoint br) {
  ApplyPen();
  ApplyBrush();
  // The right and bottom edges are excluded, as the canvas contract says.
  painter_.drawRect(QRect(QPoint(tl.x, tl.y), QPoint(br.x - 1, br.y - 1)).normalized().adjusted(0, 0, -1, -1));
}

void QtCanvas::DrawEllipse(PixelPoint tl, PixelPoint br) {
  ApplyPen();
  ApplyBrush();
  painter_.drawEllipse(QRect(QPoint(tl.x, tl.y), QPoint(br.x - 1, br.y - 1)).normalized().adjusted(0, 0, -1, -1));
}

void QtCanvas::DrawText(PixelPoint tl, std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFont f = QtFontOf(font());
  painter_.setFont(f);
  const QFontMetrics fm(f);
  if (brush().style != BrushStyle::Clear)
    painter_.fillRect(QRect(tl.x, tl.y, fm.horizontalAdvance(text), fm.height()), ToQColor(brush().color));
  painter_.setPen(ToQColor(font().color));
  painter_.drawText(tl.x, tl.y + fm.ascent(), text);
}

}  // namespace orvanta::chart
