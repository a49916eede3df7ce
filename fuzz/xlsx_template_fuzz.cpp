// The workbook reader on arbitrary bytes: a damaged template is refused with
// a message, never a crash; an accepted one survives the report's row
// operations, cell writes and saving, and its saved form opens again.
// Inputs starting with '<' are taken as the worksheet XML of an otherwise
// sound workbook, so the sheet parsing and the formula rewriting are reached
// past the zip checksums.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/spreadsheet/workbook.h"
#include "../tests/app/xlsx_test_support.h"

namespace {

std::vector<std::uint8_t> WorkbookWithSheet(const std::uint8_t* data, std::size_t size) {
  static const char* kTypes =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/></Types>";
  static const char* kRels =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
      "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
      "Target=\"xl/workbook.xml\"/></Relationships>";
  static const char* kBook =
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets><sheet name=\"S\" "
      "sheetId=\"1\" r:id=\"rId1\"/></sheets><definedNames><definedName name=\"_xlnm.Print_Area\">"
      "S!$A$1:$L$70</definedName></definedNames></workbook>";
  static const char* kBookRels =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
      "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
      "Target=\"worksheets/sheet1.xml\"/></Relationships>";
  return orvanta::testing_support::ZipParts({{"[Content_Types].xml", kTypes},
                                             {"_rels/.rels", kRels},
                                             {"xl/workbook.xml", kBook},
                                             {"xl/_rels/workbook.xml.rels", kBookRels},
                                             {"xl/worksheets/sheet1.xml", std::string(reinterpret_cast<const char*>(data), size)}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using orvanta::xlsx::Workbook;
  std::string error;
  std::vector<std::uint8_t> wrapped;
  if (size > 0 && data[0] == '<') {
    wrapped = WorkbookWithSheet(data, size);
    data = wrapped.data();
    size = wrapped.size();
  }
  auto wb = Workbook::FromBytes(std::span<const std::uint8_t>(data, size), error);
  if (!wb) {
    if (error.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  auto& sheet = wb->Sheet(1);
  const int last = sheet.LastRow();
  sheet.CopyRowInsert(14, 15);
  sheet.CopyRowInsert(1, 1);
  sheet.DeleteRow(2);
  if (last > 0) sheet.DeleteRow(last);
  sheet.SetText(4, 3, "Tytuł");
  sheet.SetNumber(8, 7, 110.5);
  sheet.SetDate(5, 3, {2026, 12, 9, 12, 0, 0});
  sheet.SetBorders(3, 3, orvanta::xlsx::BorderStyle::Thin);
  static const std::uint8_t kPng[12] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0};
  sheet.AddPicture(28, 1, kPng, 4, 3, 740);
  (void)sheet.Pictures();
  (void)sheet.MergedRanges();
  (void)wb->DefinedName("_xlnm.Print_Area");
  const auto bytes = wb->ToBytes();
  if (bytes.empty()) std::abort();
  auto again = Workbook::FromBytes(bytes, error);
  if (!again) std::abort();  // what we write we can read
  return 0;
}
