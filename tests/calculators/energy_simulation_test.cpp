// The hourly simulation: hand-calculated hours, constant years whose yearly
// sums follow by hand, flow corrections, recirculation, switched-off
// sections, costs and refused inputs.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/energy/energy.h"
#include "calculators/energy_test_year.h"
#include "psychro/air.h"

namespace orvanta {
namespace {

using energy_test::ConstantYear;
using energy_test::MakeYear;

WeeklyTimetable AllHoursOnMonday() {
  WeeklyTimetable t;
  t.day_on[0] = true;
  t.SetAllHours(0, true);
  return t;
}

WeeklyTimetable AllHours() {
  WeeklyTimetable t;
  for (int d = 0; d < 7; ++d) {
    t.day_on[d] = true;
    t.SetAllHours(d, true);
  }
  return t;
}

// Defaults of the window: Vn = Vw = 1000 m3/h, rec 0 → Vśw = 1000 m3/h,
// ηtz 80 %, ηtl 70 %, ηx 0, tnz 20, tko 12, tnl 14, tść 9.5, tpch 20,
// til 24, φl 55 %, φz 40 %, tcha 20, ηa 80 %, fans 65 %, 1000 / 700 Pa.
//
// Fixed states at 101300 Pa (ps = 610.5·exp(17.269·t/(237.3 + t))):
//   xz(20 °C, 40 %) = 0.622·0.4·2336.9/(101300 − 934.8) = 0.0057932, iz = 34.802 kJ/kg
//   xs(9.5 °C, 100 %) = 0.0073735
//   xr(24 °C, 55 %) = 0.0102369, ir = 50.174 kJ/kg
//
// Three hours of 1 January, each alone in the timetable (period 01-01 … 01-01):
//  hour 2, −5 °C / 80 %: x = 0.0020748
//    heating 25·1000/3600·1.005·1.2·(1 − 0.8) = 1.675 kWh
//    iox = 1.005·20 + 0.0020748·2537.8 = 25.365; humidification
//    (34.802 − 25.365)·1000·1.2/3600 = 3.1455 kWh; no cooling, no adiabatic water
//  hour 10, 30 °C / 50 %: x = 0.0132970 > xs → wet coil
//    tr = 30 − 6·0.7 = 25.8, iar = 59.816 = im (no recirculation), tm = 25.8
//    xch = 0.0073735 + (0.013297 − 0.0073735)·4.5/16.3 = 0.0090088, ich = 36.833
//    cooling (59.816 − 36.833)·1200/3600 = 7.6610 kWh
//    condensate (0.013297 − 0.0090088)·1200 = 5.1459 kg
//    wet bulb 21.92 °C, xsat = 0.0165762: water (0.0165762 − 0.013297)·1200/0.8 = 4.9187 kg
//  hour 14, 26 °C / 30 %: x = 0.0062505 < xs → dry coil
//    tr = 26 − 2·0.7 = 24.6, cooling (24.6 − 14)·1200/3600 = 3.5333 kWh
//    wet bulb 15.03 °C: water 6.6224 kg; x > xz: no humidification
class EnergyThreeHours : public ::testing::Test {
 protected:
  void SetUp() override {
    year = MakeYear([](int k) {
      if (k == 2) return std::pair{-5.0, 80.0};
      if (k == 10) return std::pair{30.0, 50.0};
      if (k == 14) return std::pair{26.0, 30.0};
      return std::pair{15.0, 60.0};
    });
    in.stop = {1, 1};
    tt.day_on[0] = true;
    tt.hours[0][2] = tt.hours[0][10] = tt.hours[0][14] = true;
  }
  std::vector<ClimateHour> year;
  EnergyInputs in;
  WeeklyTimetable tt;
};

TEST_F(EnergyThreeHours, EqualTheHandCalculation) {
  const EnergyResults r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.operating, (std::vector<int>{2, 10, 14}));

  EXPECT_NEAR(r.heating[2], 1.675, 1e-9);
  EXPECT_NEAR(r.humidification[2], 3.1455, 1e-3);
  EXPECT_EQ(r.cooling[2], 0);
  EXPECT_EQ(r.water[2], 0);

