// The slowest treatment searches: the SHR line walked in 1e-7 kg/kg steps
// from x = 0.02 kg/kg, literally and with the fast walk.
#include <benchmark/benchmark.h>

#include "project/treatment.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101325;

TreatmentInlet WetInlet() { return {StateFromTX(kPb, 40, 0.02), kPb, 1000}; }

// A low ratio keeps the line below saturation all the way: the walk goes down
// to x = 0 (about 200 000 steps) and ends with language text 1270.
void BM_ShrToTemperatureToDryAir(benchmark::State& state) {
  const TreatmentInlet in = WetInlet();
  const auto walk = static_cast<StepWalk>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CoolingShrToTemperature(in, 0.1, -60, walk));
}
BENCHMARK(BM_ShrToTemperatureToDryAir)->Arg(static_cast<int>(StepWalk::Fast))->Arg(static_cast<int>(StepWalk::Literal))
    ->Unit(benchmark::kMillisecond);

// A usual cooling: 0.75 from 40 °C down to 20 °C.
void BM_ShrToTemperature(benchmark::State& state) {
  const TreatmentInlet in = WetInlet();
  const auto walk = static_cast<StepWalk>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CoolingShrToTemperature(in, 0.75, 20, walk));
}
BENCHMARK(BM_ShrToTemperature)->Arg(static_cast<int>(StepWalk::Fast))->Arg(static_cast<int>(StepWalk::Literal))
    ->Unit(benchmark::kMillisecond);

void BM_CondensingShrByWater(benchmark::State& state) {
  const TreatmentInlet in = WetInlet();
  const auto walk = static_cast<StepWalk>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CondensingShrByWater(in, 0.6, 12, walk));
}
BENCHMARK(BM_CondensingShrByWater)->Arg(static_cast<int>(StepWalk::Fast))->Arg(static_cast<int>(StepWalk::Literal))
    ->Unit(benchmark::kMillisecond);

void BM_CondensingShrToTarget(benchmark::State& state) {
  const TreatmentInlet in = WetInlet();
  const auto walk = static_cast<StepWalk>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CondensingShrToTarget(in, 0.6, 0.95, walk));
}
BENCHMARK(BM_CondensingShrToTarget)->Arg(static_cast<int>(StepWalk::Fast))->Arg(static_cast<int>(StepWalk::Literal))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
