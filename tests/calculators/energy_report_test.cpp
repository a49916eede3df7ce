// The report's cells and names, and the hand-over from the unit calculator.
#include <gtest/gtest.h>

#include <map>

#include "calculators/energy/energy_handover.h"
#include "calculators/energy/energy_report.h"
#include "calculators/energy_test_year.h"

namespace orvanta {
namespace {

std::map<std::string, ReportCell> ByAddress(const EnergyReport& r) {
  std::map<std::string, ReportCell> m;
  for (const ReportCell& c : r.cells) {
    EXPECT_TRUE(m.emplace(c.Address(), c).second) << "written twice: " << c.Address();
  }
  return m;
}

std::string Text(const std::map<std::string, ReportCell>& m, const std::string& a) {
  const auto it = m.find(a);
  if (it == m.end()) return "<none>";
  const auto* s = std::get_if<std::string>(&it->second.value);
  return s ? *s : "<not text>";
}

TEST(EnergyReport, AddressesAndNames) {
  EXPECT_EQ(CellAddress(3, 2), "B3");
  EXPECT_EQ(CellAddress(25, 11), "K25");
  EXPECT_EQ(CellAddress(1, 26), "Z1");
  EXPECT_EQ(CellAddress(1, 27), "AA1");
  const ReportDateTime t{2026, 3, 7, 9, 5, 2};
  EXPECT_EQ(ReportStamp(t), "07-03-2026 09-05-02");
  EnergyReportHeader h;
  h.now = t;
  const EnergyReport pl = BuildEnergyReport(h, EnergyInputs{}, EnergyResults{}, true, ',');
  EXPECT_EQ(pl.template_name, "DefaultRaportKZEPL.xlsx");
  EXPECT_EQ(pl.file_name, "ORVANTA_KZE_RAPORT-07-03-2026 09-05-02.xlsx");
  EXPECT_EQ(pl.picture_cell, "A28");
  EXPECT_EQ(pl.picture_width, 630);
  EXPECT_EQ(BuildEnergyReport(h, EnergyInputs{}, EnergyResults{}, false, ',').template_name,
            "DefaultRaportKZEEN.xlsx");
}

TEST(EnergyReport, CellsOfACalculation) {
  EnergyInputs in;
  in.rec = 25;
  in.t_coil_surface = 9.5;
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.SetAllHours(0, true);
  const auto year = energy_test::ConstantYear(-10, 80);
  const EnergyResults r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  EnergyReportHeader h{"Hala A", "Inwestor Sp.", "J. Projektant", 98765, "WARSZAWA",
                       {2026, 12, 9, 14, 30, 0}};
  const EnergyReport rep = BuildEnergyReport(h, in, r, true, ',');
  const auto m = ByAddress(rep);
  EXPECT_EQ(Text(m, "B3"), "Hala A");
  ASSERT_TRUE(m.count("B4"));
  EXPECT_EQ(std::get<ReportDateTime>(m.at("B4").value), h.now);
  EXPECT_EQ(Text(m, "B5"), "Inwestor Sp.");
  EXPECT_EQ(Text(m, "B6"), "J. Projektant");
  EXPECT_EQ(Text(m, "B7"), "987,65");
  EXPECT_EQ(Text(m, "F7"), "WARSZAWA");
  // Row 13: Vn, Vw, rec, Vśw, tnz, tko, tnl, tść, tpch, til, tcha.
  const char* row13[] = {"1000", "1000", "25", "750", "20", "12", "14", "9,5", "20", "24", "20"};
  for (int c = 1; c <= 11; ++c) EXPECT_EQ(Text(m, CellAddress(13, c)), row13[c - 1]) << c;
  // Row 16: φl, φz, ηtz, ηtl, ηx, ηa, ηn, ηw, Δpn, Δpw.
  const char* row16[] = {"55", "40", "80", "70", "0", "80", "65", "65", "1000", "700"};
  for (int c = 1; c <= 10; ++c) EXPECT_EQ(Text(m, CellAddress(16, c)), row16[c - 1]) << c;
  // Row 19: Cg, Cch, Cnp, CH2O, Cwent (water before the fans).
  const char* row19[] = {"0,21", "0,23", "0,6", "5", "0,6"};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Text(m, CellAddress(19, c)), row19[c - 1]) << c;
  // Row 25: the result labels.
  const EnergyResultTexts t = ResultTexts(r, ',');
  const std::string row25[] = {t.heat, t.cost_heat, t.cool, t.cost_cool, t.humid, t.cost_humid,
                               t.fans, t.cost_fans, t.water_m3, t.cost_water, t.total};
  for (int c = 1; c <= 11; ++c) EXPECT_EQ(Text(m, CellAddress(25, c)), row25[c - 1]) << c;
  // 53 Mondays · 24 h · 30·750/3600·1.206·0.2 = 1272 · 1.5075 = 1917.54 kWh
  EXPECT_EQ(Text(m, "A25"), "1917,5");
  EXPECT_EQ(rep.cells.size(), 6u + 11 + 10 + 5 + 11);

