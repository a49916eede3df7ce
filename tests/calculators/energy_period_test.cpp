// The period, the whole-weeks / remaining-days split, the timetable and its
// day rules, the statistics of the year and the hover readout.
#include <gtest/gtest.h>

#include "calculators/energy/energy.h"
#include "calculators/energy_test_year.h"
#include "psychro/air.h"

namespace orvanta {
namespace {

using energy_test::ConstantYear;
using energy_test::MakeYear;

TEST(EnergyPeriod, WholeYearIsFiftyTwoWeeksAndOneDay) {
  const auto year = ConstantYear(5, 50);
  const auto p = SelectPeriod(year, {1, 1}, {31, 12});
  ASSERT_TRUE(p.ok());
  EXPECT_EQ(p->start, 0);
  EXPECT_EQ(p->end, 8759);
  EXPECT_EQ(p->hours, 8760);
  EXPECT_EQ(p->whole_weeks, 52);
  EXPECT_EQ(p->remaining_days, 1);
}

TEST(EnergyPeriod, SplitsOfShorterPeriods) {
  const auto year = ConstantYear(5, 50);
  struct Case { DayMonth start, stop; int start_pos, hours, weeks, days; };
  const Case cases[] = {
      {{3, 1}, {16, 1}, 48, 14 * 24, 2, 0},   // two weeks exactly
      {{1, 1}, {10, 1}, 0, 10 * 24, 1, 3},    // a week and three days
      {{1, 2}, {28, 2}, 31 * 24, 28 * 24, 4, 0},
      {{15, 3}, {15, 3}, (31 + 28 + 14) * 24, 24, 0, 1},  // one day
      {{30, 12}, {31, 12}, 8712, 48, 0, 2},
  };
  for (const Case& c : cases) {
    const auto p = SelectPeriod(year, c.start, c.stop);
    ASSERT_TRUE(p.ok()) << c.start.day << "-" << c.start.month;
    EXPECT_EQ(p->start, c.start_pos);
    EXPECT_EQ(p->hours, c.hours);
    EXPECT_EQ(p->whole_weeks, c.weeks);
    EXPECT_EQ(p->remaining_days, c.days);
  }
}

TEST(EnergyPeriod, StopBeforeStartOrAMissingDayIsRefused) {
  const auto year = ConstantYear(5, 50);
  const auto before = SelectPeriod(year, {2, 6}, {1, 6});
  ASSERT_FALSE(before.ok());
  EXPECT_EQ(before.failure().text, kTextEnergyPeriod);
  // Across the new year is not a period of one climate year.
  EXPECT_EQ(SelectPeriod(year, {1, 12}, {31, 1}).failure().text, kTextEnergyPeriod);
  // 30 February is in no year: a message naming the date.
  const auto missing = SelectPeriod(year, {30, 2}, {31, 12});
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.failure().text, 0);
  EXPECT_NE(missing.failure().english.find("30-02"), std::string::npos);
  EXPECT_FALSE(SelectPeriod(year, {1, 1}, {31, 4}).ok());
}

TEST(EnergyTimetable, FirstDayOfTheTimetableIsTheStartDate) {
  const auto year = ConstantYear(5, 50);
  const EnergyPeriod whole = SelectPeriod(year, {1, 1}, {31, 12}).value();

  // Only Monday, all hours: 52 Mondays + the remaining day = 53 days.
  WeeklyTimetable monday;
  monday.day_on[0] = true;
  monday.SetAllHours(0, true);
  std::vector<int> hours = SelectOperatingHours(whole, monday);
  EXPECT_EQ(hours.size(), 53u * 24);
  EXPECT_EQ(hours.front(), 0);
  EXPECT_EQ(hours[24], 168);
  EXPECT_EQ(hours.back(), 8759);  // 31 December carries the Monday column

  // Only Sunday: the remaining day is not a Sunday.
  WeeklyTimetable sunday;
  sunday.day_on[6] = true;
  sunday.SetAllHours(6, true);
  hours = SelectOperatingHours(whole, sunday);
  EXPECT_EQ(hours.size(), 52u * 24);
  EXPECT_EQ(hours.front(), 6 * 24);

  // A period starting on 3 January: its Monday column is 3 January.
  const EnergyPeriod from_third = SelectPeriod(year, {3, 1}, {16, 1}).value();
  hours = SelectOperatingHours(from_third, monday);
  ASSERT_EQ(hours.size(), 48u);
  EXPECT_EQ(hours.front(), 48);
  EXPECT_EQ(hours[24], 48 + 168);
}

TEST(EnergyTimetable, RemainingDaysAlsoWithoutAWholeWeek) {
  const auto year = ConstantYear(5, 50);
  WeeklyTimetable tt;
  for (int d = 0; d < 7; ++d) {
    tt.day_on[d] = true;
    tt.hours[d][9] = true;
  }
  // A week and three days: 7 + 3 hours at 09:00.
  std::vector<int> hours = SelectOperatingHours(SelectPeriod(year, {1, 1}, {10, 1}).value(), tt);
  EXPECT_EQ(hours, (std::vector<int>{9, 33, 57, 81, 105, 129, 153, 177, 201, 225}));
  // Two days and no whole week: the two days from the start date.
  hours = SelectOperatingHours(SelectPeriod(year, {30, 12}, {31, 12}).value(), tt);
  EXPECT_EQ(hours, (std::vector<int>{8712 + 9, 8736 + 9}));
}

TEST(EnergyTimetable, OnlyTwentyThreeHundredCounts) {
  const auto year = ConstantYear(-20, 90);
  WeeklyTimetable tt;
  tt.day_on[2] = true;
  tt.hours[2][23] = true;
  EXPECT_TRUE(tt.AnyHourTicked());
  const EnergyResults r = ComputeEnergy(EnergyInputs{}, tt, year);
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.operating.size(), 52u);
  EXPECT_EQ(r.operating.front(), 2 * 24 + 23);
  EXPECT_GT(r.heat, 0);

