#include "calculators/climate/climate_year.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "psychro/air.h"

namespace orvanta {

const std::array<std::string_view, 60> kClimateCities = {
    "BIALYSTOK", "BIELSKO BIALA", "BYDGOSZCZ", "CHOJNICE", "CZESTOCHOWA", "ELBLAG", "GDANSK",
    "GORZOW WIELKOPOLSKI", "HEL", "JELENIA GORA", "KALISZ", "KASPROWY WIERCH", "KATOWICE",
    "KETRZYN", "KIELCE", "KLODZKO", "KOLO", "KOLOBRZEG", "KOSZALIN", "KRAKOW", "KROSNO",
    "LEGNICA", "LESKO", "LESZNO", "LEBORK", "LUBLIN", "LEBA", "LODZ", "MIKOLAJKI", "MLAWA",
    "NOWY SACZ", "OLSZTYN", "OPOLE", "OSTROLEKA", "PILA", "PLOCK", "POZNAN", "PRZEMYSL",
    "RACIBORZ", "RESKO", "RZESZOW", "SANDOMIERZ", "SIEDLCE", "SLUBICE", "SULEJOW", "SUWALKI",
    "SZCZECIN", "SNIEZKA", "SWINOUJSCIE", "TARNOW", "TERESPOL", "TORUN", "USTKA", "WARSZAWA",
    "WIELUN", "WLODAWA", "WROCLAW", "ZAKOPANE", "ZAMOSC", "ZIELONA GORA",
};

namespace {

constexpr int kFields = 6;
// February may carry a 29th day; the year is still read as 8760 lines.
constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Drops a leading '+'; a second sign after it ("+-5") leaves nothing to parse.
std::string_view Unsigned(std::string_view s) {
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) return {};
  }
  return s;
}

bool ParseInt(std::string_view s, std::int32_t& out) {
  s = Unsigned(s);
  if (s.empty()) return false;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

bool ParseDecimal(std::string_view s, double& out) {
  s = Unsigned(s);
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '-' ||
                     s.front() == '.')) {
    return false;  // also refuses "inf" and "nan"
  }
  const auto [end, ec] =
      std::from_chars(s.data(), s.data() + s.size(), out, std::chars_format::fixed);
  return ec == std::errc() && end == s.data() + s.size() && std::isfinite(out);
}

// Splits the next line off `rest` (without its "\n" or "\r\n").
std::string_view NextLine(std::string_view& rest) {
  const std::size_t nl = rest.find('\n');
  std::string_view line = rest.substr(0, nl);
  rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

ClimateYear Fail(ClimateYear year, ClimateFileError error, int line, std::string detail) {
  year.error = error;
  year.line = line;
  year.detail = std::move(detail);
  return year;
}

}  // namespace

std::string ClimateYear::Message() const {
  std::string what;
  switch (error) {
    case ClimateFileError::None:
      return {};
    case ClimateFileError::Missing:
      what = "the climate file does not exist";
      break;
    case ClimateFileError::CannotRead:
      what = "the climate file cannot be read";
      break;
    case ClimateFileError::TooFewLines:
      what = "the file ends before the 8760th hour";
      break;
    case ClimateFileError::MissingField:
      what = "an hour line needs six fields (hour, month, day, hour of the day, temperature, "
             "humidity)";
      break;
    case ClimateFileError::NotANumber:
      what = "a field is not a number";
      break;
    case ClimateFileError::MonthOutOfRange:
      what = "the month is not 1 to 12";
      break;
    case ClimateFileError::DayOutOfRange:
      what = "the day is not a day of its month";
      break;
    case ClimateFileError::HumidityOutOfRange:
      what = "the relative humidity is not 0 to 100 %";
      break;
  }
  std::string text = file;
  if (line > 0) text += ", line " + std::to_string(line);
  text += ": " + what;
  if (!detail.empty()) text += " (" + detail + ")";
  return text + ". The climate year was not used.";
}

std::string ClimateFilePath(std::string_view data_dir, std::string_view city) {
  std::filesystem::path p(data_dir);
  p /= "KLIMAT";
  p /= std::string(city) + ".txt";
  return p.string();
}

