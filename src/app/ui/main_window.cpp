#include "app/ui/main_window.h"

namespace orvanta {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TForm25");
  setWindowTitle("ORVANTA");
  resize(1280, 800);
}

}  // namespace orvanta
