// Comfort-zone outlines and labels.
#include "chart/comfort_zones.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/recording_canvas.h"
#include "psychro/air.h"

namespace orvanta::chart {
namespace {

constexpr double kPb = 101300;

ChartGeometry Geometry(ChartLayout layout) {
  ChartSettings s;
  s.layout = layout;
  return ChartGeometry(s, 1600, 1000);
}

TEST(ComfortZones, AshraeSummerVertexAndTheSameVerticesInBothLayouts) {
  EXPECT_NEAR(ZoneMoisture(kZoneAshraeSummer, kPb, 22.8, 0.82) * 1000, 14.0, 0.3);
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    const ChartGeometry g = Geometry(layout);
    RecordingCanvas c;
    c.SetPenWidth(2);
    DrawComfortZone(c, g, kZoneAshraeSummer, kPb, false);
    const auto lines = c.Lines();
    ASSERT_EQ(lines.size(), 4u);
    const double vertices[4][2] = {{23.3, 0.25}, {22.8, 0.82}, {26.1, 0.64}, {27.2, 0.20}};
    for (int k = 0; k < 4; ++k) {
      const PixelPoint v = g.MapToChart(vertices[k][0], ZoneMoisture(kZoneAshraeSummer, kPb, vertices[k][0],
                                                                     vertices[k][1]));
      EXPECT_EQ(lines[k].a, v);
      EXPECT_EQ(lines[(k + 3) % 4].b, v);
    }
    EXPECT_EQ(lines[0].pen.color, colors::kNavy);
    EXPECT_EQ(lines[0].pen.width, 2);
    const auto label = c.TextsEqual("ASHRAE 1997:summer");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].a, g.MapToChart(27.5, 0.005));
    EXPECT_EQ(label[0].font.height, 13);
  }
}

TEST(ComfortZones, LabelsPolishOrEnglishDinTheSame) {
  EXPECT_EQ(ComfortZoneLabel(kZoneEnSummer, false), "EN 13779:summer");
  EXPECT_EQ(ComfortZoneLabel(kZoneEnSummer, true), "EN 13779:lato");
  EXPECT_EQ(ComfortZoneLabel(kZoneAshraeWinter, true), "ASHRAE 1997:zima");
  EXPECT_EQ(ComfortZoneLabel(kZoneEnWinter, false), "EN 13779:winter");
  EXPECT_EQ(ComfortZoneLabel(kZoneDin, true), "DIN 19461");
  EXPECT_EQ(ComfortZoneLabel(kZoneDin, false), "DIN 19461");
}

TEST(ComfortZones, DinUsesItsOwnSaturationFormula) {
  EXPECT_NEAR(DinSaturationPressure(0), 611, 1e-9);
  EXPECT_NE(DinSaturationPressure(20), SaturationPressure(20));
  const double ps = DinSaturationPressure(20);
  EXPECT_DOUBLE_EQ(ZoneMoisture(kZoneDin, kPb, 20, 0.3), 0.622 * 0.3 * ps / (kPb - 0.3 * ps));
  const double ps_en = SaturationPressure(20);
  EXPECT_DOUBLE_EQ(ZoneMoisture(kZoneEnWinter, kPb, 20, 0.3), 0.622 * 0.3 * ps_en / (kPb - 0.3 * ps_en));
}

TEST(ComfortZones, RectangularZonesTracedAlongTheirHumidityLines) {
  const ChartGeometry g = Geometry(ChartLayout::Mollier);
  RecordingCanvas summer, winter;
  DrawComfortZone(summer, g, kZoneEnSummer, kPb, true);
  DrawComfortZone(winter, g, kZoneEnWinter, kPb, true);
  const auto s = summer.Lines();
  // Up the cold side, 30 steps of 0.1 K along 70 %, the closing step, down
  // the warm side, 30 steps back along 30 % and the closing step.
  ASSERT_EQ(s.size(), 1u + 30 + 1 + 1 + 30 + 1);
  EXPECT_EQ(s.front().a, g.MapToChart(23, ZoneMoisture(kZoneEnSummer, kPb, 23, 0.30)));
  EXPECT_EQ(s.front().b, g.MapToChart(23, ZoneMoisture(kZoneEnSummer, kPb, 23, 0.70)));
  // The closing step returns to t_lo (at the last traced moisture content).
  EXPECT_EQ(s.back().b.y, s.front().a.y);
  // Only the winter zone adds the line to (t_hi, phi_hi).
  EXPECT_EQ(winter.Lines().size(), 1u + 50 + 1 + 1 + 1 + 50 + 1);
  EXPECT_EQ(winter.TextsEqual("EN 13779:zima").size(), 1u);
}

TEST(ComfortZones, IndexZeroDrawsNothingAndStateIsRestored) {
  const ChartGeometry g = Geometry(ChartLayout::Mollier);
  RecordingCanvas c;
  c.SetPenColor(colors::kRed);
  c.SetFontHeight(22);
  DrawComfortZone(c, g, kZoneNone, kPb, true);
  EXPECT_TRUE(c.primitives().empty());
  DrawComfortZone(c, g, kZoneDin, kPb, true);
  EXPECT_FALSE(c.primitives().empty());
  EXPECT_EQ(c.pen().color, colors::kRed);
  EXPECT_EQ(c.font().height, 22);
  // A change of pressure moves the zone.
  RecordingCanvas low;
  DrawComfortZone(low, g, kZoneDin, 90000, true);
  EXPECT_NE(low.Lines()[1].b, c.Lines()[1].b);
}

}  // namespace
}  // namespace orvanta::chart
