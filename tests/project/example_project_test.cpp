// The example project delivered in data/examples (written by tools/make_example).
#include <gtest/gtest.h>

#include <cmath>

#include "chart/range_widening.h"
#include "project/project_file.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

const std::string kExample = std::string(ORVANTA_DATA_SOURCE_DIR) + "/examples/example.ovt";

TEST(ExampleProject, OpensWithPointsProcessesACoefficientAndATiedPoint) {
  ChartProject p;
  const ProjectFileResult r = ReadProjectFile(kExample, p);
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, ProjectFileLayout::Current);
  EXPECT_EQ(r.pb, 101300);
  EXPECT_EQ(p.point_count(), 5);
  EXPECT_EQ(p.process_count(), 4);
  EXPECT_EQ(p.coefficient_count(), 1);
  for (int k = 0; k < p.point_count(); ++k) EXPECT_LE(p.point(k).name.size(), 10u);

  // Every process joins two existing points and carries an air flow.
  for (int k = 0; k < p.process_count(); ++k) {
    EXPECT_GE(p.FindPoint(p.process(k).start_point), 0) << k;
    EXPECT_GE(p.FindPoint(p.process(k).end_point), 0) << k;
    EXPECT_GT(p.process(k).air_flow, 0) << k;
  }

  // The coefficient has Q and W typed and epsilon = Q / W.
  const DirectionCoefficient& c = p.coefficient(0);
  EXPECT_EQ(c.heat_gain, "12");
  EXPECT_EQ(c.moisture_gain, "0.002");
  EXPECT_DOUBLE_EQ(c.epsilon, 6000);
  EXPECT_GE(p.FindPoint(c.point_name), 0);

  // The tied point lies on its process line, and stays there on refresh.
  const int mix = p.FindPoint("Mix");
  ASSERT_GE(mix, 0);
  ASSERT_TRUE(p.point(mix).on_process);
  const AirProcess& line = p.process(p.FindProcess(p.point(mix).process_name));
  const AirState& a = p.point(p.FindPoint(line.start_point)).state;
  const AirState& b = p.point(p.FindPoint(line.end_point)).state;
  EXPECT_NEAR(p.point(mix).state.x, MoistureOnProcessLine(p.point(mix).state.t, a, b).x, 1e-12);
  const AirState before = p.point(mix).state;
  p.RefreshDependentPoints();
  EXPECT_NEAR(p.point(mix).state.x, before.x, 1e-12);

  // It fits the default chart range.
  const ChartRange standard{};
  EXPECT_EQ(WidenRangeForProject(standard, p), standard);
}

}  // namespace
}  // namespace orvanta
