#include "calculators/pool/pool_hall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orvanta::calculators {
namespace {

PoolHallResult Computed(const PoolHallInput& in) {
  const auto r = ComputePoolHall(in);
  EXPECT_TRUE(r.ok()) << r.failure().english;
  return r.ok() ? r.value() : PoolHallResult{};
}

// Worked by hand for the defaults (private pool ε = 15, 312.5 m², water 28 °C,
// hall 30 °C/60 %, 101300 Pa, supply 30 °C/45 %, 0.15 m/s):
//   ps(30) = 611·exp(2.1771 − 0.26433 + 0.026487 − 0.0015398) = 4242.10 Pa
//   ps(28) = 611·exp(2.03196 − 0.230261 + 0.0215350 − 0.0011685) = 3778.80 Pa
//   xk = 0.622·0.45·4242.10/(101300 − 1908.95) = 0.0119464 kg/kg
//   ρk = 101300·1.0119464/(0.6339464·462·303) = 1.15513 kg/m³
//   pdi = 0.6·4242.10 = 2545.26 Pa, xi = 0.622·2545.26/98754.74 = 0.0160312
//   wb = 312.5·15·(3778.80 − 2545.26)/100/1000 = 57.822 kg/h
//   V = 57.822/((0.0160312 − 0.0119464)·1.15513) = 12254.6 m³/h
//   α = 4.07·0.15 + 5.7 = 6.3105; Qm = (2501 + 51.52)·57.822/3600 = 40.998 kW
//   Qs = 6.3105·312.5·(28 − 30)/1000 = −3.944 kW
TEST(PoolHallTest, DefaultsGiveTheWorkedValuesAndVIsTheDesignFlow) {
  const PoolHallResult r = Computed(PoolHallInput{});
  EXPECT_NEAR(r.wb, 57.8223, 1e-3);
  EXPECT_EQ(r.wa, 0);
  EXPECT_EQ(r.wp, 0);
  EXPECT_NEAR(r.wc, 57.8223, 1e-3);
  EXPECT_NEAR(r.v, 12254.58, 0.05);
  EXPECT_EQ(r.vo, 0);
  EXPECT_TRUE(r.v_is_design);  // the marker beside V (Label60) is shown
  EXPECT_NEAR(r.qm, 40.998, 1e-3);
  EXPECT_NEAR(r.qs, -3.9441, 1e-4);
  EXPECT_NEAR(r.xi, 16.0312, 1e-4);
  EXPECT_NEAR(r.xk, 11.9464, 1e-4);
  EXPECT_EQ(r.epsilon, 15);

  const PoolHallTexts pl = PoolHallShownTexts(r, ',');
  EXPECT_EQ(pl.wb, "57,8");
  EXPECT_EQ(pl.wa, "0");
  EXPECT_EQ(pl.wp, "0");
  EXPECT_EQ(pl.wc, "57,8");
  EXPECT_EQ(pl.v, "12254,6");
  EXPECT_EQ(pl.vo, "0");
  EXPECT_EQ(pl.qm, "41");
  EXPECT_EQ(pl.qs, "-3,9");
  EXPECT_EQ(pl.xi, "16,03");
  EXPECT_EQ(pl.xk, "11,95");
  EXPECT_EQ(pl.e, "15");
  const PoolHallTexts en = PoolHallShownTexts(r, '.');
  EXPECT_EQ(en.v, "12254.6");
  EXPECT_EQ(en.qs, "-3.9");
  EXPECT_EQ(en.xk, "11.95");
}

TEST(PoolHallTest, AttractionsAndWetFloorsAddTheirMoisture) {
  PoolHallInput in;
  in.attraction_counts[0] = 10;  // "Dzika rzeka", 10 m at 300 g/h
  PoolHallResult r = Computed(in);
  EXPECT_DOUBLE_EQ(r.wa, 3);
  EXPECT_EQ(PoolHallShownTexts(r, ',').wa, "3");
  EXPECT_NEAR(r.wc, 57.8223 + 3, 1e-3);

  // Unticked again: its count is 0 and wa returns to 0.
  in.attraction_counts[0] = 0;
  EXPECT_EQ(Computed(in).wa, 0);

  // Every attraction at its rate: one of each gives the sum of the rates
  // 300+5000+3000+3000+5000+5000+3000+500+800+400 = 26000 g/h.
  in.attraction_counts.fill(1);
  EXPECT_DOUBLE_EQ(Computed(in).wa, 26);

  // 200 m² of floor at 25 °C in a 30 °C hall: 6.3·200·5/1000 = 6.3 kg/h.
  PoolHallInput floors;
  floors.floor_area = 200;
  r = Computed(floors);
  EXPECT_DOUBLE_EQ(r.wp, 6.3);
  EXPECT_EQ(PoolHallShownTexts(r, '.').wp, "6.3");
}

TEST(PoolHallTest, PoolTypeCoefficientScalesThePoolEvaporation) {
  const std::array<double, 4> eps = {15, 20, 28, 35};
  const double wb15 = Computed(PoolHallInput{}).wb;
  for (int k = 0; k < 4; ++k) {
    PoolHallInput in;
    in.pool_type = k;
    const PoolHallResult r = Computed(in);
    EXPECT_EQ(r.epsilon, eps[k]);
    EXPECT_NEAR(r.wb, wb15 * eps[k] / 15, 1e-9);
  }
  EXPECT_STREQ(kPoolTypes[0].polish, "PRYWATNY");
  EXPECT_EQ(kPoolTypes[3].text, 681);
}

TEST(PoolHallTest, WindowDryingFlowByGlazingHeight) {
  PoolHallInput in;
  in.glazing_height = 3;
  in.glazing_length = 20;  // 250 m³/h per m · 20 m
  PoolHallResult r = Computed(in);
  EXPECT_DOUBLE_EQ(r.vo, 5000);
  EXPECT_EQ(PoolHallShownTexts(r, ',').vo, "5000");
  EXPECT_TRUE(r.v_is_design);

  // 40 m at 7 m: 16000 m³/h exceeds V, so Vo is the design flow (Label61).
  in.glazing_height = 7;
  in.glazing_length = 40;
  r = Computed(in);
  EXPECT_DOUBLE_EQ(r.vo, 16000);
  EXPECT_FALSE(r.v_is_design);

  const std::array<double, 7> rates = {120, 200, 250, 300, 330, 370, 400};
  for (int h = 1; h <= 7; ++h) EXPECT_EQ(WindowDryingRate(h), rates[h - 1]) << h;
}

TEST(PoolHallTest, UnlistedGlazingHeightsAreRefusedNotInterpolated) {
  for (double h : {0.0, 2.5, 8.0, -1.0, double(NAN)}) {
    EXPECT_FALSE(WindowDryingRate(h).has_value()) << h;
    PoolHallInput in;
    in.glazing_height = h;
    const auto r = ComputePoolHall(in);
    ASSERT_FALSE(r.ok()) << h;
    EXPECT_EQ(r.failure().text, 0);
    EXPECT_NE(r.failure().english.find("glazing height"), std::string::npos);
    EXPECT_NE(r.failure().polish.find("Wysokość szklenia"), std::string::npos);
  }
}

TEST(PoolHallTest, EqualMoistureContentsAreAFailureAndWetterSupplyGivesNoFlow) {
  PoolHallInput in;
  in.supply_t = in.hall_t;
  in.supply_rh = in.hall_rh;  // the same state: xi = xk
  auto r = ComputePoolHall(in);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.failure().english.find("same moisture content"), std::string::npos);
  EXPECT_FALSE(r.failure().polish.empty());

