#include "chart/process_table.h"

#include <array>

#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta::chart {

namespace {

struct Column {
  int from, to, text;  // offsets from the left edge a
};
constexpr std::array<Column, 7> kColumns{{
    {-10, 120, 20},   // process name
    {120, 175, 150},  // point 1
    {175, 235, 205},  // point 2
    {235, 285, 250},  // air flow
    {285, 400, 325},  // total heat
    {400, 490, 425},  // sensible heat
    {490, 620, 530},  // moisture
}};

}  // namespace

ProcessTablePlace ProcessTablePlaceOf(ChartLayout layout, int himg, int process_count, int carrier_reference_y) {
  if (layout == ChartLayout::Mollier) return {250, himg - 15 * process_count - 80};
  return {50, carrier_reference_y};
}

std::string ProcessTableTitle(ChartLayout layout, bool polish, double pb, UnitSystem units, char sep) {
  std::string s;
  if (polish)
    s = layout == ChartLayout::Mollier ? "  WYKRES MOLLIERA  pb=" : "  WYKRES CARRIERA  pb=";
  else
    s = layout == ChartLayout::Mollier ? "  MOLLIER CHART  pb=" : "  CARRIER CHART  pb=";
  if (units == UnitSystem::SI) return s + NumberText(pb / 100, sep) + " hPa";
  return s + NumberText(RoundTo(PressureToIP(pb), -2), sep) + " in.Hg";
}

std::string ProcessTableHeading(bool polish, bool flow_as_mass) {
  if (polish)
    return flow_as_mass ? "     NAZWA PRZEMIANY       PUNKT 1      PUNKT2       m            CIEPŁO CAŁKOWITE     "
                          "CIEPŁO JAWNE       WILGOĆ CAŁKOWITA"
                        : "     NAZWA PRZEMIANY       PUNKT 1      PUNKT2       V            CIEPŁO CAŁKOWITE     "
                          "CIEPŁO JAWNE       WILGOĆ CAŁKOWITA";
  return flow_as_mass ? "       PROCESS NAME       POINT 1      POINT 2       m              TOTAL HEAT            "
                        "SENSIBLE HEAT        TOTAL MOISTURE "
                      : "       PROCESS NAME       POINT 1      POINT 2       V              TOTAL HEAT            "
                        "SENSIBLE HEAT        TOTAL MOISTURE ";
}

std::string ProcessTableUnitLine(UnitSystem units, bool flow_as_mass) {
  const std::string lead = "                     [-]                         [-]              [-]        ";
  if (units == UnitSystem::SI)
    return lead + (flow_as_mass ? "[kg/h]" : "[m3/h]") +
           "                 [kW]                          [kW]                         [kg/h]";
  return lead + (flow_as_mass ? "[lb/h]" : "[cfm]") +
         "                 [BTU/h]                        [BTU/h]                       [lb/h]";
}

ProcessLoadTexts DrawProcessTable(Canvas& c, const ChartGeometry& g, const ChartProject& project, double pb,
                                  const ProcessTableOptions& o) {
  const int saved_height = c.font().height;
  const int n = project.process_count();
  const ProcessTablePlace place = ProcessTablePlaceOf(g.layout(), g.himg(), n, o.carrier_reference_y);
  const int a = place.a, r = place.r;
  const char sep = o.decimal_separator;

  c.SetFontHeight(20);
  c.SetPenColor(colors::kBlack);
  c.SetPenStyle(PenStyle::Solid);
  c.SetFontColor(colors::kBlack);
  c.TextOut(a, r - 30, ProcessTableTitle(g.layout(), o.polish, pb, o.units, sep));
  c.SetFontHeight(12);
  c.TextOut(a, r, ProcessTableHeading(o.polish, o.flow_as_mass));
  c.TextOut(a, r + 15, ProcessTableUnitLine(o.units, o.flow_as_mass));

  c.SetBrushColor(colors::kWhite);
  c.SetBrushStyle(BrushStyle::Solid);
  const bool ip = o.units == UnitSystem::IP;
  ProcessLoadTexts texts;
  for (int s = 1; s <= n; ++s) {
    const AirProcess& p = project.process(s - 1);
    const int start = project.FindPoint(p.start_point);
    const std::optional<ProcessLoads> loads = ProcessLoadsOf(project, s - 1, o.units);
    const ProcessLoadText lt = LoadTextsOf(loads, sep);
    texts.push_back(lt);

    std::string flow;
    if (!o.flow_as_mass) {
      flow = std::to_string(Rnd(ip ? VolumeFlowToIP(p.air_flow) : p.air_flow));
    } else if (start >= 0) {
      const double m = p.air_flow * project.point(start).state.rho;
      flow = std::to_string(Rnd(ip ? MassToIP(m) : m));
    }
    const std::array<std::string, 7> cells{p.name, p.start_point, p.end_point, flow, lt.total, lt.sensible,
                                           lt.moisture};
    const int row_y = r + 15 * s + 15;
    for (size_t k = 0; k < kColumns.size(); ++k) {
      c.Rectangle(a + kColumns[k].from, row_y - 1, a + kColumns[k].to, row_y + 19);
      c.TextOut(a + kColumns[k].text, row_y, cells[k]);
    }
  }
  c.SetFontHeight(saved_height);
  return texts;
}

}  // namespace orvanta::chart