  EXPECT_NEAR(r.cooling[10], 7.6610, 1e-3);
  EXPECT_NEAR(r.condensate[10], 5.1459, 1e-3);
  EXPECT_NEAR(r.water[10], 4.9187, 1e-3);
  EXPECT_EQ(r.heating[10], 0);
  EXPECT_EQ(r.humidification[10], 0);

  EXPECT_NEAR(r.cooling[14], 3.5333, 1e-3);
  EXPECT_EQ(r.condensate[14], 0);
  EXPECT_NEAR(r.water[14], 6.6224, 1e-3);
  EXPECT_EQ(r.humidification[14], 0);

  EXPECT_NEAR(r.heat, 1.675, 1e-9);
  EXPECT_NEAR(r.cool, 7.6610 + 3.5333, 2e-3);
  EXPECT_NEAR(r.humid, 3.1455, 1e-3);
  EXPECT_NEAR(r.water_kg, 4.9187 + 6.6224, 2e-3);
  EXPECT_NEAR(r.condensate_kg, 5.1459, 1e-3);
  // Fans: 3 h · 1000 Pa · 1000 m3/h / 3600 / 0.65 / 1000 and 3 h · 700 Pa · …
  EXPECT_NEAR(r.supply_fan, 3 * 0.42735, 1e-4);
  EXPECT_NEAR(r.exhaust_fan, 3 * 0.29915, 1e-4);
  EXPECT_NEAR(r.largest_hourly, 7.6610, 1e-3);
}

TEST_F(EnergyThreeHours, WaterUsesTheSteppedWetBulb) {
  // The wet bulb of the adiabatic cooler is the 0.01 K stepped search.
  const EnergyResults r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  const double x = MoistureContent(101300, SaturationPressure(30), 0.5);
  const double twb = WetBulbTemperatureStepped(101300, 30, x);
  EXPECT_DOUBLE_EQ(twb, 21.92);
  const double water = (MoistureContent(101300, SaturationPressure(twb), 1) - x) * 1200 / 0.8;
  EXPECT_DOUBLE_EQ(r.water[10], water);
}

TEST_F(EnergyThreeHours, SwitchedOffSectionsAreZeroedInTheSumsOnly) {
  in.sections.heater = false;
  in.sections.humidifier = false;
  in.sections.cooler = false;
  in.sections.supply_fan = false;
  const EnergyResults r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.heat, 0);
  EXPECT_EQ(r.humid, 0);
  EXPECT_EQ(r.cool, 0);
  EXPECT_EQ(r.supply_fan, 0);
  EXPECT_EQ(r.cost_heat, 0);
  EXPECT_EQ(r.cost_cool, 0);
  EXPECT_EQ(r.cost_humid, 0);
  // Kept: the hourly values for the readout, the condensate, the rest.
  EXPECT_NEAR(r.heating[2], 1.675, 1e-9);
  EXPECT_NEAR(r.cooling[10], 7.6610, 1e-3);
  EXPECT_NEAR(r.condensate_kg, 5.1459, 1e-3);
  EXPECT_NEAR(r.fans, 3 * 0.29915, 1e-4);
  EXPECT_NEAR(r.water_kg, 4.9187 + 6.6224, 2e-3);
  EXPECT_DOUBLE_EQ(r.cost_total, r.cost_fans + r.cost_water);

  in.sections = {};
  in.sections.heater = false;
  in.sections.cooler = false;
  in.sections.humidifier = false;
  in.sections.supply_fan = false;
  in.sections.exhaust_fan = false;
  in.sections.adiabatic = true;
  const EnergyResults only_water = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(only_water.ok());
  EXPECT_EQ(only_water.fans, 0);
  EXPECT_DOUBLE_EQ(only_water.cost_total, only_water.water_m3 * 5.0);
}

