// The orvanta program: the main window, with a project file as the optional
// first argument.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "app/ui/main_window.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("ORVANTA %s\n", ORVANTA_VERSION);
      return 0;
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
