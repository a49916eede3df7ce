// Whole-file reads with a size limit, and writes that replace the target
// only once the new content is completely on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvanta {

struct FileReadResult {
  bool exists = false;     // false: there is no such file (nothing else is set)
  bool ok = false;         // the content (or its first max_bytes + 1 bytes) was read
  std::string error;       // system's description when !ok
  std::vector<std::uint8_t> bytes;
  bool longer = false;     // the file holds more than max_bytes bytes (bytes then holds max_bytes + 1)
};

// Reads at most max_bytes + 1 bytes, so an oversized file is recognised
// without reading it whole. Only a regular file (also behind links) is read:
// a pipe, device or socket is refused with a message and never waited on.
FileReadResult ReadFileBytes(const std::string& path, std::size_t max_bytes);

// Writes to a new temporary file in the target's folder and renames it over
// the target. On any failure the temporary file is removed, the target is
// left as it was, and the system's description of the failure is returned.
// Empty string on success. A target that is not a regular file (a pipe,
// device or socket, also behind a link) is refused and left as it is.
std::string WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// The temporary file beside `path` for a replacing write: a hidden name made
// of the file's name cut (at a whole UTF-8 character) so that the whole name,
// random suffix included, stays within name_max bytes.
std::string TemporaryNameFor(const std::string& path, unsigned attempt, std::size_t name_max);

}  // namespace orvanta