TEST(EnergyConstantYear, YearlySumsFollowFromOneHour) {
  // −10 °C / 80 % all year, every hour ticked: 52 weeks + 1 day = 8760 hours.
  // Heating 30·1000/3600·1.005·1.2·0.2 = 2.01 kWh per hour → 17607.6 kWh,
  // cost ·0.21 = 3697.596 PLN. x = 0.0014060: humidification
  // (34.802 − 23.668)·1200/3600 = 3.7113 kWh per hour → 32510.6 kWh.
  // Fans 8760·(0.42735 + 0.29915) = 6364.1 kWh. No cooling, no water.
  const std::vector<ClimateHour> year = ConstantYear(-10, 80);
  const EnergyResults r = ComputeEnergy(EnergyInputs{}, AllHours(), year);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.operating.size(), 8760u);
  EXPECT_NEAR(r.heat, 17607.6, 1e-6);
  EXPECT_NEAR(r.cost_heat, 3697.596, 1e-6);
  EXPECT_NEAR(r.humid, 8760 * 3.71126, 0.1);
  EXPECT_NEAR(r.fans, 8760 * (1000.0 + 700.0) / 3600 / 0.65, 1e-6);
  EXPECT_EQ(r.cool, 0);
  EXPECT_EQ(r.water_kg, 0);
  EXPECT_EQ(r.condensate_kg, 0);
  // Costs with the default prices, total their sum.
  EXPECT_NEAR(r.cost_humid, r.humid * 0.6, 1e-9);
  EXPECT_NEAR(r.cost_fans, r.fans * 0.6, 1e-9);
  EXPECT_NEAR(r.cost_total, r.cost_heat + r.cost_humid + r.cost_fans, 1e-9);

  const EnergyResultTexts texts = ResultTexts(r, ',');
  EXPECT_EQ(texts.heat, "17607,6");
  EXPECT_EQ(texts.cost_heat, "3697,6");
  EXPECT_EQ(texts.cool, "0");
  EXPECT_EQ(texts.fans, "6364,1");
}

TEST(EnergyConstantYear, PricesAndWaterVolume) {
  // 30 °C / 50 % all year, only Monday 12:00: 53 hours (52 weeks + the
  // remaining Monday). Water 4.9187 kg per hour (see the three hours).
  EnergyInputs in;
  in.price_water = 7;
  in.price_cool = 0.5;
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][12] = true;
  const EnergyResults r = ComputeEnergy(in, tt, ConstantYear(30, 50));
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.operating.size(), 53u);
  EXPECT_NEAR(r.water_kg, 53 * 4.9187, 0.01);
  EXPECT_DOUBLE_EQ(r.water_m3, r.water_kg / 1000);
  EXPECT_DOUBLE_EQ(r.cost_water, r.water_m3 * 7);
  EXPECT_NEAR(r.cool, 53 * 7.6610, 0.01);
  EXPECT_DOUBLE_EQ(r.cost_cool, r.cool * 0.5);
  EXPECT_DOUBLE_EQ(r.cost_total, r.cost_heat + r.cost_cool + r.cost_humid + r.cost_fans + r.cost_water);
}

TEST(EnergyFlowCorrection, UnequalFlowsCorrectTheRecoveryEfficiency) {
  const std::vector<ClimateHour> year = ConstantYear(-10, 80);
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][0] = true;  // 53 hours
  EnergyInputs in;
  in.sections.humidifier = false;

  // Vn = 2000 ≥ Vw = 1000: η' = 0.8/(2000/1000) = 0.4;
  // heating 30·2000/3600·1.206·0.6 = 12.06 kWh per hour.
  in.v_supply = 2000;
  EnergyResults r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r.heating[0], 12.06, 1e-9);

  // Vn = 1000 < Vw = 2000: η' = 0.8 + 0.2·(2000 − 1000)/2000 = 0.9;
  // heating 30·0.335·0.1 = 1.005 kWh per hour.
  in.v_supply = 1000;
  in.v_exhaust = 2000;
  r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r.heating[0], 1.005, 1e-9);
  // ηx = 0 is not raised: the humidification is that of equal flows.
  EXPECT_NEAR(r.humidification[0], 3.71126, 1e-4);
  // The exhaust fan moves Vw: 53·700·2000/3600/0.65/1000.
  EXPECT_NEAR(r.exhaust_fan, 53 * 700.0 * 2000 / 3600 / 0.65 / 1000, 1e-9);

  // A moisture efficiency above 0 is raised the same way: 0.5 → 0.75, and
  // humidification carries (1 − 0.75).
  in.eta_x = 50;
  r = ComputeEnergy(in, tt, year);
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r.humidification[0], 3.71126 * 0.25, 1e-4);
}

