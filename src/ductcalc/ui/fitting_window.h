// The fitting properties window (TForm17): the inputs of one fitting, shown
// as its kind needs them, with the presets, lists and automatic rules of the
// catalogue, the velocities, mass and octave-band values as they change, and
// the confirm that calculates the fitting and stores it in the run.
#pragma once

#include <QDialog>
#include <QMap>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "ductcalc/fitting_catalogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace orvanta {

struct DuctRun;

std::span<const CaptionRow> FittingWindowCaptionRows();

class FittingWindow : public QDialog {
  Q_OBJECT
 public:
  FittingWindow(DuctRun& run, QWidget* parent);
  // The palette action of `kind`: inputs shown, presets filled; in edit mode
  // (run.editing set) the record is loaded. Does not show the window.
  void Prepare(FittingKind kind);
  // Prepare, then modal; true when a fitting was stored.
  bool Open(FittingKind kind);
  // The confirm (BitBtn1): true when the fitting was calculated and stored.
  bool Confirm();
  FittingKind kind() const { return kind_; }

 protected:
  void reject() override;

 private:
  enum class Change { Dimension, Offset, FlowMain, FlowBranch, Length, WallOrInsulation };
  void BuildControls();
  QComboBox* SizeCombo(const char* name, bool main_list);
  void ShowInputs();
  void FillCombo(QComboBox* combo, TextList items, const QString& selected);
  void LoadRecord(const FittingRecord& record);
  FittingRecord RecordFromControls() const;
  // The numbers of the controls; `bad` names the first that is not a number.
  FittingInputs ReadInputs(QString* bad) const;
  FittingChoices Choices() const;
  void Recompute(Change change);
  void UpdateVelocities();
  void UpdateDefaultLength();
  void UpdateWallThickness();
  void UpdateMass();
  void UpdateAcoustics();
  void UpdatePicture();
  void UpdateAdditionalPair(bool from_pressure);
  void OnRoundBendType();
  void OnRectBendType();
  void OnTeeFlow();
  void OnMaterial();
  void OnInsulation();
  char Sep() const;

  DuctRun& run_;
  FittingKind kind_ = FittingKind::RoundStraight;
  bool loading_ = false;
  std::optional<FittingRecord> edited_;  // the stored record in edit mode
  double w1_ = 0;

  QLineEdit* name_edit_;
  QLineEdit* type_edit_;
  QLineEdit* length_edit_;
  QCheckBox* default_length_box_;
  QComboBox* diameter1_combo_;
  QComboBox* diameter2_combo_;
  QComboBox* side_a_combo_;
  QComboBox* side_b_combo_;
  QComboBox* side_c_combo_;
  QComboBox* side_d_combo_;
  QComboBox* angle_combo_;
  QLabel* angle_symbol_label_;
  QComboBox* ratio_combo_;
  QLineEdit* offset_edit_;
  QComboBox* round_bend_combo_;
  QComboBox* rect_bend_combo_;
  QComboBox* tee_path_combo_;
  QComboBox* tee_flow_combo_;
  QGroupBox* intake_box_;
  QRadioButton* intake_radio_;
  QRadioButton* outlet_radio_;
  QLineEdit* flow_main_edit_;
  QLineEdit* velocity_main_edit_;
  QLineEdit* flow_branch_edit_;
  QLineEdit* velocity_branch_edit_;
  QRadioButton* extra_pressure_radio_;
  QLineEdit* extra_pressure_edit_;
  QRadioButton* extra_zeta_radio_;
  QLineEdit* extra_zeta_edit_;
  QComboBox* material_combo_;
  QLineEdit* roughness_edit_;
  QComboBox* insulation_combo_;
  QLineEdit* wall_edit_;
  QLineEdit* wall_density_edit_;
  QLineEdit* insulation_edit_;
  QLineEdit* insulation_density_edit_;
  QLineEdit* mass_edit_;
  QLabel* row1_label_;
  QLabel* row3_label_;
  QLineEdit* bands_[kOctaveRows][kOctaveBands];
  QWidget* row3_widget_;
  QGroupBox* fan_db_box_;
  QRadioButton* db_radio_;
  QRadioButton* dba_radio_;
  QLabel* picture_;
  QPushButton* confirm_button_;
  QPushButton* hidden_confirm_button_;
  // The label (and its row) of each optional input.
  QMap<std::uint32_t, QList<QWidget*>> optional_rows_;
};

}  // namespace orvanta