  // No results: the inputs only.
  const EnergyReport empty = BuildEnergyReport(h, in, ComputeEnergy(in, {}, year), true, ',');
  EXPECT_EQ(ByAddress(empty).count("A25"), 0u);
}

TEST(EnergyHandover, UnitValuesGoToTheirFields) {
  UnitInputs u;
  u.v_supply = 4200;
  u.v_exhaust = 3900;  // not handed over
  u.t_supply = 22;
  u.t_cooler_out = 15;
  u.t_cooler_surface = 8;
  u.t_room = 21;
  u.eta_t = 0.65;
  u.eta_x = 0.37;
  u.phi_room = 0.45;
  u.r = 0.3;
  u.sections.cooler = false;
  EnergyInputs before;
  before.v_exhaust = 1234;
  before.price_heat = 0.33;
  const EnergyInputs e = EnergyInputsFromUnit(u, before);
  EXPECT_EQ(e.v_supply, 4200);
  EXPECT_EQ(e.v_exhaust, 1234);
  EXPECT_EQ(e.t_supply_winter, 22);
  EXPECT_EQ(e.t_supply_summer, 15);
  EXPECT_EQ(e.t_coil_surface, 8);
  EXPECT_EQ(e.t_room_summer, 21);
  EXPECT_EQ(e.eta_t_winter, 65);
  EXPECT_EQ(e.eta_t_summer, 65);
  EXPECT_EQ(e.eta_x, 37);  // not 37.00000000000001
  EXPECT_EQ(e.phi_room_winter, 45);
  EXPECT_EQ(e.phi_room_summer, 45);
  EXPECT_EQ(e.rec, 30);
  EXPECT_TRUE(e.sections.heater);
  EXPECT_FALSE(e.sections.cooler);
  EXPECT_TRUE(e.sections.humidifier);
  EXPECT_EQ(e.price_heat, 0.33);
  EXPECT_EQ(FreshAirText(e.v_supply, e.rec, ','), "2940");
}

TEST(EnergyHandover, SwitchedOffUnitSections) {
  UnitInputs u;
  u.eta_t = 0.7;
  u.eta_x = 0.5;
  u.r = 0.4;
  u.sections.recovery = false;
  u.sections.mixing = false;
  u.sections.heater = false;
  u.sections.humidifier = true;
  EnergyInputs before;
  before.t_supply_summer = 13;
  before.t_coil_surface = 7.5;
  const EnergyInputs e = EnergyInputsFromUnit(u, before);
  EXPECT_EQ(e.eta_t_winter, 0);
  EXPECT_EQ(e.eta_t_summer, 0);
  EXPECT_EQ(e.eta_x, 0);
  EXPECT_EQ(e.rec, 0);
  EXPECT_TRUE(e.sections.heater);  // the humidifier switches the heater on
  // The unit's cooler edits were empty: the energy calculator keeps its own.
  EXPECT_EQ(e.t_supply_summer, 13);
  EXPECT_EQ(e.t_coil_surface, 7.5);

  u.sections.humidifier = false;
  EXPECT_FALSE(EnergyInputsFromUnit(u, before).sections.heater);
  EXPECT_FALSE(EnergyInputsFromUnit(u, before).sections.humidifier);
}

}  // namespace
}  // namespace orvanta
