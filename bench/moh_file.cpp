// Speed of reading and writing a full calculation (500 fittings) and of the
// sheet's totals over it.
#include <benchmark/benchmark.h>

#include <vector>

#include "ductcalc/duct_document.h"
#include "ductcalc/moh_file.h"

namespace {

using namespace orvanta;

std::vector<FittingRecord> FullRun() {
  std::vector<FittingRecord> run(kMaxFittings);
  for (int i = 0; i < kMaxFittings; ++i) {
    FittingRecord& r = run[i];
    r.Text(FittingField::Lp) = std::to_string(i);
    r.Text(FittingField::Name) = "PROSTKA_PROSTOKĄTNA";
    r.Text(FittingField::Kind) = std::to_string(1 + i % 24);
    r.Text(FittingField::Length) = "1500";
    r.Text(FittingField::TotalLoss) = "1,25";
    r.Text(FittingField::Mass) = "4,5";
    for (int b = 0; b < kOctaveBands; ++b) r.Text(BandField(0, b)) = "3,5";
  }
  return run;
}

void BM_DecodeFullFile(benchmark::State& st) {
  const auto bytes = EncodeMohImage(FullRun());
  for (auto _ : st) benchmark::DoNotOptimize(DecodeMohImage(bytes, ','));
}
BENCHMARK(BM_DecodeFullFile);

void BM_EncodeFullFile(benchmark::State& st) {
  const auto run = FullRun();
  for (auto _ : st) benchmark::DoNotOptimize(EncodeMohImage(run));
}
BENCHMARK(BM_EncodeFullFile);

void BM_TotalsOfFullRun(benchmark::State& st) {
  DuctDocument d;
  for (auto& r : FullRun()) (void)d.Append(r);
  for (auto _ : st) benchmark::DoNotOptimize(d.Totals());
}
BENCHMARK(BM_TotalsOfFullRun);

}  // namespace

BENCHMARK_MAIN();