  // Ticked hours of a day that is off count as a ticked timetable but give
  // no operating hour: results of zero, not text 1189.
  tt.day_on[2] = false;
  const EnergyResults off = ComputeEnergy(EnergyInputs{}, tt, year);
  ASSERT_TRUE(off.ok());
  EXPECT_TRUE(off.operating.empty());
  EXPECT_EQ(off.heat, 0);
  EXPECT_EQ(off.fans, 0);
}

TEST(EnergyTimetable, TickAllAndCopyToTheNextDay) {
  WeeklyTimetable tt;
  tt.SetAllHours(3, true);
  for (bool h : tt.hours[3]) EXPECT_TRUE(h);
  tt.SetAllHours(3, false);
  EXPECT_FALSE(tt.AnyHourTicked());
  tt.hours[0][7] = tt.hours[0][8] = true;
  tt.CopyToNextDay(0);
  EXPECT_EQ(tt.hours[1], tt.hours[0]);
  tt.hours[1][20] = true;
  tt.CopyToNextDay(1);
  EXPECT_TRUE(tt.hours[2][20]);
  tt.CopyToNextDay(6);  // Sunday has no next day
  tt.SetAllHours(7, true);
  EXPECT_FALSE(tt.hours[6][0]);
}

TEST(EnergyInputsRules, DatesAndSections) {
  EXPECT_EQ(ClampDate({31, 4}), (DayMonth{30, 4}));
  EXPECT_EQ(ClampDate({31, 11}), (DayMonth{30, 11}));
  EXPECT_EQ(ClampDate({30, 2}), (DayMonth{28, 2}));
  EXPECT_EQ(ClampDate({31, 12}), (DayMonth{31, 12}));
  EXPECT_EQ(ClampDate({0, 13}), (DayMonth{1, 12}));
  EXPECT_EQ(TwoDigitText(1), "01");
  EXPECT_EQ(TwoDigitText(12), "12");

  EnergySections s;
  s.heater = false;
  s.humidifier = false;
  s.SetHumidifier(true);  // "Nawilżacz" ticks "Nagrzewnica"
  EXPECT_TRUE(s.heater);
  s.SetHumidifier(false);
  EXPECT_TRUE(s.heater);  // switching it off leaves the heater
  EXPECT_TRUE(s.any());
  EXPECT_FALSE((EnergySections{false, false, false, false, false, false}).any());
  EXPECT_TRUE((EnergySections{false, false, false, false, false, true}).any());
}

TEST(EnergyStatistics, ExtremesMeanAndEnthalpy) {
  // Temperatures 0 … 23 repeating by the hour of the day, humidity = 40 +
  // hour; the maximum 23 °C is first at position 23, the minimum 0 °C at 0.
  const auto year = MakeYear([](int k) { return std::pair{double(k % 24), 40.0 + k % 24}; });
  const ClimateStatistics s = ComputeClimateStatistics(year);
  EXPECT_EQ(s.t_max, 23);
  EXPECT_EQ(s.rh_at_max, 63);
  EXPECT_EQ(s.t_min, 0);
  EXPECT_EQ(s.rh_at_min, 40);
  EXPECT_DOUBLE_EQ(s.t_mean, 11.5);
  // 23 °C / 63 %: ps = 2807.8, x = 0.0110545, i = 23.115 + 0.0110545·2543.32 = 51.230
  EXPECT_NEAR(s.i_max, 51.230, 1e-3);
  EXPECT_NEAR(s.i_min, 0 + MoistureContent(101300, SaturationPressure(0), 0.4) * 2501, 1e-9);
  const ClimateStatisticsTexts t = StatisticsTexts(s, ',');
  EXPECT_EQ(t.t_mean, "11,5");
  EXPECT_EQ(t.t_max, "23");
}

