#include "app/spreadsheet/duct_report.h"

namespace orvanta {
namespace {

// The record's fields in the hydraulic columns 1 … 16.
constexpr FittingField kHydraulicFields[kHydraulicColumns] = {
    FittingField::Lp,        FittingField::Name,      FittingField::FlowMain,     FittingField::Length,
    FittingField::SideA,     FittingField::SideB,     FittingField::SideC,        FittingField::SideD,
    FittingField::Diameter1, FittingField::Diameter2, FittingField::Angle,        FittingField::Zeta,
    FittingField::FrictionLoss, FittingField::LocalLoss, FittingField::TotalLoss, FittingField::Mass,
};

FittingField Band(int k) { return static_cast<FittingField>(static_cast<int>(FittingField::Band1First) + k); }

void Put(TemplateReport& r, int row, int column, const std::string& stored) {
  r.cells.push_back({row, column, CellValueOfText(stored)});
}

}  // namespace

std::string DuctReportTemplateName(DuctExport kind, bool polish) {
  return std::string("calculations") + (kind == DuctExport::kHydraulic ? "DP" : "DB") + (polish ? "PL" : "EN") +
         ".xlsx";
}

std::string DuctReportFileName(DuctExport kind, const xlsx::DateTime& now) {
  return std::string(kind == DuctExport::kHydraulic ? "dp" : "db") + "_calculations-" + ReportFileStamp(now) +
         ".xlsx";
}

TemplateReport BuildDuctReport(DuctExport kind, const DuctDocument& document, const DuctReportHeader& header) {
  TemplateReport r;
  // The header: free texts stay text.
  r.cells.push_back({2, 2, header.moh_path});
  r.cells.push_back({3, 2, header.title});
  r.cells.push_back({4, 2, header.now});
  r.cells.push_back({5, 2, header.investor});
  r.cells.push_back({6, 2, header.designer});

  const int n = document.Count();
  if (kind == DuctExport::kHydraulic) {
    Put(r, 7, 2, header.pb);
    Put(r, 7, 4, header.rho);
    Put(r, 7, 8, header.nu);
    Put(r, 7, 11, header.t);
    Put(r, 7, 14, header.phi);
    for (int i = 0; i <= n; ++i) {
      const FittingRecord& record = document.Record(i);
      const int row = kHydraulicFirstRow + i;
      for (int c = 0; c < kHydraulicColumns; ++c) {
        r.bordered.push_back({row, c + 1});
        // The row of record n takes the totals in the last two columns.
        if (i == n && c + 1 >= 15) continue;
        const std::string& text = record.Text(kHydraulicFields[c]);
        // The fitting's name is a name, whatever it looks like.
        if (kHydraulicFields[c] == FittingField::Name)
          r.cells.push_back({row, c + 1, text});
        else
          Put(r, row, c + 1, text);
      }
    }
    Put(r, kHydraulicFirstRow + n, 15, header.total_loss);
    Put(r, kHydraulicFirstRow + n, 16, header.total_mass);
  } else {
    for (int i = 0; i <= n; ++i) {
      const FittingRecord& record = document.Record(i);
      const int row = kAcousticFirstRow + i;
      Put(r, row, 1, record.Text(FittingField::Lp));
      r.cells.push_back({row, 2, record.Text(FittingField::Name)});
      // The row of record n takes the band totals.
      if (i < n)
        for (int k = 0; k < kOctaveBands; ++k) Put(r, row, 3 + k, record.Text(Band(k)));
      for (int c = 1; c <= kAcousticColumns; ++c) r.bordered.push_back({row, c});
    }
    for (int k = 0; k < kOctaveBands; ++k) Put(r, kAcousticFirstRow + n, 3 + k, header.band_totals[k]);
  }
  return r;
}

}  // namespace orvanta
