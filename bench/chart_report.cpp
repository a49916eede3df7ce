// The chart report with full tables (50 points, 20 processes): opening the
// template, the row operations and cell writes, and packing the file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "app/spreadsheet/chart_report.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

ChartProject FullProject() {
  ChartProject project;
  for (int k = 0; k < ChartProject::kPointSlots; ++k) {
    ChartPoint p;
    p.name = "P" + std::to_string(k + 1);
    p.state = StateFromTPhi(project.pb(), -10 + k, 0.5);
    if (!project.AddPoint(p)) std::abort();
  }
  for (int k = 0; k < ChartProject::kProcessSlots; ++k) {
    AirProcess a;
    a.name = "Process " + std::to_string(k + 1);
    a.start_point = "P" + std::to_string(k + 1);
    a.end_point = "P" + std::to_string(k + 2);
    a.air_flow = 1000 + 100 * k;
    if (!project.AddProcess(a)) std::abort();
  }
  return project;
}

void BM_FillAndPackChartReport(benchmark::State& state) {
  // $ORVANTA_DATA_DIR, else the source tree's data folder.
  const char* env = std::getenv("ORVANTA_DATA_DIR");
  const std::string source = __FILE__;
  const std::string data = env ? env : source.substr(0, source.rfind("/bench/")) + "/data";
  const std::string path = data + "/calc/DefaultRaportSIPL.xlsx";
  const ChartProject project = FullProject();
  ChartReportInput in;
  in.project = &project;
  for (auto _ : state) {
    std::string error;
    auto wb = xlsx::Workbook::Open(path, error);
    if (!wb) {
      state.SkipWithError(error.c_str());
      break;
    }
    FillChartReport(*wb, in);
    benchmark::DoNotOptimize(wb->ToBytes());
  }
}
BENCHMARK(BM_FillAndPackChartReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
