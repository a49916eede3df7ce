// The pressure-loss calculation document: the fittings of one duct run in
// order (at most 500) and the empty record that follows the last one, the
// commands of the sheet (New, Open, Save, append, replace, Delete), the
// totals computed from the stored texts, and the sheet's rows.
//
// Storage always holds 501 records; Record(n) (n = Count()) is the unused
// record the sheet shows after the last fitting. Records beyond the last
// fitting keep what New or Delete left in them ("0" in the mass and octave
// columns after New, empty after Delete), as the sheet shows them.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ductcalc/fitting_record.h"
#include "ductcalc/moh_file.h"

namespace orvanta {

inline constexpr int kSheetRows = 20;
inline constexpr int kSheetColumns = 26;
// Language text of the sheet's caption; Save and Open append " - " and the file name.
inline constexpr int kTextSheetCaption = 545;

enum class DocumentError {
  None,
  Full,           // append: the document already holds 500 fittings
  NoSuchFitting,  // replace: the index is not a fitting of the document
};

struct DocumentResult {
  DocumentError error = DocumentError::None;
  bool ok() const { return error == DocumentError::None; }
  std::string Message() const;  // empty on success
};

// The sums shown below the sheet, from the stored texts (a text that is not
// a number counts as nothing).
struct DocumentTotals {
  double total_loss = 0;              // Σ dpc [Pa]
  double mass = 0;                    // Σ m [kg]
  std::array<double, kOctaveBands> bands{};  // Σ of the first octave-band row
};

// The ten total boxes as texts: total loss and mass rounded to 0.01, the
// bands to `band_step` (0.01 after Open and Delete, 0.1 after a fitting is
// stored).
struct TotalsTexts {
  std::string total_loss;
  std::string mass;
  std::array<std::string, kOctaveBands> bands;
};
TotalsTexts FormatTotals(const DocumentTotals& totals, double band_step, char decimal_separator);

class DuctDocument {
 public:
  DuctDocument();

  int Count() const { return count_; }
  bool IsEmpty() const { return count_ == 0; }
  // Records 0 ... 500; any other index gives an empty record.
  const FittingRecord& Record(int index) const;
  // The fittings 0 ... Count()-1.
  std::span<const FittingRecord> Fittings() const { return {records_.data(), static_cast<std::size_t>(count_)}; }

  // Every fitting's record is reset (NewResetRecord); the count becomes 0.
  void New();
  // Stores the fitting at index Count() with Lp = that index. Refused (the
  // document unchanged) when it already holds 500 fittings.
  DocumentResult Append(FittingRecord fitting);
  // Overwrites fitting `index` with Lp = index.
  DocumentResult Replace(int index, FittingRecord fitting);
  // Removes fitting `index`; the following ones move up and are renumbered.
  // False (nothing changes) when `index` is not a fitting.
  bool Delete(int index);

  // Replaces the document by the file's fittings; on any failure the
  // document stays as it was. `decimal_separator` serves the texts the
  // import of an older file creates.
  MohFileResult Open(const std::string& path, char decimal_separator);
  MohFileResult LoadImage(std::span<const std::uint8_t> bytes, char decimal_separator);
  // Writes the fittings 0 ... Count()-1 (an empty document gives an empty
  // file); a failed save leaves the old file as it was.
  MohFileResult Save(const std::string& path) const;

  DocumentTotals Totals() const;

 private:
  void Adopt(std::vector<FittingRecord> fittings);

  std::vector<FittingRecord> records_;  // kMaxFittings + 1
  int count_ = 0;
};

// ---- The sheet ----

struct SheetColumn {
  const char* list_box;  // objectName of the column in the window ("ListBox1" ...)
  FittingField field;
};
// The 26 columns from left to right: Lp, name, Vc, wc, L, φ1, φ2, A, B, C, D,
// angle, ζ, dpl, dpm, dpp, dpc, m, the eight bands of the first row.
extern const std::array<SheetColumn, kSheetColumns> kSheetColumnLayout;

using SheetRow = std::array<std::string, kSheetColumns>;
// The cells of record `index` (empty cells beyond the storage).
SheetRow SheetRowTexts(const DuctDocument& document, int index);
// The 20 rows the sheet shows at `scroll_position`: records p ... p+19. The
// sheet sets its scroll bar's maximum to Count() after Open and to the new
// fitting's index after an append; rows past the storage show empty cells.
std::array<SheetRow, kSheetRows> SheetRows(const DuctDocument& document, int scroll_position);
// The fitting a selected row stands for: row (0 ... 19) + scroll position;
// nothing when no row is selected (row < 0) or the row holds no fitting.
std::optional<int> SelectedFitting(const DuctDocument& document, int scroll_position, int row);

}  // namespace orvanta
