// The workbook reader on arbitrary bytes: a damaged template is refused with
// a message, never a crash; an accepted one survives the report's row
// operations, cell writes and saving, and its saved form opens again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "app/spreadsheet/workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using orvanta::xlsx::Workbook;
  std::string error;
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
