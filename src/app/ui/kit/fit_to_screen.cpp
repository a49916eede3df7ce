#include "app/ui/kit/fit_to_screen.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanta {

namespace {

constexpr int kFrame = 48;  // title bar and borders

QSize Room(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return {};
  return screen->availableGeometry().size() - QSize(kFrame / 2, kFrame);
}

// Sizes the window on its first showing: the body's full size, at most the
// screen's free area less the frame the window manager adds. Shown again, it
// keeps the size the user gave it unless the body now needs another size
// (a language with longer captions was loaded meanwhile).
class FirstShowSize : public QObject {
 public:
  FirstShowSize(QDialog* window, QScrollArea* area) : QObject(window), window_(window), area_(area) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      const QWidget* body = area_->widget();
      if (body->layout()) body->layout()->activate();
      const QSize need = body->sizeHint().expandedTo(body->minimumSizeHint());
      if (sized_ && need == sized_for_) return false;
      sized_ = true;
      sized_for_ = need;
      QSize want = need;
      const QMargins m = window_->layout()->contentsMargins();
      want += QSize(m.left() + m.right(), m.top() + m.bottom());
      if (const QSize room = Room(window_); room.isValid()) {
        const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        // A scroll bar in one direction takes room from the other.
        if (want.height() > room.height()) want.rwidth() += bar;
        if (want.width() > room.width()) want.rheight() += bar;
        want = want.boundedTo(room);
      }
      window_->resize(want);
    }
    return false;
  }

 private:
  QDialog* window_;
  QScrollArea* area_;
  bool sized_ = false;
  QSize sized_for_;  // the body's need the window was last sized for
};

}  // namespace

void ResizeWithinScreen(QWidget* window, QSize size) {
  const QSize room = Room(window);
  window->resize(room.isValid() ? size.boundedTo(room) : size);
}

QWidget* ScrollableBody(QDialog* window) {
  auto* area = new QScrollArea(window);
  area->setObjectName("ScrollBox1");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  auto* body = new QWidget(area);
  area->setWidget(body);
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(area);
  window->installEventFilter(new FirstShowSize(window, area));
  return body;
}

}  // namespace orvanta
