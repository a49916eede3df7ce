// Yearly energy use of an air-handling unit: an hour-by-hour simulation over
// the typical climate year of a city, for the hours of a weekly timetable
// between a start and a stop date. Heating, cooling (wet or dry coil, with
// condensate), steam humidification, the water of an adiabatic cooler and
// the fan electricity are summed per year and priced.
//
// Every humid-air quantity is taken at 101300 Pa and every air density as
// 1.2 kg/m3, whatever the chart's pressure.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/calc_result.h"
#include "calculators/climate/climate_year.h"

namespace orvanta {

inline constexpr double kEnergyPressure = 101300;  // [Pa]
inline constexpr double kEnergyAirDensity = 1.2;   // [kg/m3]
inline constexpr int kHoursPerWeek = 168;

// Language texts of the failures.
inline constexpr int kTextEnergyPeriod = 823;             // stop date not after the start date
inline constexpr int kTextEnergyRecirculation = 824;      // recirculation not an integer
inline constexpr int kTextEnergyNoHourTicked = 1189;
inline constexpr int kTextEnergyNoCity = 1191;
inline constexpr int kTextEnergyNoSection = 1192;
inline constexpr int kTextEnergyReportWait = 1231;

// The city combo box's text before a city is chosen.
inline constexpr std::string_view kEnergyNoCityChoice = "Wybierz";

struct EnergySections {
  bool heater = true;       // "Nagrzewnica"
  bool cooler = true;       // "Chłodnica"
  bool humidifier = true;   // "Nawilżacz"
  bool adiabatic = true;    // "Chłodnica adiabatyczna"
  bool supply_fan = true;   // "Wentylator nawiewny"
  bool exhaust_fan = true;  // "Wentylator wywiewny"

  bool any() const {
    return heater || cooler || humidifier || adiabatic || supply_fan || exhaust_fan;
  }
  // Switching the humidifier on switches the heater on too (the steam is
  // dosed to the heated supply air); every other switch acts alone.
  void SetHumidifier(bool on) {
    humidifier = on;
    if (on) heater = true;
  }
  friend bool operator==(const EnergySections&, const EnergySections&) = default;
};

struct DayMonth {
  int day = 1;    // 1 … 31
  int month = 1;  // 1 … 12
  friend bool operator==(const DayMonth&, const DayMonth&) = default;
};

// The date up-downs' rule: day 1 … 31 and month 1 … 12 (clamped), day 31
// becomes 30 in April, June, September and November, a day above 28
// becomes 28 in February.
DayMonth ClampDate(DayMonth d);
// A day or month as the date edits show it: two digits ("01" … "31").
std::string TwoDigitText(int n);

// All values as the window's edits hold them: percentages in %, not fractions.
struct EnergyInputs {
  double v_supply = 1000;        // Vn [m3/h]
  double v_exhaust = 1000;       // Vw [m3/h]
  double rec = 0;                // recirculation degree [%]
  double t_supply_winter = 20;   // tnz [°C]
  double t_heating_end = 12;     // tko: heating up to this outdoor temperature [°C]
  double t_supply_summer = 14;   // tnl [°C]
  double t_coil_surface = 9.5;   // tść [°C]
  double t_cooling_start = 20;   // tpch: cooling above this outdoor temperature [°C]
  double t_room_summer = 24;     // til [°C]
  double t_adiabatic_start = 20; // tcha: adiabatic cooling above this [°C]
  double phi_room_summer = 55;   // φl [%]
  double phi_room_winter = 40;   // φz [%]
  double eta_t_winter = 80;      // ηtz [%]
  double eta_t_summer = 70;      // ηtl [%]
  double eta_x = 0;              // ηx [%]
  double eta_adiabatic = 80;     // ηa [%]
  double eta_supply_fan = 65;    // ηn [%]
  double eta_exhaust_fan = 65;   // ηw [%]
  double dp_supply = 1000;       // Δpn [Pa]
  double dp_exhaust = 700;       // Δpw [Pa]
  double price_heat = 0.21;      // Cg [PLN/kWh]
  double price_cool = 0.23;      // Cch [PLN/kWh]
  double price_humid = 0.6;      // Cnp [PLN/kWh]
  double price_fan = 0.6;        // Cwent [PLN/kWh]
  double price_water = 5.0;      // CH2O [PLN/m3]
  DayMonth start{1, 1};
  DayMonth stop{31, 12};
  EnergySections sections;