TEST(EnergyRecirculation, FullRecirculationCoolsRoomAirOnly) {
  // rec = 100 %: Vśw = 0, no heating or humidification at −10 °C; in summer
  // the mixture is room air (24 °C / 55 %): xch = 0.0073735 + (0.0102369 −
  // 0.0073735)·4.5/14.5 = 0.0082622, ich = 35.116, cooling
  // (50.174 − 35.116)·1200/3600 = 5.0760 kWh, whatever the outdoor air.
  EnergyInputs in;
  in.rec = 100;
  WeeklyTimetable tt;
  tt.day_on[3] = true;
  tt.hours[3][8] = true;
  EXPECT_EQ(FreshAirText(1000, 100, ','), "0");

  const EnergyResults winter = ComputeEnergy(in, tt, ConstantYear(-10, 80));
  ASSERT_TRUE(winter.ok());
  EXPECT_EQ(winter.heat, 0);
  EXPECT_EQ(winter.humid, 0);
  EXPECT_GT(winter.fans, 0);

  for (auto [t, rh] : {std::pair{30.0, 50.0}, std::pair{35.0, 30.0}}) {
    const EnergyResults r = ComputeEnergy(in, tt, ConstantYear(t, rh));
    ASSERT_TRUE(r.ok());
    const int k = r.operating.front();
    EXPECT_NEAR(r.cooling[k], 5.0760, 1e-3) << t;
    EXPECT_NEAR(r.condensate[k], 2.3697, 1e-3) << t;
  }
}

TEST(EnergyRecirculation, HalfRecirculationMixesByVolume) {
  // rec = 50 %, 30 °C / 50 %: tr = 25.8, tm = (500·25.8 + 500·24)/1000 = 24.9;
  // iar = 59.816 > im = (59.816 + 50.174)/2 = 54.995, so the mixture stays;
  // xm = (0.013297 + 0.0102369)/2 = 0.0117670; xch = xs + (xm − xs)·4.5/15.4
  // = 0.0086573, ich = 35.945; cooling (54.995 − 35.945)·1200/3600 = 6.3501 kWh.
  EnergyInputs in;
  in.rec = 50;
  EXPECT_EQ(FreshAirText(1000, 50, '.'), "500");
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][0] = true;
  const EnergyResults r = ComputeEnergy(in, tt, ConstantYear(30, 50));
  ASSERT_TRUE(r.ok());
  EXPECT_NEAR(r.cooling[0], 6.3501, 1e-3);
}

TEST(EnergyEdges, NoNegativeEnergies) {
  // Heating up to 25 °C outdoors with a 20 °C supply, cooling from 10 °C
  // outdoors with a 14 °C supply and a 12 °C room: hours warmer than the
  // supply need no heat, hours colder than it no cooling.
  EnergyInputs in;
  in.t_heating_end = 25;
  in.t_cooling_start = 10;
  in.t_room_summer = 12;
  // 22 °C / 30 %: (20 − 22)·… would be negative heat → 0; tr = 22 − 10·0.7
  // = 15, dry coil (15 − 14)·1200/3600 = 0.3333 kWh.
  const EnergyResults warm = ComputeEnergy(in, AllHoursOnMonday(), ConstantYear(22, 30));
  ASSERT_TRUE(warm.ok());
  EXPECT_EQ(warm.heat, 0);
  EXPECT_NEAR(warm.cooling[0], 1.0 / 3, 1e-9);
  // 12.5 °C / 50 %: tr = 12.15 < tnl, dry coil: (12.15 − 14)·… → 0.
  const EnergyResults dry = ComputeEnergy(in, AllHoursOnMonday(), ConstantYear(12.5, 50));
  ASSERT_TRUE(dry.ok());
  EXPECT_EQ(dry.cool, 0);
  EXPECT_NEAR(dry.heating[0], 7.5 * 0.067, 1e-9);
  // 12.5 °C / 95 %: x > xs, wet coil with xch above xm: im is raised to ich
  // (no cooling) and the negative condensate becomes 0.
  const EnergyResults wet = ComputeEnergy(in, AllHoursOnMonday(), ConstantYear(12.5, 95));
  ASSERT_TRUE(wet.ok());
  EXPECT_EQ(wet.cool, 0);
  EXPECT_EQ(wet.condensate_kg, 0);
}

