#include "calculators/energy/energy.h"

#include <algorithm>
#include <cmath>

#include "psychro/air.h"
#include "psychro/number_text.h"

namespace orvanta {

using calculators::CalcFailure;
using calculators::CalcResult;
using calculators::ShownNumber;

DayMonth ClampDate(DayMonth d) {
  d.month = std::clamp(d.month, 1, 12);
  d.day = std::clamp(d.day, 1, 31);
  if ((d.month == 4 || d.month == 6 || d.month == 9 || d.month == 11) && d.day == 31) d.day = 30;
  if (d.month == 2 && d.day > 28) d.day = 28;
  return d;
}

std::string TwoDigitText(int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

std::string FreshAirText(double v_supply, double rec, char decimal_separator) {
  EnergyInputs in;
  in.v_supply = v_supply;
  in.rec = rec;
  return NumberText(in.v_fresh(), decimal_separator);
}

void WeeklyTimetable::SetAllHours(int day, bool on) {
  if (day < 0 || day >= 7) return;
  hours[day].fill(on);
}

void WeeklyTimetable::CopyToNextDay(int day) {
  if (day < 0 || day >= 6) return;
  hours[day + 1] = hours[day];
}

bool WeeklyTimetable::AnyHourTicked() const {
  for (const auto& day : hours)
    for (bool h : day)
      if (h) return true;
  return false;
}

ClimateStatistics ComputeClimateStatistics(std::span<const ClimateHour> year) {
  ClimateStatistics s;
  if (year.empty()) return s;
  // Start from the first hour (not from 0 °C), so that a year entirely above
  // or below freezing still reports its true extreme.
  s.t_max = s.t_min = year[0].t;
  s.rh_at_max = s.rh_at_min = year[0].rh;
  double sum = 0;
  for (const ClimateHour& h : year) {
    if (h.t > s.t_max) {
      s.t_max = h.t;
      s.rh_at_max = h.rh;
    }
    if (h.t < s.t_min) {
      s.t_min = h.t;
      s.rh_at_min = h.rh;
    }
    sum += h.t;
  }
  s.t_mean = sum / kClimateHoursPerYear;
  const auto enthalpy = [](double t, double rh) {
    return AirEnthalpy(t, MoistureContent(kEnergyPressure, SaturationPressure(t), rh / 100));
  };
  s.i_max = enthalpy(s.t_max, s.rh_at_max);
  s.i_min = enthalpy(s.t_min, s.rh_at_min);
  return s;
}

namespace {

CalcFailure Refuse(std::string pl, std::string en) {
  return CalcFailure::Message(std::move(pl), std::move(en));
}

int FirstHourOf(std::span<const ClimateHour> year, DayMonth d) {
  for (size_t i = 0; i < year.size(); ++i)
    if (year[i].day == d.day && year[i].month == d.month) return static_cast<int>(i);
  return -1;
}

std::string DateText(DayMonth d) { return TwoDigitText(d.day) + "-" + TwoDigitText(d.month); }

}  // namespace

CalcResult<EnergyPeriod> SelectPeriod(std::span<const ClimateHour> year, DayMonth start,
                                      DayMonth stop) {
  const int first = FirstHourOf(year, start);
  if (first < 0)
    return Refuse("Dnia " + DateText(start) + " nie ma w roku klimatycznym (data startu).",
                  "The climate year has no day " + DateText(start) + " (start date).");
  const int last_day = FirstHourOf(year, stop);
  if (last_day < 0)
    return Refuse("Dnia " + DateText(stop) + " nie ma w roku klimatycznym (data stopu).",
                  "The climate year has no day " + DateText(stop) + " (stop date).");
  EnergyPeriod p;
  p.start = first;
  p.end = std::min(last_day + 23, static_cast<int>(year.size()) - 1);
  if (p.end <= p.start) return CalcFailure::LanguageText(kTextEnergyPeriod);
  p.hours = p.end - p.start + 1;
  p.whole_weeks = p.hours / kHoursPerWeek;
  p.remaining_days = p.hours % kHoursPerWeek / 24;
  return p;
}

std::vector<int> SelectOperatingHours(const EnergyPeriod& period, const WeeklyTimetable& tt) {
  std::vector<int> out;
  const auto add_day = [&](int first_of_day, int d) {
    if (!tt.day_on[d]) return;
    for (int h = 0; h < 24; ++h)
      if (tt.hours[d][h]) out.push_back(first_of_day + h);
  };
  for (int w = 0; w < period.whole_weeks; ++w)
    for (int d = 0; d < 7; ++d) add_day(period.start + kHoursPerWeek * w + 24 * d, d);
  for (int d = 0; d < period.remaining_days; ++d)
    add_day(period.start + kHoursPerWeek * period.whole_weeks + 24 * d, d);
  return out;
}

namespace {

// Checks the inputs the simulation divides by or takes as fractions.
std::optional<CalcFailure> CheckInputs(const EnergyInputs& in) {
  const double all[] = {in.v_supply, in.v_exhaust, in.rec, in.t_supply_winter, in.t_heating_end,
                        in.t_supply_summer, in.t_coil_surface, in.t_cooling_start,
                        in.t_room_summer, in.t_adiabatic_start, in.phi_room_summer,
                        in.phi_room_winter, in.eta_t_winter, in.eta_t_summer, in.eta_x,
                        in.eta_adiabatic, in.eta_supply_fan, in.eta_exhaust_fan, in.dp_supply,
                        in.dp_exhaust, in.price_heat, in.price_cool, in.price_humid,
                        in.price_fan, in.price_water};
  for (double v : all)
    if (!std::isfinite(v)) return Refuse("Niepoprawna liczba w danych.", "An input is not a valid number.");
  if (in.v_supply <= 0 || in.v_exhaust <= 0)
    return Refuse("Strumienie nawiewu i wywiewu muszą być większe od zera.",
                  "The supply and exhaust air flows must be greater than zero.");
  struct Percent { double v; const char* pl; const char* en; };
  const Percent percents[] = {
      {in.rec, "Stopień recyrkulacji", "The recirculation degree"},
      {in.phi_room_summer, "Wilgotność w pomieszczeniu latem", "The summer room humidity"},
      {in.phi_room_winter, "Wilgotność w pomieszczeniu zimą", "The winter room humidity"},
      {in.eta_t_winter, "Sprawność odzysku zimą", "The winter recovery efficiency"},
      {in.eta_t_summer, "Sprawność odzysku latem", "The summer recovery efficiency"},
      {in.eta_x, "Sprawność odzysku wilgoci", "The moisture recovery efficiency"},
      {in.eta_adiabatic, "Sprawność chłodnicy adiabatycznej", "The adiabatic cooler efficiency"},
      {in.eta_supply_fan, "Sprawność wentylatora nawiewnego", "The supply fan efficiency"},
      {in.eta_exhaust_fan, "Sprawność wentylatora wywiewnego", "The exhaust fan efficiency"},
  };
  for (const Percent& p : percents)
    if (p.v < 0 || p.v > 100)
      return Refuse(std::string(p.pl) + " musi mieścić się w zakresie 0 … 100 %.",
                    std::string(p.en) + " must lie within 0 … 100 %.");
  const auto positive = [](double v, const char* pl, const char* en) -> std::optional<CalcFailure> {
    if (v > 0) return std::nullopt;
    return Refuse(std::string(pl) + " musi być większa od zera.", std::string(en) + " must be greater than zero.");
  };
  if (in.sections.adiabatic)
    if (auto f = positive(in.eta_adiabatic, "Sprawność chłodnicy adiabatycznej", "The adiabatic cooler efficiency")) return f;
  if (in.sections.supply_fan)
    if (auto f = positive(in.eta_supply_fan, "Sprawność wentylatora nawiewnego", "The supply fan efficiency")) return f;
  if (in.sections.exhaust_fan)
    if (auto f = positive(in.eta_exhaust_fan, "Sprawność wentylatora wywiewnego", "The exhaust fan efficiency")) return f;
  return std::nullopt;
}

// The recovery efficiencies corrected for unequal flows.
double CorrectedEfficiency(double eta, double vn, double vw) {
  if (vn >= vw) return eta / (vn / vw);
  return eta > 0 ? eta + (1 - eta) * (vw - vn) / vw : eta;
}

double Moisture(double t, double phi) {
  return MoistureContent(kEnergyPressure, SaturationPressure(t), phi);
}

EnergyResults Failed(EnergyStatus status, CalcFailure failure) {
  EnergyResults r;
  r.status = status;
  r.failure = std::move(failure);
  return r;
}

}  // namespace

EnergyResults ComputeEnergy(const EnergyInputs& in, const WeeklyTimetable& timetable,
                            std::span<const ClimateHour> year) {
  if (year.size() != static_cast<size_t>(kClimateHoursPerYear))
    return Failed(EnergyStatus::ClimateFile,
                  Refuse("Rok klimatyczny musi mieć 8760 godzin.", "A climate year must hold 8760 hours."));
  if (!in.sections.any())
    return Failed(EnergyStatus::NoSection, CalcFailure::LanguageText(kTextEnergyNoSection));
  if (auto f = CheckInputs(in)) return Failed(EnergyStatus::InvalidInput, *f);

  const double vn = in.v_supply, vw = in.v_exhaust;
  const double vf = in.v_fresh();  // Vśw
  const double eta_tz = CorrectedEfficiency(in.eta_t_winter / 100, vn, vw);
  const double eta_tl = CorrectedEfficiency(in.eta_t_summer / 100, vn, vw);
  const double eta_x = CorrectedEfficiency(in.eta_x / 100, vn, vw);
  const double eta_a = in.eta_adiabatic / 100;

  const CalcResult<EnergyPeriod> period = SelectPeriod(year, in.start, in.stop);
  if (!period.ok())
    return Failed(EnergyStatus::BadPeriod, period.failure());

  EnergyResults r;
  r.period = period.value();
  r.operating = SelectOperatingHours(r.period, timetable);
  const size_t n_year = year.size();
  r.heating.assign(n_year, 0);
  r.cooling.assign(n_year, 0);
  r.humidification.assign(n_year, 0);
  r.water.assign(n_year, 0);
  r.condensate.assign(n_year, 0);

  // States that do not depend on the hour.
  const double xs = Moisture(in.t_coil_surface, 1);  // coil surface, saturated
  const double xz = Moisture(in.t_supply_winter, in.phi_room_winter / 100);
  const double iz = AirEnthalpy(in.t_supply_winter, xz);
  const double til = in.t_room_summer;
  const double xr = Moisture(til, in.phi_room_summer / 100);
  const double ir = AirEnthalpy(til, xr);
  const double tnl = in.t_supply_summer, ts = in.t_coil_surface;
  const double mass_flow = vn * kEnergyAirDensity;  // [kg/h]

  double heat = 0, cool = 0, humid = 0, water = 0, condensate = 0;
  for (int k : r.operating) {
    const double t = year[k].t;
    const double x = Moisture(t, year[k].rh / 100);

    if (t <= in.t_heating_end) {
      // A heater does not cool: an outdoor hour warmer than the supply needs none.
      const double e = std::max(0.0, (in.t_supply_winter - t) * vf / 3600 * 1.005 *
                                         kEnergyAirDensity * (1 - eta_tz));
      r.heating[k] = e;
      heat += e;
    }

    if (t > in.t_cooling_start) {
      const double tr = t >= til ? t - (t - til) * eta_tl : t;
      const double iar = std::min(AirEnthalpy(tr, x), AirEnthalpy(tr, (1 - eta_x) * x + eta_x * xr));
      double im = (vf * iar + (vn - vf) * ir) / vn;
      double tm = (vf * tr + (vn - vf) * til) / vn;
      const double xm = (vf * x + (vn - vf) * xr) / vn;
      double e;
      if (xm > xs) {  // the coil dries the air
        if (iar < im) {
          im = iar;
          tm = tr;
        }
        const double xch = xs + (xm - xs) * (tnl - ts) / (tm - ts);
        const double ich = AirEnthalpy(tnl, xch);
        if (im < ich) im = ich;
        e = (im - ich) * mass_flow / 3600;
        // Air already below the supply temperature gives no condensate.
        const double c = std::max(0.0, (xm - xch) * mass_flow);
        r.condensate[k] = c;
        condensate += c;
      } else {  // dry coil
        e = std::max(0.0, (tm - tnl) * mass_flow / 3600);
      }
      r.cooling[k] = e;
      cool += e;
    }

    const double iox = AirEnthalpy(in.t_supply_winter, x);
    if (x < xz && iz > iox) {
      const double e = (iz - iox) * vf * kEnergyAirDensity / 3600 * (1 - eta_x);
      r.humidification[k] = e;
      humid += e;
    }

    if (t > in.t_adiabatic_start && eta_a > 0) {
      const double twb = WetBulbTemperature(kEnergyPressure, t, x);
      const double w = (Moisture(twb, 1) - x) * mass_flow / eta_a;
      r.water[k] = w;
      water += w;
    }
  }
  const double n = static_cast<double>(r.operating.size());
  r.supply_fan = in.eta_supply_fan > 0 ? n * in.dp_supply * vn / 3600 / (in.eta_supply_fan / 100) / 1000 : 0;
  r.exhaust_fan = in.eta_exhaust_fan > 0 ? n * in.dp_exhaust * vw / 3600 / (in.eta_exhaust_fan / 100) / 1000 : 0;

  for (size_t i = 0; i < n_year; ++i)
    r.largest_hourly = std::max({r.largest_hourly, r.heating[i], r.cooling[i], r.humidification[i]});
  r.statistics = ComputeClimateStatistics(year);

  if (!timetable.AnyHourTicked()) {
    r.status = EnergyStatus::NoHourTicked;
    r.failure = CalcFailure::LanguageText(kTextEnergyNoHourTicked);
    r.supply_fan = r.exhaust_fan = 0;
    return r;
  }

  const EnergySections& on = in.sections;
  r.heat = on.heater ? heat : 0;
  r.cool = on.cooler ? cool : 0;
  r.humid = on.humidifier ? humid : 0;
  if (!on.supply_fan) r.supply_fan = 0;
  if (!on.exhaust_fan) r.exhaust_fan = 0;
  r.fans = r.supply_fan + r.exhaust_fan;
  r.water_kg = on.adiabatic ? water : 0;
  r.water_m3 = r.water_kg / 1000;
  r.condensate_kg = condensate;

  r.cost_heat = r.heat * in.price_heat;
  r.cost_cool = r.cool * in.price_cool;
  r.cost_humid = r.humid * in.price_humid;
  r.cost_fans = r.fans * in.price_fan;
  r.cost_water = r.water_m3 * in.price_water;
  r.cost_total = r.cost_heat + r.cost_cool + r.cost_humid + r.cost_fans + r.cost_water;

  if (!calculators::AllFinite({r.heat, r.cool, r.humid, r.fans, r.water_kg, r.condensate_kg,
                               r.cost_total, r.largest_hourly}))
    return Failed(EnergyStatus::NotFinite, calculators::NotFiniteFailure());
  return r;
}

EnergyResults ComputeEnergyForCity(std::string_view data_dir, std::string_view city,
                                   const EnergyInputs& in, const WeeklyTimetable& timetable) {
  if (city == kEnergyNoCityChoice ||
      std::find(kClimateCities.begin(), kClimateCities.end(), city) == kClimateCities.end())
    return Failed(EnergyStatus::NoCity, CalcFailure::LanguageText(kTextEnergyNoCity));
  const ClimateYear year = LoadClimateYear(data_dir, city);
  if (!year.ok()) {
    CalcFailure f = year.text() != 0 ? CalcFailure::LanguageText(year.text())
                                     : Refuse(year.Message(), year.Message());
    return Failed(EnergyStatus::ClimateFile, std::move(f));
  }
  return ComputeEnergy(in, timetable, year.hours);
}

EnergyResultTexts ResultTexts(const EnergyResults& r, char sep) {
  EnergyResultTexts t;
  if (!r.ok()) return t;
  const auto one = [sep](double v) { return ShownNumber(v, 1, sep); };
  t.heat = one(r.heat);
  t.cost_heat = one(r.cost_heat);
  t.cool = one(r.cool);
  t.cost_cool = one(r.cost_cool);
  t.humid = one(r.humid);
  t.cost_humid = one(r.cost_humid);
  t.fans = one(r.fans);
  t.cost_fans = one(r.cost_fans);
  t.water_m3 = one(r.water_m3);
  t.cost_water = one(r.cost_water);
  t.condensate = one(r.condensate_kg);
  t.total = one(r.cost_total);
  return t;
}

ClimateStatisticsTexts StatisticsTexts(const ClimateStatistics& s, char sep) {
  const auto one = [sep](double v) { return ShownNumber(v, 1, sep); };
  return {one(s.t_max), one(s.t_min), one(s.t_mean), one(s.rh_at_max), one(s.rh_at_min),
          one(s.i_max), one(s.i_min)};
}

int HourUnderMouse(int x, int width) {
  if (width <= 0) return 0;
  // The hour (1 … 8760) drawn at x; its position in the year is one less.
  const long long h = Rnd(static_cast<double>(x) * kClimateHoursPerYear / width);
  return static_cast<int>(std::clamp<long long>(h, 1, kClimateHoursPerYear)) - 1;
}

EnergyHourTexts HourTexts(const EnergyResults& r, std::span<const ClimateHour> year, int position,
                          char sep) {
  EnergyHourTexts t;
  if (position < 0 || static_cast<size_t>(position) >= year.size()) return t;
  const ClimateHour& h = year[position];
  t.hour = std::to_string(h.hour);
  t.t = NumberText(h.t, sep);
  t.rh = NumberText(h.rh, sep);
  if (!r.has_chart() || static_cast<size_t>(position) >= r.heating.size()) return t;
  const auto two = [sep](double v) { return ShownNumber(v, 2, sep); };
  t.heat = two(r.heating[position]);
  t.cool = two(r.cooling[position]);
  t.humid = two(r.humidification[position]);
  t.water = two(r.water[position]);
  return t;
}

RecirculationEdit ParseRecirculation(std::string_view text) {
  RecirculationEdit e;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string_view digits = text;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 9) return e;
  int v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return e;
    v = v * 10 + (c - '0');
  }
  e.ok = true;
  e.value = negative ? -v : v;
  if (e.value > 100) {
    e.value = 100;
    e.replaced = true;
  }
  return e;
}

