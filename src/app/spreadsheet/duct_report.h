// The pressure-loss sheet's two spreadsheet exports: the hydraulic results
// (one row per fitting from row 11, columns Lp … m) and the acoustic results
// (one row per fitting from row 10: Lp, name and the first octave-band row),
// each with the header cells and the totals, as cells for a copy of the
// export's template.
#pragma once

#include <array>
#include <string>

#include "app/spreadsheet/template_report.h"
#include "ductcalc/duct_document.h"

namespace orvanta {

enum class DuctExport { kHydraulic, kAcoustic };

// First row of the records.
constexpr int kHydraulicFirstRow = 11;
constexpr int kAcousticFirstRow = 10;
constexpr int kHydraulicColumns = 16;
constexpr int kAcousticColumns = 10;

// What the export takes from outside the document, as the windows show it.
struct DuctReportHeader {
  std::string moh_path;  // the file last opened or saved; empty for a sheet never saved
  std::string title, investor, designer;  // the report-data window
  xlsx::DateTime now;
  // The basic-data window's texts.
  std::string pb, rho, nu, t, phi;
  // The sheet's totals: Edit1 (total pressure loss), Edit2 (mass), Edit3 … Edit10 (bands).
  std::string total_loss, total_mass;
  std::array<std::string, kOctaveBands> band_totals;
};

// "calculationsDPPL.xlsx", "calculationsDBEN.xlsx" …
std::string DuctReportTemplateName(DuctExport kind, bool polish);
// "dp_calculations-dd-mm-yyyy hh-nn-ss.xlsx" / "db_calculations-….xlsx".
std::string DuctReportFileName(DuctExport kind, const xlsx::DateTime& now);

// The cells of the export. Records 0 … n (n = the fittings, record n the
// empty one after them) fill one row each, every cell bordered; the totals go
// into the row of record n. Stored texts that hold a number (with either
// decimal separator) are written as numbers, other texts as they are.
TemplateReport BuildDuctReport(DuctExport kind, const DuctDocument& document, const DuctReportHeader& header);

}  // namespace orvanta