  in.supply_rh = 70;  // supply wetter than the hall
  r = ComputePoolHall(in);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r->v, 0);
  EXPECT_EQ(PoolHallShownTexts(r.value(), ',').v, "0");
}

TEST(PoolHallTest, NonsenseInputsAreRefusedWithAMessage) {
  auto refused = [](auto change) {
    PoolHallInput in;
    change(in);
    const auto r = ComputePoolHall(in);
    return !r.ok() && !r.failure().english.empty() && !r.failure().polish.empty();
  };
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pool_area = 0; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pool_area = -5; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.floor_area = -1; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.glazing_length = -1; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.attraction_counts[4] = -2; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.air_speed = -0.1; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.hall_rh = 101; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.supply_rh = -1; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pressure = 0; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pressure = 2000; }));  // below the vapour pressure
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pool_type = 4; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pool_type = -1; }));
  EXPECT_TRUE(refused([](PoolHallInput& in) { in.pool_area = NAN; }));
  // Zero floor area and glazing length are the defaults, not refused.
  EXPECT_FALSE(refused([](PoolHallInput&) {}));
}

TEST(PoolHallTest, ExtremeInputsGiveAFailureOrFiniteResults) {
  for (double t : {-300.0, -272.0, -50.0, 0.0, 99.0, 150.0, 1e6, 1e300})
    for (double p : {1.0, 101300.0, 1e12}) {
      PoolHallInput in;
      in.water_t = t;
      in.hall_t = t / 2;
      in.supply_t = t / 3;
      in.pressure = p;
      const auto r = ComputePoolHall(in);
      if (!r.ok()) continue;
      for (double v : {r->wb, r->wa, r->wp, r->wc, r->v, r->vo, r->qm, r->qs, r->xi, r->xk})
        EXPECT_TRUE(std::isfinite(v)) << t << " " << p;
    }
}

