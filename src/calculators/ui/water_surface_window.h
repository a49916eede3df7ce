// "ZYSKI OD POW. WODY" (TForm11): evaporation and heat gains of an open water
// surface in a room.
#pragma once

#include <QDialog>
#include <array>
#include <span>

#include "app/caption_map.h"

class QLabel;
class QLineEdit;

namespace orvanta {

std::span<const CaptionRow> WaterSurfaceWindowCaptionRows();

class WaterSurfaceWindow : public QDialog {
  Q_OBJECT
 public:
  explicit WaterSurfaceWindow(QWidget* parent = nullptr);

  void Compute();  // Button1 "OBLICZ"

 private:
  void ClearResults(const QString& reason);

  std::array<QLineEdit*, 6> inputs_{};    // Edit1 … Edit6
  std::array<QLineEdit*, 16> results_{};  // Edit7 … Edit22
  QLabel* status_ = nullptr;              // why the results are empty
};

}  // namespace orvanta
