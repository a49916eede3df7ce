// Fields of fixed-size binary records as the program's files hold them:
// little-endian IEEE doubles, one-byte bools (0 or 1), and short strings
// (a length byte, then `capacity` bytes of Windows-1250 text of which only
// the first `length` count). Offsets are checked by the callers' layouts;
// every access here is bounds-checked against the span as well.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "project/cp1250.h"

namespace orvanta::record {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

inline void CheckRange(std::size_t size, std::size_t offset, std::size_t length) {
  if (offset > size || length > size - offset) throw std::out_of_range("record field outside the record");
}

inline void PutDouble(Bytes rec, std::size_t offset, double v) {
  CheckRange(rec.size(), offset, 8);
  auto bits = std::bit_cast<std::uint64_t>(v);
  for (int k = 0; k < 8; ++k) rec[offset + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

inline double GetDouble(ConstBytes rec, std::size_t offset) {
  CheckRange(rec.size(), offset, 8);
  std::uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) bits |= static_cast<std::uint64_t>(rec[offset + k]) << (8 * k);
  return std::bit_cast<double>(bits);
}

inline void PutBool(Bytes rec, std::size_t offset, bool v) {
  CheckRange(rec.size(), offset, 1);
  rec[offset] = v ? 1 : 0;
}

// nullopt for a byte other than 0 or 1 (a damaged record).
inline std::optional<bool> GetBool(ConstBytes rec, std::size_t offset) {
  CheckRange(rec.size(), offset, 1);
  if (rec[offset] > 1) return std::nullopt;
  return rec[offset] == 1;
}

// Writes the UTF-8 text as Windows-1250, cut to `capacity` characters; the
// unused bytes of the field become 0.
inline void PutShortString(Bytes rec, std::size_t offset, int capacity, std::string_view utf8) {
  const auto cap = static_cast<std::size_t>(capacity);
  CheckRange(rec.size(), offset, cap + 1);
  std::string bytes = Utf8ToCp1250(utf8);
  if (bytes.size() > cap) bytes.resize(cap);
  rec[offset] = static_cast<std::uint8_t>(bytes.size());
  std::memset(rec.data() + offset + 1, 0, cap);
  if (!bytes.empty()) std::memcpy(rec.data() + offset + 1, bytes.data(), bytes.size());
}

// The text as UTF-8; nullopt when the length byte exceeds the capacity.
inline std::optional<std::string> GetShortString(ConstBytes rec, std::size_t offset, int capacity) {
  const auto cap = static_cast<std::size_t>(capacity);
  CheckRange(rec.size(), offset, cap + 1);
  const std::size_t length = rec[offset];
  if (length > cap) return std::nullopt;
  return Cp1250ToUtf8(std::string_view(reinterpret_cast<const char*>(rec.data() + offset + 1), length));
}

}  // namespace orvanta::record
