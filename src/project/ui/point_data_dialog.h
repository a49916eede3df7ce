// The point data dialog ("DANE PUNKTU", TForm29): a point defined by typed
// values (temperature and one of moisture content, relative humidity or
// enthalpy, or a tie to a process or coefficient line), in add or edit mode,
// optionally with a process to another point.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <span>

#include "app/caption_map.h"
#include "chart/chart_settings.h"
#include "project/chart_project.h"
#include "project/point_input.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orvanta {

// The caption rows of "TForm29" (in its _captions.cpp).
std::span<const CaptionRow> PointDataDialogCaptionRows();

class PointsListWindow;

class PointDataDialog : public QDialog {
  Q_OBJECT
 public:
  // `settings` gives the unit system, the chart pressure and the default
  // label position. OK widens its ranges to the typed point once the point
  // passed the sign and empty-field checks, before the limit, name and
  // table checks: a point refused by those may still widen the ranges.
  PointDataDialog(ChartProject* project, ChartSettings* settings, PointsListWindow* points_list,
                  QWidget* parent = nullptr);

  // Add mode. With `clear_inputs` the name, description and value fields are
  // emptied and the label position is preset from the settings; otherwise
  // the fields keep what they showed.
  void PrepareAdd(bool clear_inputs);
  // Edit mode for the point in 0-based slot `index`.
  void PrepareEdit(int index);
  // Prepare and show modally.
  int ExecAdd(bool clear_inputs);
  int ExecEdit(int index);

  bool edit_mode() const { return edit_index_ >= 0; }

  // Recomputes the shown state from the typed values or the tie.
  void Recompute();
  void accept() override;
  void done(int result) override;

 signals:
  // A point (and perhaps a process) was stored; the chart is to be redrawn.
  void projectChanged();

 private:
  void PrepareCommon();
  void ApplyUnitTexts();
  GivenQuantity given() const;
  void GivenChosen();
  void FieldEdited(QLineEdit* field);
  void UpDownMoved(QSpinBox* up_down, QLineEdit* field);
  // The two tie check boxes exclude each other; a tie disables Edit2.
  void TieClicked(QCheckBox* tie, bool checked);
  void SetTie(QCheckBox* tie, bool on);
  void UpdateDirectionCaptions();
  void ChooseOtherPoint();
  void ShowFields(const PointFieldTexts& f, const QLineEdit* keep);
  PointFieldTexts ShownFields() const;
  // The OK checks; false when the dialog is to stay open.
  bool StoreFromFields();

  ChartProject* project_;
  ChartSettings* settings_;
  PointsListWindow* points_list_;
  int edit_index_ = -1;
  std::string old_name_;

  QLineEdit* name_;         // Edit1
  QLineEdit* description_;  // Edit11
  QLineEdit* x_;            // Edit2
  QLineEdit* t_;            // Edit3
  QLineEdit* i_;            // Edit4
  QLineEdit* rho_;          // Edit5
  QLineEdit* phi_;          // Edit6
  QLineEdit* pp_;           // Edit7
  QLineEdit* pa_;           // Edit8
  QLineEdit* td_;           // Edit9
  QLineEdit* tw_;           // Edit10
  QSpinBox* x_up_down_;     // UpDown1
  QSpinBox* t_up_down_;     // UpDown2
  QSpinBox* phi_up_down_;   // UpDown3
  QRadioButton* given_x_;
  QRadioButton* given_phi_;
  QRadioButton* given_i_;
  QCheckBox* process_tie_;        // CheckBox1
  QComboBox* process_combo_;      // ComboBox1
  QCheckBox* coefficient_tie_;    // CheckBox2
  QComboBox* coefficient_combo_;  // ComboBox2
  QButtonGroup* labels_;
  QCheckBox* create_process_;     // CheckBox3
  QGroupBox* process_group_;      // GroupBox3
  QLineEdit* other_point_;        // Edit12
  QLineEdit* air_flow_;           // Edit13
  QRadioButton* from_this_;       // RadioButton8
  QRadioButton* to_this_;         // RadioButton9
  QLabel* air_flow_unit_;
  // Quantity and unit captions that follow the unit system.
  std::array<QLabel*, 10> quantity_labels_{};
  std::array<QLabel*, 10> unit_labels_{};
};

}  // namespace orvanta
