// Sizing of a throttling element that takes up a given excess pressure at a
// given air flow: an orifice plate (diameter, or sides in a rectangular duct)
// or a single-blade damper (blade angle).
#pragma once

#include <optional>
#include <string>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

enum class DuctSection { kRound, kRectangular };   // "Okrągły" (default), "Prostokątny"
enum class RegulatingElement { kOrifice, kDamper };  // "Kryza osiowosymetryczna" (default), "Przepustnica jednopłaszczyznowa"

constexpr double kDefaultRegulatingDensity = 1.2;  // kg/m³, the density edit's default

// Empty edits are nullopt.
struct RegulatingInput {
  std::optional<double> pressure;   // Δp to be throttled [Pa], Edit1
  std::optional<double> flow;       // V [m³/h], Edit2
  double density = kDefaultRegulatingDensity;  // ρ [kg/m³], Edit5
  DuctSection section = DuctSection::kRound;
  std::optional<double> side_a_mm;  // D (round) or A, Edit3
  std::optional<double> side_b_mm;  // B (rectangular only), Edit4
  RegulatingElement element = RegulatingElement::kOrifice;
};

struct RegulatingResult {
  double velocity = 0;            // w [m/s]
  double hydraulic_diameter = 0;  // Dh [m]
  double correction = 0;          // k
  double corrected_pressure = 0;  // Δp' [Pa]
  double zeta = 0;                // required loss coefficient
  double area_ratio = 0;          // m, opening to duct, at most 1
  // Orifice: diameter (round) or side A [mm]; damper: blade angle [deg].
  // Rounded to integers, ties to even.
  long long first = 0;
  long long second = 0;           // side B of a rectangular orifice [mm]
  bool has_second = false;
};

// Empty pressure, flow and dimensions give language texts 426, 427, 432
// (round) or 433/434 (rectangular). A negative pressure, a non-positive flow,
// density or dimension is refused with a core message.
CalcResult<RegulatingResult> ComputeRegulatingElement(const RegulatingInput& in);

// The area ratio search: the first m on the 0.00001 grid at which
// ((1 + 0.707·√(1 − m))/m − 1)² ≤ ζ, and 1 at the latest.
double OrificeAreaRatio(double zeta);

// Label11 and Label12 as shown ("" for Label12 unless a rectangular orifice).
struct RegulatingTexts {
  std::string first, second;
};
RegulatingTexts RegulatingShownTexts(const RegulatingResult& r);

}  // namespace orvanta::calculators
