// Speed of what a changed value costs in the energy calculator: the year of
// one city for office hours (the climate year already loaded) and the
// drawing of its year chart at window size and at the report's size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "calculators/climate/climate_year.h"
#include "calculators/energy/energy.h"
#include "calculators/ui/energy_window.h"

namespace {

using namespace orvanta;

WeeklyTimetable OfficeHours() {
  WeeklyTimetable tt;
  for (int d = 0; d < 5; ++d) {
    tt.day_on[d] = true;
    for (int h = 7; h <= 18; ++h) tt.hours[d][h] = true;
  }
  return tt;
}

const ClimateYear& Warszawa() {
  static const ClimateYear year = LoadClimateYear(ORVANTA_DATA_SOURCE_DIR, "WARSZAWA");
  return year;
}

void BM_YearAndChart(benchmark::State& st) {
  const ClimateYear& year = Warszawa();
  if (!year.ok()) st.SkipWithError("no climate file of WARSZAWA");
  QImage image(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)), QImage::Format_RGB32);
  EnergyInputs in;
  const WeeklyTimetable tt = OfficeHours();
  for (auto _ : st) {
    in.v_supply += 1;  // a value dragged
    const EnergyResults r = ComputeEnergy(in, tt, year.hours);
    QPainter p(&image);
    PaintYearChart(p, image.rect(), {&year.hours, &r, in.sections, -1});
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_YearAndChart)->Args({860, 340})->Args({1260, 500})->Unit(benchmark::kMillisecond);

void BM_ChartOnly(benchmark::State& st) {
  const ClimateYear& year = Warszawa();
  if (!year.ok()) st.SkipWithError("no climate file of WARSZAWA");
  QImage image(1260, 500, QImage::Format_RGB32);
  const EnergyInputs in;
  const EnergyResults r = ComputeEnergy(in, OfficeHours(), year.hours);
  for (auto _ : st) {
    QPainter p(&image);
    PaintYearChart(p, image.rect(), {&year.hours, &r, in.sections, -1});
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_ChartOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
