#include <gtest/gtest.h>

#include <QApplication>

#include "chart/ui/chart_view.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/messages.h"

namespace orvanta {
namespace {

// A first start in the user's own settings: the first-run values are written,
// the chart is drawn and the caption names the unsaved project.
TEST(MainWindowStartup, FirstStartDrawsTheChartAndNamesTheUnsavedProject) {
  RecordingResponder messages;
  MainWindow w;
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.objectName(), "TForm25");
  const QString title = Text(105).isEmpty() ? QString("ORVANTA") : Text(105);
  EXPECT_EQ(w.windowTitle(), title + " - " + UiText(UiTextId::UntitledFile));  // "untitled.ovt" in English
  EXPECT_FALSE(w.chart_image().isNull());
  EXPECT_EQ(w.chart_image().size(), w.chart_view()->size());
  EXPECT_TRUE(messages.shown().empty());
  w.close();
}

}  // namespace
}  // namespace orvanta
