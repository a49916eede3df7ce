// The chart report: the points, the processes with their loads, the project
// data and a picture of the chart, written into a copy of the report template.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/spreadsheet/workbook.h"
#include "project/chart_project.h"
#include "psychro/units.h"

namespace orvanta {

// What the report-data window asks for. (Its own name: the window kit has a
// ReportData of Qt strings, and two classes of one name break the program.)
struct ChartReportHeader {
  std::string title, investor, designer;
};

// The chart as a PNG image and its size in pixels.
struct ReportPicture {
  std::vector<std::uint8_t> png;
  int width = 0, height = 0;
};

struct ChartReportInput {
  const ChartProject* project = nullptr;
  UnitSystem units = UnitSystem::SI;
  bool polish = false;  // the Polish template
  ChartReportHeader data;
  xlsx::DateTime now;                    // local time of the report
  const ReportPicture* picture = nullptr;  // none: the report has no picture
};

// Rows and cells of the templates.
constexpr int kReportPointRow = 14;    // point template row
constexpr int kReportProcessRow = 21;  // process template row (before the point rows are added)
constexpr int kReportPictureRow = 28;  // the picture's top-left cell is A28
constexpr double kReportPictureWidth = 740;  // [pt]

// "DefaultRaportSIPL.xlsx" … "DefaultRaportIPEN.xlsx".
std::string ChartReportTemplateName(UnitSystem units, bool polish);
// "ORVANTA_RAPORT-dd-mm-yyyy hh-nn-ss.xlsx".
std::string ChartReportFileName(const xlsx::DateTime& now);

// Fills an opened template, in this order: the picture at A28 (740 pt wide,
// proportions kept); the point template row copied once per point and the
// spare row deleted (rows 14 … 13 + n); the same for the process template
// row (rows 21 + n …; deleted when there is no process); the header cells;
// one row per point and per process. Moisture content is in g/kg (SI) or
// gr/lb (IP), like the template's heading. The loads are computed from the
// project as the chart's process table shows them. Empty on success.
std::string FillChartReport(xlsx::Workbook& workbook, const ChartReportInput& in);

struct ChartReportResult {
  enum Status { kOk, kTemplateMissing, kTemplateDamaged, kNotWritten } status = kOk;
  std::string message;  // what went wrong, naming the file
};

// Opens the template, fills it and saves it as `report_path` (written under a
// temporary name beside it, then renamed: a failure leaves no report file).
ChartReportResult CreateChartReport(const std::string& template_path, const std::string& report_path,
                                    const ChartReportInput& in);

}  // namespace orvanta
