// The climate-year reader on arbitrary bytes: it never crashes, always hands
// back 8760 records, and names a line inside the input when it refuses it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calculators/climate/climate_year.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvanta::ClimateYear year = orvanta::ParseClimateYear(text, "fuzz.txt");
  if (year.hours.size() != orvanta::kClimateHoursPerYear) std::abort();
  if (!year.ok() && year.Message().empty()) std::abort();
  if (year.ok()) {
    for (const orvanta::ClimateHour& h : year.hours) {
      if (h.month < 1 || h.month > 12 || h.day < 1 || h.day > 31 || h.rh < 0 || h.rh > 100) {
        std::abort();
      }
    }
  }
  (void)orvanta::SelectDesignHour(year.hours, orvanta::DesignSeason::Winter, 101325);
  (void)orvanta::SelectDesignHour(year.hours, orvanta::DesignSeason::Summer, 101325);
  return 0;
}
