#include "ductcalc/duct_document.h"

#include "psychro/number_text.h"

namespace orvanta {
namespace {

const FittingRecord& EmptyRecord() {
  static const FittingRecord empty;
  return empty;
}

void AddNumber(double& sum, const std::string& text) {
  if (auto v = ParseNumber(text, ',')) sum += *v;
}

}  // namespace

const std::array<SheetColumn, kSheetColumns> kSheetColumnLayout = {{
    {"ListBox1", FittingField::Lp},
    {"ListBox2", FittingField::Name},
    {"ListBox3", FittingField::FlowMain},
    {"ListBox4", FittingField::VelocityMain},
    {"ListBox5", FittingField::Length},
    {"ListBox6", FittingField::Diameter1},
    {"ListBox16", FittingField::Diameter2},
    {"ListBox12", FittingField::SideA},
    {"ListBox13", FittingField::SideB},
    {"ListBox14", FittingField::SideC},
    {"ListBox15", FittingField::SideD},
    {"ListBox17", FittingField::Angle},
    {"ListBox7", FittingField::Zeta},
    {"ListBox8", FittingField::FrictionLoss},
    {"ListBox9", FittingField::LocalLoss},
    {"ListBox11", FittingField::ExtraLoss},
    {"ListBox10", FittingField::TotalLoss},
    {"ListBox18", FittingField::Mass},
    {"ListBox19", BandField(0, 0)},
    {"ListBox20", BandField(0, 1)},
    {"ListBox21", BandField(0, 2)},
    {"ListBox22", BandField(0, 3)},
    {"ListBox23", BandField(0, 4)},
    {"ListBox24", BandField(0, 5)},
    {"ListBox25", BandField(0, 6)},
    {"ListBox26", BandField(0, 7)},
}};

std::string DocumentResult::Message() const {
  switch (error) {
    case DocumentError::None:
      return {};
    case DocumentError::Full:
      return "A calculation holds at most 500 fittings; the fitting was not added.";
    case DocumentError::NoSuchFitting:
      return "The selected row holds no fitting.";
  }
  return {};
}

TotalsTexts FormatTotals(const DocumentTotals& totals, double band_step, char decimal_separator) {
  TotalsTexts t;
  t.total_loss = NumberText(RoundToStep(totals.total_loss, 0.01), decimal_separator);
  t.mass = NumberText(RoundToStep(totals.mass, 0.01), decimal_separator);
  for (int b = 0; b < kOctaveBands; ++b)
    t.bands[b] = NumberText(RoundToStep(totals.bands[b], band_step), decimal_separator);
  return t;
}

DuctDocument::DuctDocument() : records_(kMaxFittings + 1) {}

const FittingRecord& DuctDocument::Record(int index) const {
  if (index < 0 || index > kMaxFittings) return EmptyRecord();
  return records_[index];
}

void DuctDocument::New() {
  for (int i = 0; i < count_; ++i) records_[i] = NewResetRecord();
  count_ = 0;
}

DocumentResult DuctDocument::Append(FittingRecord fitting) {
  if (count_ >= kMaxFittings) return {DocumentError::Full};
  fitting.Text(FittingField::Lp) = std::to_string(count_);
  records_[count_] = std::move(fitting);
  ++count_;
  return {};
}

DocumentResult DuctDocument::Replace(int index, FittingRecord fitting) {
  if (index < 0 || index >= count_) return {DocumentError::NoSuchFitting};
  fitting.Text(FittingField::Lp) = std::to_string(index);
  records_[index] = std::move(fitting);
  return {};
}

bool DuctDocument::Delete(int index) {
  if (index < 0 || index >= count_) return false;
  // Everything from the fitting after `index` up to the unused record after
  // the last fitting moves up by one; the slot that the unused record left
  // is emptied.
  for (int i = index; i < count_; ++i) records_[i] = std::move(records_[i + 1]);
  EmptyTexts(records_[count_]);
  --count_;
  for (int i = index; i < count_; ++i) records_[i].Text(FittingField::Lp) = std::to_string(i);
  return true;
}

void DuctDocument::Adopt(std::vector<FittingRecord> fittings) {
  New();
  count_ = static_cast<int>(fittings.size());
  for (int i = 0; i < count_; ++i) records_[i] = std::move(fittings[i]);
}

MohFileResult DuctDocument::Open(const std::string& path, char decimal_separator) {
  MohImage image = ReadMohFile(path, decimal_separator);
  if (image.status.ok()) Adopt(std::move(image.fittings));
  return image.status;
}

MohFileResult DuctDocument::LoadImage(std::span<const std::uint8_t> bytes, char decimal_separator) {
  MohImage image = DecodeMohImage(bytes, decimal_separator);
  if (image.status.ok()) Adopt(std::move(image.fittings));
  return image.status;
}

MohFileResult DuctDocument::Save(const std::string& path) const { return WriteMohFile(path, Fittings()); }

DocumentTotals DuctDocument::Totals() const {
  DocumentTotals t;
  for (const FittingRecord& r : Fittings()) {
    AddNumber(t.total_loss, r.Text(FittingField::TotalLoss));
    AddNumber(t.mass, r.Text(FittingField::Mass));
    for (int b = 0; b < kOctaveBands; ++b) AddNumber(t.bands[b], r.Text(BandField(0, b)));
  }
  return t;
}

SheetRow SheetRowTexts(const DuctDocument& document, int index) {
  SheetRow row;
  const FittingRecord& r = document.Record(index);
  for (int c = 0; c < kSheetColumns; ++c) row[c] = r.Text(kSheetColumnLayout[c].field);
  return row;
}

std::array<SheetRow, kSheetRows> SheetRows(const DuctDocument& document, int scroll_position) {
  std::array<SheetRow, kSheetRows> rows;
  for (int k = 0; k < kSheetRows; ++k) rows[k] = SheetRowTexts(document, scroll_position + k);
  return rows;
}

std::optional<int> SelectedFitting(const DuctDocument& document, int scroll_position, int row) {
  if (row < 0 || row >= kSheetRows || scroll_position < 0) return std::nullopt;
  const int index = scroll_position + row;
  if (index >= document.Count()) return std::nullopt;
  return index;
}

}  // namespace orvanta
