// A full year of one city against a separately written summation, the
// command's failures around the city file, and the monthly split.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "calculators/energy/energy.h"
#include "psychro/air.h"

namespace orvanta {
namespace {

// Office hours: Monday to Friday 07:00 … 18:00 (12 hours), Saturday 08:00 … 12:00.
WeeklyTimetable OfficeHours() {
  WeeklyTimetable tt;
  for (int d = 0; d < 5; ++d) {
    tt.day_on[d] = true;
    for (int h = 7; h <= 18; ++h) tt.hours[d][h] = true;
  }
  tt.day_on[5] = true;
  for (int h = 8; h <= 12; ++h) tt.hours[5][h] = true;
  return tt;
}

struct PlainSums {
  int hours = 0;
  double heat = 0, cool = 0, humid = 0, water = 0, condensate = 0;
};

// The yearly sums written out again as a plain walk through the calendar:
// day n of the period takes the timetable column n mod 7. Room-air and coil
// states are spelled out at 101300 Pa and 1.2 kg/m3.
PlainSums PlainYear(const std::vector<ClimateHour>& year, const WeeklyTimetable& tt,
                    double vn, double vw, double rec_pct) {
  const auto sat = [](double t) { return 610.5 * std::exp(17.269 * t / (237.3 + t)); };
  const auto moist = [&](double t, double phi) { return 0.622 * phi * sat(t) / (101300 - phi * sat(t)); };
  const auto enth = [](double t, double x) { return 1.005 * t + x * (2501 + 1.84 * t); };
  const double ratio = vn / vw;
  const double ez = ratio >= 1 ? 0.8 / ratio : 0.8 + 0.2 * (vw - vn) / vw;
  const double el = ratio >= 1 ? 0.7 / ratio : 0.7 + 0.3 * (vw - vn) / vw;
  const double vf = vn * (1 - rec_pct / 100), vr = vn - vf;
  const double xs = moist(9.5, 1), xz = moist(20, 0.4), iz = enth(20, xz);
  const double xr = moist(24, 0.55), ir = enth(24, xr);
  PlainSums s;
  for (int day = 0; day < 365; ++day) {
    const int column = day % 7;
    if (!tt.day_on[column]) continue;
    for (int h = 0; h < 24; ++h) {
      if (!tt.hours[column][h]) continue;
      const ClimateHour& c = year[day * 24 + h];
      ++s.hours;
      const double t = c.t, x = moist(t, c.rh / 100);
      if (t <= 12) s.heat += std::max(0.0, (20 - t) * vf / 3600 * 1.005 * 1.2 * (1 - ez));
      if (t > 20) {
        const double tr = t >= 24 ? t - (t - 24) * el : t;
        const double iar = enth(tr, x);  // ηx = 0
        double im = (vf * iar + vr * ir) / vn, tm = (vf * tr + vr * 24) / vn;
        const double xm = (vf * x + vr * xr) / vn;
        if (xm > xs) {
          if (iar < im) { im = iar; tm = tr; }
          const double xch = xs + (xm - xs) * (14 - 9.5) / (tm - 9.5);
          const double ich = enth(14, xch);
          s.cool += (std::max(im, ich) - ich) * vn * 1.2 / 3600;
          s.condensate += std::max(0.0, (xm - xch) * vn * 1.2);
        } else {
          s.cool += std::max(0.0, (tm - 14) * vn * 1.2 / 3600);
        }
        const double twb = WetBulbTemperatureStepped(101300, t, x);
        s.water += (moist(twb, 1) - x) * vn * 1.2 / 0.8;
      }
      const double iox = enth(20, x);
      if (x < xz && iz > iox) s.humid += (iz - iox) * vf * 1.2 / 3600;
    }
  }
  return s;
}

class EnergyCityYear : public ::testing::Test {
 protected:
  void SetUp() override {
    loaded = LoadClimateYear(ORVANTA_DATA_SOURCE_DIR, "WARSZAWA");
    ASSERT_TRUE(loaded.ok()) << loaded.Message();
  }
  ClimateYear loaded;
};

TEST_F(EnergyCityYear, SumsEqualAPlainSummation) {
  for (auto [vn, vw, rec] : {std::tuple{1000.0, 1000.0, 0.0}, std::tuple{3000.0, 2500.0, 30.0},
                             std::tuple{1800.0, 2400.0, 0.0}}) {
    EnergyInputs in;
    in.v_supply = vn;
    in.v_exhaust = vw;
    in.rec = rec;
    const EnergyResults r = ComputeEnergyForCity(ORVANTA_DATA_SOURCE_DIR, "WARSZAWA", in, OfficeHours());
    ASSERT_TRUE(r.ok()) << vn;
    const PlainSums p = PlainYear(loaded.hours, OfficeHours(), vn, vw, rec);
    // 52 weeks of 5·12 + 5 hours, and the remaining day takes Monday's 12.
    ASSERT_EQ(p.hours, 52 * 65 + 12);
    EXPECT_EQ(r.operating.size(), static_cast<size_t>(p.hours));
    EXPECT_GT(p.heat, 0);
    EXPECT_GT(p.cool, 0);
    EXPECT_GT(p.humid, 0);
    EXPECT_GT(p.water, 0);
    EXPECT_NEAR(r.heat, p.heat, 1e-9 * p.heat) << vn;
    EXPECT_NEAR(r.cool, p.cool, 1e-9 * p.cool) << vn;
    EXPECT_NEAR(r.humid, p.humid, 1e-9 * p.humid) << vn;
    EXPECT_NEAR(r.water_kg, p.water, 1e-9 * p.water) << vn;
    EXPECT_NEAR(r.condensate_kg, p.condensate, 1e-9 * (1 + p.condensate)) << vn;
    EXPECT_NEAR(r.fans, p.hours * (1000 * vn + 700 * vw) / 3600 / 0.65 / 1000, 1e-9 * r.fans);
  }
}

TEST_F(EnergyCityYear, MonthsAddUpToTheYear) {
  EnergyInputs in;
  in.sections.humidifier = false;  // a switched-off section stays zero in every month
  const EnergyResults r = ComputeEnergy(in, OfficeHours(), loaded.hours);
  ASSERT_TRUE(r.ok());
  const auto months = MonthlyEnergy(r, in, loaded.hours);
  EnergyMonth sum;
  for (const EnergyMonth& m : months) {
    sum.operating_hours += m.operating_hours;
    sum.heat += m.heat;
    sum.cool += m.cool;
    sum.humid += m.humid;
    sum.fans += m.fans;
    sum.water_m3 += m.water_m3;
    sum.cost += m.cost;
  }
  EXPECT_EQ(sum.operating_hours, static_cast<int>(r.operating.size()));
  EXPECT_NEAR(sum.heat, r.heat, 1e-6);
  EXPECT_NEAR(sum.cool, r.cool, 1e-6);
  EXPECT_EQ(sum.humid, 0);
  EXPECT_NEAR(sum.fans, r.fans, 1e-6);
  EXPECT_NEAR(sum.water_m3, r.water_m3, 1e-9);
  EXPECT_NEAR(sum.cost, r.cost_total, 1e-6);
  // A Polish winter month needs heat and no cooling; July the reverse.
  EXPECT_GT(months[0].heat, 0);
  EXPECT_EQ(months[0].cool, 0);
  EXPECT_GT(months[6].cool, 0);
}

TEST(EnergyCityCommand, CityChoiceAndFile) {
  const WeeklyTimetable tt = OfficeHours();
  EnergyResults r = ComputeEnergyForCity(ORVANTA_DATA_SOURCE_DIR, "Wybierz", EnergyInputs{}, tt);
  EXPECT_EQ(r.status, EnergyStatus::NoCity);
  EXPECT_EQ(r.failure.text, kTextEnergyNoCity);
  r = ComputeEnergyForCity(ORVANTA_DATA_SOURCE_DIR, "../../etc/passwd", EnergyInputs{}, tt);
  EXPECT_EQ(r.failure.text, kTextEnergyNoCity);

  const auto dir = std::filesystem::temp_directory_path() / "orvanta_energy_city_test";
  std::filesystem::create_directories(dir / "KLIMAT");
  // A city of the list without its file: 822, no results.
  std::filesystem::remove(dir / "KLIMAT" / "HEL.txt");
  r = ComputeEnergyForCity(dir.string(), "HEL", EnergyInputs{}, tt);
  EXPECT_EQ(r.status, EnergyStatus::ClimateFile);
  EXPECT_EQ(r.failure.text, kTextClimateFileMissing);
  EXPECT_FALSE(r.has_chart());
  // A damaged file: the reader's message instead of a silent stop.
  {
    std::ofstream f(dir / "KLIMAT" / "HEL.txt");
    f << "header\nheader\n1 1 1 0 abc 80\n";
  }
  r = ComputeEnergyForCity(dir.string(), "HEL", EnergyInputs{}, tt);
  EXPECT_EQ(r.status, EnergyStatus::ClimateFile);
  EXPECT_EQ(r.failure.text, 0);
  EXPECT_NE(r.failure.english.find("HEL"), std::string::npos);
  std::filesystem::remove_all(dir);
  // The section check comes after the city.
  EnergyInputs none;
  none.sections = {false, false, false, false, false, false};
  EXPECT_EQ(ComputeEnergyForCity(ORVANTA_DATA_SOURCE_DIR, "WARSZAWA", none, tt).failure.text,
            kTextEnergyNoSection);
}

}  // namespace
}  // namespace orvanta
