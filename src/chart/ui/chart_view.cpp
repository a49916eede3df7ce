#include "chart/ui/chart_view.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvanta {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setMouseTracking(true);
  setCursor(chart_cursor_);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
}

void ChartView::SetImage(QImage image) {
  image_ = std::move(image);
  update();
}

void ChartView::SetCursors(const QCursor& chart_cursor, const QCursor& point_cursor) {
  chart_cursor_ = chart_cursor;
  point_cursor_ = point_cursor;
  setCursor(over_point_ ? point_cursor_ : chart_cursor_);
}

void ChartView::SetOverPoint(bool over) {
  if (over == over_point_) return;
  over_point_ = over;
  setCursor(over_point_ ? point_cursor_ : chart_cursor_);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(0, 0, image_);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event->position().toPoint(), event->buttons()); }

void ChartView::mousePressEvent(QMouseEvent* event) {
  emit MousePressed(event->position().toPoint(), event->button());
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit MouseReleased(pos, event->button());
  if (event->button() != Qt::LeftButton) return;
  if (in_double_click_) {
    in_double_click_ = false;
    return;
  }
  if (rect().contains(pos)) emit Clicked(pos);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  in_double_click_ = true;
  emit DoubleClicked(event->position().toPoint());
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) { emit ContextMenuRequested(event->globalPos()); }

void ChartView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized(size());
}

}  // namespace orvanta
