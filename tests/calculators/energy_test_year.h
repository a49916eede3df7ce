// Synthetic climate years for the energy calculator's tests.
#pragma once

#include <functional>
#include <vector>

#include "calculators/climate/climate_year.h"

namespace orvanta::energy_test {

// A 365-day year in file order (hour 1 … 8760, month and day of a non-leap
// calendar) whose temperature and humidity come from `weather(position)`.
inline std::vector<ClimateHour> MakeYear(const std::function<std::pair<double, double>(int)>& weather) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<ClimateHour> year;
  year.reserve(kClimateHoursPerYear);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= kDays[m - 1]; ++d)
      for (int h = 0; h < 24; ++h) {
        ClimateHour c;
        c.hour = static_cast<int>(year.size()) + 1;
        c.month = m;
        c.day = d;
        c.hour_of_day = h + 1;
        auto [t, rh] = weather(static_cast<int>(year.size()));
        c.t = t;
        c.rh = rh;
        year.push_back(c);
      }
  return year;
}

inline std::vector<ClimateHour> ConstantYear(double t, double rh) {
  return MakeYear([=](int) { return std::pair{t, rh}; });
}

}  // namespace orvanta::energy_test
