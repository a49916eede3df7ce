#include "ductcalc/fitting_record.h"

#include <cstring>

#include "project/binary_record.h"

namespace orvanta {
namespace {

void PutInt32(std::span<std::uint8_t> rec, std::size_t offset, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int k = 0; k < 4; ++k) rec[offset + k] = static_cast<std::uint8_t>(u >> (8 * k));
}

std::int32_t GetInt32(std::span<const std::uint8_t> rec, std::size_t offset) {
  std::uint32_t u = 0;
  for (int k = 0; k < 4; ++k) u |= static_cast<std::uint32_t>(rec[offset + k]) << (8 * k);
  return static_cast<std::int32_t>(u);
}

bool ReadText(std::span<const std::uint8_t> rec, FittingField f, TextFieldLayout layout, FittingRecord& out,
              std::string* damage) {
  auto text = record::GetShortString(rec, layout.offset, layout.capacity);
  if (!text) {
    if (damage)
      *damage = std::string("the field \"") + FittingFieldName(f) + "\" at byte " + std::to_string(layout.offset) +
                " is longer than its " + std::to_string(layout.capacity) + " characters";
    return false;
  }
  out.Text(f) = std::move(*text);
  return true;
}

// The fields a legacy import and New both set to "0" beyond mass and the wall data.
void SetUnusedZero(FittingRecord& r) {
  for (int k = 0; k < 10; ++k) r.Text(UnusedField(k)) = "0";
}

}  // namespace

FittingRecord NewResetRecord() {
  FittingRecord r;
  for (FittingField f : {FittingField::Mass, FittingField::WallThickness, FittingField::InsulationThickness,
                         FittingField::WallDensity, FittingField::InsulationDensity})
    r.Text(f) = "0";
  // The octave-band fields from offset 455 up to and including 686: the
  // first two rows and the first six fields of the third.
  for (int f = static_cast<int>(FittingField::Band1First); f < static_cast<int>(FittingField::Unused719); ++f)
    if (kFittingTextLayout[f].offset <= 686) r.texts[f] = "0";
  SetUnusedZero(r);
  return r;
}

void EmptyTexts(FittingRecord& record) {
  for (auto& t : record.texts) t.clear();
  record.intake = true;
  record.fan_power_in_db = true;
}

void EncodeFittingRecord(const FittingRecord& record, std::span<std::uint8_t, kFittingRecordSize> out) {
  std::memset(out.data(), 0, out.size());
  for (int f = 0; f < kFittingTextFieldCount; ++f)
    record::PutShortString(out, kFittingTextLayout[f].offset, kFittingTextLayout[f].capacity, record.texts[f]);
  PutInt32(out, kRoundBendItemOffset, record.round_bend_item);
  PutInt32(out, kRectBendItemOffset, record.rect_bend_item);
  out[kIntakeFlagOffset] = record.intake ? 1 : 0;
  out[kFanDbFlagOffset] = record.fan_power_in_db ? 1 : 0;
}

std::array<std::uint8_t, kFittingRecordSize> EncodeFittingRecord(const FittingRecord& record) {
  std::array<std::uint8_t, kFittingRecordSize> bytes{};
  EncodeFittingRecord(record, std::span<std::uint8_t, kFittingRecordSize>(bytes));
  return bytes;
}

std::optional<FittingRecord> DecodeFittingRecord(std::span<const std::uint8_t, kFittingRecordSize> bytes,
                                                 std::string* damage) {
  FittingRecord r;
  for (int f = 0; f < kFittingTextFieldCount; ++f)
    if (!ReadText(bytes, static_cast<FittingField>(f), kFittingTextLayout[f], r, damage)) return std::nullopt;
  r.round_bend_item = GetInt32(bytes, kRoundBendItemOffset);
  r.rect_bend_item = GetInt32(bytes, kRectBendItemOffset);
  r.intake = bytes[kIntakeFlagOffset] != 0;
  r.fan_power_in_db = bytes[kFanDbFlagOffset] != 0;
  return r;
}

std::optional<FittingRecord> DecodeLegacyFittingRecord(
    std::span<const std::uint8_t, kLegacyFittingRecordSize> bytes, char decimal_separator, std::string* damage) {
  FittingRecord r;
  for (int f = 0; f < kFittingTextFieldCount; ++f) {
    const TextFieldLayout layout = kFittingTextLayout[f];
    if (layout.offset + 1 + static_cast<std::size_t>(layout.capacity) > kLegacySharedPrefix) break;
    if (!ReadText(bytes, static_cast<FittingField>(f), layout, r, damage)) return std::nullopt;
  }
  for (const auto& [field, layout] : kLegacyTailLayout)
    if (!ReadText(bytes, field, layout, r, damage)) return std::nullopt;
  r.round_bend_item = GetInt32(bytes, kRoundBendItemOffset);
  r.rect_bend_item = GetInt32(bytes, kRectBendItemOffset);

  r.Text(FittingField::Mass) = "0";
  r.Text(FittingField::WallThickness) = std::string("0") + decimal_separator + "63";
  r.Text(FittingField::InsulationThickness) = "0";
  r.Text(FittingField::WallDensity) = "7350";
  r.Text(FittingField::InsulationDensity) = "37";
  r.Text(FittingField::InsulationMaterial).clear();
  for (int row = 0; row < kOctaveRows; ++row)
    for (int band = 0; band < kOctaveBands; ++band) r.Text(BandField(row, band)) = "0";
  SetUnusedZero(r);
  r.intake = true;
  r.fan_power_in_db = true;
  return r;
}

const char* FittingFieldName(FittingField f) {
  static constexpr std::array<const char*, static_cast<int>(FittingField::Band1First)> kNames = {
      "Lp", "fitting name", "type", "L", "A", "φ1", "B", "φ2", "C", "D", "angle", "Vc", "Vb", "wc", "wb", "dpp",
      "ζ", "k", "dpl", "dpm", "dpc", "hydraulic diameter", "hydraulic diameter of the second section", "kind",
      "duct material", "R/D", "e", "tee path", "tee flow", "round-bend type", "mass", "wall thickness",
      "insulation thickness", "wall density", "insulation density", "insulation material"};
  const int i = static_cast<int>(f);
  if (i < static_cast<int>(FittingField::Band1First)) return kNames[i];
  if (i < static_cast<int>(FittingField::Band2First)) return "attenuation (first octave-band row)";
  if (i < static_cast<int>(FittingField::Band3First)) return "self-noise (second octave-band row)";
  if (i < static_cast<int>(FittingField::Unused719)) return "sound power (third octave-band row)";
  return "reserved";
}

}  // namespace orvanta
