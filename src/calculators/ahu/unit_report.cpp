#include "calculators/ahu/unit_report.h"

#include <cstddef>
#include <string_view>

#include "calculators/calc_result.h"

namespace orvanta {

namespace {

// Characters, not bytes: the labels hold Polish letters.
std::size_t Width(std::string_view text) {
  std::size_t n = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  for (std::size_t w = Width(text); w < width; ++w) out += ' ';
  return out;
}

std::string PadLeft(std::string_view text, std::size_t width) {
  std::string out;
  for (std::size_t w = Width(text); w < width; ++w) out += ' ';
  out += text;
  return out;
}

class Report {
 public:
  explicit Report(char separator) : separator_(separator) {}

  std::string Number(double v, int decimals) const {
    const std::string shown = calculators::ShownNumber(v, decimals, separator_);
    return shown.empty() ? "-" : shown;
  }
  void Line(std::string_view text = {}) {
    text_ += text;
    text_ += "\r\n";
  }
  // "label ........ value unit"
  void Value(std::string_view label, double v, int decimals, std::string_view unit) {
    Line(PadRight(label, 44) + PadLeft(Number(v, decimals), 12) + " " + std::string(unit));
  }
  void State(std::string_view section, std::string_view name, const AirState& a) {
    Line(PadRight(section, 20) + PadRight(name, 11) + PadLeft(Number(a.t, 2), 9) + PadLeft(Number(a.x, 5), 12) +
         PadLeft(Number(a.phi * 100, 2), 9) + PadLeft(Number(a.i, 2), 12) + PadLeft(Number(a.rho, 3), 12));
  }
  std::string Take() { return std::move(text_); }

 private:
  char separator_;
  std::string text_;
};

}  // namespace

std::string UnitReportText(const UnitInputs& in, const UnitStates& s, const UnitReportHeading& heading,
                           char decimal_separator) {
  const UnitSections& on = in.sections;
  const bool balance = in.mode == ExhaustMode::Balance;
  Report r(decimal_separator);

  r.Line("CENTRALA WENTYLACYJNA - WYNIKI OBLICZEŃ");
  if (!heading.design_case.empty()) r.Line(heading.design_case);
  r.Line("Ciśnienie barometryczne: " + r.Number(in.pb / 100, 2) + " hPa");
  r.Line(std::string("Parametry wywiewu: ") +
         (balance ? "Wyznaczony z bilansu" : "Narzucony przez użytkownika"));
  r.Line();

  r.Line("DANE");
  r.Value("Powietrze zewnętrzne: temperatura", in.t_outdoor, 2, "°C");
  r.Value("Powietrze zewnętrzne: wilgotność względna", in.phi_outdoor * 100, 2, "%");
  r.Value("Ilość powietrza nawiewanego", in.v_supply, 2, "m3/h");
  r.Value("Ilość powietrza wywiewanego", in.v_exhaust, 2, "m3/h");
  r.Value("Pomieszczenie: temperatura", in.t_room, 2, "°C");
  r.Value("Pomieszczenie: wilgotność względna", in.phi_room * 100, 2, "%");
  if (on.heater) r.Value("Temperatura za nagrzewnicą", in.t_supply, 2, "°C");
  if (on.recovery) {
    r.Value("Rekuperator: sprawność temperaturowa", in.eta_t * 100, 2, "%");
    r.Value("Rekuperator: sprawność odzysku wilgoci", in.eta_x * 100, 2, "%");
  }
  if (on.mixing) r.Value("Komora mieszania: stopień recyrkulacji", in.r * 100, 2, "%");
  if (on.cooler) {
    if (in.t_cooler_out && in.t_cooler_surface) {
      r.Value("Chłodnica: temperatura za chłodnicą", *in.t_cooler_out, 2, "°C");
      r.Value("Chłodnica: temperatura powierzchni", *in.t_cooler_surface, 2, "°C");
    } else {
      r.Line("Chłodnica: bez temperatur, nie pracuje");
    }
  }
  if (balance) {
    r.Value("Zyski ciepła całkowitego", in.q_gains, 2, "kW");
    r.Value("Zyski wilgoci", in.w_gains, 2, "kg/h");
  }
  std::string sections = "Sekcje:";
  for (const auto& [is_on, name] : {std::pair{on.recovery, "rekuperator"}, std::pair{on.mixing, "komora mieszania"},
                                    std::pair{on.cooler, "chłodnica"}, std::pair{on.heater, "nagrzewnica"},
                                    std::pair{on.humidifier, "nawilżacz"}})
    if (is_on) sections += std::string(" ") + name + ",";
  if (sections.back() == ',') sections.pop_back();
  else sections += " brak";
  r.Line(sections);
  r.Line();

  r.Line("STANY POWIETRZA");
  r.Line(PadRight("SEKCJA", 20) + PadRight("PUNKT", 11) + PadLeft("t [°C]", 9) + PadLeft("x [kg/kg]", 12) +
         PadLeft("φ [%]", 9) + PadLeft("h [kJ/kg]", 12) + PadLeft("ρ [kg/m3]", 12));
  r.State("CZERPNIA", heading.name_outdoor, s.cz);
  if (on.recovery) r.State("REKUPERATOR", heading.name_recovery, s.rot);
  if (on.mixing) r.State("KOMORA MIESZANIA", heading.name_mixing, s.rec);
  if (on.cooler && s.cooler_computed) r.State("CHŁODNICA", heading.name_cooler, s.ch);
  if (on.heater) r.State("NAGRZEWNICA", heading.name_supply, s.n);
  r.State("WYWIEW", heading.name_exhaust, s.w);
  r.State("WYRZUT", heading.name_discharge, s.wy);
  r.Line();

  r.Line("PRZEPŁYWY");
  r.Value("Powietrze zewnętrzne (czerpnia)", s.v_outdoor, 2, "m3/h");
  if (on.mixing) r.Value("Powietrze recyrkulacyjne", s.v_recirc, 2, "m3/h");
  r.Value("Powietrze wyrzucane (wyrzutnia)", s.v_discharge, 2, "m3/h");
  r.Line();

  r.Line("MOCE");
  if (on.recovery) {
    r.Value("Rekuperator: odzyskana moc jawna", s.recovery_sensible, 1, "kW");
    r.Value("Rekuperator: odzyskana moc całkowita", s.recovery_total, 1, "kW");
  }
  if (on.mixing) {
    r.Value("Komora mieszania: moc jawna", s.mixing_sensible, 1, "kW");
    r.Value("Komora mieszania: moc całkowita", s.mixing_total, 1, "kW");
  }
  if (on.cooler) {
    r.Value("Chłodnica: moc chłodnicza jawna", s.cooling_sensible, 2, "kW");
    r.Value("Chłodnica: moc chłodnicza całkowita", s.cooling_total, 2, "kW");
  }
  if (on.heater) r.Value("Nagrzewnica: moc cieplna", s.heater_power, 2, "kW");
  if (balance) r.Value("Współczynnik kierunkowy przemiany ε", s.epsilon, 0, "kJ/kg");
  r.Line();

  r.Line("WODA I PARA");
  if (on.cooler && s.cooler_computed) r.Value("Chłodnica: kondensat", s.cooler_condensate, 1, "kg/h");
  if (on.humidifier) r.Value("Nawilżacz: masa pary", s.steam, 2, "kg/h");
  r.Value("Wyrzut: kondensat", s.discharge_condensate, 2, "l/h");
  return r.Take();
}

}  // namespace orvanta
