// Sensible, latent and total heat and the moisture released by people, by
// activity and air temperature, interpolated in a table per person.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

constexpr std::array<double, 6> kPeopleTableTemperatures = {15, 18, 20, 23, 26, 29};  // °C

struct Activity {
  int text;                                // language text of the list item
  const char* polish;                      // its Polish text
  std::array<double, 6> sensible;          // Qs per person [W] at the table temperatures
  std::array<double, 6> moisture;          // W per person [kg/h]
};
extern const std::array<Activity, 9> kActivities;  // ComboBox1 items in order

// Defaults of the inputs.
constexpr double kDefaultPeopleTemperature = 20;  // °C
constexpr int kDefaultPeopleCount = 1;
constexpr double kDefaultSimultaneity = 1;

struct PeopleGains {
  double qs = 0;  // sensible heat [W]
  double qm = 0;  // latent heat [W]
  double qc = 0;  // total heat [W]
  double w = 0;   // moisture [kg/h]
};

// activity: index into kActivities, nullopt before one is chosen (all gains
// 0). Refuses an index outside the list, a negative number of people and a
// negative simultaneity factor.
CalcResult<PeopleGains> ComputePeopleGains(std::optional<int> activity, double temperature,
                                           double people, double simultaneity);

// The activity of a typed combo text among the shown items (the list in the
// active language): nullopt for an empty text (none chosen yet), the index
// for an item, a failure for any other text (no table column belongs to it).
CalcResult<std::optional<int>> ActivityFromText(std::string_view text,
                                                std::span<const std::string> items);

// Edit4 Qc, Edit5 Qs, Edit7 Qm with 1 decimal, Edit6 W with 7 decimals.
struct PeopleTexts {
  std::string qc, qs, qm, w;
};
PeopleTexts PeopleShownTexts(const PeopleGains& g, char decimal_separator);

}  // namespace orvanta::calculators
