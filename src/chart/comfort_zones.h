// The thermal-comfort zones the chart can outline: ASHRAE 1997 summer and
// winter, EN 13779 summer and winter, DIN 1946.
#pragma once

#include <string>

#include "chart/canvas.h"
#include "chart/geometry.h"

namespace orvanta::chart {

enum ComfortZoneIndex { kZoneNone = 0, kZoneAshraeSummer, kZoneAshraeWinter, kZoneEnSummer, kZoneEnWinter, kZoneDin };

// Saturation pressure [Pa] of the DIN 1946 zone's own formula.
double DinSaturationPressure(double t);
// Moisture content [kg/kg] of a zone vertex (t, phi) at pb.
double ZoneMoisture(int index, double pb, double t, double phi);
// The zone's label, Polish or English (the DIN label is the same in both).
std::string ComfortZoneLabel(int index, bool polish);

// Draws zone `index` (0 draws nothing) in navy with the current pen width,
// and its label at font height 13; pen colour and font height are restored.
void DrawComfortZone(Canvas& canvas, const ChartGeometry& g, int index, double pb, bool polish);

}  // namespace orvanta::chart