TEST(EnergyStatistics, AYearAboveFreezingKeepsItsTrueMinimum) {
  const auto year = MakeYear([](int k) { return std::pair{k == 5000 ? 3.5 : 10.0 + k % 3, 70.0}; });
  const ClimateStatistics s = ComputeClimateStatistics(year);
  EXPECT_EQ(s.t_min, 3.5);
  EXPECT_EQ(s.t_max, 12);
  const auto frozen = ConstantYear(-4, 90);
  EXPECT_EQ(ComputeClimateStatistics(frozen).t_max, -4);
}

TEST(EnergyReadout, HourUnderTheMouse) {
  // x = 100 of 876 pixels is hour 1000 of the year, at position 999; the
  // chart draws that position at the same pixel.
  EXPECT_EQ(HourUnderMouse(100, 876), 999);
  EXPECT_EQ(YearChartX(999, 876), 100);
  EXPECT_EQ(HourUnderMouse(0, 876), 0);       // hour 0 does not exist: the first hour
  EXPECT_EQ(HourUnderMouse(876, 876), 8759);  // the last pixel: the last hour
  EXPECT_EQ(HourUnderMouse(-3, 876), 0);
  EXPECT_EQ(HourUnderMouse(10, 0), 0);

  const auto year = ConstantYear(-8.5, 85);
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][1] = true;
  const EnergyResults r = ComputeEnergy(EnergyInputs{}, tt, year);
  ASSERT_TRUE(r.ok());
  const EnergyHourTexts h = HourTexts(r, year, 1, ',');
  EXPECT_EQ(h.hour, "2");
  EXPECT_EQ(h.t, "-8,5");
  EXPECT_EQ(h.rh, "85");
  // (20 + 8.5)·0.067 = 1.9095 → 1,91 (2 decimals)
  EXPECT_EQ(h.heat, "1,91");
  EXPECT_EQ(h.cool, "0");
  EXPECT_EQ(HourTexts(r, year, 8760, ',').hour, "");
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

TEST(EnergyInputsRules, RecirculationText) {
  EXPECT_EQ(ParseRecirculation("30").value, 30);
  EXPECT_TRUE(ParseRecirculation(" 0 ").ok);
  const RecirculationEdit over = ParseRecirculation("150");
  EXPECT_TRUE(over.ok);
  EXPECT_EQ(over.value, 100);
  EXPECT_TRUE(over.replaced);
  EXPECT_FALSE(ParseRecirculation("100").replaced);
  for (const char* bad : {"", "37,5", "37.5", "abc", "1e2", "-", "99999999999"})
    EXPECT_FALSE(ParseRecirculation(bad).ok) << bad;
}

TEST(EnergyChart, ScalesAndMonthTicks) {
  // −10 °C all year except 25 °C at position 100: ky = 400/(10 + 25 + 20).
  const auto year = energy_test::MakeYear(
      [](int k) { return k == 100 ? std::pair{25.0, 50.0} : std::pair{-10.0, 80.0}; });
  WeeklyTimetable tt;
  tt.day_on[0] = true;
  tt.hours[0][0] = true;
  const EnergyResults r = ComputeEnergy(EnergyInputs{}, tt, year);
  ASSERT_TRUE(r.ok());
  const YearChartScale s = YearChart(r, year, 400);
  EXPECT_DOUBLE_EQ(s.ky, 400.0 / 55);
  // L is the humidification of a −10 °C hour, 3.71126 kWh (above its 2.01 kWh heating).
  EXPECT_NEAR(r.largest_hourly, 3.71126, 1e-4);
  EXPECT_DOUBLE_EQ(s.ke, 400 / (1.1 * r.largest_hourly) / 2);
  ASSERT_EQ(s.month_starts.size(), 11u);
  EXPECT_EQ(s.month_starts.front(), 31 * 24);
  EXPECT_EQ(s.month_starts.back(), 8760 - 31 * 24);
  EXPECT_EQ(YearChartX(0, 876), 0);
  EXPECT_EQ(YearChartX(8759, 876), 876);
  EXPECT_EQ(YearChartX(4379, 876), 438);

  // No hour ticked: the temperature bars, no energy scale.
  const EnergyResults none = ComputeEnergy(EnergyInputs{}, WeeklyTimetable{}, year);
  EXPECT_EQ(YearChart(none, year, 400).ke, 0);
  EXPECT_DOUBLE_EQ(YearChart(none, year, 400).ky, 400.0 / 55);
  // Hours that need nothing (mild air, only the fans on): no division by zero.
  EnergyInputs fans_only;
  fans_only.sections = {false, false, false, false, true, true};
  const EnergyResults mild = ComputeEnergy(fans_only, tt, energy_test::ConstantYear(16, 60));
  ASSERT_TRUE(mild.ok());
  EXPECT_EQ(YearChart(mild, year, 400).ke, 0);
}

}  // namespace
}  // namespace orvanta
