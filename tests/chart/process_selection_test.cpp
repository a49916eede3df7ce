// The process chosen in the process list stands out on the chart: yellow,
// the one chosen before it navy, the rest in the settings' process colour;
// a hidden line stays hidden whatever is chosen.
#include <gtest/gtest.h>

#include "chart/recording_canvas.h"
#include "chart/renderer.h"
#include "psychro/state.h"

namespace orvanta::chart {
namespace {

ChartProject ThreeProcesses() {
  ChartProject project;
  const double pb = 101300;
  for (auto [name, t] : {std::pair{"A", 10.0}, {"B", 20.0}, {"C", 30.0}}) {
    ChartPoint p;
    p.name = name;
    p.state = StateFromTX(pb, t, 0.006);
    EXPECT_TRUE(project.AddPoint(p));
  }
  for (auto [name, a, b] : {std::tuple{"P1", "A", "B"}, {"P2", "B", "C"}, {"P3", "A", "C"}}) {
    AirProcess p;
    p.name = name;
    p.start_point = a;
    p.end_point = b;
    p.air_flow = 1000;
    EXPECT_TRUE(project.AddProcess(p));
  }
  return project;
}

TEST(ProcessSelection, SelectedYellowPreviousNavyOthersInTheProcessColour) {
  ChartProject project = ThreeProcesses();
  ChartSettings s;
  s.comfort_zone = 0;
  s.arrowheads = false;
  const ChartGeometry g(s, 1600, 1000);
  const PixelPoint a = g.MapToChart(10, 0.006), b = g.MapToChart(20, 0.006), c = g.MapToChart(30, 0.006);

  RecordingCanvas none;
  DrawProcessLines({none, g, s}, project);
  EXPECT_EQ(none.LinesOfColor(s.process_color).size(), 3u);
  EXPECT_TRUE(none.LinesOfColor(colors::kYellow).empty());

  s.selected_process = 1;
  s.previous_selected_process = 2;
  RecordingCanvas chosen;
  DrawProcessLines({chosen, g, s}, project);
  const auto yellow = chosen.LinesOfColor(Rgb{255, 255, 0});
  ASSERT_EQ(yellow.size(), 1u);
  EXPECT_EQ(yellow[0].a, b);
  EXPECT_EQ(yellow[0].b, c);
  const auto navy = chosen.LinesOfColor(Rgb{0, 0, 128});
  ASSERT_EQ(navy.size(), 1u);
  EXPECT_EQ(navy[0].a, a);
  EXPECT_EQ(navy[0].b, c);
  const auto plain = chosen.LinesOfColor(s.process_color);
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].b, b);

  // A line the user hid is not drawn even when chosen.
  AirProcess hidden = project.process(1);
  hidden.draw_line = false;
  ASSERT_TRUE(project.ReplaceProcess(1, hidden));
  RecordingCanvas without;
  DrawProcessLines({without, g, s}, project);
  EXPECT_TRUE(without.LinesOfColor(colors::kYellow).empty());
  EXPECT_EQ(without.LinesOfColor(colors::kNavy).size(), 1u);
}

}  // namespace
}  // namespace orvanta::chart
