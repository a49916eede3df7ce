#include "chart/range_widening.h"

#include <gtest/gtest.h>

#include <cmath>

#include "project/chart_project.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

ChartProject ProjectWithPoints(std::initializer_list<std::pair<double, double>> t_and_x_g_per_kg) {
  ChartProject p;
  int n = 0;
  for (auto [t, x] : t_and_x_g_per_kg) {
    ChartPoint pt{.name = "P" + std::to_string(++n)};
    pt.state = StateFromTX(101300, t, x / 1000);
    EXPECT_TRUE(p.AddPoint(pt));
  }
  return p;
}

TEST(RangeWideningOnOpen, PointsBetween45And55RaiseTheUpperEndTo55) {
  const ChartRange range{.torg_down = 0, .torg_up = 40, .xorg = 20};
  const ChartRange widened = WidenRangeForProject(range, ProjectWithPoints({{45, 10}, {50, 12}, {55, 8}}));
  EXPECT_EQ(widened, (ChartRange{.torg_down = 0, .torg_up = 55, .xorg = 20}));
}

TEST(RangeWideningOnOpen, EveryEndMovesInStepsOfFiveAndNeverNarrows) {
  const ChartRange range{.torg_down = -30, .torg_up = 40, .xorg = 20};
  // Lowest -41 -> -45; highest 41 -> 45; x 31 g/kg -> 35.
  EXPECT_EQ(WidenRangeForProject(range, ProjectWithPoints({{-41, 0.1}, {41, 31}})),
            (ChartRange{.torg_down = -45, .torg_up = 45, .xorg = 35}));
  // Everything inside: nothing moves, and a small range is not narrowed further.
  EXPECT_EQ(WidenRangeForProject(range, ProjectWithPoints({{0, 5}, {20, 10}})), range);
  EXPECT_EQ(WidenRangeForProject(range, ChartProject{}), range);
}

TEST(RangeWideningOnOpen, AnEndEqualToItsExtremeMovesOneStep) {
  const ChartRange range{.torg_down = -30, .torg_up = 40, .xorg = 20};
  EXPECT_EQ(WidenRangeForProject(range, ProjectWithPoints({{40, 20}, {-30, 1}})),
            (ChartRange{.torg_down = -35, .torg_up = 45, .xorg = 25}));
}

TEST(RangeWideningOnOpen, StartingExtremesMakeFarPointsHarmless) {
  // A single cold point: t_max stays at its start of -40, below any upper end;
  // t_min is the point's own -50.
  const ChartRange range{.torg_down = -30, .torg_up = 0, .xorg = 5};
  EXPECT_EQ(WidenRangeForProject(range, ProjectWithPoints({{-50, 0.1}})),
            (ChartRange{.torg_down = -50, .torg_up = 0, .xorg = 5}));
  // The lower end starts its comparison from 100: a lower end of 0 with all
  // points hot does not move.
  const ChartRange from_zero{.torg_down = 0, .torg_up = 40, .xorg = 20};
  EXPECT_EQ(WidenRangeForProject(from_zero, ProjectWithPoints({{30, 5}})), from_zero);
}

TEST(RangeWideningForPoint, FollowsThePointDialogRule) {
  const ChartRange range{.torg_down = -30, .torg_up = 40, .xorg = 20};
  EXPECT_EQ(WidenRangeForPoint(range, 52, 0.0234), (ChartRange{.torg_down = -30, .torg_up = 55, .xorg = 25}));
  EXPECT_EQ(WidenRangeForPoint(range, -30, 0.005), (ChartRange{.torg_down = -35, .torg_up = 40, .xorg = 20}));
  EXPECT_EQ(WidenRangeForPoint(range, 40, 0.020), (ChartRange{.torg_down = -30, .torg_up = 45, .xorg = 25}));
  EXPECT_EQ(WidenRangeForPoint(range, 20, 0.0199), range);
}

TEST(RangeWideningForPoint, StopsAtTheControlLimitsAndIgnoresNonNumbers) {
  const ChartRange range{.torg_down = -30, .torg_up = 40, .xorg = 20};
  EXPECT_EQ(WidenRangeForPoint(range, 1e300, 5.0), (ChartRange{.torg_down = -30, .torg_up = 200, .xorg = 200}));
  EXPECT_EQ(WidenRangeForPoint(range, -1e300, 0.001), (ChartRange{.torg_down = -60, .torg_up = 40, .xorg = 20}));
  EXPECT_EQ(WidenRangeForPoint(range, 200, 0.2), (ChartRange{.torg_down = -30, .torg_up = 200, .xorg = 200}));
  EXPECT_EQ(WidenRangeForPoint(range, NAN, NAN), range);
  EXPECT_EQ(WidenRangeForPoint(range, INFINITY, -INFINITY), range);
  // An end already beyond a limit is never pulled back.
  const ChartRange wide{.torg_down = -70, .torg_up = 210, .xorg = 205};
  EXPECT_EQ(WidenRangeForPoint(wide, 210, 0.205), wide);
}

}  // namespace
}  // namespace orvanta
