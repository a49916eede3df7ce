#include "app/caption_map.h"

#include <algorithm>

namespace orvanta {
namespace {

std::vector<std::span<const CaptionRow>>& Blocks() {
  static std::vector<std::span<const CaptionRow>> blocks;
  return blocks;
}

}  // namespace

void RegisterCaptionRows(std::span<const CaptionRow> rows) {
  auto& blocks = Blocks();
  const bool known = std::any_of(blocks.begin(), blocks.end(), [&](std::span<const CaptionRow> b) {
    return b.data() == rows.data() && b.size() == rows.size();
  });
  if (!known && !rows.empty()) blocks.push_back(rows);
}

std::vector<CaptionRow> CaptionRows() {
  std::vector<CaptionRow> all;
  for (const auto& b : Blocks()) all.insert(all.end(), b.begin(), b.end());
  return all;
}

std::span<const CaptionRow> CaptionRowsOf(std::string_view window) {
  for (const auto& b : Blocks()) {
    const auto first = std::find_if(b.begin(), b.end(), [&](const CaptionRow& r) { return window == r.window; });
    if (first == b.end()) continue;
    const auto last = std::find_if(first, b.end(), [&](const CaptionRow& r) { return window != r.window; });
    return b.subspan(static_cast<size_t>(first - b.begin()), static_cast<size_t>(last - first));
  }
  return {};
}

}  // namespace orvanta
