// "KALKULATOR STRAT/ZYSKÓW CIEPŁA W KANALE WENYLACYJNYM" (TForm24): how much
// the air in an insulated duct warms up or cools down on its way through
// surroundings of another temperature.
#pragma once

#include <QDialog>
#include <array>
#include <span>

#include "app/caption_map.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvanta {

class SchemeWindow;

std::span<const CaptionRow> DuctHeatWindowCaptionRows();

class DuctHeatWindow : public QDialog {
  Q_OBJECT
 public:
  // `scheme` is shown by Button2 (may be null: the button is then disabled).
  explicit DuctHeatWindow(SchemeWindow* scheme, QWidget* parent = nullptr);

  void Compute();  // Button1 "Oblicz"

 private:
  void ShowGeometry();

  // Edit1, Edit11, Edit2, Edit12, Edit3, Edit4, Edit5, Edit6, Edit7, Edit13,
  // Edit22, Edit8, Edit9, Edit10 in the order of DuctHeatInput.
  std::array<QLineEdit*, 14> inputs_{};
  std::array<QLineEdit*, 8> results_{};  // Edit14 … Edit21
  QRadioButton* round_ = nullptr;        // RadioButton1
  QRadioButton* rectangular_ = nullptr;  // RadioButton2
  QLabel* side_a_symbol_ = nullptr;      // "d" or "A"
  QLabel* side_b_symbol_ = nullptr, *side_b_caption_ = nullptr;
};

// The calculation-scheme picture of the duct heat calculator (TForm33).
class SchemeWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SchemeWindow(QWidget* parent = nullptr);
  bool picture_loaded() const;

 private:
  QWidget* picture_ = nullptr;
};

// The picture stems looked for in data/calc (the first that exists is drawn).
QStringList SchemePictureStems();

}  // namespace orvanta
