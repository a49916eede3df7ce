// The ".ovt" project file: one fixed-size little-endian record, no header,
// recognised by its length. 15368 bytes: 50 points of 256 bytes, 20
// processes of 56 bytes, 20 coefficients of 72 bytes (the 20th slot carries
// the air-flow link), the pressure. The older 10968-byte layout (points of
// 168 bytes, without label positions) is still read.
//
// Who sets what: ReadProjectFile and ProjectFromImage replace the project
// only when the whole image is valid, then set modified to false
// (ReadProjectFile also sets file_name to the path). WriteProjectFile does not
// change the project: on success the caller sets modified to false and the
// file name (Save as); on failure modified stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/chart_project.h"

namespace orvanta {

inline constexpr std::size_t kProjectFileSize = 15368;
inline constexpr std::size_t kOlderProjectFileSize = 10968;

inline constexpr std::size_t kPointRecordSize = 256;
inline constexpr std::size_t kOlderPointRecordSize = 168;
inline constexpr std::size_t kProcessRecordSize = 56;
inline constexpr std::size_t kCoefficientRecordSize = 72;

inline constexpr std::size_t kProcessTableOffset = 12800;
inline constexpr std::size_t kCoefficientTableOffset = 13920;
inline constexpr std::size_t kAirFlowLinkOffset = 15288;  // coefficient slot 20
inline constexpr std::size_t kPressureOffset = 15360;

inline constexpr std::size_t kOlderProcessTableOffset = 8400;
inline constexpr std::size_t kOlderCoefficientTableOffset = 9520;
inline constexpr std::size_t kOlderPressureOffset = 10960;

// The pressure a file gets (and a file's pressure of 0 reads as) when the
// project has none.
inline constexpr double kStandardPressure = 101300;

// What a file's values must lie within: the limits the point dialog and the
// pressure panel apply to typed values (t -60..200 °C, x 0..0.2 kg/kg,
// 800..1200 hPa). A file holding anything else is refused with the field
// named; nothing is clamped. A pressure of 0 reads as the standard pressure.
inline constexpr double kMinFileTemperature = -60, kMaxFileTemperature = 200;  // [°C]
inline constexpr double kMaxFileMoisture = 0.2;                                // [kg/kg]
inline constexpr double kMinFilePressure = 80000, kMaxFilePressure = 120000;   // [Pa]

enum class ProjectFileLayout { Current, Older };

enum class ProjectFileError {
  None,
  NotFound,     // no such file
  CannotRead,   // the system refused to read it
  WrongSize,    // neither 15368 nor 10968 bytes
  Damaged,      // right size, but a field cannot hold what it holds
  CannotWrite,  // the system refused to write; the old file is unchanged
};

struct ProjectFileResult {
  ProjectFileError error = ProjectFileError::None;
  std::string detail;  // the system's message, or which field is damaged
  ProjectFileLayout layout = ProjectFileLayout::Current;
  double pb = kStandardPressure;  // the pressure the project now has (read only)
  // Read only, on success: what the user must be told although the file
  // opened (empty when nothing), e.g. which coefficient an ambiguous
  // air-flow link was tied to.
  std::string notice;

  bool ok() const { return error == ProjectFileError::None; }
  // The text for the message box (the program's own wording plus detail).
  std::string Message() const;
};

struct ProjectReadOptions {
  // Recompute every point from its t and x at the file's pressure (Open).
  // Off: the points keep the states stored in the file (start-up with a file
  // argument); a point whose stored state is not a finite number is still
  // recomputed.
  bool refresh_points = true;
};

// The whole-file image of the project: 15368 bytes, the link in coefficient
// slot 20, the pressure last (0, negative or not a number written as
// 101300). Bytes that carry nothing are 0.
std::vector<std::uint8_t> ProjectImage(const ChartProject& project);

// Decodes an image of either layout. On success `out` gets the content
// (its mixing hook and file name stay) and modified false; otherwise `out`
// is not touched.
ProjectFileResult ProjectFromImage(std::span<const std::uint8_t> image, ChartProject& out,
                                   const ProjectReadOptions& options = {});

ProjectFileResult ReadProjectFile(const std::string& path, ChartProject& out,
                                  const ProjectReadOptions& options = {});
ProjectFileResult WriteProjectFile(const std::string& path, const ChartProject& project);

// The file keeps the first 10 characters of the air-flow link's coefficient
// name. Renaming (or adding, index -1) coefficient `index` to `new_name`
// would make that prefix ambiguous while the link uses a coefficient sharing
// it: then the message explaining why the name is refused, else empty.
std::string LinkPrefixConflict(const ChartProject& project, int index, std::string_view new_name);

// The 256-byte point record, shared with the points library. Decoding gives
// nullopt for an unused record (empty name) and for a damaged one; `damage`
// then says what is wrong (empty for an unused record).
void EncodePointRecord(const ChartPoint& point, std::span<std::uint8_t> record);
std::optional<ChartPoint> DecodePointRecord(std::span<const std::uint8_t> record, std::string* damage);

}  // namespace orvanta
