// The chart leaves the program: "Zapisz jako obraz" (BMP, PNG or SVG),
// "Ustawienia wydruku" and "Drukuj...", "KOPIUJ DO SCHOWKA", "OTWÓRZ I
// EDYTUJ W PAINT" (orvN.jpg in the temporary folder) and "CREATE RAPORT"
// (the spreadsheet report through the report-data window, kind 25).
// Every picture is the chart bitmap of the last redraw (Image1), never a
// screen grab.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "psychro/units.h"

class QPainter;
class QPrinter;

namespace orvanta {

class ChartProject;
class Workbench;
class ReportDataWindow;

// The chart report (kind 25) as the report-data window's OK runs it.
struct ChartReportRequest {
  const ChartProject* project = nullptr;
  UnitSystem units = UnitSystem::SI;
  bool polish = false;
  QString title, investor, designer;
  QDateTime now;
  QImage picture;         // the chart; none: the report has no picture
  QString report_folder;  // the temporary folder
};
struct ChartReportOutcome {
  bool written = false;
  QString report_path;  // the file written (or that was to be written)
  QString message;      // why not, naming the file
};

// The report template of the unit system and language in the data folder.
QString ChartReportTemplatePath(UnitSystem units, bool polish);
// Empty when the template opens as a workbook; otherwise why not, naming it.
QString ChartReportTemplateProblem(const QString& template_path);
// Writes "ORVANTA_RAPORT-dd-mm-yyyy hh-nn-ss.xlsx" into the report folder.
ChartReportOutcome WriteChartReportFile(const ChartReportRequest& request);

// The printed rectangle of a bitmap on a page (printer pixels): the bitmap is
// fitted to the page keeping its proportions, then drawn at 100/110 of the
// fitted size with its top-left corner at (250, 250) — centred instead along
// a side of the page too short for that margin, so the picture stays whole.
QRect PrintedChartRect(QSize bitmap, QSize page);

// Draws the picture stretched into PrintedChartRect of the painter's page.
QRect PaintFittedChart(QPainter& painter, QSize page, const QImage& picture);

// The title stamp written on the chart when the project has no process (so
// no process table gives the picture a title): `title` with a 20 px font at
// `logo` and "pb = <pb/100> hPa" 20 px right and 25 px below it, moved left
// or up as far as needed to stay whole on the picture.
void DrawTitleStamp(QPainter& painter, QPoint logo, const QString& title, double pb, char decimal_separator);

enum class PrintDialogKind { PageSetup, Print };
// The platform's page-setup and print dialogs; tests answer them instead
// (nullptr restores the dialogs). The answer is whether to go on.
using PrintDialogResponder = std::function<bool(QPrinter&, PrintDialogKind)>;
void SetPrintDialogResponder(PrintDialogResponder responder);

class ChartOutput : public QObject {
  Q_OBJECT
 public:
  explicit ChartOutput(Workbench& workbench);
  ~ChartOutput() override;

  // The chart bitmap of the last redraw; with the title stamp when asked for
  // and the project has no process.
  QImage ChartPicture(bool with_stamp) const;

  // The commands. Each returns whether something was written or done.
  bool SaveChartPicture();
  bool PageSetup();
  bool PrintChart();
  bool CopyChartToClipboard();
  bool OpenChartInImageEditor();
  bool CreateReport();

  // Runs the report with the data typed in the report-data window and
  // opens it with the desktop's application for spreadsheets.
  bool WriteReport(const QString& title, const QString& investor, const QString& designer);

  // The number of the last orvN.jpg of this run.
  int editor_pictures() const { return editor_pictures_; }
  QPrinter& printer() { return *printer_; }

 private:
  QPoint LogoPosition() const;
  bool WriteSvg(const QString& path, QString* error) const;
  ReportDataWindow* ReportWindow();

  Workbench& workbench_;
  std::unique_ptr<QPrinter> printer_;
  int editor_pictures_ = 0;
};

}  // namespace orvanta
