#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/main_window.h"
#include "app/ui/messages.h"

namespace orvanta {
namespace {

TEST(MainWindowStartup, HasTheProgramNameAndFormName) {
  RecordingResponder messages;
  MainWindow w;
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.objectName(), "TForm25");
  EXPECT_TRUE(w.windowTitle().startsWith("ORVANTA"));
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvanta
