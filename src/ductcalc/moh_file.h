// The ".moh" calculation file: the fittings of one run as 844-byte
// FittingRecords one after another, no header, no count. Files of the older
// 372-byte records are imported.
//
// A file is accepted only whole: its length a multiple of the record size,
// at most 500 records, every text within its capacity, every kind 1 ... 24
// and every number field empty or a number ("," or "." as the separator,
// whatever the locale). The current layout is tried first; a file that does
// not pass as current records (the last record's mass not a number, for
// instance) is tried as older records. Otherwise nothing is returned and the
// caller's document stays as it was.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ductcalc/fitting_record.h"

namespace orvanta {

inline constexpr int kMaxFittings = 500;

enum class MohFileLayout { Current, Legacy };

enum class MohFileError {
  None,
  NotFound,         // no such file
  CannotRead,       // the system refused to read it
  WrongSize,        // length neither a multiple of 844 nor of 372
  TooManyFittings,  // more than 500 records
  Damaged,          // a record holds what its fields cannot hold
  CannotWrite,      // the system refused to write; the old file is unchanged
};

struct MohFileResult {
  MohFileError error = MohFileError::None;
  std::string detail;  // the system's message, or which record and field is damaged
  MohFileLayout layout = MohFileLayout::Current;

  bool ok() const { return error == MohFileError::None; }
  // The text for the message box (empty on success).
  std::string Message() const;
};

struct MohImage {
  MohFileResult status;
  std::vector<FittingRecord> fittings;  // empty unless status.ok()
};

// What is wrong with a fitting read from a file (empty when nothing is):
// kind not 1 ... 24, or a number field that is neither empty nor a number.
std::string FittingDamage(const FittingRecord& fitting);

// `decimal_separator` is used for the texts the legacy import creates ("0,63").
MohImage DecodeMohImage(std::span<const std::uint8_t> bytes, char decimal_separator);
std::vector<std::uint8_t> EncodeMohImage(std::span<const FittingRecord> fittings);

MohImage ReadMohFile(const std::string& path, char decimal_separator);
// Replaces the file only once the new content is completely written.
MohFileResult WriteMohFile(const std::string& path, std::span<const FittingRecord> fittings);

}  // namespace orvanta
