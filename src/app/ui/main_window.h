#pragma once

#include <QMainWindow>

namespace orvanta {

// The program's main window (the chart and its tools).
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace orvanta
