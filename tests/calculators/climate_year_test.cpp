// The climate-year reader and the design-hour choice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calculators/climate/climate_year.h"

namespace orvanta {
namespace {

constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A whole year as the files hold it; t rises slowly with the hour so each
// record is recognisable. `separator` goes between the fields, `tail` after.
std::string YearText(const std::string& separator = " ", const std::string& tail = "",
                     const std::string& newline = "\n") {
  std::string s = "HEADER ONE" + newline + "hour month day hod t rh" + newline;
  int n = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= kDays[m - 1]; ++d) {
      for (int h = 0; h < 24; ++h) {
        ++n;
        const std::string t = std::to_string(n / 10) + "." + std::to_string(n % 10);
        s += std::to_string(n) + separator + std::to_string(m) + separator + std::to_string(d) +
             separator + std::to_string(h) + separator + "-" + t + separator +
             std::to_string(n % 101) + tail + newline;
      }
    }
  }
  return s;
}

// Replaces file line `line` (1-based) of `text`.
std::string WithLine(std::string text, int line, const std::string& replacement) {
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) start = text.find('\n', start) + 1;
  const std::size_t end = text.find('\n', start);
  return text.replace(start, end - start, replacement);
}

void ExpectWholeYear(const ClimateYear& year) {
  ASSERT_TRUE(year.ok()) << year.Message();
  ASSERT_EQ(year.hours.size(), 8760u);
  EXPECT_EQ(year.hours[0], (ClimateHour{1, 1, 1, 0, -0.1, 1}));
  EXPECT_EQ(year.hours[8759], (ClimateHour{8760, 12, 31, 23, -876.0, 8760 % 101}));
  EXPECT_DOUBLE_EQ(year.hours[4000].t, -400.1);
}

TEST(ClimateYearReader, ReadsEveryLayoutOfBlanksAndLineEnds) {
  // Six fields and no trailing blank: the last field ends at the end of the line.
  ExpectWholeYear(ParseClimateYear(YearText(), "plain"));
  ExpectWholeYear(ParseClimateYear(YearText("   "), "many blanks"));
  ExpectWholeYear(ParseClimateYear(YearText("\t"), "tabs"));
  ExpectWholeYear(ParseClimateYear(YearText(" ", " 1013 extra fields"), "seven fields"));
  ExpectWholeYear(ParseClimateYear(YearText(" ", "  "), "trailing blanks"));
  ExpectWholeYear(ParseClimateYear(YearText(" ", "", "\r\n"), "CRLF"));
  // Leading blanks before the first field and lines after the 8760th are harmless.
  std::string text = YearText();
  text = WithLine(text, 3, "   1 1 1 0 -0.1 1") + "comment after the year\n";
  ExpectWholeYear(ParseClimateYear(text, "leading"));
  // The last line may lack its line end.
  text = YearText();
  text.pop_back();
  ExpectWholeYear(ParseClimateYear(text, "no final newline"));
}

TEST(ClimateYearReader, NumbersInEveryForm) {
  std::string text = WithLine(YearText(), 3, "1 1 1 0 +3 +45");
  text = WithLine(text, 4, "2 1 1 1 .5 0");
  text = WithLine(text, 5, "3 1 1 2 -12.25 100");
  const ClimateYear year = ParseClimateYear(text, "forms");
  ASSERT_TRUE(year.ok()) << year.Message();
  EXPECT_DOUBLE_EQ(year.hours[0].t, 3);
  EXPECT_DOUBLE_EQ(year.hours[0].rh, 45);
  EXPECT_DOUBLE_EQ(year.hours[1].t, 0.5);
  EXPECT_DOUBLE_EQ(year.hours[2].t, -12.25);
  EXPECT_DOUBLE_EQ(year.hours[2].rh, 100);
}

struct Damage {
  const char* line;
  ClimateFileError error;
};

