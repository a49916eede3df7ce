// A1-style cell references inside formulas and range lists, and how they
// move when rows are inserted or deleted or a formula is copied elsewhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::xlsx {

constexpr int kMaxRow = 1048576;
constexpr int kMaxColumn = 16384;

struct CellAddress {
  int row = 0;     // 1-based
  int column = 0;  // 1-based
};

// "A1" <-> (1, 1); "$B$3" is accepted too. nullopt for anything else.
std::optional<CellAddress> ParseCellAddress(std::string_view text);
std::string CellName(int row, int column);  // (3, 2) -> "B3"
std::string ColumnName(int column);         // 28 -> "AB"

// A change of the rows of one sheet.
struct RowEdit {
  enum Kind { kInsert, kDelete } kind = kInsert;
  int row = 1;    // first row inserted / deleted (1-based)
  int count = 1;  // rows inserted / deleted
};

// References of `formula` (without the leading '=') adjusted to a row edit of
// the sheet `sheet_name`. References qualified with another sheet's name are
// left alone; unqualified ones are adjusted only when `formula_on_sheet` (the
// formula lives on that sheet). A reference to a deleted cell becomes #REF!;
// a range loses its deleted rows and becomes #REF! when none is left.
std::string AdjustFormula(std::string_view formula, const RowEdit& edit, std::string_view sheet_name,
                          bool formula_on_sheet);

// The formula as it reads after being copied `rows` down and `columns` right:
// relative parts move, absolute ($) parts stay; a reference pushed off the
// sheet becomes #REF!.
std::string TranslateFormula(std::string_view formula, int rows, int columns);

// A space-separated list of ranges ("A1:B2 D4") after a row edit; ranges that
// lose all their rows are dropped. Empty result: nothing is left.
std::string AdjustRangeList(std::string_view list, const RowEdit& edit);

}  // namespace orvanta::xlsx