YearChartScale YearChart(const EnergyResults& r, std::span<const ClimateHour> year, int height) {
  YearChartScale s;
  if (!r.has_chart()) return s;
  const ClimateStatistics& st = r.statistics;
  s.ky = height / (std::fabs(st.t_min) + st.t_max + 20);
  if (!r.operating.empty() && r.largest_hourly > 0) s.ke = height / (1.1 * r.largest_hourly) / 2;
  for (size_t i = 1; i < year.size(); ++i)
    if (year[i].month > year[i - 1].month) s.month_starts.push_back(static_cast<int>(i));
  return s;
}

int YearChartX(int position, int width) {
  return static_cast<int>(Rnd(static_cast<double>(position + 1) * width / kClimateHoursPerYear));
}

std::array<EnergyMonth, 12> MonthlyEnergy(const EnergyResults& r, const EnergyInputs& in,
                                          std::span<const ClimateHour> year) {
  std::array<EnergyMonth, 12> months{};
  if (!r.ok()) return months;
  const double hours = static_cast<double>(r.operating.size());
  const double fan_per_hour = hours > 0 ? r.fans / hours : 0;
  const EnergySections& on = in.sections;
  for (int k : r.operating) {
    if (static_cast<size_t>(k) >= year.size()) continue;
    const int m = year[k].month;
    if (m < 1 || m > 12) continue;
    EnergyMonth& e = months[m - 1];
    ++e.operating_hours;
    if (on.heater) e.heat += r.heating[k];
    if (on.cooler) e.cool += r.cooling[k];
    if (on.humidifier) e.humid += r.humidification[k];
    if (on.adiabatic) e.water_m3 += r.water[k] / 1000;
    e.fans += fan_per_hour;
  }
  for (EnergyMonth& e : months)
    e.cost = e.heat * in.price_heat + e.cool * in.price_cool + e.humid * in.price_humid +
             e.fans * in.price_fan + e.water_m3 * in.price_water;
  return months;
}

}  // namespace orvanta