TEST(ClimateYearReader, DamagedLineIsNamedAndTheYearRefused) {
  const Damage damages[] = {
      {"500 1 21 19 2,5 80", ClimateFileError::NotANumber},  // decimal comma
      {"500 1 21 19 abc 80", ClimateFileError::NotANumber},
      {"500 1 21 19 inf 80", ClimateFileError::NotANumber},
      {"500 1 21 19 nan 80", ClimateFileError::NotANumber},
      {"500 1 21 19 1e3 80", ClimateFileError::NotANumber},
      {"500 1 21 19 +-2.5 80", ClimateFileError::NotANumber},  // two signs
      {"500 1 21 +-19 2.5 80", ClimateFileError::NotANumber},
      {"500 1 21 19 2.5 80.5", ClimateFileError::NotANumber},  // humidity is an integer
      {"500.0 1 21 19 2.5 80", ClimateFileError::NotANumber},
      {"500 1 21 19 2.5 99999999999", ClimateFileError::NotANumber},  // beyond 32 bits
      {"500 1 21 19 2.5", ClimateFileError::MissingField},
      {"", ClimateFileError::MissingField},
      {"500 13 21 19 2.5 80", ClimateFileError::MonthOutOfRange},
      {"500 0 21 19 2.5 80", ClimateFileError::MonthOutOfRange},
      {"500 1 32 19 2.5 80", ClimateFileError::DayOutOfRange},
      {"500 2 30 19 2.5 80", ClimateFileError::DayOutOfRange},
      {"500 4 0 19 2.5 80", ClimateFileError::DayOutOfRange},
      {"500 1 21 19 2.5 101", ClimateFileError::HumidityOutOfRange},
      {"500 1 21 19 2.5 -1", ClimateFileError::HumidityOutOfRange},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.line);
    // Hour 500 sits on file line 502.
    const ClimateYear year = ParseClimateYear(WithLine(YearText(), 502, d.line), "KLIMAT/X.txt");
    EXPECT_FALSE(year.ok());
    EXPECT_EQ(year.error, d.error);
    EXPECT_EQ(year.line, 502);
    EXPECT_EQ(year.text(), 0);
    EXPECT_NE(year.Message().find("KLIMAT/X.txt, line 502: "), std::string::npos) << year.Message();
    // What was read before stays, the faulty hour and all after it are zero.
    EXPECT_EQ(year.hours[498].hour, 499);
    EXPECT_EQ(year.hours[499], ClimateHour{});
    EXPECT_EQ(year.hours[8759], ClimateHour{});
  }
}

TEST(ClimateYearReader, ShortFileNamesTheLineWhereTheYearEnds) {
  std::string text = YearText();
  text.resize(text.find("\n7001 ") + 1);  // 7000 hour lines
  ClimateYear year = ParseClimateYear(text, "short.txt");
  EXPECT_EQ(year.error, ClimateFileError::TooFewLines);
  EXPECT_EQ(year.line, 7003);
  EXPECT_NE(year.Message().find("7000 hours read"), std::string::npos) << year.Message();

  year = ParseClimateYear("only a header\n", "header.txt");
  EXPECT_EQ(year.error, ClimateFileError::TooFewLines);
  year = ParseClimateYear("", "empty.txt");
  EXPECT_EQ(year.error, ClimateFileError::TooFewLines);
  EXPECT_EQ(year.line, 1);
}

TEST(ClimateYearFile, MissingCityGivesText822AndAZeroYear) {
  const ClimateYear year = LoadClimateYear("/nonexistent-folder", "ATLANTIS");
  EXPECT_EQ(year.error, ClimateFileError::Missing);
  EXPECT_EQ(year.text(), kTextClimateFileMissing);
  EXPECT_EQ(year.text(), 822);
  EXPECT_EQ(year.file, "/nonexistent-folder/KLIMAT/ATLANTIS.txt");
  ASSERT_EQ(year.hours.size(), 8760u);
  for (const ClimateHour& h : year.hours) ASSERT_EQ(h, ClimateHour{});
  // The calculators' fallback: a zero year yields a 0 °C, 0 % design hour.
  const DesignHour winter = SelectDesignHour(year.hours, DesignSeason::Winter, 101325);
  EXPECT_EQ(winter.t, 0);
  EXPECT_EQ(winter.rh, 0);
  EXPECT_EQ(winter.index, 0);
  const DesignHour summer = SelectDesignHour(year.hours, DesignSeason::Summer, 101325);
  EXPECT_EQ(summer.t, 0);
  EXPECT_EQ(summer.rh, 0);
  EXPECT_EQ(summer.index, -1);
}

