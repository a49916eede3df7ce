// "KALKULATOR AKUSTYCZNY" (TForm22): the fan's sound power reduced by the
// silencer and the ducts, increased by their self-noise and by the air
// terminal, gives the A-weighted sound power at the room and the sound
// pressure level at a distance r; with its help window "Pomoc" (TForm23).
#pragma once

#include <QDialog>
#include <map>
#include <span>
#include <string>

#include "app/caption_map.h"
#include "calculators/acoustic/room_noise.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

namespace calcui {
class SvgPicture;
}
struct AcousticTransfer;
class LevelAtDistanceWindow;
class SoundSumWindow;

std::span<const CaptionRow> AcousticWindowCaptionRows();

// "Pomoc": the absorption coefficients of typical rooms (Memo1) or the
// directivity picture (Image1), one of the two at a time.
class AcousticHelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AcousticHelpWindow(QWidget* parent = nullptr);
  void ShowText();     // "?" beside α
  void ShowPicture();  // "?" beside Q

 private:
  // Title, text and button in Polish or, for the other languages, in English.
  void ShowOwnTexts();

  QPlainTextEdit* memo_ = nullptr;  // Memo1
  QPushButton* close_ = nullptr;    // BitBtn1
  calcui::SvgPicture* picture_ = nullptr;  // Image1
};

class AcousticWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AcousticWindow(QWidget* parent = nullptr);

  // Button5 "Oblicz". A field that is not a number stops the calculation
  // with a message naming it (results as they were); refused room data
  // (α outside (0, 1), sizes or r not above 0) are said and the results
  // emptied. Returns whether results were shown.
  bool Compute();
  // The duct calculator's hand-over: its rows go into the source, silencer,
  // duct and terminal fields; the other fields keep what they hold, and the
  // results are emptied until "Oblicz" is pressed.
  void Fill(const AcousticTransfer& transfer);

  AcousticHelpWindow* help() { return help_; }
  SoundSumWindow* sum_window() { return sum_; }
  LevelAtDistanceWindow* distance_window() { return distance_; }

 private:
  void ClearResults();
  QString FieldLabel(const calculators::AcousticField& field) const;

  std::map<std::string, QLineEdit*> edits_;  // by objectName
  std::map<int, QLabel*> row_labels_;         // by language text of the label
  QLabel* terminal_label_ = nullptr;          // Label62
  QComboBox* alpha_ = nullptr;                // ComboBox1
  QComboBox* q_ = nullptr;                    // ComboBox2
  QRadioButton* lw_ = nullptr;                // RadioButton1
  QRadioButton* lwa_ = nullptr;               // RadioButton2
  calculators::RoomNoiseInput previous_;      // the values of the last reading
  AcousticHelpWindow* help_ = nullptr;
  SoundSumWindow* sum_ = nullptr;
  LevelAtDistanceWindow* distance_ = nullptr;
};

}  // namespace orvanta
