#include "project/points_library.h"

#include <filesystem>
#include <system_error>

#include "project/project_file.h"
#include "project/safe_file.h"

namespace orvanta {
namespace {

// A library far beyond anything the window lists is not read whole.
constexpr std::size_t kMaxLibraryBytes = std::size_t{4} << 20;

struct LoadedFile {
  LibraryResult status;
  std::vector<std::uint8_t> bytes;
};

LoadedFile Load(const std::string& path) {
  LoadedFile r;
  FileReadResult f = ReadFileBytes(path, kMaxLibraryBytes);
  if (!f.exists) {
    r.status = {LibraryError::NotFound, path};
  } else if (!f.ok) {
    r.status = {LibraryError::CannotRead, f.error};
  } else if (f.longer) {
    r.status = {LibraryError::Damaged, "the file is larger than 4 MB"};
  } else {
    r.bytes = std::move(f.bytes);
  }
  return r;
}

LibraryResult Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string error = WriteFileReplacing(path, bytes);
  if (!error.empty()) return {LibraryError::CannotWrite, error};
  return {};
}

}  // namespace

std::string LibraryResult::Message() const {
  std::string text;
  switch (error) {
    case LibraryError::None:
      return {};
    case LibraryError::NotFound:
      text = "The points library does not exist yet";
      break;
    case LibraryError::CannotRead:
      text = "The points library cannot be read";
      break;
    case LibraryError::CannotWrite:
      text = "The points library could not be written; it is unchanged";
      break;
    case LibraryError::Damaged:
      text = "The points library is damaged (empty it to use it again)";
      break;
    case LibraryError::Full:
      text = "The points library already holds 50 points, the most it lists. Delete a point from it first";
      break;
    case LibraryError::NoSuchRecord:
      text = "The point is no longer in the library";
      break;
  }
  if (!detail.empty()) text += ": " + detail;
  return text + ".";
}

LibraryContents ReadLibrary(const std::string& path) {
  LibraryContents c;
  LoadedFile f = Load(path);
  if (!f.status.ok()) {
    c.status = f.status;
    return c;
  }
  c.records_in_file = static_cast<int>(f.bytes.size() / kPointRecordSize);
  c.trailing_bytes = static_cast<int>(f.bytes.size() % kPointRecordSize);
  const std::span<const std::uint8_t> all(f.bytes);
  for (int k = 0; k < c.records_in_file && k < kLibraryMaxPoints; ++k) {
    std::string damage;
    std::optional<ChartPoint> p = DecodePointRecord(all.subspan(k * kPointRecordSize, kPointRecordSize), &damage);
    if (!p) {
      c.stopped_at_record = k;
      break;
    }
    c.points.push_back(std::move(*p));
  }
  return c;
}

LibraryResult AppendLibraryPoint(const std::string& path, const ChartPoint& point) {
  LoadedFile f = Load(path);
  if (f.status.error == LibraryError::NotFound) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  } else if (!f.status.ok()) {
    return f.status;
  } else if (f.bytes.size() % kPointRecordSize != 0) {
    return {LibraryError::Damaged, "its length is not a multiple of 256 bytes"};
  } else if (f.bytes.size() / kPointRecordSize >= static_cast<std::size_t>(kLibraryMaxPoints)) {
    return {LibraryError::Full, {}};
  }
  const std::size_t at = f.bytes.size();
  f.bytes.resize(at + kPointRecordSize);
  const std::span<std::uint8_t> record = std::span<std::uint8_t>(f.bytes).subspan(at, kPointRecordSize);
  EncodePointRecord(point, record);
  // A record the list would stop at is not stored (it would hide nothing
  // but itself, yet could never be listed or deleted).
  std::string damage;
  if (!DecodePointRecord(record, &damage)) {
    return {LibraryError::CannotWrite, (damage.empty() ? std::string("the point has no name") : damage)};
  }
  return Write(path, f.bytes);
}

LibraryResult DeleteLibraryPoint(const std::string& path, int index) {
  LoadedFile f = Load(path);
  if (!f.status.ok()) return f.status;
  // Compared as record counts: no product that could overflow.
  if (index < 0 || static_cast<std::size_t>(index) >= f.bytes.size() / kPointRecordSize) {
    return {LibraryError::NoSuchRecord, {}};
  }
  const auto first = f.bytes.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(index) * kPointRecordSize);
  f.bytes.erase(first, first + kPointRecordSize);
  return Write(path, f.bytes);
}

LibraryResult ClearLibrary(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return {};
  return Write(path, {});
}

}  // namespace orvanta
