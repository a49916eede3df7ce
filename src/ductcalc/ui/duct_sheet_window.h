// The pressure-loss calculation sheet (TForm15): the run's fittings as one
// table of 26 columns shown 20 rows at a time by the scroll bar, the ten
// totals, and the commands New, Open, Save, add, edit, delete.
#pragma once

#include <QDialog>
#include <memory>
#include <span>

#include "app/caption_map.h"
#include "app/spreadsheet/duct_report.h"

class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace orvanta {

struct DuctRun;
class CommandRegistry;
class BasicDataWindow;
class FittingPalette;
class FittingWindow;
class ReportDataWindow;
struct ReportData;

std::span<const CaptionRow> DuctSheetWindowCaptionRows();

class DuctSheetWindow : public QDialog {
  Q_OBJECT
 public:
  explicit DuctSheetWindow(QWidget* parent);
  ~DuctSheetWindow() override;
  DuctRun& run() { return *run_; }

  void New();
  bool Open();
  // Opens the file without a dialog (start-up path); false with a message when refused.
  bool OpenPath(const QString& path);
  bool Save();
  void AddFitting();
  void EditFitting();
  void DeleteFitting();
  // When the run has unsaved changes: asks to save them. False when the user
  // cancels (or the save failed), so the caller stops.
  bool MaySetRunAside();
  void Refresh();
  // SpeedButton3 "Copy results and calculate noise in the room" hands the
  // run's acoustic data to the command that `commands` registers for it; the
  // button is enabled only while that command exists.
  void ConnectAcousticHandOver(CommandRegistry* commands);
  void HandOverToAcousticCalculator();
  // The spreadsheet exports: the report-data window is asked first; its OK
  // writes the export and opens it.
  void Export(DuctExport kind);
  // Writes the export with the report data and opens it; false with a message when not written.
  bool WriteExport(DuctExport kind, const ReportData& data);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UpdateCaption();
  void UpdateHeaders();
  void ShowTotals(double band_step);
  std::optional<int> Selected() const;
  ReportDataWindow* ReportWindow();

  std::unique_ptr<DuctRun> run_;
  QTableWidget* table_;
  QScrollBar* scroll_bar_;
  QLineEdit* totals_[10];
  BasicDataWindow* basic_data_;
  FittingPalette* palette_;
  FittingWindow* fitting_window_;
  QString folder_;
  QPushButton* hand_over_ = nullptr;
  CommandRegistry* commands_ = nullptr;
};

}  // namespace orvanta
