// A report written into a copy of a template workbook: values into cells of
// the first sheet, borders around cells, optionally one PNG picture, saved
// under a new name (temporary file, then renamed). The duct calculator's
// exports and the energy report are lists of such cells.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/spreadsheet/cell_refs.h"
#include "app/spreadsheet/workbook.h"

namespace orvanta {

struct SheetCell {
  int row = 0, column = 0;  // 1-based
  std::variant<std::string, double, xlsx::DateTime> value;
};

struct SheetPicture {
  int row = 0, column = 0;  // its top-left cell
  std::vector<std::uint8_t> png;
  int pixel_width = 0, pixel_height = 0;
  double width_points = 0;  // the height follows the proportions
};

struct TemplateReport {
  std::vector<SheetCell> cells;  // written in this order (a later value wins)
  std::vector<xlsx::CellAddress> bordered;  // get a thin continuous border
  std::optional<SheetPicture> picture;
};

// A number kept as text ("12", "-0,5", "0.5", "1,5E-6") as that number;
// nothing for any other text (empty, words, "1.2.3", "1,2.3", "inf", "nan",
// "0x10"). Spaces around the number are allowed.
std::optional<double> NumberInText(std::string_view text);
// The cell value of a stored text: its number when it holds one, else the text.
std::variant<std::string, double, xlsx::DateTime> CellValueOfText(const std::string& text);

// Writes the cells, borders and picture into an opened workbook's first sheet.
// Empty on success, else what could not be written.
std::string FillTemplateReport(xlsx::Workbook& workbook, const TemplateReport& report);

struct TemplateReportResult {
  enum Status { kOk, kTemplateMissing, kTemplateDamaged, kNotWritten } status = kOk;
  std::string message;  // what went wrong, naming the file
  bool ok() const { return status == kOk; }
};

// Opens the template, fills it and saves it as `report_path`; a failure
// leaves no report file behind.
TemplateReportResult WriteTemplateReport(const std::string& template_path, const std::string& report_path,
                                         const TemplateReport& report);

// "dd-mm-yyyy hh-nn-ss", the time stamp of report file names.
std::string ReportFileStamp(const xlsx::DateTime& t);

}  // namespace orvanta
