#!/usr/bin/env python3
"""Builds the 60 climate-year files data/KLIMAT/<CITY>.txt.

Usage:
  make_climate_years.py SOURCE_DIR OUT_DIR     write the 60 files
  make_climate_years.py --fidelity KLIMAT_DIR  leave-one-out check on the real years

SOURCE_DIR holds monthly_normals.csv (a copy is kept beside this script) and
typical_year/<STATION>_MIIR_TMY.csv, the ministry typical years.

Stations with a ministry typical year are written as they are. For every other
station a typical year is synthesised from its monthly normals (mean, mean
daily maximum, mean daily minimum) and the hourly series of the nearest
station with a typical year (the donor):

  per month, per day d of the donor:  mid_d = (max_d + min_d)/2, range_d = max_d - min_d
  new day:   mid'_d = mid_d + D,  range'_d = k * range_d
             k = (Tmax - Tmin) / mean(range_d),  D = (Tmax + Tmin)/2 - mean(mid_d)
  new hour:  t' = mid'_d - range'_d/2 + range'_d * s**p,  s = (t - min_d)/range_d

so the mean daily maximum and minimum equal the normals exactly; the exponent p
(found by bisection) moves the hourly values inside each day until the monthly
mean equals the normal. The donor's day-to-day sequence, its diurnal shape and
its cold and warm spells are kept. Relative humidity is the donor's, hour by
hour: the donor's humidity climate (monthly mean, daily cycle, day-to-day
change, hours of saturation) within 0..100 %, so the air is never above
saturation, and moisture content and dew point move with the (continuous)
temperature. Keeping the donor's moisture content instead and deriving the
humidity from the new temperature was tried and measured: it saturated 3 to 44
times as many hours as the real years in the leave-one-out check (--fidelity).

No random numbers are used: the output depends on the inputs only.
"""

import csv
import math
import os
import sys

CITIES = [
    "BIALYSTOK", "BIELSKO BIALA", "BYDGOSZCZ", "CHOJNICE", "CZESTOCHOWA", "ELBLAG", "GDANSK",
    "GORZOW WIELKOPOLSKI", "HEL", "JELENIA GORA", "KALISZ", "KASPROWY WIERCH", "KATOWICE",
    "KETRZYN", "KIELCE", "KLODZKO", "KOLO", "KOLOBRZEG", "KOSZALIN", "KRAKOW", "KROSNO",
    "LEGNICA", "LESKO", "LESZNO", "LEBORK", "LUBLIN", "LEBA", "LODZ", "MIKOLAJKI", "MLAWA",
    "NOWY SACZ", "OLSZTYN", "OPOLE", "OSTROLEKA", "PILA", "PLOCK", "POZNAN", "PRZEMYSL",
    "RACIBORZ", "RESKO", "RZESZOW", "SANDOMIERZ", "SIEDLCE", "SLUBICE", "SULEJOW", "SUWALKI",
    "SZCZECIN", "SNIEZKA", "SWINOUJSCIE", "TARNOW", "TERESPOL", "TORUN", "USTKA", "WARSZAWA",
    "WIELUN", "WLODAWA", "WROCLAW", "ZAKOPANE", "ZAMOSC", "ZIELONA GORA",
]
REAL_YEAR_STATIONS = ["BIALYSTOK", "BIELSKO BIALA", "BYDGOSZCZ", "CHOJNICE", "ELBLAG"]
# The normals table has no coordinates for BYDGOSZCZ; TORUN, 40 km away, stands in
# when the nearest donor is chosen.
COORDINATE_STAND_IN = {"BYDGOSZCZ": "TORUN"}
DAYS_IN_MONTH = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
ATTRIBUTION_SHORT = "zrodlo danych: IMGW-PIB, processed by ORVANTA"
COLUMNS_LINE = "hour_of_year month day hour_of_day t_dry_bulb_C RH_percent"


