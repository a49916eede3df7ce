#include "calculators/heat_gains/people.h"

#include "psychro/air.h"

namespace orvanta::calculators {

const std::array<Activity, 9> kActivities = {{
    {532, "Odpoczynek w postawie siedzącej",
     {94.4, 90.7, 86.1, 74.4, 66.3, 46.5}, {0.026, 0.033, 0.040, 0.058, 0.070, 0.098}},
    {533, "Odpoczynek w postawie stojącej",
     {105.8, 98.8, 90.7, 79.1, 66.3, 46.5}, {0.031, 0.042, 0.054, 0.072, 0.091, 0.122}},
    {534, "Praca biurowa, praca krawiecka (aktywność umiarkowana) - Praca lekka",
     {116.3, 107.0, 96.5, 81.4, 66.3, 46.5}, {0.042, 0.056, 0.072, 0.095, 0.117, 0.147}},
    {535, "Pracownik w postawie stojącej, aktywność mała - Praca lekka",
     {130.3, 115.1, 101.2, 80.2, 66.3, 46.5}, {0.067, 0.089, 0.110, 0.142, 0.163, 0.200}},
    {536, "Pracownik w postawie stojącej, aktywność duża - Praca lekka",
     {134.9, 119.8, 108.2, 81.9, 66.3, 46.5}, {0.088, 0.110, 0.128, 0.163, 0.191, 0.227}},
    {537, "Praca siedząca w fabryce - Praca lekka",
     {151.2, 133.7, 120.9, 93.0, 73.3, 51.2}, {0.109, 0.135, 0.154, 0.196, 0.226, 0.260}},
    {538, "Mechanik, Malarz pokojowy - Praca średnio ciężka",
     {165.1, 145.4, 130.3, 101.2, 81.4, 58.3}, {0.130, 0.160, 0.182, 0.226, 0.256, 0.300}},
    {539, "Obsługa  w restauracji, praca bardzo aktywna - Praca ciężka",
     {181.5, 158.2, 140.0, 111.6, 95.4, 69.8}, {0.168, 0.204, 0.230, 0.274, 0.298, 0.337}},
    {540, "Osoby w tańcu prędkim - Praca bardzo ciężka",
     {238.4, 203.5, 180.3, 151.2, 133.7, 102.3}, {0.255, 0.307, 0.342, 0.386, 0.412, 0.460}},
}};

CalcResult<PeopleGains> ComputePeopleGains(std::optional<int> activity, double temperature,
                                           double people, double simultaneity) {
  if (activity && (*activity < 0 || *activity >= static_cast<int>(kActivities.size())))
    return CalcFailure::Message("Wybierz rodzaj aktywności z listy.",
                                "Choose an activity from the list.");
  if (!(people >= 0))
    return CalcFailure::Message("Liczba osób nie może być ujemna.",
                                "The number of people cannot be negative.");
  if (!(simultaneity >= 0))
    return CalcFailure::Message("Współczynnik jednoczesności nie może być ujemny.",
                                "The simultaneity factor cannot be negative.");
  if (!std::isfinite(temperature)) return NotFiniteFailure();
  PeopleGains g;
  if (!activity) return g;  // nothing chosen yet: zeros

  // The first table temperature not below T, kept within the 2nd … 6th so
  // that the end intervals extrapolate.
  const auto& temps = kPeopleTableTemperatures;
  size_t k = 1;
  while (k < temps.size() - 1 && temps[k] < temperature) ++k;
  const Activity& a = kActivities[*activity];
  const double factor = people * simultaneity;
  g.w = Interpolate(temperature, temps[k - 1], a.moisture[k - 1], temps[k], a.moisture[k]) * factor;
  g.qs = Interpolate(temperature, temps[k - 1], a.sensible[k - 1], temps[k], a.sensible[k]) * factor;
  g.qc = g.w / 3600 * 2556.2 * 1000 + g.qs;
  g.qm = g.qc - g.qs;
  if (!AllFinite({g.w, g.qs, g.qc, g.qm})) return NotFiniteFailure();
  return g;
}

CalcResult<std::optional<int>> ActivityFromText(std::string_view text,
                                                std::span<const std::string> items) {
  if (text.empty()) return std::optional<int>();
  for (size_t k = 0; k < items.size() && k < kActivities.size(); ++k)
    if (items[k] == text) return std::optional<int>(static_cast<int>(k));
  return CalcFailure::Message("Wybierz rodzaj aktywności z listy.",
                              "Choose an activity from the list.");
}

PeopleTexts PeopleShownTexts(const PeopleGains& g, char sep) {
  return {ShownNumber(g.qc, 1, sep), ShownNumber(g.qs, 1, sep), ShownNumber(g.qm, 1, sep),
          ShownNumber(g.w, 7, sep)};
}

}  // namespace orvanta::calculators
