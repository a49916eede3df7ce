// Every shipped climate year loads, is plausible and, for the synthesised
// stations, reproduces the monthly normals it was made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calculators/climate/climate_year.h"

namespace orvanta {
namespace {

const std::string kData = ORVANTA_DATA_SOURCE_DIR;
const std::set<std::string> kRealYears = {"BIALYSTOK", "BIELSKO BIALA", "BYDGOSZCZ", "CHOJNICE",
                                          "ELBLAG"};

struct Normal {
  double mean = 0, max = 0, min = 0, rh = -1;  // rh only for the real-year stations
};

// station -> 12 months, from the generator's source table.
std::map<std::string, std::vector<Normal>> ReadNormals() {
  std::ifstream in(kData + "/../tools/climate/monthly_normals.csv");
  std::map<std::string, std::vector<Normal>> out;
  std::string line;
  std::getline(in, line);  // station,month,t_mean,t_max,t_min,rh_mean,...
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string cell; std::getline(ss, cell, ',') && f.size() < 6;) f.push_back(cell);
    if (f.size() < 6) continue;
    auto& months = out[f[0]];
    months.resize(12);
    Normal& n = months.at(std::stoi(f[1]) - 1);
    n = {std::stod(f[2]), std::stod(f[3]), std::stod(f[4]), f[5].empty() ? -1 : std::stod(f[5])};
  }
  return out;
}

TEST(ShippedClimateFiles, ExactlyTheSixtyCitiesOfTheList) {
  std::set<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(kData + "/KLIMAT")) {
    if (e.path().extension() == ".txt") files.insert(e.path().stem().string());
  }
  const std::set<std::string> cities(kClimateCities.begin(), kClimateCities.end());
  EXPECT_EQ(cities.size(), 60u);
  EXPECT_EQ(files, cities);
  EXPECT_EQ(kClimateCities.front(), "BIALYSTOK");
  EXPECT_EQ(kClimateCities[11], "KASPROWY WIERCH");
  EXPECT_EQ(kClimateCities.back(), "ZIELONA GORA");
}

TEST(ShippedClimateFiles, EveryYearLoadsIsPlausibleAndMatchesItsNormals) {
  const auto normals = ReadNormals();
  ASSERT_EQ(normals.size(), 60u);
  for (std::string_view city_view : kClimateCities) {
    const std::string city(city_view);
    SCOPED_TRACE(city);
    const ClimateYear year = LoadClimateYear(kData, city);
    ASSERT_TRUE(year.ok()) << year.Message();
    double sum[12] = {}, rh_sum[12] = {}, max_sum[12] = {}, min_sum[12] = {};
    int count[12] = {}, days[12] = {};
    double day_max = -1e9, day_min = 1e9;
    for (int k = 0; k < kClimateHoursPerYear; ++k) {
      const ClimateHour& h = year.hours[k];
      ASSERT_EQ(h.hour, k + 1);
      ASSERT_EQ(h.hour_of_day, k % 24);
      ASSERT_GE(h.t, -35.0) << "hour " << h.hour;
      ASSERT_LE(h.t, 40.0) << "hour " << h.hour;
      ASSERT_GE(h.rh, 5.0) << "hour " << h.hour;
      ASSERT_LE(h.rh, 100.0) << "hour " << h.hour;
      if (k > 0) {  // months in order, days in order within them
        const ClimateHour& p = year.hours[k - 1];
        ASSERT_TRUE(h.month == p.month ? h.day == p.day || h.day == p.day + 1
                                       : h.month == p.month + 1 && h.day == 1);
      }
      const int m = h.month - 1;
      sum[m] += h.t;
      rh_sum[m] += h.rh;
      ++count[m];
      day_max = std::max(day_max, h.t);
      day_min = std::min(day_min, h.t);
      if (h.hour_of_day == 23) {
        max_sum[m] += day_max;
        min_sum[m] += day_min;
        ++days[m];
        day_max = -1e9;
        day_min = 1e9;
      }
    }
    const auto& n = normals.at(city);
    for (int m = 0; m < 12; ++m) {
      SCOPED_TRACE("month " + std::to_string(m + 1));
      ASSERT_GT(days[m], 27);
      const double mean = sum[m] / count[m];
      if (kRealYears.count(city)) {
        // Shipped as they are: the table's humidity is the mean of the real year.
        EXPECT_NEAR(rh_sum[m] / count[m], n[m].rh, 0.5);
      } else {
        EXPECT_NEAR(mean, n[m].mean, 0.1);
        EXPECT_NEAR(max_sum[m] / days[m], n[m].max, 0.1);
        EXPECT_NEAR(min_sum[m] / days[m], n[m].min, 0.1);
      }
    }
  }
}

TEST(ShippedClimateFiles, DesignHoursOfAColdAndAMildStation) {
  // The mountain top is colder in winter than the seaside in every design sense.
  const ClimateYear peak = LoadClimateYear(kData, "SNIEZKA");
  const ClimateYear coast = LoadClimateYear(kData, "HEL");
  ASSERT_TRUE(peak.ok() && coast.ok());
  const DesignHour peak_winter = SelectDesignHour(peak.hours, DesignSeason::Winter, 101325);
  const DesignHour coast_winter = SelectDesignHour(coast.hours, DesignSeason::Winter, 101325);
  EXPECT_LT(peak_winter.t, coast_winter.t);
  for (const DesignHour& d : {peak_winter, coast_winter}) {
    ASSERT_GE(d.index, 0);
    EXPECT_LT(d.t, -5.0);
  }
  const DesignHour coast_summer = SelectDesignHour(coast.hours, DesignSeason::Summer, 101325);
  ASSERT_GE(coast_summer.index, 0);
  EXPECT_GE(coast.hours[coast_summer.index].month, 5);
  EXPECT_LE(coast.hours[coast_summer.index].month, 9);
}

}  // namespace
}  // namespace orvanta
