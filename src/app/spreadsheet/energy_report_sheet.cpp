#include "app/spreadsheet/energy_report_sheet.h"

namespace orvanta {
namespace {

// B3 title, B5 investor, B6 designer, F7 city.
bool FreeText(const ReportCell& c) {
  return (c.column == 2 && (c.row == 3 || c.row == 5 || c.row == 6)) || (c.row == 7 && c.column == 6);
}

}  // namespace

TemplateReport EnergyReportSheet(const EnergyReport& report) {
  TemplateReport sheet;
  for (const ReportCell& c : report.cells) {
    if (const auto* text = std::get_if<std::string>(&c.value)) {
      sheet.cells.push_back({c.row, c.column, FreeText(c) ? *text : CellValueOfText(*text)});
    } else if (const auto* number = std::get_if<double>(&c.value)) {
      sheet.cells.push_back({c.row, c.column, *number});
    } else {
      const ReportDateTime& t = std::get<ReportDateTime>(c.value);
      sheet.cells.push_back({c.row, c.column, xlsx::DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second}});
    }
  }
  return sheet;
}

}  // namespace orvanta
