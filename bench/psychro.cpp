// Speed of the stepped searches across the chart's range.
#include <benchmark/benchmark.h>

#include "psychro/air.h"
#include "psychro/state.h"

namespace {

constexpr double kPb = 101300;

void BM_WetBulbTemperature(benchmark::State& st) {
  for (auto _ : st)
    for (double t = -30; t <= 40; t += 10)
      for (double x = 0.0005; x <= 0.02; x += 0.004) benchmark::DoNotOptimize(orvanta::WetBulbTemperature(kPb, t, x));
}
BENCHMARK(BM_WetBulbTemperature);

void BM_DewPointTemperature(benchmark::State& st) {
  for (auto _ : st)
    for (double x = 0.0005; x <= 0.02; x += 0.0005) benchmark::DoNotOptimize(orvanta::DewPointTemperature(kPb, x));
}
BENCHMARK(BM_DewPointTemperature);

// The step-by-step definitions, for the ratio in the same run.
void BM_WetBulbTemperatureStepped(benchmark::State& st) {
  for (auto _ : st)
    for (double t = -30; t <= 40; t += 10)
      for (double x = 0.0005; x <= 0.02; x += 0.004) benchmark::DoNotOptimize(orvanta::WetBulbTemperatureStepped(kPb, t, x));
}
BENCHMARK(BM_WetBulbTemperatureStepped);

void BM_DewPointTemperatureStepped(benchmark::State& st) {
  for (auto _ : st)
    for (double x = 0.0005; x <= 0.02; x += 0.0005) benchmark::DoNotOptimize(orvanta::DewPointTemperatureStepped(kPb, x));
}
BENCHMARK(BM_DewPointTemperatureStepped);

void BM_StateFromTX(benchmark::State& st) {
  for (auto _ : st)
    for (double t = -30; t <= 40; t += 10)
      for (double x = 0.0005; x <= 0.02; x += 0.004) benchmark::DoNotOptimize(orvanta::StateFromTX(kPb, t, x));
}
BENCHMARK(BM_StateFromTX);

}  // namespace

BENCHMARK_MAIN();