class Hour:
    __slots__ = ("month", "day", "hour", "t", "rh")

    def __init__(self, month, day, hour, t, rh):
        self.month, self.day, self.hour, self.t, self.rh = month, day, hour, t, rh


def read_normals(path):
    """station -> {'months': [(t_mean, t_max, t_min)] * 12, 'meta': first row}."""
    stations = {}
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            s = stations.setdefault(row["station"], {"months": [None] * 12, "meta": row})
            m = int(row["month"])
            s["months"][m - 1] = (float(row["t_mean"]), float(row["t_max"]), float(row["t_min"]))
    for name, s in stations.items():
        if any(v is None for v in s["months"]):
            raise ValueError(f"{path}: {name} lacks a month")
    return stations


def read_ministry_year(path):
    hours = []
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            hours.append(Hour(int(row["month"]), int(row["day"]), int(row["hour"]),
                              float(row["t_c"]), int(row["rh_pct"])))
    check_year(hours, path)
    return hours


def read_klimat_file(path):
    """Reads one of our own output files back (for the fidelity check)."""
    hours = []
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()[2:]
    for line in lines:
        a = line.split()
        hours.append(Hour(int(a[1]), int(a[2]), int(a[3]), float(a[4]), int(a[5])))
    check_year(hours, path)
    return hours


def check_year(hours, origin):
    if len(hours) != 8760:
        raise ValueError(f"{origin}: {len(hours)} hours instead of 8760")
    i = 0
    for m, n in enumerate(DAYS_IN_MONTH, start=1):
        for d in range(1, n + 1):
            for h in range(24):
                x = hours[i]
                if (x.month, x.day, x.hour) != (m, d, h):
                    raise ValueError(f"{origin}: row {i + 1} is {x.month}/{x.day} {x.hour}h, "
                                     f"expected {m}/{d} {h}h")
                if not 0 <= x.rh <= 100:
                    raise ValueError(f"{origin}: row {i + 1} humidity {x.rh}")
                i += 1


def days_of_month(hours, month):
    """The month's days as lists of 24 temperatures, in order."""
    start = sum(DAYS_IN_MONTH[:month - 1]) * 24
    n = DAYS_IN_MONTH[month - 1]
    return [[hours[start + d * 24 + h].t for h in range(24)] for d in range(n)]


def month_statistics(hours):
    """[(mean, mean daily max, mean daily min)] * 12 of an hourly year."""
    out = []
    for m in range(1, 13):
        days = days_of_month(hours, m)
        flat = [t for day in days for t in day]
        out.append((sum(flat) / len(flat), sum(max(d) for d in days) / len(days),
                    sum(min(d) for d in days) / len(days)))
    return out


def transform_month(days, t_mean, t_max, t_min):
    """The donor month's days mapped onto the normals (see the module text)."""
    if t_max < t_min:
        raise ValueError("mean daily maximum below the minimum")
    mids = [(max(d) + min(d)) / 2 for d in days]
    ranges = [max(d) - min(d) for d in days]
    mean_range = sum(ranges) / len(ranges)
    k = (t_max - t_min) / mean_range if mean_range > 0 else 0.0
    shift = (t_max + t_min) / 2 - sum(mids) / len(mids)
    shapes = []
    for d in days:
        lo, r = min(d), max(d) - min(d)
        shapes.append([(t - lo) / r if r > 0 else 0.5 for t in d])

    def build(p):
        out = []
        for j, s in enumerate(shapes):
            r = k * ranges[j]
            lo = mids[j] + shift - r / 2
            out.append([lo + r * (v ** p) for v in s])
        return out

    def mean_of(p):
        b = build(p)
        return sum(sum(d) for d in b) / (24 * len(b))

    # The mean falls as p grows; bisection on log p.
    lo_l, hi_l = math.log(1 / 50), math.log(50)
    if not (mean_of(math.exp(hi_l)) <= t_mean <= mean_of(math.exp(lo_l))):
        raise ValueError(f"monthly mean {t_mean} cannot be reached inside the daily range")
    for _ in range(80):
        mid_l = (lo_l + hi_l) / 2
        if mean_of(math.exp(mid_l)) > t_mean:
            lo_l = mid_l
        else:
            hi_l = mid_l
    p = math.exp((lo_l + hi_l) / 2)
    return build(p), k, shift, p


