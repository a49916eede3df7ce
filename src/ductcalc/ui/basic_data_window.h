// "Dane podstawowe obliczeń" (TForm12): air temperature, humidity and
// pressure, and the density and viscosity the fitting calculation uses.
#pragma once

#include <QDialog>
#include <span>

#include "app/caption_map.h"

class QLineEdit;
class QLabel;

namespace orvanta {

struct DuctRun;

std::span<const CaptionRow> BasicDataWindowCaptionRows();

class BasicDataWindow : public QDialog {
  Q_OBJECT
 public:
  BasicDataWindow(DuctRun& run, QWidget* parent);
  // Recomputes ρ and ν from the three inputs; the run takes them when they
  // describe real air. False when they do not (the run keeps its values).
  bool Recompute();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  DuctRun& run_;
  QLineEdit* temperature_edit_;
  QLineEdit* humidity_edit_;
  QLineEdit* pressure_edit_;
  QLineEdit* density_edit_;
  QLineEdit* viscosity_edit_;
  QLabel* status_label_;
};

}  // namespace orvanta
