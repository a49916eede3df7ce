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
                           char decimal_separator, bool polish) {
  // The report's words in the language of the window: Polish or English.
  const auto L = [polish](const char* pl, const char* en) { return std::string(polish ? pl : en); };
  const UnitSections& on = in.sections;
  const bool balance = in.mode == ExhaustMode::Balance;
  Report r(decimal_separator);

  r.Line(L("CENTRALA WENTYLACYJNA - WYNIKI OBLICZEŃ", "AIR HANDLING UNIT - RESULTS"));
  if (!heading.design_case.empty()) r.Line(heading.design_case);
  r.Line(L("Ciśnienie barometryczne: ", "Barometric pressure: ") + r.Number(in.pb / 100, 2) + " hPa");
  r.Line(std::string(L("Parametry wywiewu: ", "Exhaust air parameters: ")) +
         (balance ? L("Wyznaczony z bilansu", "Determined from the balance")
                  : L("Narzucony przez użytkownika", "Set by the user")));
  r.Line();

  r.Line(L("DANE", "INPUTS"));
  r.Value(L("Powietrze zewnętrzne: temperatura", "Outdoor air: temperature"), in.t_outdoor, 2, "°C");
  r.Value(L("Powietrze zewnętrzne: wilgotność względna", "Outdoor air: relative humidity"), in.phi_outdoor * 100, 2,
          "%");
  r.Value(L("Ilość powietrza nawiewanego", "Supply air flow"), in.v_supply, 2, "m3/h");
  r.Value(L("Ilość powietrza wywiewanego", "Exhaust air flow"), in.v_exhaust, 2, "m3/h");
  r.Value(L("Pomieszczenie: temperatura", "Room: temperature"), in.t_room, 2, "°C");
  r.Value(L("Pomieszczenie: wilgotność względna", "Room: relative humidity"), in.phi_room * 100, 2, "%");
  if (on.heater) r.Value(L("Temperatura za nagrzewnicą", "Temperature after the heater"), in.t_supply, 2, "°C");
  if (on.recovery) {
    r.Value(L("Rekuperator: sprawność temperaturowa", "Heat recovery: temperature efficiency"), in.eta_t * 100, 2, "%");
    r.Value(L("Rekuperator: sprawność odzysku wilgoci", "Heat recovery: moisture efficiency"), in.eta_x * 100, 2, "%");
  }
  if (on.mixing)
    r.Value(L("Komora mieszania: stopień recyrkulacji", "Mixing chamber: recirculation"), in.r * 100, 2, "%");
  if (on.cooler) {
    if (in.t_cooler_out && in.t_cooler_surface) {
      r.Value(L("Chłodnica: temperatura za chłodnicą", "Air cooler: outlet temperature"), *in.t_cooler_out, 2, "°C");
      r.Value(L("Chłodnica: temperatura powierzchni", "Air cooler: surface temperature"), *in.t_cooler_surface, 2,
              "°C");
    } else {
      r.Line(L("Chłodnica: bez temperatur, nie pracuje", "Air cooler: no temperatures given, not working"));
    }
  }
  if (balance) {
    r.Value(L("Zyski ciepła całkowitego", "Total heat gains"), in.q_gains, 2, "kW");
    r.Value(L("Zyski wilgoci", "Moisture gains"), in.w_gains, 2, "kg/h");
  }
  std::string sections = L("Sekcje:", "Sections:");
  for (const auto& [is_on, name] :
       {std::pair{on.recovery, L("rekuperator", "heat recovery")},
        std::pair{on.mixing, L("komora mieszania", "mixing chamber")},
        std::pair{on.cooler, L("chłodnica", "air cooler")}, std::pair{on.heater, L("nagrzewnica", "air heater")},
        std::pair{on.humidifier, L("nawilżacz", "humidifier")}})
    if (is_on) sections += std::string(" ") + name + ",";
  if (sections.back() == ',')
    sections.pop_back();
  else
    sections += L(" brak", " none");
  r.Line(sections);
  r.Line();

  r.Line(L("STANY POWIETRZA", "AIR STATES"));
  r.Line(PadRight(L("SEKCJA", "SECTION"), 20) + PadRight(L("PUNKT", "POINT"), 11) + PadLeft("t [°C]", 9) +
         PadLeft("x [kg/kg]", 12) + PadLeft("φ [%]", 9) + PadLeft("h [kJ/kg]", 12) + PadLeft("ρ [kg/m3]", 12));
  r.State(L("CZERPNIA", "AIR INTAKE"), heading.name_outdoor, s.cz);
  if (on.recovery) r.State(L("REKUPERATOR", "HEAT RECOVERY"), heading.name_recovery, s.rot);
  if (on.mixing) r.State(L("KOMORA MIESZANIA", "MIXING CHAMBER"), heading.name_mixing, s.rec);
  if (on.cooler && s.cooler_computed) r.State(L("CHŁODNICA", "AIR COOLER"), heading.name_cooler, s.ch);
  if (on.heater) r.State(L("NAGRZEWNICA", "AIR HEATER"), heading.name_supply, s.n);
  r.State(L("WYWIEW", "EXHAUST AIR"), heading.name_exhaust, s.w);
  r.State(L("WYRZUT", "DISCHARGE AIR"), heading.name_discharge, s.wy);
  r.Line();

  r.Line(L("PRZEPŁYWY", "AIR FLOWS"));
  r.Value(L("Powietrze zewnętrzne (czerpnia)", "Outdoor air (intake)"), s.v_outdoor, 2, "m3/h");
  if (on.mixing) r.Value(L("Powietrze recyrkulacyjne", "Recirculated air"), s.v_recirc, 2, "m3/h");
  r.Value(L("Powietrze wyrzucane (wyrzutnia)", "Discharged air"), s.v_discharge, 2, "m3/h");
  r.Line();

  r.Line(L("MOCE", "POWERS"));
  if (on.recovery) {
    r.Value(L("Rekuperator: odzyskana moc jawna", "Heat recovery: sensible power recovered"), s.recovery_sensible, 1,
            "kW");
    r.Value(L("Rekuperator: odzyskana moc całkowita", "Heat recovery: total power recovered"), s.recovery_total, 1,
            "kW");
  }
  if (on.mixing) {
    r.Value(L("Komora mieszania: moc jawna", "Mixing chamber: sensible power"), s.mixing_sensible, 1, "kW");
    r.Value(L("Komora mieszania: moc całkowita", "Mixing chamber: total power"), s.mixing_total, 1, "kW");
  }
  if (on.cooler) {
    r.Value(L("Chłodnica: moc chłodnicza jawna", "Air cooler: sensible cooling power"), s.cooling_sensible, 2, "kW");
    r.Value(L("Chłodnica: moc chłodnicza całkowita", "Air cooler: total cooling power"), s.cooling_total, 2, "kW");
  }
  if (on.heater) r.Value(L("Nagrzewnica: moc cieplna", "Air heater: heating power"), s.heater_power, 2, "kW");
  if (balance)
    r.Value(L("Współczynnik kierunkowy przemiany ε", "Direction coefficient of the process ε"), s.epsilon, 0, "kJ/kg");
  r.Line();

  r.Line(L("WODA I PARA", "WATER AND STEAM"));
  if (on.cooler && s.cooler_computed)
    r.Value(L("Chłodnica: kondensat", "Air cooler: condensate"), s.cooler_condensate, 1, "kg/h");
  if (on.humidifier) r.Value(L("Nawilżacz: masa pary", "Humidifier: steam"), s.steam, 2, "kg/h");
  r.Value(L("Wyrzut: kondensat", "Discharge air: condensate"), s.discharge_condensate, 2, "l/h");
  return r.Take();
}

}  // namespace orvanta
