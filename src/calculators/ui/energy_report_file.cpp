#include "calculators/ui/energy_report_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "app/spreadsheet/energy_report_sheet.h"
#include "app/ui/kit/data_dir.h"

namespace orvanta {
namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

EnergyReportOutcome WriteEnergyReportFile(const EnergyReport& report, const QImage& chart, const QString& folder) {
  EnergyReportOutcome outcome;
  const QString target_folder = folder.isEmpty() ? QDir::tempPath() : folder;
  outcome.report_path = QDir(target_folder).filePath(QString::fromStdString(report.file_name));

  TemplateReport sheet = EnergyReportSheet(report);
  if (!chart.isNull()) {
    const auto at = xlsx::ParseCellAddress(report.picture_cell);
    if (!at) {
      outcome.message = "The report's picture cell \"" + QString::fromStdString(report.picture_cell) + "\" is not a cell.";
      return outcome;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!chart.save(&buffer, "PNG")) {
      outcome.message = "The chart picture could not be encoded.";
      return outcome;
    }
    sheet.picture = SheetPicture{at->row, at->column,
                                 std::vector<std::uint8_t>(png.begin(), png.end()),
                                 chart.width(), chart.height(), static_cast<double>(report.picture_width)};
  }

  const QString template_path = DataPath("calc/" + QString::fromStdString(report.template_name));
  const TemplateReportResult result = WriteTemplateReport(Local(template_path), Local(outcome.report_path), sheet);
  if (!result.ok()) {
    const QString why = QString::fromStdString(result.message);
    switch (result.status) {
      case TemplateReportResult::kTemplateMissing:
        outcome.message = "The report template " + QDir::toNativeSeparators(template_path) + " is missing.";
        break;
      case TemplateReportResult::kNotWritten:
        outcome.message = "The report " + QDir::toNativeSeparators(outcome.report_path) + " could not be written: " + why;
        break;
      default:
        outcome.message = why.contains(template_path) ? why : template_path + ": " + why;
    }
    return outcome;
  }
  outcome.written = true;
  return outcome;
}

}  // namespace orvanta
