// Speed of the stepped searches of the small calculators: each runs inside a
// keystroke handler, so it must stay well below a frame.
#include <benchmark/benchmark.h>

#include "calculators/duct_heat/duct_heat.h"
#include "calculators/heat_gains/water_surface.h"
#include "calculators/pool/pool_hall.h"
#include "calculators/regulating/regulating_element.h"

namespace {

using namespace orvanta::calculators;

// The worst case of the area-ratio search: all 100 000 steps.
void BM_OrificeAreaRatioFullSearch(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(OrificeAreaRatio(0));
}
BENCHMARK(BM_OrificeAreaRatioFullSearch);

void BM_RectangularOrifice(benchmark::State& st) {
  RegulatingInput in;
  in.pressure = 50;
  in.flow = 20000;
  in.section = DuctSection::kRectangular;
  in.side_a_mm = 2000;
  in.side_b_mm = 1000;
  for (auto _ : st) benchmark::DoNotOptimize(ComputeRegulatingElement(in).ok());
}
BENCHMARK(BM_RectangularOrifice);

// The wet-bulb search from −30 °C in 0.001 K steps, for a warm room.
void BM_WaterSurfaceGains(benchmark::State& st) {
  WaterSurfaceInput in;
  in.area = 10;
  in.room_t = 35;
  in.room_rh = 60;
  in.water_t = 28;
  in.air_speed = 0.1;
  for (auto _ : st) benchmark::DoNotOptimize(ComputeWaterSurfaceGains(in).ok());
}
BENCHMARK(BM_WaterSurfaceGains);

void BM_PoolHall(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ComputePoolHall(PoolHallInput{}).ok());
}
BENCHMARK(BM_PoolHall);

void BM_DuctHeat(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ComputeDuctHeat(DuctHeatInput{}).ok());
}
BENCHMARK(BM_DuctHeat);

}  // namespace

BENCHMARK_MAIN();