TEST(ClimateYearFile, ReadsFromTheDataFolderAndRefusesAFolderForAFile) {
  const auto dir = std::filesystem::temp_directory_path() / "orvanta_climate_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "KLIMAT" / "FOLDER.txt");
  { std::ofstream(dir / "KLIMAT" / "TESTOWO.txt", std::ios::binary) << YearText(); }
  ExpectWholeYear(LoadClimateYear(dir.string(), "TESTOWO"));
  EXPECT_EQ(LoadClimateYear(dir.string(), "FOLDER").error, ClimateFileError::Missing);
  std::filesystem::remove_all(dir);
}

ClimateHour At(double t, double rh) { return ClimateHour{1, 1, 1, 0, t, rh}; }

TEST(DesignHour, WinterTakesTheEarliestOfEqualMinima) {
  const std::vector<ClimateHour> year = {At(2, 90), At(-14.5, 81), At(-3, 70), At(-14.5, 99),
                                         At(-14.4, 50)};
  const DesignHour d = SelectDesignHour(year, DesignSeason::Winter, 101325);
  EXPECT_EQ(d.index, 1);
  EXPECT_EQ(d.t, -14.5);
  EXPECT_EQ(d.rh, 81);
  // A year warmer than the running start (100 °C) cannot occur; all at 100 keeps no hour.
  const std::vector<ClimateHour> hot = {At(100, 10)};
  EXPECT_EQ(SelectDesignHour(hot, DesignSeason::Winter, 101325).index, -1);
}

TEST(DesignHour, SummerRanksByEnthalpyAtThePressure) {
  // At 101325 Pa: 30 °C / 30 %: ps = 610.5·e^(17.269·30/267.3) = 4240 Pa,
  // x = 0.622·1272/(101325 − 1272) = 0.00791, i = 30.15 + 0.00791·2556.2 = 50.4 kJ/kg.
  // 28 °C / 70 %: ps = 3778 Pa, x = 0.622·2645/98680 = 0.01667,
  // i = 28.14 + 0.01667·2552.5 = 70.7 kJ/kg — the cooler, humid hour is the design hour.
  const std::vector<ClimateHour> year = {At(-5, 100), At(30, 30), At(28, 70), At(24, 60),
                                         At(28, 70)};
  const DesignHour d = SelectDesignHour(year, DesignSeason::Summer, 101325);
  EXPECT_EQ(d.index, 2);  // the equal later hour does not replace it
  EXPECT_EQ(d.t, 28);
  EXPECT_EQ(d.rh, 70);
  // The pressure counts: 32 °C / 30 % against 27 °C / 48 %.
  // 101325 Pa: x = 0.622·1425.7/99899 = 0.00888, i = 32.16 + 0.00888·2558.9 = 54.88;
  //            x = 0.622·1710.3/99615 = 0.01068, i = 27.14 + 0.01068·2550.7 = 54.38 → the 32 °C hour.
  // 70000 Pa:  x = 0.01293, i = 65.26;  x = 0.01558, i = 66.87 → the 27 °C hour.
  const std::vector<ClimateHour> pair = {At(32, 30), At(27, 48)};
  EXPECT_EQ(SelectDesignHour(pair, DesignSeason::Summer, 101325).index, 0);
  EXPECT_EQ(SelectDesignHour(pair, DesignSeason::Summer, 70000).index, 1);
  const std::vector<ClimateHour> frost = {At(0, 100), At(-1, 100)};
  const DesignHour none = SelectDesignHour(frost, DesignSeason::Summer, 101325);
  EXPECT_EQ(none.index, -1);  // hours at or below 0 °C are never chosen
  EXPECT_EQ(none.t, 0);
  EXPECT_EQ(none.rh, 0);
}

}  // namespace
}  // namespace orvanta
