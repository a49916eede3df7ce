// main() of the window tests: a QApplication (offscreen under ctest) around
// the GoogleTest run, with message boxes answered by a recorder by default.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("ORVANTA");
  QApplication::setOrganizationName("ORVANTA");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
