// Hourly weather of a typical year for one city: the 60-city list, the reader
// of the "KLIMAT/<CITY>.txt" files and the choice of the design hour.
//
// File: two header lines (ignored), then one line per hour, 8760 lines:
//   hour-of-year month day hour-of-day temperature[°C] humidity[%] ...
// fields separated by one or more blanks, "." the decimal separator, fields
// after the sixth ignored.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

inline constexpr int kClimateHoursPerYear = 8760;
inline constexpr int kClimateHeaderLines = 2;
// Language text shown when the city's file does not exist.
inline constexpr int kTextClimateFileMissing = 822;

// The cities in the order of the city lists; the name is also the file name.
extern const std::array<std::string_view, 60> kClimateCities;

struct ClimateHour {
  std::int32_t hour = 0;         // hour of the year, 1 … 8760
  std::int32_t month = 0;        // 1 … 12
  std::int32_t day = 0;          // day of the month
  std::int32_t hour_of_day = 0;  // carried, not used
  double t = 0;                  // dry-bulb temperature [°C]
  double rh = 0;                 // relative humidity [%]
  friend bool operator==(const ClimateHour&, const ClimateHour&) = default;
};

enum class ClimateFileError {
  None,
  Missing,          // no such file: language text 822, all hours zero
  CannotRead,       // the file exists but the system refused to read it
  TooFewLines,      // fewer than 8760 hour lines
  // An hour line with fewer than six fields. Refused rather than read with
  // the missing fields as zero: a 0 % humidity would pass for a real hour.
  MissingField,
  NotANumber,       // a field that is not a number of its kind
  MonthOutOfRange,  // month not 1 … 12
  DayOutOfRange,    // day not within the month
  HumidityOutOfRange,  // humidity not 0 … 100 %
};

struct ClimateYear {
  // Always 8760 records. On an error the records read before the faulty line
  // are kept and the rest are zero; callers must not compute on them.
  std::vector<ClimateHour> hours = std::vector<ClimateHour>(kClimateHoursPerYear);
  ClimateFileError error = ClimateFileError::None;
  std::string file;  // the file read (or looked for)
  int line = 0;      // 1-based line of the file at fault (0: the whole file)
  std::string detail;

  bool ok() const { return error == ClimateFileError::None; }
  // The language text to show for this result (822 for a missing file), or 0
  // when Message() carries the text.
  int text() const { return error == ClimateFileError::Missing ? kTextClimateFileMissing : 0; }
  // "<file>, line <n>: <what is wrong>" for a damaged file; empty when ok.
  std::string Message() const;
};

// "<data_dir>/KLIMAT/<city>.txt".
std::string ClimateFilePath(std::string_view data_dir, std::string_view city);

// Reads the city's year from the data folder.
ClimateYear LoadClimateYear(std::string_view data_dir, std::string_view city);
// Reads a year from a file's contents; file_name only names it in messages.
ClimateYear ParseClimateYear(std::string_view contents, std::string_view file_name);

enum class DesignSeason { Winter, Summer };

struct DesignHour {
  double t = 0;   // [°C]
  double rh = 0;  // [%]
  int index = -1;  // position in the year, -1 when no hour qualified
};

// Winter: the earliest hour with the lowest temperature (a running minimum
// from 100 °C replaced only by a strictly lower value).
// Summer: the earliest hour with the highest enthalpy of its temperature and
// humidity at pb [Pa]; hours at or below 0 °C are never chosen. When none
// qualifies the result is 0 °C, 0 %.
DesignHour SelectDesignHour(std::span<const ClimateHour> year, DesignSeason season,
                            double pb);

}  // namespace orvanta
