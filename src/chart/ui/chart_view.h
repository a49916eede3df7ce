// The chart image of the main window ("Image1"): shows the rendered chart
// and reports the mouse in image pixel coordinates, which are the chart's
// own coordinates (MapFromChart takes them as they are).
#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QWidget>

namespace orvanta {

class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  // The picture shown; its size is the chart's Wimg x Himg.
  void SetImage(QImage image);
  const QImage& image() const { return image_; }
  QImage& image() { return image_; }

  // Cursor 1 (over the chart) and cursor 2 (over a point). Cursor 1 is the
  // standard crosshair unless a cursor picture was found.
  void SetCursors(const QCursor& chart_cursor, const QCursor& point_cursor);
  // Shows cursor 2 while true, cursor 1 otherwise.
  void SetOverPoint(bool over);
  bool over_point() const { return over_point_; }

  QSize sizeHint() const override { return {800, 600}; }

 signals:
  void MouseMoved(QPoint pos, Qt::MouseButtons buttons);
  void MousePressed(QPoint pos, Qt::MouseButton button);
  void MouseReleased(QPoint pos, Qt::MouseButton button);
  // A left-button release inside the image. The release that ends a
  // double-click gives DoubleClicked instead (the first click of the pair
  // has been reported already, as it cannot be known in advance).
  void Clicked(QPoint pos);
  void DoubleClicked(QPoint pos);
  void ContextMenuRequested(QPoint global_pos);
  void Resized(QSize size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  QCursor chart_cursor_{Qt::CrossCursor};
  QCursor point_cursor_{Qt::PointingHandCursor};
  bool over_point_ = false;
  bool in_double_click_ = false;
};

}  // namespace orvanta
