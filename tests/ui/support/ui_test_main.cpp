// main() of the window tests: a QApplication (offscreen unless a platform is
// given) around the GoogleTest run. Settings and per-user data go to a
// throw-away folder unless ctest has given the test its own, so running a
// test by hand never touches the user's real settings or library.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
  QApplication app(argc, argv);
  QApplication::setApplicationName("ORVANTA");
  QApplication::setOrganizationName("ORVANTA");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
