// "OBLICZANIE BASENÓW WG. VDI 2089" (TForm18): moisture and heat gains of an
// indoor pool hall and the air flows that carry the moisture away and keep
// the windows dry. The results follow every keystroke; a refused input
// empties them and the reason is shown under the results, without a box.
#pragma once

#include <QDialog>
#include <array>
#include <span>

#include "app/caption_map.h"
#include "calculators/pool/pool_hall.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace orvanta {

std::span<const CaptionRow> PoolHallWindowCaptionRows();

class PoolHallWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PoolHallWindow(QWidget* parent = nullptr);

  // Button1 "OBLICZ" (and every change of an input).
  void Compute();
  // Button2 "EKSPORTUJ WYNIKI": asks for a file, writes the report, opens it.
  void ExportReport();
  // The report of what the window shows now.
  calculators::PoolHallReportData ReportData() const;

 private:
  void ClearResults(const QString& reason);
  void AttractionToggled(int k);

  QComboBox* pool_type_ = nullptr;  // ComboBox1
  QLineEdit* pool_area_ = nullptr, *water_t_ = nullptr, *hall_t_ = nullptr, *hall_rh_ = nullptr,
            *pressure_ = nullptr, *supply_t_ = nullptr, *supply_rh_ = nullptr, *air_speed_ = nullptr;
  std::array<QCheckBox*, calculators::kAttractionCount> attraction_ticks_{};
  std::array<QLineEdit*, calculators::kAttractionCount> attraction_counts_{};
  QLineEdit* floor_area_ = nullptr, *floor_t_ = nullptr, *glazing_length_ = nullptr;
  QComboBox* glazing_height_ = nullptr;  // ComboBox2
  std::array<QLineEdit*, 11> results_{};  // Edit20 … Edit27, Edit30 … Edit32
  QLabel* v_marker_ = nullptr;            // Label60
  QLabel* vo_marker_ = nullptr;           // Label61
  QLabel* status_ = nullptr;              // why the results are empty
  int pool_type_index_ = 0;               // kept for a typed, unlisted type
};

}  // namespace orvanta
