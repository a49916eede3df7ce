// An .xlsx workbook opened from a template, changed with the few operations
// reports need, and saved under a new name. No spreadsheet program is
// involved: the parts of the file are read and written directly.
//
//   auto wb = xlsx::Workbook::Open(template_path, error);
//   xlsx::Worksheet& sheet = wb->Sheet(1);
//   sheet.CopyRowInsert(14, 15);          // Rows(14).Copy; Rows(15).Insert(shift down)
//   sheet.DeleteRow(16);
//   sheet.SetText(4, 3, "Office block");
//   wb->SaveAs(report_path);
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanta::xlsx {

struct DateTime {
  int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
// The spreadsheet's day number (days since 30 December 1899, time as the
// fraction of the day).
double DateSerial(const DateTime& d);

// Cell border line styles (the four edges of a cell get the same line).
enum class BorderStyle { None, Thin, Medium, Thick, Dashed, Dotted, Double };

// A picture of the sheet: the cell of its top-left corner and its size.
struct PictureAnchor {
  int row = 0, column = 0;  // 1-based
  std::int64_t width_emu = 0, height_emu = 0;  // 914400 per inch, 12700 per point
  std::string media;                           // its part name, "xl/media/image1.png"
};

struct Workbook;
struct WorkbookData;

class Worksheet {
 public:
  const std::string& Name() const;

  // Rows(source).Copy then Rows(at).Insert shifting down: a copy of the
  // source row (values, formulas moved like a copy, style, height, the merged
  // ranges within the row) becomes row `at`; row `at` and everything below
  // move one row down, with every reference to them (formulas of the sheet,
  // merged ranges, conditional formats, validations, defined names such as
  // the print area, picture anchors). False when a row is outside the sheet.
  bool CopyRowInsert(int source_row, int at);
  // Rows(row).Delete: the row goes, everything below moves up; references to
  // its cells become #REF!, ranges through it shrink.
  bool DeleteRow(int row);

  // Cells(row, column) := value. The cell keeps its style; a formula in it is
  // replaced. A date is the day number shown with a date and time format.
  // False for a cell outside the sheet or a number that is not finite.
  bool SetText(int row, int column, const std::string& utf8);
  bool SetNumber(int row, int column, double value);
  bool SetDate(int row, int column, const DateTime& value);
  // All four edges of the cell.
  bool SetBorders(int row, int column, BorderStyle style);

  // Places a PNG picture with its top-left corner at the cell, `width_points`
  // wide and as high as its proportions give. Empty on success, else why not.
  std::string AddPicture(int row, int column, std::span<const std::uint8_t> png, int pixel_width, int pixel_height,
                         double width_points);

  // Reading back (what a report's reader sees).
  std::string CellText(int row, int column) const;  // value as text; "" for an empty cell
  std::optional<double> CellNumber(int row, int column) const;
  std::string CellFormula(int row, int column) const;  // without '='
  std::optional<double> RowHeight(int row) const;      // points, when the row sets one
  int CellStyle(int row, int column) const;            // style index, 0 when none
  std::vector<std::string> MergedRanges() const;       // "A1:L1", in file order
  std::vector<PictureAnchor> Pictures() const;
  int LastRow() const;  // highest row with a row entry, 0 for an empty sheet

 private:
  friend struct Workbook;
  friend struct WorkbookData;
  Worksheet(WorkbookData* wb, int index) : wb_(wb), index_(index) {}
  WorkbookData* wb_;
  int index_;
};

struct Workbook {
  // Files larger than this (or with parts that unpack larger) are refused.
  static constexpr std::size_t kMaxBytes = 64u << 20;

  // Opens a workbook; nullptr with `error` set to a message naming what is
  // wrong (no such file, not an .xlsx workbook, damaged part).
  static std::unique_ptr<Workbook> Open(const std::string& path, std::string& error);
  static std::unique_ptr<Workbook> FromBytes(std::span<const std::uint8_t> bytes, std::string& error);
  ~Workbook();

  int SheetCount() const;
  // Worksheets(number), 1-based; number must be within 1..SheetCount().
  Worksheet& Sheet(int number);
  const Worksheet& Sheet(int number) const;

  // The formula text of a workbook-level defined name ("_xlnm.Print_Area"),
  // or "" when there is none.
  std::string DefinedName(const std::string& name) const;

  // The whole workbook as file bytes.
  std::vector<std::uint8_t> ToBytes() const;
  // SaveAs: written to a temporary file in the target's folder, then renamed
  // over it, so a failure leaves no half-written file. Empty on success.
  std::string SaveAs(const std::string& path) const;

 private:
  Workbook();
  std::unique_ptr<WorkbookData> data_;
};

}  // namespace orvanta::xlsx
