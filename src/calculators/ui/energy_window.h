// The energy-consumption calculator "KALKULATOR ZUŻYCIA ENERGII PRZEZ
// CENTRALĘ WENTYLACYJNĄ": the unit's data and tariffs, the section switches,
// the weekly timetable, the period, the yearly results, the year chart with
// the readout of the hour under the mouse and the months of the year.
#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <span>

#include "app/caption_map.h"
#include "calculators/ahu/unit.h"
#include "calculators/energy/energy.h"
#include "calculators/ui/energy_year_chart.h"
#include "calculators/ui/people_window.h"  // UpDown

class QCheckBox;
class QComboBox;
class QGridLayout;
class QFontMetrics;
class QPainter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace orvanta {

class Workbench;
struct ReportData;

std::span<const CaptionRow> EnergyWindowCaptionRows();

class EnergyWindow : public QDialog {
  Q_OBJECT
 public:
  EnergyWindow(Workbench& workbench, QWidget* parent);

  // Button1Click "OBLICZENIA": reads the inputs, runs the year, shows it.
  void Compute();
  // The unit calculator's hand-over: its values written into the edits and
  // switches they correspond to (cooler temperatures only when the unit has them).
  void TakeOverUnit(const UnitInputs& unit);
  // Image1MouseMove for the position of the year (0 … 8759).
  void ShowHour(int position);
  // The year chart as a picture of `size` pixels (the report's picture).
  QImage ChartImage(QSize size = {1260, 500}) const;
  // BitBtn2Click "Eksportuj wyniki".
  void ExportResults();

  const EnergyResults& results() const { return results_; }
  YearChartView* chart() const { return chart_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* AddInput(QGridLayout* grid, int row, const char* edit, const char* symbol, const char* unit,
                      double value, const char* updown = nullptr);
  void BuildTimetable(QGridLayout* grid, const QFont& font);
  void UpdateFreshAir();
  void RecirculationChanged();
  void UpdateSections();
  void StepDate(int which);
  bool ReadInputs(EnergyInputs& in) const;
  WeeklyTimetable Timetable() const;
  const ClimateYear* CachedYear(const QString& city);
  void ShowResults();
  void ShowMonths();
  void ClearResults();
  void CaptionFollowsHint(QLabel* caption, QWidget* w);
  void RefreshCaptions();
  void WriteReport(const ReportData& data);

  Workbench& workbench_;
  QHash<QString, QLineEdit*> edits_;
  QHash<QString, UpDown*> updowns_;
  QHash<QString, QLabel*> labels_;
  std::array<QCheckBox*, 6> sections_{};  // CheckBox15 … 20 in EnergySections order
  std::array<QCheckBox*, 7> days_{}, all_hours_{};
  std::array<QListWidget*, 7> hours_{};
  QComboBox* city_;
  QLabel* city_caption_;
  QLabel* choose_city_;
  YearChartView* chart_;
  QTableWidget* months_;
  std::map<QString, ClimateYear> years_;  // climate years loaded, by city
  std::vector<ClimateHour> shown_year_;   // the year the chart shows
  EnergyResults results_;
  EnergyInputs computed_inputs_;
  QString computed_city_;
  bool computed_ = false;
  std::vector<std::pair<QLabel*, QWidget*>> hint_captions_;
};

}  // namespace orvanta
