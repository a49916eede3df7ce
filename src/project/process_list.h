// The process list with loads, its export text, the flow fields of the
// process dialog and the air flow derived from a direction coefficient.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/chart_project.h"
#include "project/process_loads.h"
#include "psychro/units.h"

namespace orvanta {

// How the flow column shows a process's air: as volume or as mass flow.
enum class FlowShownAs { Volume, Mass };

struct ProcessListHeadings {
  std::string total, sensible, moisture;  // "CIEPŁO CAŁK." / "TOT. HEAT" ...
  std::string heat_unit, moisture_unit;   // "[kW]" / "[BTU/h]", "[kg/h]" / "[lb/h]"
  std::string flow;                       // "V [m3/h]", "V [cfm]", "m [kg/h]", "m [lb/h]"
  std::string line_item;                  // "linia" / "line"
};
ProcessListHeadings ListHeadings(bool polish, UnitSystem units, FlowShownAs flow);

struct ProcessListRow {
  std::string name, point1, point2;
  std::string total, sensible, moisture;  // empty when a point is missing
  std::string flow;
  bool draw_line = true;
  friend bool operator==(const ProcessListRow&, const ProcessListRow&) = default;
};
// One row per process, in slot order. Loads: two decimals, signed, SI kW and
// kg/h or IP Btu/h and lb/h; flow: one decimal.
std::vector<ProcessListRow> ProcessListRows(const ChartProject& project, UnitSystem units, FlowShownAs flow,
                                            char decimal_separator = '.');
// The flow column text of one process (V with one decimal, in cfm in IP; or
// m = V * rho of the start point, in lb/h in IP). Empty when a mass flow is
// asked for and the start point is missing.
std::string FlowText(double air_flow_m3h, std::optional<double> start_rho, UnitSystem units, FlowShownAs flow,
                     char decimal_separator = '.');

// The export of the list: heading block, one line per process, then every
// point's ten points-tree lines (its name line and nine child lines, as the
// caller builds them). `pb` in Pa. Lines end with "\n".
std::string ProcessExportText(const std::string& title, double pb, const std::vector<ProcessListRow>& rows,
                              const std::vector<std::vector<std::string>>& point_entries,
                              char decimal_separator = '.');
// A text padded on the right to width + 1 characters (counted as characters
// of UTF-8); a text of width characters or more is left as it is.
std::string PadColumn(const std::string& text, int width);

// ---- Flow fields of the process dialog -----------------------------------
// All four views of one stored volume flow V [m3/h] for a start point of
// density rho: V, m = V * rho [kg/h], V in cfm, m in lb/h.
struct FlowViews {
  double volume_m3h = 0, mass_kg_h = 0, volume_cfm = 0, mass_lb_h = 0;
};
// nullopt when rho is not above 0 or a value is not finite.
std::optional<FlowViews> FlowViewsFromVolume(double volume_m3h, double rho);
std::optional<FlowViews> FlowViewsFromMass(double mass_kg_h, double rho);
std::optional<FlowViews> FlowViewsFromCfm(double cfm, double rho);
std::optional<FlowViews> FlowViewsFromLbPerHour(double lb_h, double rho);

// Language texts of the process dialog.
constexpr int kTextProcessNameEmpty = 1016;
constexpr int kTextProcessStartEmpty = 1005;
constexpr int kTextProcessEndEmpty = 1006;
constexpr int kTextProcessFlowEmpty = 1017;
constexpr int kTextNoCoefficients = 1018;
constexpr int kTextLinkNeedsPoints = 1023;
constexpr int kTextCoefficientWithoutGain = 1024;

// The air flow that carries the heat gain Q [kW] of a coefficient from start
// state a to end state b: |Q / (a.i - b.i) * 3600| / a.rho, rounded to a whole
// number [m3/h]. 0 when both ends are the same point (`same_point`). nullopt
// when the gain is not a number or the ends have the same enthalpy.
std::optional<double> AirFlowFromHeatGain(double q_kw, const AirState& a, const AirState& b, bool same_point);
// For a coefficient: its heatGain text parsed (nullopt, language text 1024,
// when empty or not a number) and the flow as above.
std::optional<double> AirFlowFromCoefficient(const DirectionCoefficient& c, const AirState& a, const AirState& b,
                                             bool same_point, char decimal_separator = '.');

}  // namespace orvanta
