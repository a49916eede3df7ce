// "Kalkulator bilansu powietrza" (TForm7): ventilation air of a room or a
// flat from the occupants, from air-change rates of a room type, or from the
// flat requirements of PN-83/B-03430.
#pragma once

#include <QDialog>
#include <array>
#include <span>

#include "app/caption_map.h"
#include "calculators/air_balance/air_balance.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace orvanta {

std::span<const CaptionRow> AirBalanceWindowCaptionRows();

class AirBalanceWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AirBalanceWindow(QWidget* parent = nullptr);

  void ComputeFromOccupants();   // Button1
  void ComputeFromAirChanges();  // Button3
  void ComputeFromFlat();        // Button5

 private:
  void ShowMethod();
  void ShowOccupantEdits();
  void ShowRoomList();
  void Show(const calculators::CalcResult<calculators::AirFlows>& r);
  void Refuse(const calculators::CalcFailure& failure);
  bool ReportBad(const QLineEdit* edit);

  QRadioButton* by_occupants_ = nullptr;   // RadioButton1
  QRadioButton* by_air_changes_ = nullptr; // RadioButton2
  QRadioButton* by_standard_ = nullptr;    // RadioButton6
  QGroupBox* occupants_group_ = nullptr;   // GroupBox2
  QGroupBox* air_changes_group_ = nullptr; // GroupBox3
  QGroupBox* standard_group_ = nullptr;    // GroupBox7
  QComboBox* occupant_mode_ = nullptr;     // ComboBox1
  QLabel* non_smokers_label_ = nullptr, *smokers_label_ = nullptr;
  QLineEdit* non_smokers_ = nullptr, *smokers_ = nullptr;  // Edit1, Edit2
  QRadioButton* industrial_ = nullptr, *public_ = nullptr; // RadioButton4, RadioButton5
  QListWidget* industrial_list_ = nullptr, *public_list_ = nullptr;  // ListBox1, ListBox2
  QLineEdit* length_ = nullptr, *width_ = nullptr, *height_ = nullptr;  // Edit4, Edit5, Edit6
  std::array<QCheckBox*, calculators::kFlatRoomCount> flat_ticks_{};
  std::array<QLineEdit*, calculators::kFlatRoomCount> flat_counts_{};
  calculators::FlatRoomCounts counts_;
  QLineEdit* vmin_ = nullptr, *vmax_ = nullptr, *vmid_ = nullptr;  // Edit7, Edit8, Edit9
};

}  // namespace orvanta
