// The two small windows of the acoustic calculator: the energetic sum of up
// to eight sound sources (TForm34) and the free-field sound pressure level at
// a distance R from a source of directivity Q (TForm35).
#pragma once

#include <QDialog>
#include <array>
#include <span>

#include "app/caption_map.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

namespace calcui {
class SvgPicture;
}

std::span<const CaptionRow> SoundSumWindowCaptionRows();
std::span<const CaptionRow> LevelAtDistanceWindowCaptionRows();

// "SUMOWANIE ŹRÓDEŁ HAŁASU".
class SoundSumWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SoundSumWindow(QWidget* parent = nullptr);
  // Button1 "Oblicz": the sum into Edit9, or a message naming the source
  // whose text is not a number (Edit9 then keeps its text).
  void Compute();

 private:
  std::array<QLineEdit*, 8> levels_{};  // Edit1 … Edit8
  QLineEdit* total_ = nullptr;          // Edit9
};

// "Poziom cisnienia akustycznego w odległosci "R" od źródła".
class LevelAtDistanceWindow : public QDialog {
  Q_OBJECT
 public:
  explicit LevelAtDistanceWindow(QWidget* parent = nullptr);
  // Button1 "Oblicz": the level into Label9; a text that is not a number or
  // R ≤ 0 leaves Label9 as it was and says why.
  void Compute();

 private:
  void ShowPicture();
  // The close button has no language text of its own: Polish or English.
  void ShowOwnTexts();

  QPushButton* close_ = nullptr;   // BitBtn1
  QLineEdit* power_ = nullptr;     // Edit1, Lw(A)
  QLineEdit* distance_ = nullptr;  // Edit2, R
  std::array<QRadioButton*, 4> q_{};         // RadioButton1 … RadioButton4: Q = 1, 2, 4, 8
  std::array<calcui::SvgPicture*, 4> pictures_{};  // Image2 … Image5
  QLabel* result_ = nullptr;       // Label9
};

}  // namespace orvanta
