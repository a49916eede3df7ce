// Loading one climate year (the AHU and energy calculators do it on every city choice).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calculators/climate/climate_year.h"

namespace {

const std::string kData = ORVANTA_DATA_SOURCE_DIR;

void BM_LoadClimateYear(benchmark::State& state) {
  for (auto _ : state) {
    orvanta::ClimateYear year = orvanta::LoadClimateYear(kData, "WARSZAWA");
    if (!year.ok()) state.SkipWithError(year.Message().c_str());
    benchmark::DoNotOptimize(year.hours.data());
  }
}
BENCHMARK(BM_LoadClimateYear)->Unit(benchmark::kMillisecond);

void BM_ParseClimateYear(benchmark::State& state) {
  std::ifstream in(kData + "/KLIMAT/WARSZAWA.txt", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string contents = text.str();
  for (auto _ : state) {
    orvanta::ClimateYear year = orvanta::ParseClimateYear(contents, "WARSZAWA.txt");
    benchmark::DoNotOptimize(year.hours.data());
  }
}
BENCHMARK(BM_ParseClimateYear)->Unit(benchmark::kMillisecond);

void BM_SelectDesignHours(benchmark::State& state) {
  const orvanta::ClimateYear year = orvanta::LoadClimateYear(kData, "WARSZAWA");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        orvanta::SelectDesignHour(year.hours, orvanta::DesignSeason::Winter, 101325));
    benchmark::DoNotOptimize(
        orvanta::SelectDesignHour(year.hours, orvanta::DesignSeason::Summer, 101325));
  }
}
BENCHMARK(BM_SelectDesignHours)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
