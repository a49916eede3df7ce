#include "ductcalc/ui/duct_export.h"

#include <QDir>
#include <QFile>

#include "app/ui/kit/data_dir.h"

namespace orvanta {
namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString DuctReportTemplatePath(DuctExport kind, bool polish) {
  return DataPath("calc/" + QString::fromStdString(DuctReportTemplateName(kind, polish)));
}

QString DuctReportTemplateProblem(DuctExport kind, bool polish) {
  const QString path = DuctReportTemplatePath(kind, polish);
  std::string error;
  if (xlsx::Workbook::Open(Local(path), error)) return {};
  const QString why = QString::fromStdString(error);
  return why.contains(path) ? why : path + ": " + why;
}

xlsx::DateTime SheetDateTime(const QDateTime& t) {
  const QDate d = t.date();
  const QTime h = t.time();
  return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

DuctExportOutcome WriteDuctReportFile(DuctExport kind, bool polish, const DuctDocument& document,
                                      const DuctReportHeader& header, const QString& folder) {
  DuctExportOutcome outcome;
  outcome.report_path = QDir(folder).filePath(QString::fromStdString(DuctReportFileName(kind, header.now)));
  const QString template_path = DuctReportTemplatePath(kind, polish);
  const TemplateReportResult result = WriteTemplateReport(Local(template_path), Local(outcome.report_path),
                                                          BuildDuctReport(kind, document, header));
  if (!result.ok()) {
    const QString why = QString::fromStdString(result.message);
    outcome.message = result.status == TemplateReportResult::kNotWritten
                          ? "The report " + QDir::toNativeSeparators(outcome.report_path) +
                                " could not be written: " + why
                          : (why.contains(template_path) ? why : template_path + ": " + why);
    return outcome;
  }
  outcome.written = true;
  return outcome;
}

}  // namespace orvanta
