#include "app/spreadsheet/chart_report.h"

#include <charconv>
#include <cstdio>

#include "project/process_loads.h"
#include "psychro/air.h"
#include "project/safe_file.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

std::string TwoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// A load text of the process table ("12.34", "0") as the number it shows.
bool WriteLoad(xlsx::Worksheet& sheet, int row, int column, const std::string& text) {
  if (text.empty()) return true;  // a process whose loads cannot be computed keeps the cell empty
  double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return sheet.SetText(row, column, text);
  return sheet.SetNumber(row, column, v);
}

}  // namespace

std::string ChartReportTemplateName(UnitSystem units, bool polish) {
  return std::string("DefaultRaport") + (units == UnitSystem::IP ? "IP" : "SI") + (polish ? "PL" : "EN") + ".xlsx";
}

std::string ChartReportFileName(const xlsx::DateTime& t) {
  return "ORVANTA_RAPORT-" + TwoDigits(t.day) + "-" + TwoDigits(t.month) + "-" + std::to_string(t.year) + " " +
         TwoDigits(t.hour) + "-" + TwoDigits(t.minute) + "-" + TwoDigits(t.second) + ".xlsx";
}

std::string FillChartReport(xlsx::Workbook& workbook, const ChartReportInput& in) {
  if (!in.project) return "no project";
  const ChartProject& project = *in.project;
  const bool ip = in.units == UnitSystem::IP;
  xlsx::Worksheet& sheet = workbook.Sheet(1);

  if (in.picture) {
    const std::string error = sheet.AddPicture(kReportPictureRow, 1, in.picture->png, in.picture->width,
                                               in.picture->height, kReportPictureWidth);
    if (!error.empty()) return error;
  }

  const int n = project.point_count();
  const int m = project.process_count();
  bool ok = true;
  for (int k = 0; k < n; ++k) ok = ok && sheet.CopyRowInsert(kReportPointRow, kReportPointRow + 1 + k);
  ok = ok && sheet.DeleteRow(n + kReportPointRow);
  // The process template row now sits at row 20 + n.
  const int process_row = kReportProcessRow - 1 + n;
  for (int k = 0; k < m; ++k) ok = ok && sheet.CopyRowInsert(process_row, process_row + 1 + k);
  ok = ok && sheet.DeleteRow(process_row + m);
  if (!ok) return "the template has no room for the rows of the report";

  const double pb = project.pb();
  sheet.SetText(3, 3, project.file_name());
  sheet.SetText(4, 3, in.data.title);
  sheet.SetDate(5, 3, in.now);
  sheet.SetText(6, 3, in.data.investor);
  sheet.SetText(7, 3, in.data.designer);
  sheet.SetNumber(8, 3, ip ? PressureToIP(pb) : pb / 100);
  sheet.SetNumber(8, 7, AltitudeFromPressure(RoundTo(pb / 100, -2)));

  for (int k = 0; k < n; ++k) {
    const ChartPoint& p = project.point(k);
    const AirState& s = p.state;
    const int row = kReportPointRow + k;
    const double g_per_kg = 1000 * s.x;
    sheet.SetNumber(row, 2, k + 1);
    sheet.SetText(row, 3, p.name);
    sheet.SetNumber(row, 4, ip ? TemperatureToIP(s.t) : s.t);
    sheet.SetNumber(row, 5, ip ? MoistureToIP(g_per_kg) : g_per_kg);
    sheet.SetNumber(row, 6, 100 * s.phi);
    sheet.SetNumber(row, 7, ip ? DensityToIP(s.rho) : s.rho);
    sheet.SetNumber(row, 8, ip ? EnthalpyToIP(s.i) : s.i);
    sheet.SetNumber(row, 9, ip ? PressureToIP(s.pp) : s.pp);
    sheet.SetNumber(row, 10, ip ? PressureToIP(s.pa) : s.pa);
    sheet.SetNumber(row, 11, ip ? TemperatureToIP(s.td) : s.td);
    sheet.SetNumber(row, 12, ip ? TemperatureToIP(s.tw) : s.tw);
  }
  for (int k = 0; k < m; ++k) {
    const AirProcess& p = project.process(k);
    const int row = process_row + k;
    sheet.SetNumber(row, 2, k + 1);
    sheet.SetText(row, 3, p.name);
    sheet.SetText(row, 4, p.start_point);
    sheet.SetText(row, 5, p.end_point);
    sheet.SetNumber(row, 6, ip ? VolumeFlowToIP(p.air_flow) : p.air_flow);
    const ProcessLoadText loads = LoadTextsOf(ProcessLoadsOf(project, k, in.units), '.');
    WriteLoad(sheet, row, 7, loads.total);
    WriteLoad(sheet, row, 8, loads.sensible);
    WriteLoad(sheet, row, 9, loads.latent);
    WriteLoad(sheet, row, 10, loads.moisture);
  }
  return {};
}

ChartReportResult CreateChartReport(const std::string& template_path, const std::string& report_path,
                                    const ChartReportInput& in) {
  std::string error;
  auto workbook = xlsx::Workbook::Open(template_path, error);
  if (!workbook) {
    const bool missing = !ReadFileBytes(template_path, 0).exists;
    return {missing ? ChartReportResult::kTemplateMissing : ChartReportResult::kTemplateDamaged, error};
  }
  error = FillChartReport(*workbook, in);
  if (!error.empty()) return {ChartReportResult::kTemplateDamaged, template_path + ": " + error};
  error = workbook->SaveAs(report_path);
  if (!error.empty()) return {ChartReportResult::kNotWritten, error};
  return {};
}

}  // namespace orvanta
