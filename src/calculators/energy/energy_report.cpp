#include "calculators/energy/energy_report.h"

#include <cstdio>

#include "psychro/number_text.h"

namespace orvanta {

std::string CellAddress(int row, int column) {
  std::string letters;
  for (int c = column; c > 0; c = (c - 1) / 26) letters.insert(letters.begin(), char('A' + (c - 1) % 26));
  return letters + std::to_string(row);
}

std::string ReportCell::Address() const { return CellAddress(row, column); }

std::string ReportStamp(const ReportDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d %02d-%02d-%02d", t.day, t.month, t.year, t.hour,
                t.minute, t.second);
  return buf;
}

EnergyReport BuildEnergyReport(const EnergyReportHeader& header, const EnergyInputs& in,
                               const EnergyResults& results, bool polish, char sep) {
  EnergyReport rep;
  rep.template_name = polish ? "DefaultRaportKZEPL.xlsx" : "DefaultRaportKZEEN.xlsx";
  rep.file_name = "ORVANTA_KZE_RAPORT-" + ReportStamp(header.now) + ".xlsx";
  auto& cells = rep.cells;
  const auto text = [&](int row, int col, std::string v) { cells.push_back({row, col, std::move(v)}); };
  const auto row_of = [&](int row, std::initializer_list<double> values) {
    int col = 1;
    for (double v : values) text(row, col++, NumberText(v, sep));
  };
  text(3, 2, header.title);
  cells.push_back({4, 2, header.now});
  text(5, 2, header.investor);
  text(6, 2, header.designer);
  text(7, 2, NumberText(header.pb / 100, sep));
  text(7, 6, header.city);
  row_of(13, {in.v_supply, in.v_exhaust, in.rec, in.v_fresh(), in.t_supply_winter, in.t_heating_end,
              in.t_supply_summer, in.t_coil_surface, in.t_cooling_start, in.t_room_summer,
              in.t_adiabatic_start});
  row_of(16, {in.phi_room_summer, in.phi_room_winter, in.eta_t_winter, in.eta_t_summer, in.eta_x,
              in.eta_adiabatic, in.eta_supply_fan, in.eta_exhaust_fan, in.dp_supply, in.dp_exhaust});
  row_of(19, {in.price_heat, in.price_cool, in.price_humid, in.price_water, in.price_fan});
  if (results.ok()) {
    const EnergyResultTexts r = ResultTexts(results, sep);
    int col = 1;
    for (const std::string* v : {&r.heat, &r.cost_heat, &r.cool, &r.cost_cool, &r.humid,
                                 &r.cost_humid, &r.fans, &r.cost_fans, &r.water_m3, &r.cost_water,
                                 &r.total})
      text(25, col++, *v);
  }
  return rep;
}

}  // namespace orvanta