# Humid air at the standard pressure (the files hold relative humidity only, so
# the pressure cancels out of the conversion there and back).
STANDARD_PB = 101325.0


def saturation_pressure(t):
    return 610.5 * math.exp(17.269 * t / (237.3 + t))


def moisture(t, rh):
    pv = rh / 100 * saturation_pressure(t)
    return 0.622 * pv / (STANDARD_PB - pv)


def dew_point(t, rh):
    """Dew point [°C] of the hour (inverse of the saturation formula); RH 0 counts as 1 %."""
    a = math.log(max(rh, 1) / 100 * saturation_pressure(t) / 610.5)
    return 237.3 * a / (17.269 - a)


def relative_humidity(t, x):
    return 100 * STANDARD_PB * x / (saturation_pressure(t) * (0.622 + x))


def synthesise(donor, months):
    """A year from the donor's hours and the station's 12 (mean, max, min)."""
    temps = []
    params = []
    for m in range(1, 13):
        t_mean, t_max, t_min = months[m - 1]
        new_days, k, shift, p = transform_month(days_of_month(donor, m), t_mean, t_max, t_min)
        params.append((k, shift, p))
        temps.extend(t for day in new_days for t in day)
    # The donor's relative humidity, hour by hour (see the module text).
    year = [Hour(h.month, h.day, h.hour, round_01(t), h.rh) for h, t in zip(donor, temps)]
    return year, params


def round_01(t):
    v = round(t * 10) / 10
    return 0.0 if v == 0 else v


def distance_km(a, b):
    la1, lo1, la2, lo2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    h = math.sin((la2 - la1) / 2) ** 2 + math.cos(la1) * math.cos(la2) * math.sin((lo2 - lo1) / 2) ** 2
    return 2 * 6371.0 * math.asin(math.sqrt(h))


def coordinates(normals, name):
    meta = normals[COORDINATE_STAND_IN.get(name, name)]["meta"]
    return float(meta["lat"]), float(meta["lon"])


def nearest_donor(normals, name, candidates):
    here = coordinates(normals, name)
    return min(candidates, key=lambda c: (distance_km(here, coordinates(normals, c)), c))


def format_temperature(t):
    s = f"{t:.1f}"
    return "0.0" if s == "-0.0" else s


def write_year(path, header, hours):
    lines = [header, COLUMNS_LINE]
    for i, h in enumerate(hours, start=1):
        lines.append(f"{i} {h.month} {h.day} {h.hour} {format_temperature(h.t)} {h.rh}")
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    os.replace(tmp, path)


def percentile(values, q):
    """Linear-interpolation percentile (q in 0..100)."""
    v = sorted(values)
    pos = (len(v) - 1) * q / 100
    i = int(math.floor(pos))
    j = min(i + 1, len(v) - 1)
    return v[i] + (v[j] - v[i]) * (pos - i)


def winter_design_hour(hours):
    best, when = 100.0, 0
    for i, h in enumerate(hours):
        if h.t < best:
            best, when = h.t, i
    return best, hours[when].rh, when + 1


