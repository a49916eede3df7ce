// The energy simulation on arbitrary inputs, timetables and weather: it never
// crashes, and a result it calls Ok has finite, non-negative sums whose months
// add up to the year.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "calculators/energy/energy.h"

namespace {

struct Bytes {
  const std::uint8_t* data;
  std::size_t size, pos = 0;
  std::uint8_t Next() { return size == 0 ? 0 : data[pos++ % size]; }
  // A value in [lo, hi] in 256 steps.
  double Range(double lo, double hi) { return lo + (hi - lo) * Next() / 255.0; }
};

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-6 * (1 + std::fabs(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  Bytes b{data, size};
  EnergyInputs in;
  in.v_supply = b.Range(-100, 20000);
  in.v_exhaust = b.Range(-100, 20000);
  in.rec = b.Range(0, 110);
  in.t_supply_winter = b.Range(-10, 40);
  in.t_heating_end = b.Range(-30, 30);
  in.t_supply_summer = b.Range(0, 30);
  in.t_coil_surface = b.Range(-5, 30);
  in.t_cooling_start = b.Range(-10, 40);
  in.t_room_summer = b.Range(10, 40);
  in.t_adiabatic_start = b.Range(-10, 40);
  in.phi_room_summer = b.Range(0, 100);
  in.phi_room_winter = b.Range(0, 100);
  in.eta_t_winter = b.Range(0, 105);
  in.eta_t_summer = b.Range(0, 100);
  in.eta_x = b.Range(0, 100);
  in.eta_adiabatic = b.Range(0, 100);
  in.eta_supply_fan = b.Range(0, 100);
  in.eta_exhaust_fan = b.Range(0, 100);
  in.start = {1 + b.Next() % 31, 1 + b.Next() % 12};
  in.stop = {1 + b.Next() % 31, 1 + b.Next() % 12};
  const std::uint8_t switches = b.Next();
  in.sections = {bool(switches & 1), bool(switches & 2), bool(switches & 4),
                 bool(switches & 8), bool(switches & 16), bool(switches & 32)};
  WeeklyTimetable tt;
  for (int d = 0; d < 7; ++d) {
    tt.day_on[d] = b.Next() & 1;
    for (int h = 0; h < 24; ++h) tt.hours[d][h] = b.Next() & 1;
  }

  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<ClimateHour> year;
  year.reserve(kClimateHoursPerYear);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= kDays[m - 1]; ++d)
      for (int h = 0; h < 24; ++h)
        year.push_back({static_cast<int>(year.size()) + 1, m, d, h, b.Range(-40, 45), b.Range(0, 100)});

  const EnergyResults r = ComputeEnergy(in, tt, year);
  if (r.operating.size() > year.size()) std::abort();
  for (int k : r.operating)
    if (k < r.period.start || k > r.period.end) std::abort();
  if (!r.ok()) {
    if (r.failure.text == 0 && r.failure.english.empty()) std::abort();
    return 0;
  }
  for (double v : {r.heat, r.cool, r.humid, r.fans, r.water_kg, r.condensate_kg, r.cost_total})
    if (!std::isfinite(v) || v < 0) std::abort();
  const auto months = MonthlyEnergy(r, in, year);
  double heat = 0, cool = 0, fans = 0;
  for (const EnergyMonth& m : months) {
    heat += m.heat;
    cool += m.cool;
    fans += m.fans;
  }
  if (!Near(heat, r.heat) || !Near(cool, r.cool) || !Near(fans, r.fans)) std::abort();
  (void)ResultTexts(r, ',');
  (void)HourTexts(r, year, HourUnderMouse(b.Next(), 255), '.');
  return 0;
}
