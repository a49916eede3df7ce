// Friction factor: the step-by-step search against the bisection over the
// step index, and a whole fitting confirm with cached tables.
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <benchmark/benchmark.h>

#include "ductcalc/friction.h"
#include "ductcalc/section_losses.h"

namespace {

double Stepped(double re, double k, double dh) {
  double lambda = 0;
  for (;;) {
    lambda += 1e-5;
    if (1 / std::sqrt(lambda) < -2 * std::log10(2.51 / (re * std::sqrt(lambda)) + 0.2695 * k / dh)) return lambda;
  }
}

void BM_FrictionStepped(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Stepped(23579.2, 0.15e-3, 0.1));
}
BENCHMARK(BM_FrictionStepped);

void BM_FrictionBisection(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::FrictionFactor(23579.2, 0.15e-3, 0.1));
}
BENCHMARK(BM_FrictionBisection);

void BM_ConfirmRoundBend(benchmark::State& state) {
  // The data folder: $ORVANTA_DATA_DIR, else data/ of the current folder.
  const char* dir = std::getenv("ORVANTA_DATA_DIR");
  orvanta::LossTableStore tables(std::filesystem::path(dir ? dir : "data") / "calc");
  orvanta::FittingInputs in;
  in.kind = orvanta::kRoundBend;
  in.phi1_mm = 200, in.angle_deg = 90, in.r_over_d = 1, in.vc = 565.5;
  orvanta::ConfirmContext ctx;
  for (auto _ : state) benchmark::DoNotOptimize(orvanta::ConfirmFitting(in, ctx, tables));
}
BENCHMARK(BM_ConfirmRoundBend);

}  // namespace

BENCHMARK_MAIN();
