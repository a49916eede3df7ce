// Every window fits a 1366 x 768 screen (less the task bar): a window larger
// than its screen cannot show its buttons. The large calculators scroll.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <QVBoxLayout>

#include "app/settings_store.h"
#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/main_window.h"

namespace orvanta {
namespace {

TEST(WindowSizes, EveryWindowFitsASmallScreen) {
  MainWindow window(std::make_unique<MemoryStore>());
  const QSize screen(1366, 768 - 40);
  const QList<QDialog*> dialogs = window.findChildren<QDialog*>();
  EXPECT_GT(dialogs.size(), 30);
  for (QDialog* d : dialogs) {
    d->ensurePolished();
    const QSize need = d->layout() ? d->layout()->totalMinimumSize() : d->minimumSizeHint();
    EXPECT_LE(need.width(), screen.width()) << d->objectName().toStdString();
    EXPECT_LE(need.height(), screen.height()) << d->objectName().toStdString();
  }
}

TEST(WindowSizes, ALargeWindowOpensAtTheScreensSizeWithScrollBars) {
  MainWindow window(std::make_unique<MemoryStore>());
  auto* energy = window.findChild<QDialog*>("TForm21");
  ASSERT_NE(energy, nullptr);
  auto* area = energy->findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(area, nullptr);
  const QSize room = energy->screen()->availableGeometry().size();
  const QSize body = area->widget()->minimumSizeHint();
  ASSERT_TRUE(body.width() > room.width() || body.height() > room.height())
      << "the test screen must be smaller than the energy window";
  energy->show();
  QApplication::processEvents();
  EXPECT_LE(energy->width(), room.width());
  EXPECT_LE(energy->height(), room.height());
  // Everything is reachable: the scroll range covers what does not fit.
  EXPECT_GE(area->verticalScrollBar()->maximum() + area->viewport()->height(), body.height());
  EXPECT_GE(area->horizontalScrollBar()->maximum() + area->viewport()->width(), body.width());
  energy->hide();

}

TEST(WindowSizes, AnInitialSizeIsKeptWithinTheScreen) {
  QWidget w;
  const QSize room = w.screen()->availableGeometry().size();
  ResizeWithinScreen(&w, {room.width() + 500, 300});
  EXPECT_LT(w.width(), room.width());
  EXPECT_EQ(w.height(), 300);
  ResizeWithinScreen(&w, {400, 300});
  EXPECT_EQ(w.size(), QSize(400, 300));
}

TEST(WindowSizes, AWindowThatFitsOpensAtItsFullSize) {
  QDialog dialog;
  auto* layout = new QVBoxLayout(ScrollableBody(&dialog));
  auto* content = new QWidget;
  content->setMinimumSize(420, 260);
  layout->addWidget(content);
  dialog.show();
  QApplication::processEvents();
  auto* area = dialog.findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(area, nullptr);
  EXPECT_GE(content->width(), 420);
  EXPECT_GE(content->height(), 260);
  EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
}

// Shown again, a window keeps the size the user gave it, but grows when its
// body has come to need more (captions of a language loaded meanwhile).
TEST(WindowSizes, AWindowShownAgainGrowsOnlyWhenItsBodyNeedsMore) {
  QDialog dialog;
  auto* layout = new QVBoxLayout(ScrollableBody(&dialog));
  auto* content = new QWidget;
  content->setMinimumSize(300, 200);
  layout->addWidget(content);
  dialog.show();
  QApplication::processEvents();
  dialog.resize(dialog.width() + 60, dialog.height() + 40);  // the user's size
  const QSize users = dialog.size();
  dialog.hide();
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.size(), users);
  dialog.hide();
  content->setMinimumSize(460, 300);
  dialog.show();
  QApplication::processEvents();
  auto* area = dialog.findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(area, nullptr);
  EXPECT_GE(content->width(), 460);
  EXPECT_GE(content->height(), 300);
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace orvanta
