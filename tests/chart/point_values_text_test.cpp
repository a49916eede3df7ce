// The text export of the points.
#include "chart/point_values_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "chart/readout.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

ChartProject Project(std::initializer_list<const char*> names) {
  ChartProject project;
  double t = 10;
  for (const char* n : names) {
    ChartPoint p;
    p.name = n;
    p.state = StateFromTPhi(project.pb(), t += 5, 0.5);
    EXPECT_TRUE(project.AddPoint(p));
  }
  return project;
}

TEST(PointValuesText, OnePointIsTenLinesTheValuesIndentedByOneTab) {
  const ChartProject project = Project({"P1"});
  const auto lines = Lines(PointValuesText(project, UnitSystem::SI));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "P1");
  const PointTreeLines values = PointTreeChildLines(project.point(0).state, UnitSystem::SI);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(lines[1 + k], "\t" + values[k]);
  EXPECT_EQ(lines[1].rfind("\tDBT= 15", 0), 0u) << lines[1];
}

TEST(PointValuesText, PointsInOrderInTheChosenUnitsAndSeparator) {
  const ChartProject project = Project({"A", "B"});
  const auto lines = Lines(PointValuesText(project, UnitSystem::IP, ','));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "A");
  EXPECT_EQ(lines[10], "B");
  EXPECT_EQ(lines[11], "\tDBT= 68 F");  // 20 °C
  EXPECT_NE(lines[12].find(','), std::string::npos) << lines[12];
  EXPECT_EQ(PointValuesText(ChartProject(), UnitSystem::SI), "");
}

}  // namespace
}  // namespace orvanta