// ---- Report ----

PoolHallReportData DefaultReport() {
  PoolHallReportData d;
  d.title = "Projekt basenu";
  d.pool_type = "PRYWATNY";
  d.pool_area = "312,5";
  d.water_t = "28";
  d.hall_t = "30";
  d.hall_rh = "60";
  d.pressure = "101300";
  d.supply_t = "30";
  d.supply_rh = "45";
  d.air_speed = "0,15";
  d.floor_area = "0";
  d.floor_t = "25";
  d.glazing_height = "1";
  d.glazing_length = "0";
  d.results = PoolHallShownTexts(ComputePoolHall(PoolHallInput{}).value(), ',');
  return d;
}

TEST(PoolHallReportTest, ParameterLineFieldsCountCharactersNotBytes) {
  // "WILGOTNOŚĆ ..." has two Polish letters; the label field stays 46 characters.
  EXPECT_EQ(PoolReportParameterLine("WILGOTNOŚĆ WZGLĘDNA POWIETRZA W HALI", "60", "%"),
            "     WILGOTNOŚĆ WZGLĘDNA POWIETRZA W HALI     60              %");
  // A value shorter than 10 characters is padded to 11, a longer one is not.
  EXPECT_EQ(PoolReportParameterLine("A", "123456789", "kg"),
            "     A" + std::string(40, ' ') + "123456789  " + "     kg");
  EXPECT_EQ(PoolReportParameterLine("A", "12345678901", "kg"),
            "     A" + std::string(40, ' ') + "12345678901" + "     kg");
  EXPECT_EQ(PoolReportParameterLine("A", "1234567890", ""),
            "     A" + std::string(40, ' ') + "1234567890");
  // No unit: the line ends after the value field.
  EXPECT_EQ(PoolReportParameterLine("RODZAJ BASENU", "PRYWATNY", ""),
            "     RODZAJ BASENU" + std::string(28, ' ') + "PRYWATNY   ");
}