def build_all(source_dir, out_dir):
    normals = read_normals(os.path.join(source_dir, "monthly_normals.csv"))
    missing = [c for c in CITIES if c not in normals]
    if missing:
        raise ValueError(f"no normals for {missing}")
    real = {s: read_ministry_year(os.path.join(source_dir, "typical_year",
                                               s.replace(" ", "_") + "_MIIR_TMY.csv"))
            for s in REAL_YEAR_STATIONS}
    os.makedirs(out_dir, exist_ok=True)
    report = []
    built = {}
    for city in CITIES:
        path = os.path.join(out_dir, city + ".txt")
        meta = normals[city]["meta"]
        if city in real:
            header = (f"{city}; real typical year of the ministry (MIiR), PN-EN ISO 15927-4, "
                      f"IMGW-PIB measurements 1971-2000; {ATTRIBUTION_SHORT}")
            write_year(path, header, real[city])
            report.append((city, "real", "", ""))
            continue
        donor = nearest_donor(normals, city, REAL_YEAR_STATIONS)
        km = distance_km(coordinates(normals, city), coordinates(normals, donor))
        year, _ = synthesise(real[donor], normals[city]["months"])
        header = (f"{city}; synthetic typical year: IMGW-PIB monthly normals {meta['t_period']} "
                  f"({meta['t_n_years']} y), hourly pattern and RH of the {donor} typical year "
                  f"(MIiR, 1971-2000); {ATTRIBUTION_SHORT}")
        write_year(path, header, year)
        built[city] = year
        report.append((city, "synthetic", donor, f"{km:.0f}"))
    write_sources(os.path.join(out_dir, "SOURCES.md"), normals, report, fidelity(out_dir),
                  measure(normals, real, built))
    for r in report:
        print("\t".join(r))


def largest_step(hours):
    return max(abs(hours[i].t - hours[i - 1].t) for i in range(1, len(hours)))


def measure(normals, real, synthetic):
    """Figures quoted in SOURCES.md, measured on the written years."""
    worst = 0.0
    for city, year in synthetic.items():
        for got, want in zip(month_statistics(year), normals[city]["months"]):
            worst = max(worst, *(abs(a - b) for a, b in zip(got, want)))
    real_step = max(largest_step(y) for y in real.values())
    steps = [abs(y[i].t - y[i - 1].t) for y in synthetic.values() for i in range(1, len(y))]
    steeper = sum(1 for v in steps if v > real_step + 1e-9)
    def dew_step(y):
        td = [dew_point(h.t, h.rh) for h in y]
        return max(abs(td[i] - td[i - 1]) for i in range(1, len(td)))

    return {"worst_normal": worst, "real_step": real_step, "synth_step": max(steps),
            "steeper_share": 100.0 * steeper / len(steps),
            "real_dew_step": max(dew_step(y) for y in real.values()),
            "synth_dew_step": max(dew_step(y) for y in synthetic.values())}


ATTRIBUTION = ("\"Źródłem pochodzenia danych jest Instytut Meteorologii i Gospodarki Wodnej – "
               "Państwowy Instytut Badawczy.\"")


