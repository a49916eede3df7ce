// The points library: the bytes as the library file, listed, then one
// record deleted and one point stored, as the library window does.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "project/points_library.h"

using namespace orvanta;

namespace {

std::filesystem::path g_folder;

void RemoveFolder() {
  std::error_code ec;
  std::filesystem::remove_all(g_folder, ec);
}

const std::string& LibraryPath() {
  static const std::string path = [] {
    // tmpfs where there is one: every store syncs the file to disk.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto dir = base / ("orvanta-fuzz-library-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    g_folder = dir;
    std::atexit(RemoveFolder);
    return (dir / kLibraryFileName).string();
  }();
  return path;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = LibraryPath();
  WriteFile(path, data, size);
  const LibraryContents c = ReadLibrary(path);
  (void)c.status.Message();
  if (c.points.size() > static_cast<std::size_t>(kLibraryMaxPoints)) std::abort();
  if (!c.status.ok()) return 0;
  int index = -1;
  if (size >= 4) std::memcpy(&index, data, sizeof index);  // any int, as a stale list could pass
  const LibraryResult deleted = DeleteLibraryPoint(path, index);
  if (deleted.ok() != (index >= 0 && index < c.records_in_file)) std::abort();
  if (!c.points.empty()) (void)AppendLibraryPoint(path, c.points.front());
  return 0;
}
