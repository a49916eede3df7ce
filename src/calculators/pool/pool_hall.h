// Indoor pool hall after VDI 2089: evaporation from the pool surface, the
// water attractions and wet floors, the supply air flow that carries the
// moisture away, the window-drying air flow, and the pool's heat gains.
// The hall uses its own humid-air formulas (SaturationPressurePolynomial,
// AirDensity273 and MoistureContent of psychro/air.h).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

// ---- Lists ----

struct PoolType {
  int text;             // language text of the list item
  const char* polish;   // its Polish text
  double epsilon;       // evaporation coefficient [g/(m²·h·hPa)]
};
// In list order: "PRYWATNY" (the default), "PŁYWACKI", "REKREACYJNY", "Z ATRAKCJAMI".
extern const std::array<PoolType, 4> kPoolTypes;

// The pool type of a text typed or chosen in the list (the items in the
// active language): its index, or `previous` for a text that is not an item,
// so that the coefficient stays the last valid one.
int PoolTypeForText(std::string_view text, std::span<const std::string> items, int previous);

struct WaterAttraction {
  int text;                  // language text of the check box caption
  const char* polish;        // its Polish caption
  const char* report_label;  // label of its report line
  const char* unit;          // unit of the count ("mb", "szt", "m2")
  double rate;               // evaporation per unit [g/h]
};
// CheckBox1 … CheckBox10 in order.
constexpr int kAttractionCount = 10;
extern const std::array<WaterAttraction, kAttractionCount> kWaterAttractions;

struct GlazingHeight {
  int height;   // [m], the list item text
  double rate;  // window-drying air per metre of glazing length [m³/h per m]
};
// The items "1" … "7" of the glazing height list.
extern const std::array<GlazingHeight, 7> kGlazingHeights;

// The drying rate of a listed glazing height; nullopt for any other height
// (no rate is defined between or beyond the listed ones, so none is made up).
std::optional<double> WindowDryingRate(double height_m);

// ---- Computation ----

// An empty pressure edit computes with this pressure; other empty edits count as 0.
constexpr double kPoolPressureWhenEmpty = 101300;  // Pa

struct PoolHallInput {
  int pool_type = 0;            // index into kPoolTypes
  double pool_area = 312.5;     // Fl [m²]
  double water_t = 28;          // tw [°C]
  double hall_t = 30;           // ti [°C]
  double hall_rh = 60;          // Fi [%]
  double pressure = kPoolPressureWhenEmpty;  // po [Pa], also the default
  double supply_t = 30;         // tk [°C]
  double supply_rh = 45;        // Fk [%]
  double air_speed = 0.15;      // w over the water [m/s]
  std::array<double, kAttractionCount> attraction_counts{};  // 0 for an unticked one
  double floor_area = 0;        // Fmp [m²]
  double floor_t = 25;          // tmp [°C]
  double glazing_height = 1;    // Hs [m]
  double glazing_length = 0;    // Ls [m]
};

struct PoolHallResult {
  double wb = 0;        // moisture from the pool surface [kg/h]
  double wa = 0;        // moisture from the attractions [kg/h]
  double wp = 0;        // moisture from wet floors [kg/h]
  double wc = 0;        // total moisture [kg/h]
  double v = 0;         // air flow to absorb the moisture [m³/h]
  double vo = 0;        // air flow to dry the windows [m³/h]
  double qm = 0;        // latent heat gain [kW]
  double qs = 0;        // sensible heat gain of the pool surface [kW]
  double xi = 0;        // moisture content of the hall air [g/kg]
  double xk = 0;        // moisture content of the supply air [g/kg]
  double epsilon = 0;   // pool coefficient [g/(m²·h·hPa)]
  double alpha = 0;     // convective coefficient over the water [W/(m²·K)]
  double rho_k = 0;     // density of the supply air [kg/m³]
  bool v_is_design = true;  // V ≥ Vo: V is the design flow (marker beside V), else Vo
};

// Refuses a pool type outside the list, a non-positive pool area, negative
// floor areas, glazing lengths, attraction counts and air speeds, humidities
// outside 0 … 100 %, a pressure not above the vapour pressures, an unlisted
// glazing height, and equal moisture contents of hall and supply air (no
// finite air flow carries the moisture away then). Supply air wetter than the
// hall air gives V = 0.
CalcResult<PoolHallResult> ComputePoolHall(const PoolHallInput& in);

// The result fields as shown: 1 decimal, Xi and Xk 2 decimals, E unrounded.
struct PoolHallTexts {
  std::string wb, wa, wp, wc, v, vo, qm, qs, xi, xk, e;  // Edit20 … Edit27, Edit30 … Edit32
};
PoolHallTexts PoolHallShownTexts(const PoolHallResult& r, char decimal_separator);

// ---- Text report ----

// The texts of the window as the user sees them.
struct PoolHallReportData {
  std::string title;       // the main window's title
  std::string pool_type;   // text of the pool type list
  std::string pool_area, water_t, hall_t, hall_rh, pressure, supply_t, supply_rh, air_speed;
  // Count texts of the ticked attractions; nullopt for an unticked one.
  std::array<std::optional<std::string>, kAttractionCount> attractions{};
  std::string floor_area, floor_t, glazing_height, glazing_length;
  PoolHallTexts results;
};

// The report lines in order (without line ends).
std::vector<std::string> PoolHallReportLines(const PoolHallReportData& d);
// The lines joined, each ended with CR LF like the program's other text exports.
std::string PoolHallReportText(const PoolHallReportData& d);
// One parameter line: label field of 46 characters, value (padded to 11
// characters when shorter than 10), and the unit field when a unit is given.
// Widths count characters, not bytes (the texts are UTF-8).
std::string PoolReportParameterLine(std::string_view label, std::string_view value,
                                    std::string_view unit);

}  // namespace orvanta::calculators