TEST(PoolHallReportTest, LinesInOrderWithTickedAttractionsOnly) {
  PoolHallReportData d = DefaultReport();
  d.attractions[0] = "10";
  d.attractions[9] = "2";
  const std::vector<std::string> l = PoolHallReportLines(d);
  ASSERT_GE(l.size(), 20u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "");
  EXPECT_EQ(l[2], "   Projekt basenu");
  EXPECT_EQ(l[3], "   WYKRES MOLLIERA - MODUŁ OBLICZANIA BASENU");
  EXPECT_EQ(l[4], "");
  EXPECT_EQ(l[5], "   DANE WEJŚCIOWE:");
  EXPECT_EQ(l[6], "   LUSTRO BASENU:");
  EXPECT_EQ(l[7], "");
  EXPECT_EQ(l[8], "         PARAMETR                              WARTOŚĆ      JEDNOSTKA");
  EXPECT_EQ(l[9], "           [-]                                   [-]          [-]");
  EXPECT_EQ(l[10], PoolReportParameterLine("RODZAJ BASENU", "PRYWATNY", ""));
  EXPECT_EQ(l[11], PoolReportParameterLine("POWIERZCHNIA LUSTRA BASENU", "312,5", "m2"));
  EXPECT_EQ(l[18], PoolReportParameterLine("PRĘDKOŚĆ POWIETRZA NAD LUSTREM BASENU", "0,15", "m/s"));
  EXPECT_EQ(l[19], "");
  EXPECT_EQ(l[20], "     ATRAKCJE WODNE:");
  EXPECT_EQ(l[21], "");
  EXPECT_EQ(l[22], PoolReportParameterLine("DZIKA RZEKA", "10", "mb"));
  EXPECT_EQ(l[23], PoolReportParameterLine("NATRYSK", "2", "szt"));
  EXPECT_EQ(l[24], "");
  EXPECT_EQ(l[25], "     MOKRE POSADZKI:");
  EXPECT_EQ(l[27], PoolReportParameterLine("POWIERZCHNIA MOKRYCH POSADZEK", "0", "m2"));
  EXPECT_EQ(l[28], PoolReportParameterLine("TEMPERATURA POSADZEK", "25", "oC"));
  EXPECT_EQ(l[30], "     NAWIEW NA OKNA:");
  EXPECT_EQ(l[32], PoolReportParameterLine("WYSOKOŚĆ SZKLENIA", "1", "mb"));
  EXPECT_EQ(l[33], PoolReportParameterLine("DŁUGOŚĆ SZKLENIA", "0", "mb"));
  EXPECT_EQ(l[34], "");
  EXPECT_EQ(l[35], "");
  EXPECT_EQ(l[36], "");
  EXPECT_EQ(l[37], "   WYNIKI OBLICZEŃ:");
  EXPECT_EQ(l[38], "");
  EXPECT_EQ(l[39], PoolReportParameterLine("ZYSKI WILGOCI OD LUSTRA BASENU", "57,8", "kg/h"));
  EXPECT_EQ(l[43], PoolReportParameterLine("STRUMIEŃ POWIETRZA DO ASYMILACJI WILGOCI", "12254,6", "m3/h"));
  EXPECT_EQ(l[48], PoolReportParameterLine("ZAWARTOŚĆ WILGOCI POW. KLIMATYZACYJNEGO", "11,95", "g/kg"));
  ASSERT_EQ(l.size(), 50u);
  EXPECT_EQ(l[49].rfind("     WSPÓŁCZYNNIK W ZALEŻNY OD RODZAJU BASENU", 0), 0u);
  EXPECT_NE(l[49].find("15         "), std::string::npos);

  // Without ticked attractions the two attraction lines are gone.
  d.attractions = {};
  EXPECT_EQ(PoolHallReportLines(d).size(), 48u);
}

TEST(PoolHallReportTest, TextEndsEveryLineWithCrLf) {
  const PoolHallReportData d = DefaultReport();
  const std::string text = PoolHallReportText(d);
  size_t lines = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++lines;
  EXPECT_EQ(lines, PoolHallReportLines(d).size());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.rfind("\r\n\r\n   Projekt basenu\r\n", 0), 0u);
}

}  // namespace
}  // namespace orvanta::calculators

namespace orvanta::calculators {
namespace {

TEST(PoolHallTest, TypedPoolTypeNotInTheListKeepsThePreviousCoefficient) {
  const std::vector<std::string> items = {"PRIVATE", "SWIMMING", "RECREATIONAL", "WITH ATTRACTIONS"};
  EXPECT_EQ(PoolTypeForText("RECREATIONAL", items, 0), 2);
  EXPECT_EQ(PoolTypeForText("WITH ATTRACTIONS", items, 2), 3);
  EXPECT_EQ(PoolTypeForText("OLYMPIC", items, 2), 2);
  EXPECT_EQ(PoolTypeForText("", items, 1), 1);
  EXPECT_EQ(PoolTypeForText("recreational", items, 1), 1);  // exact text only
}

}  // namespace
}  // namespace orvanta::calculators

#include "calculators/language_lines.h"

namespace orvanta::calculators {
namespace {

TEST(PoolHallTest, ListsNameTheLanguageEntriesOfTheirTexts) {
  const auto lines = testing::PolishLanguageLines();
  for (const PoolType& p : kPoolTypes) EXPECT_EQ(testing::Entry(lines, p.text), p.polish);
  for (const WaterAttraction& a : kWaterAttractions) EXPECT_EQ(testing::Entry(lines, a.text), a.polish);
}

}  // namespace
}  // namespace orvanta::calculators
