// The report-data window ("TForm38", "Raport data"): project title,
// investor and designer asked before every spreadsheet report. It knows no
// report: a module registers the report of a kind, and Ask(kind) shows the
// window; its OK button runs that report with the typed data.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <span>

#include "app/caption_map.h"

class QLineEdit;
class QPushButton;

namespace orvanta {

std::span<const CaptionRow> ReportDataWindowCaptionRows();

struct ReportData {
  QString project_title;  // Edit1
  QString investor;       // Edit2
  QString designer;       // Edit3
};

class ReportDataWindow : public QDialog {
  Q_OBJECT
 public:
  using Report = std::function<void(const ReportData&)>;

  explicit ReportDataWindow(QWidget* parent = nullptr);

  // The report run by OK while the window was opened for `kind` (25 chart,
  // 151/152 pressure-loss exports, 21 energy report …).
  void RegisterReport(int kind, Report report);
  bool HasReport(int kind) const { return reports_.count(kind) > 0; }

  // Shows the window modally for `kind`. OK shows language text 1231, hides
  // the window, waits, runs the report and shows the window again; closing
  // it ends. False, with nothing shown, when no report of that kind is
  // registered.
  bool Ask(int kind);
  int report_kind() const { return kind_; }
  ReportData data() const;

  // The pause between hiding the window and running the report (500 ms;
  // tests set 0).
  void set_pause_ms(int ms) { pause_ms_ = ms; }

 private:
  void OnOk();

  QLineEdit* title_edit_;
  QLineEdit* investor_edit_;
  QLineEdit* designer_edit_;
  QPushButton* ok_;
  std::map<int, Report> reports_;
  int kind_ = 0;
  bool run_pending_ = false;
  int pause_ms_ = 500;
};

}  // namespace orvanta
