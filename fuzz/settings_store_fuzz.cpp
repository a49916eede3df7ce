// The settings reader: "name=value" lines (as a settings file holds them)
// in a store, read with every fallback and limit, written back and read
// again; the second reading must give what the first gave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings_store.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  MemoryStore store;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos) store.Set(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
    pos = end + 1;
  }
  (void)PressureFromText(std::string(text));
  (void)ColorFromName(std::string(text));

  const AppSettings first = LoadSettings(store);
  MemoryStore written;
  SaveSettings(written, first);
  const AppSettings second = LoadSettings(written);
  if (!(second.chart.range == first.chart.range)) std::abort();
  if (first.language != 0 && second.language != first.language) std::abort();
  return 0;
}
