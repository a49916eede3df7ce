// The orvanta program.
#include <QApplication>
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
  window.show();
  return app.exec();
}
