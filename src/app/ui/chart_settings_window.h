// Chart settings window: pressure, ranges, what the chart shows, the
// default label position, colours and label font. It edits the program's
// AppSettings; OK commits, "ANULUJ" (or closing the window) puts back what
// the controls held when the window was shown.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QSpinBox>
#include <array>
#include <functional>
#include <span>

#include "app/caption_map.h"
#include "app/settings_store.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

// The caption rows of "TForm26" (in its _captions.cpp).
std::span<const CaptionRow> ChartSettingsWindowCaptionRows();

// A colour choice: the sixteen standard colours by name, plus any other
// colour given to it (shown as its hexadecimal number).
class ColorBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ColorBox(QWidget* parent = nullptr);
  Rgb Color() const;
  void SetColor(Rgb c);
};

// Up-down arrows with their read-only number field (the field is the spin
// box's own line edit, named separately).
class UpDownBox : public QSpinBox {
  Q_OBJECT
 public:
  UpDownBox(const QString& name, const QString& edit_name, QWidget* parent = nullptr);
};

class ChartSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ChartSettingsWindow(AppSettings& settings, QWidget* parent = nullptr);

  // Tests and other callers can replace the file dialog of "WCZYTAJ".
  void SetLogoChooser(std::function<QString()> chooser) { logo_chooser_ = std::move(chooser); }

 signals:
  // OK with a valid pressure: the settings hold the new values; the owner
  // recomputes every point at pb and redraws.
  void settingsAccepted(double pb);
  // OK with a refused pressure: the other values were taken, pb is unchanged;
  // the owner redraws.
  void redrawRequested();
  // "WCZYTAJ": the picture chosen as the chart's logo for this run.
  void logoChosen(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LoadControls(const AppSettings& s);
  void ReadControls(AppSettings& s) const;
  void Remember();
  void OnOk();
  void OnCancel();
  void OnChooseLogo();
  void MoveLabelPreview();
  QString PressureText(double pb) const;

  AppSettings& settings_;
  AppSettings remembered_;
  QString remembered_pressure_;
  std::function<QString()> logo_chooser_;

  QLineEdit* pressure_edit_;  // Edit1
  QLineEdit* font_edit_;      // Edit2
  UpDownBox* torg_down_;      // UpDown1 / Edit3
  UpDownBox* torg_up_;        // UpDown2 / Edit4
  UpDownBox* xorg_;           // UpDown3 / Edit5
  std::array<QCheckBox*, 19> check_{};
  std::array<QRadioButton*, 4> radio_{};
  std::array<ColorBox*, 6> color_{};
  QLabel* marker_;
  QLabel* preview_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace orvanta
