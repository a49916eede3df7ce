// "Zyski ciepła od ludzi" (TForm13): sensible, latent and total heat and the
// moisture released by people, by activity and air temperature.
#pragma once

#include <QDialog>
#include <functional>
#include <span>

#include "app/caption_map.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace orvanta {

std::span<const CaptionRow> PeopleWindowCaptionRows();

// A pair of arrow buttons holding an integer position (the up-down control
// beside an edit): a click moves the position one step within its range
// and calls `clicked`.
class UpDown : public QWidget {
 public:
  UpDown(int min, int max, int position, QWidget* parent);
  int position() const { return position_; }
  void setPosition(int p);
  std::function<void()> clicked;

 private:
  void Step(int delta);
  int min_, max_, position_;
};

class PeopleWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PeopleWindow(QWidget* parent = nullptr);

  // Button1 "Oblicz": reports a field that is not a number or an unknown activity.
  void ComputeAndReport();

 private:
  // After every change: a text that is not a number is skipped until corrected.
  void ComputeQuietly();
  bool Compute(bool report);
  void ClearResults();

  QComboBox* activity_ = nullptr;  // ComboBox1
  QLineEdit* temperature_ = nullptr, *people_ = nullptr, *simultaneity_ = nullptr;  // Edit1 … Edit3
  UpDown* temperature_steps_ = nullptr, *people_steps_ = nullptr, *simultaneity_steps_ = nullptr;
  QLineEdit* qc_ = nullptr, *qs_ = nullptr, *qm_ = nullptr, *w_ = nullptr;  // Edit4, Edit5, Edit7, Edit6
  QLabel* status_ = nullptr;
  int chosen_activity_ = -1;  // list position chosen, -1 for none
};

}  // namespace orvanta
