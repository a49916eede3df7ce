// The spreadsheet side of the chart report, kept apart from the window side:
// the core's report data and the report-data window's share a name.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/spreadsheet/chart_report.h"
#include "app/ui/kit/data_dir.h"
#include "chart/png_writer.h"
#include "chart/ui/chart_output.h"

namespace orvanta {

namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

xlsx::DateTime ToSheetDate(const QDateTime& t) {
  const QDate d = t.date();
  const QTime h = t.time();
  return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

}  // namespace

QString ChartReportTemplatePath(UnitSystem units, bool polish) {
  return DataPath("calc/" + QString::fromStdString(ChartReportTemplateName(units, polish)));
}

QString ChartReportTemplateProblem(const QString& template_path) {
  std::string error;
  if (xlsx::Workbook::Open(Local(template_path), error)) return {};
  const QString why = QString::fromStdString(error);
  return why.contains(template_path) ? why : template_path + ": " + why;
}

ChartReportOutcome WriteChartReportFile(const ChartReportRequest& request) {
  ChartReportOutcome outcome;
  const xlsx::DateTime now = ToSheetDate(request.now);
  outcome.report_path =
      QDir(request.report_folder).filePath(QString::fromStdString(ChartReportFileName(now)));
  if (!request.project) {
    outcome.message = "No project to report.";
    return outcome;
  }

  ReportPicture picture;
  if (!request.picture.isNull()) {
    const QImage rgb = request.picture.convertToFormat(QImage::Format_RGB888);
    const PngResult png = EncodePng({rgb.width(), rgb.height(), rgb.constBits(),
                                     static_cast<std::size_t>(rgb.bytesPerLine()), PngPixels::kRgb24});
    if (!png.error.empty()) {
      outcome.message = "The chart picture could not be encoded: " + QString::fromStdString(png.error);
      return outcome;
    }
    picture.png = png.bytes;
    picture.width = rgb.width();
    picture.height = rgb.height();
  }

  ChartReportInput in;
  in.project = request.project;
  in.units = request.units;
  in.polish = request.polish;
  in.data = {request.title.toStdString(), request.investor.toStdString(), request.designer.toStdString()};
  in.now = now;
  in.picture = picture.png.empty() ? nullptr : &picture;
  const QString template_path = ChartReportTemplatePath(request.units, request.polish);
  const ChartReportResult result = CreateChartReport(Local(template_path), Local(outcome.report_path), in);
  if (result.status != ChartReportResult::kOk) {
    const QString why = QString::fromStdString(result.message);
    outcome.message = result.status == ChartReportResult::kNotWritten
                          ? "The report " + outcome.report_path + " could not be written: " + why
                          : (why.contains(template_path) ? why : template_path + ": " + why);
    return outcome;
  }
  outcome.written = true;
  return outcome;
}

}  // namespace orvanta
