// Lines of the delivered Polish language file, to check that the core lists
// name the entries that hold their texts.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace orvanta::calculators::testing {

inline std::vector<std::string> PolishLanguageLines() {
  std::ifstream in(std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/pl.lng", std::ios::binary);
  std::vector<std::string> lines{""};  // entry n is line n
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The text of entry n, or a marker when the file is shorter.
inline std::string Entry(const std::vector<std::string>& lines, int n) {
  return n > 0 && n < static_cast<int>(lines.size()) ? lines[n] : "<missing entry>";
}

}  // namespace orvanta::calculators::testing