def write_sources(path, normals, report, fidelity_rows, figures):
    out = []
    w = out.append
    w("# Climate years: origin of the data")
    w("")
    w("Generated by `tools/climate/make_climate_years.py` (run it as")
    w("`python3 tools/climate/make_climate_years.py <weather data folder> data/KLIMAT`); do not edit.")
    w("")
    w("## Attribution")
    w("")
    w(ATTRIBUTION)
    w("")
    w("The data were processed by ORVANTA: the ministry typical years reformatted, the other")
    w("stations' years synthesised from averaged IMGW-PIB monthly data as described below.")
    w("IMGW-PIB public data are re-used under its terms of use (open-data act of 11 August 2021).")
    w("")
    w("## Sources")
    w("")
    w("- Real typical years: \"Typowe lata meteorologiczne i statystyczne dane klimatyczne dla")
    w("  obszaru Polski do obliczeń energetycznych budynków\", Ministerstwo Infrastruktury i Rozwoju,")
    w("  built to PN-EN ISO 15927-4 from IMGW-PIB measurements 1971–2000. Hourly dry-bulb")
    w("  temperature and relative humidity, local time without daylight-saving shift, shipped as")
    w("  they are (only the columns reduced and the hour of the year added).")
    w("- Monthly normals (mean, mean daily maximum, mean daily minimum temperature): IMGW-PIB")
    w("  monthly synop data, averaged over the period given per station. The table used is")
    w("  `tools/climate/monthly_normals.csv` (a copy of the source table, with its source columns).")
    w("")
    w("## How a synthetic year is made")
    w("")
    w("The donor is the nearest station with a real typical year (great-circle distance of the")
    w("stations' coordinates; the table has none for BYDGOSZCZ, so TORUN's stand in). For each")
    w("month the donor's days keep their order, their daily cycle and their cold and warm spells:")
    w("every day's mid-point is shifted and its range scaled by one factor per month so that the")
    w("mean daily maximum and minimum equal the normals; one exponent per month then bends each")
    w("day's hours inside its range until the monthly mean equals the normal. Relative humidity is")
    w("the donor's, hour by hour: its monthly means, daily cycle, day-to-day change and hours of")
    w("saturation; it stays within 0–100 %, so the air is never above saturation, and moisture")
    w("content and dew point move with the temperature. (Keeping the donor's moisture content and")
    w("deriving the humidity from the new temperature was measured too: it saturated 3 to 44 times")
    w("as many hours as the real years, so it was not used.)")
    w(f"Largest hour-to-hour dew-point step: {figures['synth_dew_step']:.1f} K in the synthetic years,")
    w(f"{figures['real_dew_step']:.1f} K in the real ones. No random numbers are used; the output")
    w("depends on the inputs only.")
    w("Temperatures are written to 0.1 °C; the monthly means and mean daily maxima and minima of")
    w(f"every synthetic file equal the normals within {figures['worst_normal']:.2f} K (checked by")
    w("`tools/climate/test_make_climate_years.py` and `tests/calculators/climate_files_test.cpp`).")
    w("")
    w("## Fidelity measured on the real years")
    w("")
    w("Each real year rebuilt by the generator from its own monthly statistics and the nearest")
    w("other real year, compared with the real year (hourly temperature and dew point in °C,")
    w("enthalpy in kJ/kg at 101325 Pa):")
    w("")
    w("| station | donor | 1st pct real | synthetic | 99th pct real | synthetic | coldest hour real | synthetic | 99th pct enthalpy real | synthetic | highest dew point real | synthetic |")
    w("|---|---|---|---|---|---|---|---|---|---|---|---|")
    for r in fidelity_rows:
        w(f"| {r['station']} | {r['donor']} | {r['p1_real']:.1f} | {r['p1_synth']:.1f} | "
          f"{r['p99_real']:.1f} | {r['p99_synth']:.1f} | {r['design_real']:.1f} | "
          f"{r['design_synth']:.1f} | {r['i99_real']:.1f} | {r['i99_synth']:.1f} | "
          f"{r['td_real']:.1f} | {r['td_synth']:.1f} |")
    d1 = max(max(abs(r["p1_real"] - r["p1_synth"]), abs(r["p99_real"] - r["p99_synth"]))
             for r in fidelity_rows)
    dd = max(abs(r["design_real"] - r["design_synth"]) for r in fidelity_rows)
    w("")
    w(f"Largest difference: {d1:.1f} K in the 1st/99th percentiles, {dd:.1f} K in the winter design")
    w("hour (the coldest hour). The tolerances the tests hold the generator to are 2 K and 3 K. The")
    w("coldest hour of a synthetic year is the donor's cold spell moved to the station's normals, so")
    w("it follows the donor's extreme, not the station's own.")
    w("")
    w("## Known differences")
    w("")
    w("- The real typical years rest on 1971–2000 and are cooler in summer than the 1991–2019")
    w("  normals of the synthetic years (BIALYSTOK August: 14.5 °C in the typical year against")
    w("  17.5 °C normal). Cooling design values taken from the real years are on the mild side, and")
    w("  neighbouring real and synthetic stations differ by that climate shift.")
    w("- The normals' daily maxima and minima come from extreme thermometers; the real years' hourly")
    w("  values miss the peaks between the hours. The synthetic years reach the thermometer values")
    w("  at their warmest and coldest hour, so their daily ranges are somewhat wider than a real")
    w(f"  hourly year's and a few hour-to-hour steps are steeper ({figures['steeper_share']:.2f} % of "
      "the steps exceed the")
    w(f"  largest step of any real year, {figures['real_step']:.1f} K; the largest is "
      f"{figures['synth_step']:.1f} K).")
    w("- Humidity is the donor's: stations far from their donor (mountain tops, the coast) keep")
    w("  the donor's relative humidity, not their own; where the normals are warmer than the donor")
    w("  year the air is moister in proportion (constant relative humidity), so summer enthalpies of")
    w("  the synthetic years are higher than those of the cooler real years.")
    w("- OSTROLEKA, PRZEMYSL and ZAMOSC have normals of 1971–2000 (their series stop in 2000),")
    w("  BYDGOSZCZ's table normals are of 1966–1982 (its real year is shipped; TORUN's synthetic")
    w("  year uses 1991–2019), GDANSK's are of Gdańsk-Port Północny 1991–2012.")
    w("- All years are 365 days, hour 0–23 local standard time, as the real typical years.")
    w("")
    w("## Stations")
    w("")
    w("| file | kind | temperature source, period (years) | hourly pattern and humidity |")
    w("|---|---|---|---|")
    for city, kind, donor, km in report:
        meta = normals[city]["meta"]
        if kind == "real":
            w(f"| {city}.txt | real | ministry typical year, IMGW-PIB 1971–2000 | its own |")
        else:
            w(f"| {city}.txt | synthetic | IMGW-PIB monthly normals {meta['t_period']} "
              f"({meta['t_n_years']}) | {donor} typical year, {km} km |")
    text = "\n".join(out) + "\n"
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, path)