  // Vśw = (1 − rec/100)·Vn, the outdoor air in the supply [m3/h].
  double v_fresh() const { return (1 - rec / 100) * v_supply; }
};

// `Edit28`: the outdoor air flow in its shortest form.
std::string FreshAirText(double v_supply, double rec, char decimal_separator);

// Monday … Sunday ("PONIEDZIAŁEK" … "NIEDZIELA"), hours "00:00" … "23:00".
struct WeeklyTimetable {
  std::array<bool, 7> day_on{};
  std::array<std::array<bool, 24>, 7> hours{};

  // "zaznacz/odznacz": ticks or clears all 24 hours of a day.
  void SetAllHours(int day, bool on);
  // "KOPIUJ-->": the hours of `day` copied to the next day (day 0 … 5).
  void CopyToNextDay(int day);
  // Whether any hour of any of the seven lists is ticked, day switched on or not.
  bool AnyHourTicked() const;
  friend bool operator==(const WeeklyTimetable&, const WeeklyTimetable&) = default;
};

// The hours the unit runs, chosen from the year's records.
struct EnergyPeriod {
  int start = 0;          // position of the first hour of the start date
  int end = 0;            // position of the last hour of the stop date
  int hours = 0;          // end − start + 1
  int whole_weeks = 0;    // hours div 168
  int remaining_days = 0; // (hours mod 168) div 24
};

enum class EnergyStatus {
  Ok,
  NoCity,        // 1191
  ClimateFile,   // 822 for a missing file, or the reader's message for a damaged one
  NoSection,     // 1192
  InvalidInput,  // an input outside its range; a message names it
  BadPeriod,     // 823, or a date the year does not contain (a message)
  NoHourTicked,  // 1189: the chart and the statistics are there, no results
  NotFinite,     // a sum that is not a finite number
};

struct ClimateStatistics {
  double t_max = 0, t_min = 0;    // [°C]
  double rh_at_max = 0, rh_at_min = 0;  // [%]
  double t_mean = 0;              // [°C]
  double i_max = 0, i_min = 0;    // enthalpy at t_max and t_min [kJ/kg]
};

struct EnergyResults {
  EnergyStatus status = EnergyStatus::Ok;
  calculators::CalcFailure failure;  // what to show when status is not Ok

  EnergyPeriod period;
  std::vector<int> operating;  // positions of the operating hours, in selection order
  // Hourly values by position in the year (0 … 8759), as computed: a
  // switched-off section's hours are kept here for the readout; only its
  // yearly sum is set to zero.
  std::vector<double> heating, cooling, humidification;  // [kWh]
  std::vector<double> water, condensate;                   // [kg]
  double largest_hourly = 0;  // L: the largest hourly heating, cooling or humidification [kWh]

  // Yearly sums, those of switched-off sections zero (the condensate stays).
  double heat = 0, cool = 0, humid = 0;          // Eg, Ech, En [kWh]
  double supply_fan = 0, exhaust_fan = 0, fans = 0;  // Ew = supply + exhaust [kWh]
  double water_kg = 0, water_m3 = 0;             // adiabatic water [kg], mH2O [m3]
  double condensate_kg = 0;                      // mw [kg/year]
  double cost_heat = 0, cost_cool = 0, cost_humid = 0, cost_fans = 0, cost_water = 0;
  double cost_total = 0;                         // S [PLN]

  ClimateStatistics statistics;

