// One air-handling unit computation (every run until the written values settle).
#include <benchmark/benchmark.h>

#include "calculators/ahu/unit.h"

namespace {

orvanta::UnitInputs SummerUnit() {
  orvanta::UnitInputs in;
  in.t_outdoor = 30;
  in.phi_outdoor = 0.45;
  in.eta_t = 0.5;
  in.r = 0.2;
  in.t_supply = 18;
  in.t_room = 24;
  in.phi_room = 0.5;
  in.t_cooler_out = 14;
  in.t_cooler_surface = 8;
  return in;
}

void BM_UnitUserMode(benchmark::State& state) {
  const orvanta::UnitInputs in = SummerUnit();
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::ComputeUnit(in));
}
BENCHMARK(BM_UnitUserMode)->Unit(benchmark::kMicrosecond);

void BM_UnitBalanceMode(benchmark::State& state) {
  orvanta::UnitInputs in = SummerUnit();
  in.mode = orvanta::ExhaustMode::Balance;
  in.q_gains = 5;
  in.w_gains = 1.8;
  for (auto _ : state) {
    const orvanta::UnitStates s = orvanta::ComputeUnit(in);
    if (!s.ok()) state.SkipWithError("the balance did not settle");
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_UnitBalanceMode)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