def enthalpies(hours):
    """Enthalpy [kJ/kg] of every hour at the standard pressure."""
    return [1.005 * h.t + moisture(h.t, h.rh) * (2501 + 1.84 * h.t) for h in hours]


def fidelity(klimat_dir):
    """Each real year rebuilt from its own monthly statistics and the nearest other real year."""
    here = os.path.dirname(os.path.abspath(__file__))
    normals = read_normals(os.path.join(here, "monthly_normals.csv"))
    real = {s: read_klimat_file(os.path.join(klimat_dir, s + ".txt")) for s in REAL_YEAR_STATIONS}
    rows = []
    for target in REAL_YEAR_STATIONS:
        others = [s for s in REAL_YEAR_STATIONS if s != target]
        donor = nearest_donor(normals, target, others)
        truth = real[target]
        year, _ = synthesise(real[donor], month_statistics(truth))
        tt = [h.t for h in truth]
        ts = [h.t for h in year]
        rows.append({
            "station": target, "donor": donor,
            "p1_real": percentile(tt, 1), "p1_synth": percentile(ts, 1),
            "p99_real": percentile(tt, 99), "p99_synth": percentile(ts, 99),
            "design_real": winter_design_hour(truth)[0], "design_synth": winter_design_hour(year)[0],
            "i99_real": percentile(enthalpies(truth), 99), "i99_synth": percentile(enthalpies(year), 99),
            "td_real": max(dew_point(h.t, h.rh) for h in truth),
            "td_synth": max(dew_point(h.t, h.rh) for h in year),
        })
    return rows


def main(argv):
    if len(argv) == 3 and argv[1] == "--fidelity":
        keys = ["p1_real", "p1_synth", "p99_real", "p99_synth", "design_real", "design_synth",
                "i99_real", "i99_synth", "td_real", "td_synth"]
        print("\t".join(["station", "donor"] + keys))
        for r in fidelity(argv[2]):
            print("\t".join([r["station"], r["donor"]] + [f"{r[k]:.1f}" for k in keys]))
        return 0
    if len(argv) == 3:
        build_all(argv[1], argv[2])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
