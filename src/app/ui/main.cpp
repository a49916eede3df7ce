// The orvanta program: the main window, with a project file as the optional
// first argument.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "app/ui/main_window.h"
#include "chart/ui/chart_export.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("ORVANTA %s\n", ORVANTA_VERSION);
      return 0;
    }
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0) {
      // Headless: draw the chart into a picture file; no display is needed.
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      QApplication app(argc, argv);
      QApplication::setApplicationName("ORVANTA");
      QApplication::setOrganizationName("ORVANTA");
      return orvanta::RunChartExport(QApplication::arguments().mid(1));
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("ORVANTA");
  QApplication::setOrganizationName("ORVANTA");
  orvanta::MainWindow window;
  const QStringList args = QApplication::arguments();
  if (args.size() > 1 && !args.at(1).startsWith("--")) window.OpenStartupProject(args.at(1));
  window.show();
  return app.exec();
}
