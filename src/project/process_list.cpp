#include "project/process_list.h"

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta {

namespace {
constexpr double kCfmPerM3h = 0.58858;
constexpr double kLbPerKg = 2.204623;

std::string OneDecimal(double v, char sep) { return NumberText(RoundTo(v, -1), sep); }

int Utf8Length(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}
}  // namespace

ProcessListHeadings ListHeadings(bool polish, UnitSystem units, FlowShownAs flow) {
  const bool ip = units == UnitSystem::IP;
  ProcessListHeadings h;
  if (polish) {
    h.total = "CIEPŁO CAŁK.";
    h.sensible = "CIEPŁO JAWN.";
    h.moisture = "  WILGOĆ";
  } else {
    h.total = "TOT. HEAT";
    h.sensible = ip ? " SEN.HEAT" : " SEN. HEAT";
    h.moisture = " MOISTURE";
  }
  h.heat_unit = ip ? "[BTU/h]" : "[kW]";
  h.moisture_unit = ip ? "[lb/h]" : "[kg/h]";
  if (flow == FlowShownAs::Volume) {
    h.flow = ip ? "V [cfm]" : "V [m3/h]";
  } else {
    h.flow = ip ? "m [lb/h]" : "m [kg/h]";
  }
  h.line_item = polish ? "linia" : "line";
  return h;
}

std::string FlowText(double v, std::optional<double> rho, UnitSystem units, FlowShownAs flow, char sep) {
  const bool ip = units == UnitSystem::IP;
  if (flow == FlowShownAs::Volume) return OneDecimal(ip ? kCfmPerM3h * v : v, sep);
  if (!rho) return "";
  const double m = v * *rho;
  if (!std::isfinite(m)) return "";
  return OneDecimal(ip ? kLbPerKg * m : m, sep);
}

std::vector<ProcessListRow> ProcessListRows(const ChartProject& project, UnitSystem units, FlowShownAs flow,
                                            char sep) {
  std::vector<ProcessListRow> rows;
  for (int i = 0; i < project.process_count(); ++i) {
    const AirProcess& p = project.process(i);
    ProcessListRow row;
    row.name = p.name;
    row.point1 = p.start_point;
    row.point2 = p.end_point;
    row.draw_line = p.draw_line;
    const ProcessLoadText t = LoadTextsOf(ProcessLoadsOf(project, i, units), sep);
    row.total = t.total;
    row.sensible = t.sensible;
    row.moisture = t.moisture;
    const int s = project.FindPoint(p.start_point);
    row.flow = FlowText(p.air_flow, s >= 0 ? std::optional<double>(project.point(s).state.rho) : std::nullopt, units,
                        flow, sep);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string PadColumn(const std::string& text, int width) {
  const int n = Utf8Length(text);
  if (n >= width) return text;
  return text + std::string(static_cast<size_t>(width + 1 - n), ' ');
}

std::string ProcessExportText(const std::string& title, double pb, const std::vector<ProcessListRow>& rows,
                              const std::vector<std::vector<std::string>>& point_entries, char sep) {
  std::string out;
  auto line = [&](const std::string& s) { out += s + "\n"; };
  line("");
  line("");
  line("   " + title);
  line("   WYKRES MOLLIERA");
  line("   Pb= " + NumberText(pb / 100, sep) + "hPa");
  line("");
  line("   LISTA PRZEMIAN");
  line("");
  line("     NAZWA PRZEMIANY       PUNKT 1   PUNKT2     V     CIEPŁO CAŁKOWITE     CIEPŁO JAWNE     WILGOĆ "
       "CAŁKOWITA");
  line("           [-]               [-]      [-]     [m3/h]      [kW]                  [kW]               [kg/h]");
  for (const ProcessListRow& r : rows) {
    line("     " + PadColumn(r.name, 24) + PadColumn(r.point1, 7) + PadColumn(r.point2, 8) + PadColumn(r.flow, 9) +
         PadColumn(r.total, 21) + PadColumn(r.sensible, 20) + PadColumn(r.moisture, 10));
  }
  line("");
  line("");
  line("   ZDEFINIOWANE PUNKTY");
  line("");
  for (const auto& entry : point_entries) {
    for (const std::string& s : entry) line("     " + s);
    line("");
  }
  return out;
}

std::optional<FlowViews> FlowViewsFromVolume(double v, double rho) {
  if (!std::isfinite(v) || !std::isfinite(rho) || !(rho > 0)) return std::nullopt;
  const double m = v * rho;
  return FlowViews{v, m, v * kCfmPerM3h, m * kLbPerKg};
}

std::optional<FlowViews> FlowViewsFromMass(double m, double rho) {
  if (!std::isfinite(m) || !std::isfinite(rho) || !(rho > 0)) return std::nullopt;
  return FlowViewsFromVolume(m / rho, rho);
}

std::optional<FlowViews> FlowViewsFromCfm(double cfm, double rho) { return FlowViewsFromVolume(cfm / kCfmPerM3h, rho); }

std::optional<FlowViews> FlowViewsFromLbPerHour(double lb_h, double rho) { return FlowViewsFromMass(lb_h / kLbPerKg, rho); }

std::optional<double> AirFlowFromHeatGain(double q_kw, const AirState& a, const AirState& b, bool same_point) {
  if (same_point) return 0.0;
  if (!std::isfinite(q_kw)) return std::nullopt;
  const double v = std::fabs(q_kw / (a.i - b.i) * 3600) / a.rho;
  if (!std::isfinite(v)) return std::nullopt;
  return static_cast<double>(Rnd(v));
}

std::optional<double> AirFlowFromCoefficient(const DirectionCoefficient& c, const AirState& a, const AirState& b,
                                             bool same_point, char sep) {
  const auto q = ParseNumber(c.heat_gain, sep);
  if (!q) return std::nullopt;
  return AirFlowFromHeatGain(*q, a, b, same_point);
}

}  // namespace orvanta
