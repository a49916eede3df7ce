// libFuzzer target for the duct calculator's exports: a text gives a number
// only when it is one (finite, the same value with the other decimal
// separator), and any record texts give cells of both exports that stay in
// the export's rows and columns, with every record cell bordered once.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "app/spreadsheet/duct_report.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto v = NumberInText(bytes)) {
    if (!std::isfinite(*v)) std::abort();
    std::string other(bytes);
    for (char& c : other) c = c == ',' ? '.' : c == '.' ? ',' : c;
    const auto w = NumberInText(other);
    if (!w || *w != *v) std::abort();
  }
  // Lines become the records' texts, 64 lines to a record, at most 20 records.
  DuctDocument doc;
  FittingRecord record;
  int field = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= size && doc.Count() < 20; ++i) {
    if (i < size && bytes[i] != '\n') continue;
    record.texts[field % kFittingTextFieldCount] = std::string(bytes.substr(start, i - start));
    start = i + 1;
    if (++field % 64 == 0 || i == size) {
      if (!doc.Append(record).ok()) std::abort();
      record = FittingRecord{};
    }
  }
  DuctReportHeader header;
  header.total_loss = doc.Count() ? doc.Record(0).Text(FittingField::TotalLoss) : "";
  for (DuctExport kind : {DuctExport::kHydraulic, DuctExport::kAcoustic}) {
    const TemplateReport report = BuildDuctReport(kind, doc, header);
    const int first = kind == DuctExport::kHydraulic ? kHydraulicFirstRow : kAcousticFirstRow;
    const int columns = kind == DuctExport::kHydraulic ? kHydraulicColumns : kAcousticColumns;
    std::set<std::pair<int, int>> borders;
    for (const xlsx::CellAddress& at : report.bordered) {
      if (at.row < first || at.row > first + doc.Count() || at.column < 1 || at.column > columns) std::abort();
      if (!borders.insert({at.row, at.column}).second) std::abort();
    }
    if (borders.size() != static_cast<std::size_t>((doc.Count() + 1) * columns)) std::abort();
    for (const SheetCell& c : report.cells) {
      if (c.row < 2 || c.row > first + doc.Count() || c.column < 1 || c.column > columns) std::abort();
      if (const auto* d = std::get_if<double>(&c.value); d && !std::isfinite(*d)) std::abort();
    }
  }
  return 0;
}