TEST(EnergyFailures, RefusedBeforeAnyResult) {
  const std::vector<ClimateHour> year = ConstantYear(0, 50);
  EnergyInputs in;
  EnergyResults r;

  in.sections = {false, false, false, false, false, false};
  r = ComputeEnergy(in, AllHours(), year);
  EXPECT_EQ(r.status, EnergyStatus::NoSection);
  EXPECT_EQ(r.failure.text, kTextEnergyNoSection);
  EXPECT_FALSE(r.has_chart());

  in = {};
  in.stop = {1, 6};
  in.start = {2, 6};
  r = ComputeEnergy(in, AllHours(), year);
  EXPECT_EQ(r.status, EnergyStatus::BadPeriod);
  EXPECT_EQ(r.failure.text, kTextEnergyPeriod);

  // No hour ticked in any list: the chart data are there, results are not.
  in = {};
  r = ComputeEnergy(in, WeeklyTimetable{}, year);
  EXPECT_EQ(r.status, EnergyStatus::NoHourTicked);
  EXPECT_EQ(r.failure.text, kTextEnergyNoHourTicked);
  EXPECT_TRUE(r.has_chart());
  EXPECT_EQ(r.heating.size(), 8760u);
  EXPECT_EQ(ResultTexts(r, ',').total, "");
}

TEST(EnergyFailures, InputsThatCannotBeComputed) {
  const std::vector<ClimateHour> year = ConstantYear(25, 50);
  const auto status = [&](EnergyInputs in) { return ComputeEnergy(in, AllHours(), year).status; };
  EnergyInputs in;
  in.v_supply = 0;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in = {};
  in.v_exhaust = -5;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in = {};
  in.eta_t_winter = 120;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in = {};
  in.price_heat = NAN;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in = {};
  in.eta_supply_fan = 0;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in.sections.supply_fan = false;  // not needed when that fan is off
  EXPECT_EQ(status(in), EnergyStatus::Ok);
  in = {};
  in.eta_adiabatic = 0;
  EXPECT_EQ(status(in), EnergyStatus::InvalidInput);
  in.sections.adiabatic = false;
  const EnergyResults r = ComputeEnergy(in, AllHours(), year);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.water_kg, 0);
  EXPECT_TRUE(std::isfinite(r.water[0]));
  // A year that is not 8760 hours long.
  EXPECT_EQ(ComputeEnergy(EnergyInputs{}, AllHours(), std::span(year).first(100)).status,
            EnergyStatus::ClimateFile);
  // A message names the refused input in both languages.
  in = {};
  in.v_supply = 0;
  const EnergyResults refused = ComputeEnergy(in, AllHours(), year);
  EXPECT_EQ(refused.failure.text, 0);
  EXPECT_FALSE(refused.failure.polish.empty());
  EXPECT_FALSE(refused.failure.english.empty());
}

TEST(EnergyFailures, CoilLineWithoutSlopeIsAFailedComputation) {
  // Saturated 25 °C outdoor air mixed half and half with a saturated 35 °C
  // room: xm = (0.0201 + 0.0367)/2 > xs, a wet coil; iar < im, so the coil
  // takes the outdoor air with tm = tr = 25 °C, and a coil surface at 25 °C
  // makes (tnl − tść)/(tm − tść) a division by zero.
  EnergyInputs in;
  in.rec = 50;
  in.t_room_summer = 35;
  in.phi_room_summer = 100;
  in.t_coil_surface = 25;
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][0] = true;
  const EnergyResults r = ComputeEnergy(in, tt, ConstantYear(25, 100));
  EXPECT_EQ(r.status, EnergyStatus::NotFinite);
  EXPECT_FALSE(r.failure.polish.empty());
  in.t_coil_surface = 9.5;
  EXPECT_TRUE(ComputeEnergy(in, tt, ConstantYear(25, 100)).ok());
}

}  // namespace
}  // namespace orvanta