  bool ok() const { return status == EnergyStatus::Ok; }
  // The year chart can be drawn (the statistics and hourly arrays hold).
  bool has_chart() const { return status == EnergyStatus::Ok || status == EnergyStatus::NoHourTicked; }
};

// Statistics over all records: the highest and lowest temperature (the
// earliest wins ties) with their humidity and enthalpy, and the mean.
ClimateStatistics ComputeClimateStatistics(std::span<const ClimateHour> year);

// The start and stop positions and the whole-weeks / remaining-days split.
// Fails with 823 when the stop date is not after the start, and with a
// message when a date is not in the year.
calculators::CalcResult<EnergyPeriod> SelectPeriod(std::span<const ClimateHour> year,
                                                   DayMonth start, DayMonth stop);
// The operating hours of a period: the timetable's Monday applies to the
// start date whatever its weekday; whole weeks first, then the remaining
// days (also when the period is shorter than a week).
std::vector<int> SelectOperatingHours(const EnergyPeriod& period, const WeeklyTimetable& timetable);

// The simulation over a loaded year (8760 records).
EnergyResults ComputeEnergy(const EnergyInputs& in, const WeeklyTimetable& timetable,
                            std::span<const ClimateHour> year);
// The whole "OBLICZENIA" command: refuses "Wybierz" or an unknown city
// (1191), loads the city's year from the data folder (822 when missing, the
// reader's message when damaged), then ComputeEnergy.
EnergyResults ComputeEnergyForCity(std::string_view data_dir, std::string_view city,
                                   const EnergyInputs& in, const WeeklyTimetable& timetable);

// ---- Texts as the window shows them -------------------------------------

// The result labels (1 decimal, shortest form); empty when results are not Ok.
struct EnergyResultTexts {
  std::string heat, cost_heat;    // Label71, Label79
  std::string cool, cost_cool;    // Label72, Label80
  std::string humid, cost_humid;  // Label95, Label96
  std::string fans, cost_fans;    // Label110, Label111
  std::string water_m3, cost_water;  // Label136, Label137
  std::string condensate;         // Label151
  std::string total;              // Label106
};
EnergyResultTexts ResultTexts(const EnergyResults& r, char decimal_separator);

// The chart's statistics labels (1 decimal).
struct ClimateStatisticsTexts {
  std::string t_max, t_min, t_mean;      // Label23, Label24, Label30
  std::string rh_at_max, rh_at_min;      // Label35, Label36
  std::string i_max, i_min;              // Label45, Label46
};
ClimateStatisticsTexts StatisticsTexts(const ClimateStatistics& s, char decimal_separator);

// The position in the year (0 … 8759) of the hour under the mouse at x of a
// chart `width` pixels wide: the hour rnd(x·8760/width), kept within
// 1 … 8760, less one — the inverse of YearChartX.
int HourUnderMouse(int x, int width);
// The hover readout of one hour (position 0 … 8759).
struct EnergyHourTexts {
  std::string hour;        // Label5: the hour of the year
  std::string t, rh;       // Label6 [°C], Label54 [%]
  std::string heat, cool, humid;  // Label61, Label64, Label129 [kWh], 2 decimals
  std::string water;       // Label134 [kg/h], 2 decimals
};
EnergyHourTexts HourTexts(const EnergyResults& r, std::span<const ClimateHour> year, int position,
                          char decimal_separator);

// `Edit27`: the recirculation degree as typed. A whole number above 100
// becomes 100 (the edit then shows "100"); a text that is not a whole
// number is refused with language text 824.
struct RecirculationEdit {
  bool ok = false;
  int value = 0;          // [%]
  bool replaced = false;  // the edit is to show "100"
};
RecirculationEdit ParseRecirculation(std::string_view text);

// ---- The year chart ------------------------------------------------------

// Scales of the year chart on a picture of width × height pixels: the
// temperature bars from mid-height, the energy curves, the month ticks.
struct YearChartScale {
  double ky = 0;  // pixels per K: height/(|tmin| + tmax + 20)
  // Pixels per kWh: height/(1.1·L)/2; 0 when no hour ran or every hourly
  // value is zero (the curves lie on the axis).
  double ke = 0;
  std::vector<int> month_starts;  // positions whose month is above the previous record's
};
YearChartScale YearChart(const EnergyResults& r, std::span<const ClimateHour> year, int height);
// x of the hour at `position` (0-based) on a chart `width` pixels wide:
// rnd(hour·width/8760) with hour = position + 1.
int YearChartX(int position, int width);

// ---- Beyond the yearly figures: the months -------------------------------

struct EnergyMonth {
  int operating_hours = 0;
  double heat = 0, cool = 0, humid = 0, fans = 0;  // [kWh]
  double water_m3 = 0;                             // [m3]
  double cost = 0;                                 // all five priced [PLN]
};
// The yearly figures split by the month of each operating hour; the
// switched-off sections are zero as in the yearly sums, so the twelve months
// add up to the year.
std::array<EnergyMonth, 12> MonthlyEnergy(const EnergyResults& r, const EnergyInputs& in,
                                          std::span<const ClimateHour> year);

}  // namespace orvanta
