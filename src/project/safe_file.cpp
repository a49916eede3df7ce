#include "project/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace orvanta {
namespace fs = std::filesystem;

namespace {

std::string SystemText(int err) {
  return std::generic_category().message(err);
}

// Pipes, devices and sockets could block a reader for ever or, replaced by a
// regular file, break the system; only regular files are read or replaced.
std::string KindText(mode_t mode) {
  if (S_ISFIFO(mode)) return "it is a pipe (FIFO), not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

// The longest file name the folder takes (255 on the usual file systems).
std::size_t NameMax(const fs::path& folder) {
  const long n = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return n > 0 ? static_cast<std::size_t>(n) : std::size_t{255};
}

// The bytes of `name` that fit in `limit`, not cutting a UTF-8 character.
std::string Utf8Prefix(const std::string& name, std::size_t limit) {
  if (name.size() <= limit) return name;
  std::size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  return name.substr(0, n);
}

}  // namespace

std::string TemporaryNameFor(const std::string& path, unsigned attempt, std::size_t name_max) {
  static std::mt19937 rng{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x%u.tmp", static_cast<unsigned>(rng()), attempt % 100);
  const fs::path p(path);
  const std::string base = p.filename().string();
  // "." + as much of the name as fits + the suffix: never longer than name_max.
  const std::size_t room = name_max > std::strlen(suffix) + 1 ? name_max - std::strlen(suffix) - 1 : 0;
  const std::string name = "." + Utf8Prefix(base, room) + suffix;
  return (p.parent_path() / name).string();
}

FileReadResult ReadFileBytes(const std::string& path, std::size_t max_bytes) {
  FileReadResult r;
  if (max_bytes >= SIZE_MAX / 2) max_bytes = SIZE_MAX / 2;  // max_bytes + 1 below stays in range
  // O_NONBLOCK: opening a FIFO with no writer returns at once instead of
  // waiting; what was opened is then checked with fstat before any read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT) return r;  // no such file (or a link to none)
    r.exists = true;
    // A socket cannot be opened at all; say what it is rather than the system's puzzle.
    struct stat st {};
    r.error = ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) ? KindText(st.st_mode)
                                                                                          : SystemText(err);
    return r;
  }
  r.exists = true;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    r.error = SystemText(errno);
    ::close(fd);
    return r;
  }
  if (S_ISDIR(st.st_mode)) {
    r.error = SystemText(EISDIR);
    ::close(fd);
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.error = KindText(st.st_mode);
    ::close(fd);
    return r;
  }
  const std::size_t want = max_bytes + 1;
  // The buffer follows what is really there (the file may change meanwhile).
  const auto expected = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
  std::size_t n = 0;
  int err = 0;
  while (n < want) {
    if (n == r.bytes.size()) {
      const std::size_t grow = n < expected ? expected - n + 1 : std::size_t{1} << 16;
      r.bytes.resize(n + std::min(grow, want - n));
    }
    const ssize_t got = ::read(fd, r.bytes.data() + n, r.bytes.size() - n);
    if (got < 0) {
      if (errno == EINTR) continue;
      err = errno;
      break;
    }
    if (got == 0) break;
    n += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (err != 0) {
    r.bytes.clear();
    r.error = SystemText(err);
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
    if (ec) return SystemText(ec.value());
    path = target.string();
  }
  struct stat st {};
  bool target_exists = false;
  if (::stat(path.c_str(), &st) == 0) {
    target_exists = true;
    if (S_ISDIR(st.st_mode)) return SystemText(EISDIR);
    if (!S_ISREG(st.st_mode)) return KindText(st.st_mode) + "; it is left as it is";
    // A read-only file stays untouched, even for a user who could replace it.
    if ((st.st_mode & S_IWUSR) == 0) return SystemText(EACCES);
  } else if (errno != ENOENT) {
    return SystemText(errno);
  }

  const std::size_t name_max = NameMax(fs::path(path).parent_path());
  std::string temp;
  int fd = -1;
  for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = TemporaryNameFor(path, attempt, name_max);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno != EEXIST) return SystemText(errno);
  }
  if (fd < 0) return SystemText(EEXIST);

  bool ok = true;
  int err = 0;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      ok = false, err = errno;
    } else {
      done += static_cast<std::size_t>(put);
    }
  }
  if (ok && ::fsync(fd) != 0) ok = false, err = errno;
  if (ok && target_exists && ::fchmod(fd, st.st_mode & 07777) != 0) ok = false, err = errno;  // keep the mode
  if (::close(fd) != 0 && ok) ok = false, err = errno;
  if (ok) {
    // The target may have been swapped for a pipe or device meanwhile: check again.
    struct stat now {};
    if (::stat(path.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
      std::error_code ignore;
      fs::remove(temp, ignore);
      return KindText(now.st_mode) + "; it is left as it is";
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) ok = false, err = errno;
  }
  if (!ok) {
    std::error_code ignore;
    fs::remove(temp, ignore);
    return SystemText(err ? err : EIO);
  }
  return {};
}

}  // namespace orvanta
