// One year of the energy calculator: the simulation over a loaded year with
// every hour of the week ticked (8760 operating hours), as a drag of an
// input value recomputes it; and the whole command with the file load.
#include <benchmark/benchmark.h>

#include <string>

#include "calculators/energy/energy.h"

namespace {

const std::string kData = ORVANTA_DATA_SOURCE_DIR;

orvanta::WeeklyTimetable EveryHour() {
  orvanta::WeeklyTimetable tt;
  for (int d = 0; d < 7; ++d) {
    tt.day_on[d] = true;
    tt.SetAllHours(d, true);
  }
  return tt;
}

void BM_EnergyYear(benchmark::State& state) {
  const orvanta::ClimateYear year = orvanta::LoadClimateYear(kData, "WARSZAWA");
  if (!year.ok()) {
    state.SkipWithError(year.Message().c_str());
    return;
  }
  const orvanta::WeeklyTimetable tt = EveryHour();
  orvanta::EnergyInputs in;
  for (auto _ : state) {
    in.t_supply_summer = in.t_supply_summer == 14 ? 15 : 14;  // a value being dragged
    orvanta::EnergyResults r = orvanta::ComputeEnergy(in, tt, year.hours);
    if (!r.ok()) state.SkipWithError("calculation failed");
    benchmark::DoNotOptimize(r.cost_total);
  }
}
BENCHMARK(BM_EnergyYear)->Unit(benchmark::kMillisecond);

void BM_EnergyYearWithLoad(benchmark::State& state) {
  const orvanta::WeeklyTimetable tt = EveryHour();
  const orvanta::EnergyInputs in;
  for (auto _ : state) {
    orvanta::EnergyResults r = orvanta::ComputeEnergyForCity(kData, "WARSZAWA", in, tt);
    if (!r.ok()) state.SkipWithError("calculation failed");
    benchmark::DoNotOptimize(r.cost_total);
  }
}
BENCHMARK(BM_EnergyYearWithLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
