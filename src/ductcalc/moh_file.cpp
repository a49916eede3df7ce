#include "ductcalc/moh_file.h"

#include "ductcalc/fitting_catalogue.h"
#include "project/safe_file.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr FittingField kNumberFields[] = {
    FittingField::Length, FittingField::SideA, FittingField::Diameter1, FittingField::SideB,
    FittingField::Diameter2, FittingField::SideC, FittingField::SideD, FittingField::Angle,
    FittingField::FlowMain, FittingField::FlowBranch, FittingField::VelocityMain, FittingField::VelocityBranch,
    FittingField::ExtraLoss, FittingField::Zeta, FittingField::Roughness, FittingField::FrictionLoss,
    FittingField::LocalLoss, FittingField::TotalLoss, FittingField::HydraulicDiameterMain,
    FittingField::HydraulicDiameterSecond, FittingField::BendRatio, FittingField::OffsetE, FittingField::Mass,
    FittingField::WallThickness, FittingField::InsulationThickness, FittingField::WallDensity,
    FittingField::InsulationDensity};

MohFileResult Failure(MohFileError error, std::string detail, MohFileLayout layout = MohFileLayout::Current) {
  MohFileResult r;
  r.error = error;
  r.detail = std::move(detail);
  r.layout = layout;
  return r;
}

// Decodes every record of one layout; the first damage found ends it.
template <std::size_t kSize, typename Decode>
MohImage DecodeAll(std::span<const std::uint8_t> bytes, MohFileLayout layout, Decode decode) {
  MohImage image;
  const std::size_t count = bytes.size() / kSize;
  image.fittings.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    std::string damage;
    auto fitting = decode(std::span<const std::uint8_t, kSize>(bytes.data() + k * kSize, kSize), &damage);
    if (fitting) damage = FittingDamage(*fitting);
    if (!damage.empty()) {
      image.fittings.clear();
      image.status = Failure(MohFileError::Damaged, "fitting " + std::to_string(k) + ": " + damage, layout);
      return image;
    }
    image.fittings.push_back(std::move(*fitting));
  }
  image.status.layout = layout;
  return image;
}

}  // namespace

std::string FittingDamage(const FittingRecord& fitting) {
  const std::string& kind = fitting.Text(FittingField::Kind);
  if (!FittingKindFromText(kind)) return "the kind \"" + kind + "\" is not a fitting kind (1 to 24)";
  for (FittingField f : kNumberFields) {
    const std::string& text = fitting.Text(f);
    if (!text.empty() && !ParseNumber(text, ',')) return std::string("\"") + text + "\" in the field \"" +
                                                          FittingFieldName(f) + "\" is not a number";
  }
  for (int row = 0; row < kOctaveRows; ++row)
    for (int band = 0; band < kOctaveBands; ++band) {
      const std::string& text = fitting.Text(BandField(row, band));
      if (!text.empty() && !ParseNumber(text, ','))
        return "\"" + text + "\" in an octave band is not a number";
    }
  return {};
}

MohImage DecodeMohImage(std::span<const std::uint8_t> bytes, char decimal_separator) {
  const std::size_t size = bytes.size();
  const bool current_size = size % kFittingRecordSize == 0;
  const bool legacy_size = size % kLegacyFittingRecordSize == 0;
  if (!current_size && !legacy_size) {
    MohImage image;
    image.status = Failure(MohFileError::WrongSize, std::to_string(size) + " bytes");
    return image;
  }
  MohImage current;
  if (current_size) {
    if (size / kFittingRecordSize > static_cast<std::size_t>(kMaxFittings)) {
      current.status = Failure(MohFileError::TooManyFittings, std::to_string(size / kFittingRecordSize));
    } else {
      current = DecodeAll<kFittingRecordSize>(bytes, MohFileLayout::Current,
                                              [](auto rec, std::string* damage) {
                                                return DecodeFittingRecord(rec, damage);
                                              });
      if (current.status.ok()) return current;
    }
    if (!legacy_size) return current;
  }
  MohImage legacy;
  if (size / kLegacyFittingRecordSize > static_cast<std::size_t>(kMaxFittings)) {
    legacy.status =
        Failure(MohFileError::TooManyFittings, std::to_string(size / kLegacyFittingRecordSize), MohFileLayout::Legacy);
  } else {
    legacy = DecodeAll<kLegacyFittingRecordSize>(bytes, MohFileLayout::Legacy,
                                                 [decimal_separator](auto rec, std::string* damage) {
                                                   return DecodeLegacyFittingRecord(rec, decimal_separator, damage);
                                                 });
    if (legacy.status.ok()) return legacy;
  }
  // Neither layout fits: report the one the length suggests first.
  return current_size ? current : legacy;
}

std::vector<std::uint8_t> EncodeMohImage(std::span<const FittingRecord> fittings) {
  std::vector<std::uint8_t> bytes(fittings.size() * kFittingRecordSize);
  for (std::size_t k = 0; k < fittings.size(); ++k)
    EncodeFittingRecord(fittings[k],
                        std::span<std::uint8_t, kFittingRecordSize>(bytes.data() + k * kFittingRecordSize,
                                                                    kFittingRecordSize));
  return bytes;
}

MohImage ReadMohFile(const std::string& path, char decimal_separator) {
  MohImage image;
  // The largest acceptable file: 500 records of whichever layout is longer.
  const FileReadResult file = ReadFileBytes(path, kMaxFittings * kFittingRecordSize);
  if (!file.exists) {
    image.status = Failure(MohFileError::NotFound, {});
  } else if (!file.ok) {
    image.status = Failure(MohFileError::CannotRead, file.error);
  } else if (file.longer) {
    image.status = Failure(MohFileError::TooManyFittings, {});
  } else {
    image = DecodeMohImage(file.bytes, decimal_separator);
  }
  return image;
}

MohFileResult WriteMohFile(const std::string& path, std::span<const FittingRecord> fittings) {
  if (fittings.size() > static_cast<std::size_t>(kMaxFittings))
    return Failure(MohFileError::TooManyFittings, std::to_string(fittings.size()));
  const std::string error = WriteFileReplacing(path, EncodeMohImage(fittings));
  if (!error.empty()) return Failure(MohFileError::CannotWrite, error);
  return {};
}

std::string MohFileResult::Message() const {
  std::string text;
  switch (error) {
    case MohFileError::None:
      return {};
    case MohFileError::NotFound:
      text = "The calculation file does not exist";
      break;
    case MohFileError::CannotRead:
      text = "The calculation file cannot be read";
      break;
    case MohFileError::WrongSize:
      text = "This is not a calculation file (its length is neither a multiple of 844 bytes nor, in the older "
             "layout, of 372 bytes)";
      break;
    case MohFileError::TooManyFittings:
      text = "The calculation file holds more than 500 fittings and was not opened";
      break;
    case MohFileError::Damaged:
      text = "The calculation file is damaged and was not opened";
      break;
    case MohFileError::CannotWrite:
      text = "The calculation could not be saved; the file on disk is unchanged";
      break;
  }
  if (!detail.empty()) text += ": " + detail;
  return text + ".";
}

}  // namespace orvanta
