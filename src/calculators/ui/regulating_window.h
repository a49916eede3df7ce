// "Dobór elementów regulacyjnych" (TForm8): the orifice plate (diameter or
// sides) or the single-blade damper (blade angle) that takes up an excess
// pressure at a given air flow.
#pragma once

#include <QDialog>
#include <span>

#include "app/caption_map.h"
#include "calculators/regulating/regulating_element.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvanta {

namespace calcui {
class SvgPicture;
}

std::span<const CaptionRow> RegulatingWindowCaptionRows();

// The picture stems looked for in data/calc (the first that exists is drawn).
QStringList OrificePictureStems();
QStringList DamperPictureStems();

class RegulatingWindow : public QDialog {
  Q_OBJECT
 public:
  explicit RegulatingWindow(QWidget* parent = nullptr);

  void Compute();  // Button1 "Oblicz"

 private:
  void ShowChoice();

  QLineEdit* pressure_ = nullptr;  // Edit1
  QLineEdit* flow_ = nullptr;      // Edit2
  QLineEdit* density_ = nullptr;   // Edit5
  QLineEdit* side_a_ = nullptr;    // Edit3
  QLineEdit* side_b_ = nullptr;    // Edit4
  QLabel* diameter_label_ = nullptr, *side_a_label_ = nullptr, *side_b_label_ = nullptr;  // Label5, Label15, Label7
  QRadioButton* round_ = nullptr, *rectangular_ = nullptr;  // RadioButton4, RadioButton5
  QRadioButton* orifice_ = nullptr, *damper_ = nullptr;     // RadioButton1, RadioButton2
  calcui::SvgPicture* orifice_picture_ = nullptr;  // Image1
  calcui::SvgPicture* damper_picture_ = nullptr;   // Image2
  QLabel* diameter_caption_ = nullptr;  // Label9 "Srednica kryzy wynosi"
  QLabel* side_a_caption_ = nullptr;    // Label17
  QLabel* side_b_caption_ = nullptr;    // Label16
  QLabel* angle_caption_ = nullptr;     // Label10
  QLabel* first_ = nullptr, *first_unit_ = nullptr;    // Label11, Label13
  QLabel* second_ = nullptr, *second_unit_ = nullptr;  // Label12, Label14
};

}  // namespace orvanta
