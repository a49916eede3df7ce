// Two-way tables of loss coefficients (and of acoustic data in the same
// format) read from the "calc" data folder, their bilinear lookup, and the
// built-in table of offsets.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ductcalc/velocities.h"

namespace orvanta {

inline constexpr int kLossTableMax = 16;

// Line 0 holds the column axis at positions 1..n, lines 1..m the row axis at
// position 0 and the values at 1..n. Everything else is 0.
struct LossTable {
  int n = 0;  // number of columns
  int m = 0;  // number of rows
  std::array<std::array<double, kLossTableMax>, kLossTableMax> cell{};

  double Column(int j) const { return cell[0][j]; }
  double Row(int i) const { return cell[i][0]; }
};

struct LossTableParse {
  std::optional<LossTable> table;
  std::string error;  // why the text is refused (English), empty when read
};

// Reads the file format: one table line per text line, every value followed
// by a comma (text after a line's last comma is ignored), decimal points.
// Refuses a value that is not a number, lines of different lengths, more than
// 16 lines or values, fewer than two of either, axes that do not ascend.
LossTableParse ParseLossTable(std::string_view text);

// The value at row-axis value r and column-axis value c, interpolated
// bilinearly; r and c outside the axes are clamped to them. NaN in gives NaN.
double LossTableLookup(const LossTable& table, double r, double c);

// The built-in offset table: ζ for the offset ratio e/L and the diameter d
// [mm], interpolated, clamped to 0 ≤ e/L ≤ 1.1 and 0 ≤ d ≤ 800 mm.
double OffsetLossLookup(double ratio, double d_mm);

// The tables of a folder, each file read once and kept (a confirm does not
// read a file again). Not thread-safe.
class LossTableStore {
 public:
  explicit LossTableStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // The parsed table, or nullptr with *refusal naming the file and the fault.
  // A failed read is not kept, so a repaired file is read next time.
  const LossTable* Get(const std::string& file_name, DuctRefusal* refusal);
  int files_read() const { return files_read_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::map<std::string, LossTable> tables_;
  int files_read_ = 0;
};

}  // namespace orvanta
