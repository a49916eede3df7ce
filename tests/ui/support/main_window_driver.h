// Drives the real main window in tests: real mouse events on the chart,
// answers to the modal dialogs a command opens, points by name.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/main_window.h"
#include "chart/geometry.h"
#include "chart/ui/chart_interaction.h"
#include "chart/ui/chart_view.h"
#include "chart/ui/point_commands.h"
#include "psychro/state.h"

namespace orvanta::test {

// Runs an answer on the modal dialog that the next command opens; records
// the objectNames of the dialogs it met ("(none)" when none was open).
class ModalAnswers {
 public:
  void Next(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [this, answer] {
      QWidget* w = QApplication::activeModalWidget();
      shown << (w ? w->objectName() : QString("(none)"));
      if (w) answer(w);
    });
  }
  QStringList shown;
};

// The new-point dialog: the name typed, then OK ("BitBtn1").
inline void NamePoint(QWidget* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>("Edit1");
  if (!edit) return;
  edit->setText(name);
  emit edit->textEdited(name);
  if (auto* ok = dialog->findChild<QPushButton*>("BitBtn1")) ok->click();
}

inline void CancelDialog(QWidget* dialog) {
  if (auto* cancel = dialog->findChild<QPushButton*>("BitBtn2")) cancel->click();
}

class MainWindowDriver {
 public:
  MainWindowDriver() : window_(std::make_unique<MainWindow>(std::make_unique<MemoryStore>())) {
    window_->resize(1400, 900);
    window_->show();
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    // A click on a point defines a new point at once instead of waiting for a double-click.
    if (auto* points = window_->findChild<PointCommands*>("PointCommands")) points->interaction()->set_double_click_interval(0);
  }
  ~MainWindowDriver() {
    window_->project().set_modified(false);
    window_->close();
  }

  MainWindow& window() { return *window_; }
  ChartView& view() { return *window_->chart_view(); }
  template <typename T>
  T* Find(const QString& name) {
    return window_->findChild<T*>(name);
  }

  chart::ChartGeometry Geometry() {
    const QImage& image = window_->chart_image();
    return chart::ChartGeometry(window_->settings().chart, image.width(), image.height());
  }
  QPoint PixelOf(double t, double x) {
    const auto p = Geometry().MapToChart(t, x);
    return {p.x, p.y};
  }
  QPoint PixelOfPoint(const std::string& name) {
    const int k = window_->project().FindPoint(name);
    const ChartPoint& p = window_->project().point(k);
    return PixelOf(p.state.t, p.state.x);
  }

  void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons held = {}) {
    QMouseEvent e(type, QPointF(pos), view().mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view(), &e);
  }
  void MoveTo(QPoint pos, Qt::MouseButtons held = Qt::NoButton) { Mouse(QEvent::MouseMove, pos, Qt::NoButton, held); }
  // A click as a user makes it: move there, press, release.
  void Click(QPoint pos) {
    MoveTo(pos);
    Mouse(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
  }
  // A click on empty chart that names the new point in the dialog.
  void ClickNewPoint(QPoint pos, const QString& name) {
    modal.Next([name](QWidget* w) { NamePoint(w, name); });
    Click(pos);
    QApplication::processEvents();
  }
  // Press on `from`, `moves` mouse moves with the button held, release at `to`.
  void Drag(QPoint from, QPoint to, int moves) {
    MoveTo(from);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int k = 1; k <= moves; ++k) MoveTo(from + (to - from) * k / moves, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
  }

  ModalAnswers modal;

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace orvanta::test
