#include "project/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define ORVANTA_HAVE_FSYNC 1
#endif

namespace orvanta {
namespace fs = std::filesystem;

namespace {

std::string SystemText(int err) {
  return std::generic_category().message(err);
}

std::string TempNameFor(const std::string& path, unsigned attempt) {
  static std::mt19937 rng{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x%u.tmp", static_cast<unsigned>(rng()), attempt);
  return path + suffix;
}

}  // namespace

FileReadResult ReadFileBytes(const std::string& path, std::size_t max_bytes) {
  FileReadResult r;
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found) return r;
  r.exists = true;
  if (st.type() == fs::file_type::directory) {
    r.error = SystemText(EISDIR);
    return r;
  }
  if (st.type() != fs::file_type::regular) {  // a pipe or device could block or never end
    r.error = "not a regular file";
    return r;
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    r.error = SystemText(errno);
    return r;
  }
  r.bytes.resize(max_bytes + 1);
  const std::size_t n = std::fread(r.bytes.data(), 1, r.bytes.size(), f);
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) {
    r.bytes.clear();
    r.error = SystemText(err ? err : EIO);
    return r;
  }
  r.bytes.resize(n);
  r.longer = n > max_bytes;
  r.ok = true;
  return r;
}

std::string WriteFileReplacing(const std::string& link_or_path, std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  // Through a symbolic link the file it points to is replaced, not the link.
  std::string path = link_or_path;
  if (fs::is_symlink(link_or_path, ec)) {
    const fs::path target = fs::weakly_canonical(link_or_path, ec);
    if (!ec) path = target.string();
  }
  const fs::file_status target = fs::status(path, ec);
  const bool target_exists = fs::exists(target);
  if (target_exists) {
    if (fs::is_directory(target)) return SystemText(EISDIR);
    // A read-only file stays untouched, even for a user who could replace it.
    if ((target.permissions() & fs::perms::owner_write) == fs::perms::none) return SystemText(EACCES);
  }

  std::string temp;
  std::FILE* f = nullptr;
  for (unsigned attempt = 0; attempt < 16 && !f; ++attempt) {
    temp = TempNameFor(path, attempt);
    f = std::fopen(temp.c_str(), "wbx");
    if (!f && errno != EEXIST) return SystemText(errno);
  }
  if (!f) return SystemText(EEXIST);

  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = ok ? 0 : errno;
  if (ok && std::fflush(f) != 0) ok = false, err = errno;
#ifdef ORVANTA_HAVE_FSYNC
  if (ok && ::fsync(::fileno(f)) != 0) ok = false, err = errno;
#endif
  if (std::fclose(f) != 0 && ok) ok = false, err = errno;
  if (ok && target_exists) fs::permissions(temp, target.permissions(), ec);  // keep the file's mode
  if (ok) {
    fs::rename(temp, path, ec);
    if (ec) ok = false, err = ec.value();
  }
  if (!ok) {
    std::error_code ignore;
    fs::remove(temp, ignore);
    return SystemText(err ? err : EIO);
  }
  return {};
}

}  // namespace orvanta
