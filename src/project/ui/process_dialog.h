// The process dialog ("DEFINICJA PRZEMIANY POWIETRZA", TForm30): a process
// between two existing points with its air flow, typed as volume or mass (SI
// or IP) or derived from the heat gain of a direction coefficient.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "project/chart_project.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvanta {

// The caption rows of "TForm30" (in its _captions.cpp).
std::span<const CaptionRow> ProcessDialogCaptionRows();

class Workbench;

class ProcessDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProcessDialog(Workbench& workbench, QWidget* parent = nullptr);

  // Chooses a point name (the points list); nullopt when nothing was chosen.
  void SetPointChooser(std::function<std::optional<QString>()> chooser) { choose_point_ = std::move(chooser); }

  void PrepareAdd();
  void PrepareEdit(int index);
  int ExecAdd();
  int ExecEdit(int index);
  bool edit_mode() const { return edit_index_ >= 0; }

  // The flow choice shared with the process list: mass (RadioButton2) or volume.
  bool flow_as_mass() const;
  // Back to "OBJĘTOŚĆ POWIETRZA" (a calculator that hands over flows in m³/h).
  void ChooseVolumeFlow();

  void accept() override;
  void done(int result) override;

 signals:
  void projectChanged();

 private:
  void PrepareCommon();
  void ApplyUnitTexts();
  void EnableFlowFields();
  void ChoosePoint(QLineEdit* field);
  void PointsChanged();
  // A flow field was typed: the other three follow.
  void FlowTyped(QLineEdit* field);
  void ShowFlows();
  void LinkClicked(bool checked);
  void CoefficientChosen();
  void FlowFromCoefficient(bool tell);
  std::optional<AirState> StateOf(const QLineEdit* field) const;
  bool StoreFromFields();

  Workbench& workbench_;
  std::function<std::optional<QString>()> choose_point_;
  int edit_index_ = -1;

  // The stored volume flow [m3/h] the four fields show, and the field typed last.
  std::optional<double> volume_m3h_;
  QLineEdit* typed_ = nullptr;

  QLineEdit* name_;         // Edit1
  QLineEdit* start_;        // Edit2
  QLineEdit* end_;          // Edit3
  QLabel* start_enthalpy_;  // enthalpy of the start point
  QLabel* end_enthalpy_;
  QLabel* enthalpy_unit_;
  QRadioButton* by_volume_;  // RadioButton1
  QRadioButton* by_mass_;    // RadioButton2
  QLineEdit* volume_si_;     // Edit4 [m3/h]
  QLineEdit* mass_si_;       // Edit5 [kg/h]
  QLineEdit* volume_ip_;     // Edit6 [cfm]
  QLineEdit* mass_ip_;       // Edit7 [lb/h]
  QCheckBox* draw_line_;     // CheckBox1
  QCheckBox* link_;          // CheckBox2
  QComboBox* coefficients_;  // ComboBox1
};

}  // namespace orvanta
