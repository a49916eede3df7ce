// Speed of the full chart redraw at 1920 x 1080 with a full project: 50
// points, 20 processes, 19 direction coefficients and a comfort zone, in both
// layouts, painted on a QImage and (for the drawing maths alone) recorded.
#include <cstdlib>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <string>

#include "chart/recording_canvas.h"
#include "chart/renderer.h"
#include "chart/ui/qt_canvas.h"
#include "psychro/state.h"

namespace {

using namespace orvanta;

constexpr double kPb = 101300;
constexpr int kW = 1920, kH = 1080;

ChartProject FullProject() {
  ChartProject p;
  for (int k = 0; k < ChartProject::kPointSlots; ++k) {
    ChartPoint pt;
    pt.name = "P" + std::to_string(k + 1);
    const double t = -20 + (k % 10) * 5.5;
    const double x = 0.001 + (k / 10) * 0.0035;
    pt.state = StateFromTX(kPb, t, x);
    pt.label_position = static_cast<LabelPosition>(k % 5);
    if (!p.AddPoint(pt)) std::abort();
  }
  for (int k = 0; k < ChartProject::kProcessSlots; ++k) {
    AirProcess pr;
    pr.name = "PR" + std::to_string(k + 1);
    pr.start_point = "P" + std::to_string(k + 1);
    pr.end_point = "P" + std::to_string(k + 12);
    pr.air_flow = 1000 + 250 * k;
    if (!p.AddProcess(pr)) std::abort();
  }
  for (int k = 0; k < ChartProject::kMaxCoefficients; ++k) {
    DirectionCoefficient dc;
    dc.name = "E" + std::to_string(k + 1);
    dc.point_name = "P" + std::to_string(2 * k + 3);
    dc.epsilon = -20000 + 2500 * k;
    if (!p.AddCoefficient(dc)) std::abort();
  }
  return p;
}

ChartSettings Settings(ChartLayout layout) {
  ChartSettings s;
  s.layout = layout;
  s.comfort_zone = 5;
  return s;
}

bool IsFull(const ChartProject& p) {
  return p.point_count() == ChartProject::kPointSlots && p.process_count() == ChartProject::kProcessSlots &&
         p.coefficient_count() == ChartProject::kMaxCoefficients;
}

void BM_FullChartOnImage(benchmark::State& st) {
  const ChartSettings s = Settings(static_cast<ChartLayout>(st.range(0)));
  ChartProject project = FullProject();
  if (!IsFull(project)) st.SkipWithError("the project is not full");
  QImage image(kW, kH, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter painter(&image);
    chart::QtCanvas canvas(painter);
    chart::RenderChart(canvas, s, project, kW, kH);
  }
  st.SetLabel(st.range(0) == 0 ? "MOLLIER" : "CARRIER");
}
BENCHMARK(BM_FullChartOnImage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FullChartRecorded(benchmark::State& st) {
  const ChartSettings s = Settings(static_cast<ChartLayout>(st.range(0)));
  ChartProject project = FullProject();
  if (!IsFull(project)) st.SkipWithError("the project is not full");
  for (auto _ : st) {
    chart::RecordingCanvas canvas;
    chart::RenderChart(canvas, s, project, kW, kH);
    benchmark::DoNotOptimize(canvas.primitives().size());
  }
  st.SetLabel(st.range(0) == 0 ? "MOLLIER" : "CARRIER");
}
BENCHMARK(BM_FullChartRecorded)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A chart no sensible project asks for: the widest range at 1000 Pa with a
// hot, wet point and a steep coefficient line through it. Every trace runs
// into its step budget; the time shows what that budget costs at most.
void BM_ExtremeChartRecorded(benchmark::State& st) {
  ChartSettings s = Settings(ChartLayout::Mollier);
  s.pb = 1000;
  s.range = {-60, 200, 200};
  ChartProject project;
  ChartPoint hot;
  hot.name = "H";
  hot.state = StateFromTX(s.pb, 200, 0.2);
  DirectionCoefficient dc;
  dc.name = "E";
  dc.point_name = "H";
  dc.epsilon = 1e6;
  if (!project.AddPoint(hot) || !project.AddCoefficient(dc)) st.SkipWithError("the project was refused");
  for (auto _ : st) {
    chart::RecordingCanvas canvas;
    chart::RenderChart(canvas, s, project, kW, kH);
    benchmark::DoNotOptimize(canvas.primitives().size());
  }
}
BENCHMARK(BM_ExtremeChartRecorded)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
