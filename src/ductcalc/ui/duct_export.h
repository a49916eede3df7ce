// The pressure-loss sheet's spreadsheet exports as files: the cells of the
// export (BuildDuctReport) written into a copy of its template, saved in a
// folder (the temporary folder in the program) under a time-stamped name.
#pragma once

#include <QDateTime>
#include <QString>

#include "app/spreadsheet/duct_report.h"

namespace orvanta {

// The report kinds the report-data window runs for the two exports.
inline constexpr int kHydraulicExportKind = 151;
inline constexpr int kAcousticExportKind = 152;

// data/calc/calculationsDP… / …DB… of the language.
QString DuctReportTemplatePath(DuctExport kind, bool polish);
// Empty when the template opens, else why it does not (naming the file).
QString DuctReportTemplateProblem(DuctExport kind, bool polish);

xlsx::DateTime SheetDateTime(const QDateTime& t);

struct DuctExportOutcome {
  bool written = false;
  QString report_path;  // the file written (or that would have been)
  QString message;      // why nothing was written
};

DuctExportOutcome WriteDuctReportFile(DuctExport kind, bool polish, const DuctDocument& document,
                                      const DuctReportHeader& header, const QString& folder);

}  // namespace orvanta
