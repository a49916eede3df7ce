#include "calculators/pool/pool_hall.h"

#include <algorithm>
#include <cmath>

#include "psychro/air.h"
#include "psychro/number_text.h"

namespace orvanta::calculators {

const std::array<PoolType, 4> kPoolTypes = {{
    {678, "PRYWATNY", 15},
    {679, "PŁYWACKI", 20},
    {680, "REKREACYJNY", 28},
    {681, "Z ATRAKCJAMI", 35},
}};

const std::array<WaterAttraction, kAttractionCount> kWaterAttractions = {{
    {691, "Dzika rzeka", "DZIKA RZEKA", "mb", 300},
    {692, "Gejzer powietrzny denny", "GEJZER POWIETRZNY DENNY", "szt", 5000},
    {693, "Gejzer wodny denny", "GEJZER WODNY DENNY", "szt", 3000},
    {694, "Grzybek", "GRZYBEK", "szt", 3000},
    {695, "Kurtyna wodna", "KURTYNA WODNA", "szt", 5000},
    {696, "Leżanka do masażu", "LEŻANKA DO MASAŻU", "szt", 5000},
    {697, "Maszyna pływacka", "MASZYNA PŁYWACKA", "szt", 3000},
    {698, "Zjeżdżalnia", "ZJEŻDZALNIA", "szt", 500},
    {699, "Wanna do hydromasażu", "WANNA DO HYDROMASAŻU", "m2", 800},
    {700, "Natrysk", "NATRYSK", "szt", 400},
}};

const std::array<GlazingHeight, 7> kGlazingHeights = {{
    {1, 120}, {2, 200}, {3, 250}, {4, 300}, {5, 330}, {6, 370}, {7, 400},
}};

int PoolTypeForText(std::string_view text, std::span<const std::string> items, int previous) {
  for (size_t k = 0; k < items.size() && k < kPoolTypes.size(); ++k)
    if (items[k] == text) return static_cast<int>(k);
  return previous;
}

std::optional<double> WindowDryingRate(double height_m) {
  for (const auto& g : kGlazingHeights)
    if (height_m == g.height) return g.rate;
  return std::nullopt;
}

namespace {

CalcFailure Refuse(const char* pl, const char* en) { return CalcFailure::Message(pl, en); }

}  // namespace

CalcResult<PoolHallResult> ComputePoolHall(const PoolHallInput& in) {
  if (in.pool_type < 0 || in.pool_type >= static_cast<int>(kPoolTypes.size()))
    return Refuse("Wybierz rodzaj basenu z listy.", "Choose a pool type from the list.");
  if (!(in.pool_area > 0))
    return Refuse("Powierzchnia lustra basenu musi być większa od zera.",
                  "The pool water surface area must be greater than zero.");
  if (!(in.floor_area >= 0))
    return Refuse("Powierzchnia mokrych posadzek nie może być ujemna.",
                  "The wet floor area cannot be negative.");
  if (!(in.glazing_length >= 0))
    return Refuse("Długość szklenia nie może być ujemna.", "The glazing length cannot be negative.");
  for (double c : in.attraction_counts)
    if (!(c >= 0))
      return Refuse("Liczba atrakcji wodnych nie może być ujemna.",
                    "The number of water attractions cannot be negative.");
  if (!(in.air_speed >= 0))
    return Refuse("Prędkość powietrza nad lustrem nie może być ujemna.",
                  "The air speed over the water cannot be negative.");
  if (!(in.hall_rh >= 0 && in.hall_rh <= 100) || !(in.supply_rh >= 0 && in.supply_rh <= 100))
    return Refuse("Wilgotność względna musi leżeć w zakresie od 0 do 100 %.",
                  "The relative humidity must lie between 0 and 100 %.");
  const std::optional<double> drying_rate = WindowDryingRate(in.glazing_height);
  if (!drying_rate)
    return Refuse("Wysokość szklenia musi być jedną z wartości listy: 1, 2, 3, 4, 5, 6 lub 7 m.",
                  "The glazing height must be one of the listed values: 1, 2, 3, 4, 5, 6 or 7 m.");
  if (!(in.supply_t > -273))
    return Refuse("Temperatura powietrza klimatyzującego jest poniżej zera bezwzględnego.",
                  "The supply air temperature is below absolute zero.");

  PoolHallResult r;
  r.epsilon = kPoolTypes[in.pool_type].epsilon;
  const double fi = in.hall_rh / 100, fk = in.supply_rh / 100;
  const double po = in.pressure;

  // Supply air.
  const double psk = SaturationPressurePolynomial(in.supply_t);
  // Hall air.
  const double psi = SaturationPressurePolynomial(in.hall_t);
  const double pdi = fi * psi;
  if (!(po > fk * psk) || !(po > pdi))
    return Refuse("Ciśnienie atmosferyczne musi być wyższe od ciśnienia pary wodnej w powietrzu.",
                  "The atmospheric pressure must be higher than the vapour pressure of the air.");
  const double xk = MoistureContent(po, psk, fk);
  r.rho_k = AirDensity273(po, in.supply_t, xk);
  const double xi = MoistureContent(po, psi, fi);  // = 0.622·pdi/(po − pdi)

  // Moisture sources [kg/h]; the pressure difference over the water in hPa.
  const double psw = SaturationPressurePolynomial(in.water_t);
  r.wb = in.pool_area * r.epsilon * (psw - pdi) / 100 / 1000;
  double wa_g = 0;
  for (int k = 0; k < kAttractionCount; ++k) wa_g += in.attraction_counts[k] * kWaterAttractions[k].rate;
  r.wa = wa_g / 1000;
  r.wp = 6.3 * in.floor_area * (in.hall_t - in.floor_t) / 1000;
  r.wc = r.wa + r.wb + r.wp;

  // Air flow that takes the moisture up between supply and hall state.
  // Equal contents (to rounding noise: the same state typed twice) leave no
  // finite flow; a difference of a few ulps would give a meaningless huge V.
  if (std::fabs(xi - xk) <= 1e-12 * std::max(std::fabs(xi), std::fabs(xk)))
    return Refuse(
        "Zawartość wilgoci powietrza hali i powietrza klimatyzującego jest jednakowa: żaden strumień "
        "powietrza nie odbierze wilgoci. Zmień parametry powietrza hali lub klimatyzującego.",
        "The hall air and the supply air have the same moisture content: no air flow can take the "
        "moisture away. Change the hall or the supply air state.");
  r.v = r.wc / ((xi - xk) * r.rho_k);
  if (r.v < 0) r.v = 0;
  r.vo = *drying_rate * in.glazing_length;
  r.v_is_design = r.v >= r.vo;

  r.alpha = 4.07 * in.air_speed + 5.7;
  r.qm = (2501 + 1.84 * in.water_t) * r.wc / 3600;
  r.qs = r.alpha * in.pool_area * (in.water_t - in.hall_t) / 1000;
  r.xi = xi * 1000;
  r.xk = xk * 1000;

  if (!AllFinite({r.wb, r.wa, r.wp, r.wc, r.v, r.vo, r.qm, r.qs, r.xi, r.xk, r.rho_k}))
    return NotFiniteFailure();
  return r;
}

PoolHallTexts PoolHallShownTexts(const PoolHallResult& r, char sep) {
  PoolHallTexts t;
  t.wb = ShownNumber(r.wb, 1, sep);
  t.wa = ShownNumber(r.wa, 1, sep);
  t.wp = ShownNumber(r.wp, 1, sep);
  t.wc = ShownNumber(r.wc, 1, sep);
  t.v = ShownNumber(r.v, 1, sep);
  t.vo = ShownNumber(r.vo, 1, sep);
  t.qm = ShownNumber(r.qm, 1, sep);
  t.qs = ShownNumber(r.qs, 1, sep);
  t.xi = ShownNumber(r.xi, 2, sep);
  t.xk = ShownNumber(r.xk, 2, sep);
  t.e = std::isfinite(r.epsilon) ? NumberText(r.epsilon, sep) : std::string();
  return t;
}

namespace {

// Characters of a UTF-8 text (continuation bytes not counted).
size_t CharCount(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

void PadTo(std::string& s, size_t width) {
  const size_t n = CharCount(s);
  if (n < width) s.append(width - n, ' ');
}

}  // namespace

std::string PoolReportParameterLine(std::string_view label, std::string_view value,
                                    std::string_view unit) {
  std::string line = "     ";
  line += label;
  PadTo(line, 46);
  std::string v(value);
  if (CharCount(v) < 10) PadTo(v, 11);
  line += v;
  if (!unit.empty()) {
    line += "     ";
    line += unit;
  }
  return line;
}

std::vector<std::string> PoolHallReportLines(const PoolHallReportData& d) {
  std::vector<std::string> l;
  auto param = [&](const char* label, const std::string& value, const char* unit) {
    l.push_back(PoolReportParameterLine(label, value, unit));
  };
  l.insert(l.end(), {"", "", "   " + d.title});
  l.insert(l.end(), {"   WYKRES MOLLIERA - MODUŁ OBLICZANIA BASENU", "", "   DANE WEJŚCIOWE:",
                     "   LUSTRO BASENU:", ""});
  l.push_back("         PARAMETR                              WARTOŚĆ      JEDNOSTKA");
  l.push_back("           [-]                                   [-]          [-]");
  param("RODZAJ BASENU", d.pool_type, "");
  param("POWIERZCHNIA LUSTRA BASENU", d.pool_area, "m2");
  param("TEMPERATURA WODY W BASENIE", d.water_t, "oC");
  param("TEMPERATURA POWIETRZA HALI BASENOWEJ", d.hall_t, "oC");
  param("WILGOTNOŚĆ WZGLĘDNA POWIETRZA W HALI", d.hall_rh, "%");
  param("CIŚNIENIE ATMOSFERYCZNE", d.pressure, "Pa");
  param("TEMPERATURA POWIETRZA KLIMATYZUJĄCEGO", d.supply_t, "oC");
  param("WILGOTNOŚĆ POWIETRZA KLIMATYZUJĄCEGO", d.supply_rh, "%");
  param("PRĘDKOŚĆ POWIETRZA NAD LUSTREM BASENU", d.air_speed, "m/s");
  l.push_back("");
  l.insert(l.end(), {"     ATRAKCJE WODNE:", ""});
  for (int k = 0; k < kAttractionCount; ++k)
    if (d.attractions[k])
      param(kWaterAttractions[k].report_label, *d.attractions[k], kWaterAttractions[k].unit);
  l.push_back("");
  l.insert(l.end(), {"     MOKRE POSADZKI:", ""});
  param("POWIERZCHNIA MOKRYCH POSADZEK", d.floor_area, "m2");
  param("TEMPERATURA POSADZEK", d.floor_t, "oC");
  l.push_back("");
  l.insert(l.end(), {"     NAWIEW NA OKNA:", ""});
  param("WYSOKOŚĆ SZKLENIA", d.glazing_height, "mb");
  param("DŁUGOŚĆ SZKLENIA", d.glazing_length, "mb");
  l.insert(l.end(), {"", "", ""});
  l.insert(l.end(), {"   WYNIKI OBLICZEŃ:", ""});
  const PoolHallTexts& r = d.results;
  param("ZYSKI WILGOCI OD LUSTRA BASENU", r.wb, "kg/h");
  param("ZYSKI WILGOCI OD ATRAKCJI WODNYCH", r.wa, "kg/h");
  param("ZYSKI WILGOCI OD MOKRYCH POSADZEK", r.wp, "kg/h");
  param("CAŁKOWITE ZYSKI WILGOCI", r.wc, "kg/h");
  param("STRUMIEŃ POWIETRZA DO ASYMILACJI WILGOCI", r.v, "m3/h");
  param("STRUMIEŃ POWIETRZA DO OSUSZANIA OKIEN", r.vo, "m3/h");
  param("ZYSKI CIEPŁA MOKREGO BASENU", r.qm, "kW");
  param("ZYSKI CIEPŁA SUCHEGO BASENU", r.qs, "kW");
  param("ZAWARTOŚĆ WILGOCI POW. HALI BASENOWEJ", r.xi, "g/kg");
  param("ZAWARTOŚĆ WILGOCI POW. KLIMATYZACYJNEGO", r.xk, "g/kg");
  // The coefficient is in grams of water per m² of surface, hour and hPa.
  param("WSPÓŁCZYNNIK W ZALEŻNY OD RODZAJU BASENU", r.e, "g/(m2 h hPa)");
  return l;
}

std::string PoolHallReportText(const PoolHallReportData& d) {
  std::string text;
  for (const std::string& line : PoolHallReportLines(d)) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace orvanta::calculators
