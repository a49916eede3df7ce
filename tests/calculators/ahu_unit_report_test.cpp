// The air-handling unit's text report: what it lists for which sections, the
// numbers rounded as the window shows them, the decimal separator, and no
// "nan" for a value the computation could not give.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "calculators/ahu/unit.h"
#include "calculators/ahu/unit_report.h"

namespace orvanta {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Squeezed(const std::string& line) {
  std::string out;
  for (char c : line)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

// The line that starts with `label` once its runs of blanks are squeezed to one.
std::string Row(const std::vector<std::string>& lines, const std::string& label) {
  for (const std::string& l : lines)
    if (Squeezed(l).rfind(label, 0) == 0) return Squeezed(l);
  return "(no line " + label + ")";
}

bool Has(const std::vector<std::string>& lines, const std::string& label) {
  return Row(lines, label).rfind("(no line", 0) != 0;
}

UnitInputs Winter() {
  UnitInputs in;
  in.t_outdoor = -20;
  in.phi_outdoor = 1.0;
  return in;  // Vn = Vw = 1000, tn = tw = 20, φw = 40 %, no cooler temperatures
}

// Winter at pb = 101325 Pa, ηt = ηx = r = 0 (hand figures of the unit test):
// xcz = 0.00076563, Vcz = 860.94 m³/h, Qn = 13.3845 kW, steam 6.0426 kg/h,
// xw = 0.0057917, twy = 20 °C.
TEST(AhuUnitReport, WinterListsEveryStateAndPowerAsTheWindowRoundsThem) {
  const UnitStates s = ComputeUnit(Winter());
  ASSERT_TRUE(s.ok());
  UnitReportHeading heading;
  heading.design_case = "OBLICZENIA DLA ZIMY: WARSZAWA";
  const std::string text = UnitReportText(s.settled, s, heading, ',');
  const std::vector<std::string> lines = Lines(text);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "CENTRALA WENTYLACYJNA - WYNIKI OBLICZEŃ");
  EXPECT_EQ(lines[1], "OBLICZENIA DLA ZIMY: WARSZAWA");
  EXPECT_EQ(lines[2], "Ciśnienie barometryczne: 1013,25 hPa");
  EXPECT_EQ(lines[3], "Parametry wywiewu: Narzucony przez użytkownika");

  EXPECT_EQ(Row(lines, "Powietrze zewnętrzne: temperatura"), "Powietrze zewnętrzne: temperatura -20 °C");
  EXPECT_EQ(Row(lines, "Rekuperator: sprawność temperaturowa"), "Rekuperator: sprawność temperaturowa 0 %");
  EXPECT_EQ(Row(lines, "Chłodnica: bez temperatur"), "Chłodnica: bez temperatur, nie pracuje");
  EXPECT_EQ(Row(lines, "Sekcje:"), "Sekcje: rekuperator, komora mieszania, chłodnica, nagrzewnica, nawilżacz");
  // t, x, φ, h, ρ of the states: h(−20, 0.00076563) = −20.1 + 0.00076563·2464.2 = −18.21.
  EXPECT_EQ(Row(lines, "CZERPNIA"), "CZERPNIA Z -20 0,00077 100 -18,21 1,392");
  EXPECT_EQ(Row(lines, "REKUPERATOR"), "REKUPERATOR R -20 0,00077 100 -18,21 1,392");
  // n: t = 20, x = xcz, ρn = 1.20224; h = 20.1 + 0.00076563·2537.8 = 22.04;
  // pp = x·pb/(0.622 + x) = 124.57 Pa, φ = 124.57/2336.5 = 5.33 %.
  EXPECT_EQ(Row(lines, "NAGRZEWNICA"), "NAGRZEWNICA N+ 20 0,00077 5,33 22,04 1,202");
  // w: 20 °C, 40 %, h = 20.1 + 0.0057917·2537.8 = 34.80, ρ = ρs* = 1.19861.
  EXPECT_EQ(Row(lines, "WYWIEW"), "WYWIEW W 20 0,00579 40 34,8 1,199");
  EXPECT_TRUE(Has(lines, "WYRZUT Wy 20 "));
  // No cooler temperatures: no cooler state, no condensate from it.
  EXPECT_FALSE(Has(lines, "CHŁODNICA "));
  EXPECT_FALSE(Has(lines, "Chłodnica: kondensat"));