ClimateYear ParseClimateYear(std::string_view contents, std::string_view file_name) {
  ClimateYear year;
  year.file = std::string(file_name);
  std::string_view rest = contents;
  int line_no = 0;
  for (int i = 0; i < kClimateHeaderLines; ++i) {
    if (rest.empty()) {
      return Fail(std::move(year), ClimateFileError::TooFewLines, line_no + 1,
                  "no hour lines after the header");
    }
    NextLine(rest);
    ++line_no;
  }
  for (int h = 0; h < kClimateHoursPerYear; ++h) {
    if (rest.empty()) {
      return Fail(std::move(year), ClimateFileError::TooFewLines, line_no + 1,
                  std::to_string(h) + " hours read");
    }
    const std::string_view line = NextLine(rest);
    ++line_no;
    std::string_view fields[kFields];
    int n = 0;
    for (std::size_t pos = 0; pos < line.size() && n < kFields;) {
      while (pos < line.size() && IsBlank(line[pos])) ++pos;
      const std::size_t start = pos;
      while (pos < line.size() && !IsBlank(line[pos])) ++pos;
      if (pos > start) fields[n++] = line.substr(start, pos - start);
    }
    if (n < kFields) {
      return Fail(std::move(year), ClimateFileError::MissingField, line_no,
                  std::to_string(n) + " found");
    }
    ClimateHour rec;
    std::int32_t rh = 0;
    std::int32_t* ints[4] = {&rec.hour, &rec.month, &rec.day, &rec.hour_of_day};
    for (int f = 0; f < 4; ++f) {
      if (!ParseInt(fields[f], *ints[f])) {
        return Fail(std::move(year), ClimateFileError::NotANumber, line_no,
                    "field " + std::to_string(f + 1) + " \"" + std::string(fields[f]) + "\"");
      }
    }
    if (!ParseDecimal(fields[4], rec.t)) {
      return Fail(std::move(year), ClimateFileError::NotANumber, line_no,
                  "temperature \"" + std::string(fields[4]) + "\"");
    }
    if (!ParseInt(fields[5], rh)) {
      return Fail(std::move(year), ClimateFileError::NotANumber, line_no,
                  "humidity \"" + std::string(fields[5]) + "\"");
    }
    if (rec.month < 1 || rec.month > 12) {
      return Fail(std::move(year), ClimateFileError::MonthOutOfRange, line_no,
                  std::to_string(rec.month));
    }
    if (rec.day < 1 || rec.day > kDaysInMonth[rec.month - 1]) {
      return Fail(std::move(year), ClimateFileError::DayOutOfRange, line_no,
                  std::to_string(rec.day) + "." + std::to_string(rec.month));
    }
    if (rh < 0 || rh > 100) {
      return Fail(std::move(year), ClimateFileError::HumidityOutOfRange, line_no,
                  std::to_string(rh));
    }
    rec.rh = rh;
    year.hours[h] = rec;
  }
  return year;
}

ClimateYear LoadClimateYear(std::string_view data_dir, std::string_view city) {
  const std::string path = ClimateFilePath(data_dir, city);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    ClimateYear year;
    year.file = path;
    year.error = ClimateFileError::Missing;
    return year;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  if (in) buffer << in.rdbuf();
  if (!in || in.bad()) {
    ClimateYear year;
    year.file = path;
    year.error = ClimateFileError::CannotRead;
    return year;
  }
  return ParseClimateYear(buffer.str(), path);
}

DesignHour SelectDesignHour(std::span<const ClimateHour> year, DesignSeason season, double pb) {
  DesignHour best;
  if (season == DesignSeason::Winter) {
    double lowest = 100;
    for (std::size_t k = 0; k < year.size(); ++k) {
      if (year[k].t < lowest) {
        lowest = year[k].t;
        best = {year[k].t, year[k].rh, static_cast<int>(k)};
      }
    }
  } else {
    double highest = 0;
    for (std::size_t k = 0; k < year.size(); ++k) {
      const ClimateHour& h = year[k];
      if (!(h.t > 0)) continue;
      const double x = MoistureContent(pb, SaturationPressure(h.t), h.rh / 100);
      const double i = AirEnthalpy(h.t, x);
      if (std::isfinite(i) && (best.index < 0 || i > highest)) {
        highest = i;
        best = {h.t, h.rh, static_cast<int>(k)};
      }
    }
  }
  if (best.index < 0) best = {0, 0, -1};
  return best;
}

}  // namespace orvanta
