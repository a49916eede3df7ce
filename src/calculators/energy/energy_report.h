// The data of the energy report: the template and file names and every cell
// the report writes into worksheet 1 of its template, as (row, column,
// value). The workbook layer writes them; nothing here touches a file.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "calculators/energy/energy.h"

namespace orvanta {

struct ReportDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const ReportDateTime&, const ReportDateTime&) = default;
};

struct ReportCell {
  int row = 0;     // 1-based
  int column = 0;  // 1-based
  std::variant<std::string, double, ReportDateTime> value;
  // "B3", "K25" …
  std::string Address() const;
  friend bool operator==(const ReportCell&, const ReportCell&) = default;
};

// "A1"-style address of a 1-based row and column.
std::string CellAddress(int row, int column);

// The report-data window's fields and the values the report takes from
// outside the calculator.
struct EnergyReportHeader {
  std::string title, investor, designer;
  double pb = 101325;  // the chart's barometric pressure [Pa], written in hPa
  std::string city;
  ReportDateTime now;
};

struct EnergyReport {
  std::string template_name;  // "DefaultRaportKZEPL.xlsx" or "DefaultRaportKZEEN.xlsx"
  std::string file_name;      // "ORVANTA_KZE_RAPORT-<dd-mm-yyyy hh-nn-ss>.xlsx"
  std::string picture_cell = "A28";  // where the window's picture goes
  int picture_width = 630;           // its width, the aspect ratio kept
  std::vector<ReportCell> cells;
};

// "dd-mm-yyyy hh-nn-ss".
std::string ReportStamp(const ReportDateTime& t);

// The report of one calculation. Inputs and results are written as the
// window shows them (results with 1 decimal); the result row stays empty
// when `results` is not Ok.
EnergyReport BuildEnergyReport(const EnergyReportHeader& header, const EnergyInputs& in,
                               const EnergyResults& results, bool polish, char decimal_separator);

}  // namespace orvanta