  EXPECT_EQ(Row(lines, "Powietrze zewnętrzne (czerpnia)"), "Powietrze zewnętrzne (czerpnia) 860,94 m3/h");
  EXPECT_EQ(Row(lines, "Powietrze recyrkulacyjne"), "Powietrze recyrkulacyjne 0 m3/h");
  EXPECT_EQ(Row(lines, "Nagrzewnica: moc cieplna"), "Nagrzewnica: moc cieplna 13,38 kW");
  EXPECT_EQ(Row(lines, "Chłodnica: moc chłodnicza całkowita"), "Chłodnica: moc chłodnicza całkowita 0 kW");
  EXPECT_EQ(Row(lines, "Nawilżacz: masa pary"), "Nawilżacz: masa pary 6,04 kg/h");
  EXPECT_EQ(Row(lines, "Wyrzut: kondensat"), "Wyrzut: kondensat 0 l/h");
  EXPECT_FALSE(Has(lines, "Współczynnik kierunkowy"));
  EXPECT_EQ(text.find('.'), std::string::npos) << "the decimal separator is the one given";
}

// Sections that are off leave no line; the cooler with both temperatures adds
// its state and condensate; balance mode lists the gains and ε.
TEST(AhuUnitReport, ListsOnlyTheSectionsThatAreOnAndTheBalance) {
  UnitInputs in;
  in.t_outdoor = 28;
  in.phi_outdoor = 0.52;
  in.sections.recovery = false;
  in.sections.humidifier = false;
  in.r = 0.3;
  in.t_cooler_out = 12;
  in.t_cooler_surface = 6;
  in.t_supply = 16;
  in.mode = ExhaustMode::Balance;
  in.q_gains = 5;
  in.w_gains = 1;
  const UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  ASSERT_TRUE(s.cooler_computed);
  const std::vector<std::string> lines = Lines(UnitReportText(s.settled, s, {}, '.'));
  EXPECT_EQ(lines[1], "Ciśnienie barometryczne: 1013.25 hPa");  // no design case given: no line for it
  EXPECT_EQ(lines[2], "Parametry wywiewu: Wyznaczony z bilansu");
  EXPECT_FALSE(Has(lines, "REKUPERATOR"));
  EXPECT_FALSE(Has(lines, "Rekuperator:"));
  EXPECT_FALSE(Has(lines, "Nawilżacz:"));
  EXPECT_EQ(Row(lines, "Sekcje:"), "Sekcje: komora mieszania, chłodnica, nagrzewnica");
  EXPECT_EQ(Row(lines, "Chłodnica: temperatura za chłodnicą"), "Chłodnica: temperatura za chłodnicą 12 °C");
  EXPECT_TRUE(Has(lines, "CHŁODNICA CH 12 "));
  EXPECT_TRUE(Has(lines, "Chłodnica: kondensat"));
  EXPECT_EQ(Row(lines, "Zyski ciepła całkowitego"), "Zyski ciepła całkowitego 5 kW");
  EXPECT_EQ(Row(lines, "Zyski wilgoci"), "Zyski wilgoci 1 kg/h");
  // ε = Qc·3600/Wc = 18000 kJ/kg.
  EXPECT_EQ(Row(lines, "Współczynnik kierunkowy przemiany ε"), "Współczynnik kierunkowy przemiany ε 18000 kJ/kg");
}

// A value the computation could not give reads "-", never "nan" or "inf".
TEST(AhuUnitReport, ValueThatIsNotANumberReadsAsADash) {
  UnitStates s = ComputeUnit(Winter());
  ASSERT_TRUE(s.ok());
  s.heater_power = std::numeric_limits<double>::quiet_NaN();
  s.w.i = std::numeric_limits<double>::infinity();
  const std::string text = UnitReportText(s.settled, s, {}, '.');
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(Row(lines, "Nagrzewnica: moc cieplna"), "Nagrzewnica: moc cieplna - kW");
  EXPECT_EQ(Row(lines, "WYWIEW"), "WYWIEW W 20 0.00579 40 - 1.199");
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
}

// The columns of the state table line up under their headings although the
// labels hold multi-byte letters.
TEST(AhuUnitReport, StateColumnsLineUp) {
  const UnitStates s = ComputeUnit(Winter());
  const std::vector<std::string> lines = Lines(UnitReportText(s.settled, s, {}, '.'));
  auto chars = [](const std::string& t) {
    std::size_t n = 0;
    for (char c : t) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  };
  std::size_t heading = 0;
  for (std::size_t k = 0; k < lines.size(); ++k)
    if (lines[k].rfind("SEKCJA", 0) == 0) heading = k;
  ASSERT_GT(heading, 0u);
  const std::size_t width = chars(lines[heading]);
  int rows = 0;
  for (std::size_t k = heading + 1; k < lines.size() && !lines[k].empty(); ++k, ++rows)
    EXPECT_EQ(chars(lines[k]), width) << lines[k];
  EXPECT_EQ(rows, 6);  // Z, R, M, N+, W, Wy: no cooler state without its temperatures
}

// In English the same numbers under English words, the table still aligned.
TEST(AhuUnitReport, EnglishWordsSameNumbers) {
  const UnitStates s = ComputeUnit(Winter());
  ASSERT_TRUE(s.ok());
  const std::vector<std::string> lines = Lines(UnitReportText(s.settled, s, {}, '.', false));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "AIR HANDLING UNIT - RESULTS");
  EXPECT_EQ(lines[2], "Exhaust air parameters: Set by the user");
  EXPECT_EQ(Row(lines, "Air heater: heating power"), "Air heater: heating power 13.38 kW");
  EXPECT_EQ(Row(lines, "Humidifier: steam"), "Humidifier: steam 6.04 kg/h");
  EXPECT_EQ(Row(lines, "AIR INTAKE"), "AIR INTAKE Z -20 0.00077 100 -18.21 1.392");
  EXPECT_EQ(Row(lines, "Sections:"), "Sections: heat recovery, mixing chamber, air cooler, air heater, humidifier");
  for (const std::string& l : lines) EXPECT_EQ(l.find("Nagrzewnica"), std::string::npos) << l;
}

}  // namespace
}  // namespace orvanta
